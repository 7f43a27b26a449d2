#pragma once
// Writing side of the map file: a buffered text sink that turns each line end
// into CR LF, and a file that replaces its target only once it is complete.
// Fixed buffers only; nothing is allocated.

#include <cstddef>
#include <cstdint>
#include <cstdio>

class MapFileSink {
public:
    explicit MapFileSink(std::FILE* file) : file_(file) {}
    MapFileSink(const MapFileSink&) = delete;
    MapFileSink& operator=(const MapFileSink&) = delete;

    // Format text: every '\n' becomes CR LF.
    void Text(const char* text);
    // A stored name, byte for byte, up to its terminator or `capacity` bytes.
    void Name(const char* name, size_t capacity);
    void Int(int32_t value);
    // Writes out what is buffered; false when any write so far failed.
    bool Flush();

private:
    void Put(char c) {
        if (used_ == sizeof buffer_) Drain();
        buffer_[used_++] = c;
    }
    void Drain();

    std::FILE* file_;
    char buffer_[64 * 1024];
    size_t used_ = 0;
    bool failed_ = false;
};

// Writes a file under a temporary name in the target's folder and renames it
// over the target on Commit. Until then, and whenever something fails, the
// target is left as it was and the temporary file is removed. A target that
// exists but is no regular file (a folder, a device, a FIFO) is refused.
//
// When the target cannot be renamed over because it is a mount point of its
// own (a file bind-mounted into the folder: EBUSY or EXDEV), the complete
// temporary file is copied over the target in place, after reserving the
// space for it; the temporary file is removed only once the target holds the
// new content and is synced, so a complete copy exists at every moment. If
// the copy fails part way the temporary file is kept as that copy.
class ReplacingFile {
public:
    ReplacingFile() = default;
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;
    ~ReplacingFile();

    bool Open(const char* target);
    std::FILE* Stream() const { return file_; }
    // Flushes, syncs and closes the temporary file and renames it over the target.
    bool Commit();

    // The temporary file kept after a failed in-place copy, or empty.
    const char* KeptCopy() const { return kept_; }

private:
    void Discard();
    bool CopyOverTarget();

    static constexpr size_t kPathSize = 4096;
    char target_[kPathSize] = {};
    char temporary_[kPathSize] = {};
    char kept_[kPathSize] = {};
    std::FILE* file_ = nullptr;
};
