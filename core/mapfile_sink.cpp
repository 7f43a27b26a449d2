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
    Discard();
    return false;
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
