#include "mapfile_sink.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

void MapFileSink::Drain() {
    if (used_ != 0 && std::fwrite(buffer_, 1, used_, file_) != used_) failed_ = true;
    used_ = 0;
}

void MapFileSink::Text(const char* text) {
    for (; *text; ++text) {
        if (*text == '\n') Put('\r');
        Put(*text);
    }
}

void MapFileSink::Name(const char* name, size_t capacity) {
    const size_t length = strnlen(name, capacity);
    for (size_t i = 0; i < length; ++i) Put(name[i]);
}

void MapFileSink::Int(int32_t value) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    for (const char* p = digits; p < result.ptr; ++p) Put(*p);
}

bool MapFileSink::Flush() {
    Drain();
    if (std::fflush(file_) != 0) failed_ = true;
    return !failed_;
}

ReplacingFile::~ReplacingFile() { Discard(); }

bool ReplacingFile::Open(const char* target) {
    Discard();
    const size_t length = std::strlen(target);
    if (length == 0 || length >= kPathSize - 32) return false;
    std::memcpy(target_, target, length + 1);
    // Saving through a symbolic link replaces the file it points to, not the link.
    struct stat link;
    char resolved[PATH_MAX];
    if (::lstat(target_, &link) == 0 && S_ISLNK(link.st_mode) && ::realpath(target_, resolved) &&
        std::strlen(resolved) < kPathSize - 32) {
        std::strcpy(target_, resolved);
    }

    // Only a regular file is replaced: renaming over a device node or a FIFO
    // would destroy it, and a folder cannot take the file's place anyway.
    struct stat existing;
    if (::stat(target_, &existing) == 0 && !S_ISREG(existing.st_mode)) {
        errno = S_ISDIR(existing.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    kept_[0] = '\0';

    // A unique name beside the target, so the rename stays on one file system.
    // Short and independent of the target's name: a target whose name is
    // already as long as a folder allows must still get one.
    const char* slash = std::strrchr(target_, '/');
    const int folderLength = slash != nullptr ? static_cast<int>(slash - target_ + 1) : 0;
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::snprintf(temporary_, sizeof temporary_, "%.*s.qrd-save-%ld-%u.tmp", folderLength, target_,
                      static_cast<long>(getpid()), serial++);
        // 0666 lets the umask decide, as for any newly created file.
        const int fd = ::open(temporary_, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            break;
        }
        // Replacing a file keeps its permissions.
        struct stat existing;
        if (::stat(target_, &existing) == 0) ::fchmod(fd, existing.st_mode & 07777);
        file_ = ::fdopen(fd, "wb");
        if (!file_) {
            ::close(fd);
            ::unlink(temporary_);
            break;
        }
        return true;
    }
    temporary_[0] = '\0';
    return false;
}

bool ReplacingFile::Commit() {
    if (!file_) return false;
    bool ok = std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0;
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    if (ok && ::rename(temporary_, target_) == 0) {
        temporary_[0] = '\0';
        return true;
    }
    if (ok && (errno == EBUSY || errno == EXDEV)) return CopyOverTarget();
    Discard();
    return false;
}

namespace {

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

// Copies the whole of `from` over the start of `to`.
bool CopyContent(int from, int to) {
    char block[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(from, block, sizeof block);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        if (!WriteAll(to, block, static_cast<size_t>(got))) return false;
    }
}

}  // namespace

bool ReplacingFile::CopyOverTarget() {
    const int from = ::open(temporary_, O_RDONLY | O_CLOEXEC);
    const int to = from < 0 ? -1 : ::open(target_, O_WRONLY | O_CLOEXEC);
    struct stat source;
    bool ok = to >= 0 && ::fstat(from, &source) == 0;
    // Reserve the space first, so a full device fails here, before the old
    // content is touched. File systems without fallocate go straight on.
    if (ok && source.st_size > 0) {
        const int reserved = ::fallocate(to, FALLOC_FL_KEEP_SIZE, 0, source.st_size);
        ok = reserved == 0 || errno == EOPNOTSUPP;
    }
    if (!ok) {
        if (from >= 0) ::close(from);
        if (to >= 0) ::close(to);
        Discard();
        return false;
    }
    ok = CopyContent(from, to) && ::ftruncate(to, source.st_size) == 0 && ::fsync(to) == 0;
    ok = ::close(to) == 0 && ok;
    ::close(from);
    if (!ok) {
        // The target may be half written now: keep the complete new copy.
        std::memcpy(kept_, temporary_, sizeof kept_);
        temporary_[0] = '\0';
        return false;
    }
    Discard();
    return true;
}

void ReplacingFile::Discard() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (temporary_[0] != '\0') {
        ::unlink(temporary_);
        temporary_[0] = '\0';
    }
}
