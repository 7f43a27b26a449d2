#include "imageloader.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "ddsreader.h"

namespace quarrow::d3d {
namespace {

bool Fail(std::string* error, const std::string& reason) {
    if (error) *error = reason;
    return false;
}

bool DecodeWithQt(const uint8_t* data, size_t size, LoadedImage* image, std::string* error) {
    // fromRawData does not copy; the buffer only lives for this call.
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize claimed = reader.size();
    if (claimed.isValid() && (static_cast<uint32_t>(claimed.width()) > kMaxDdsSide ||
                              static_cast<uint32_t>(claimed.height()) > kMaxDdsSide)) {
        return Fail(error, "image too large");
    }
    QImage decoded;
    if (!reader.read(&decoded) || decoded.isNull()) {
        return Fail(error, "unreadable image: " + reader.errorString().toStdString());
    }
    if (static_cast<uint32_t>(decoded.width()) > kMaxDdsSide || static_cast<uint32_t>(decoded.height()) > kMaxDdsSide) {
        return Fail(error, "image too large");
    }
    decoded.convertTo(QImage::Format_ARGB32);
    image->width = static_cast<uint32_t>(decoded.width());
    image->height = static_cast<uint32_t>(decoded.height());
    image->pixels.resize(static_cast<size_t>(image->width) * image->height);
    for (uint32_t y = 0; y < image->height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(decoded.constScanLine(static_cast<int>(y)));
        std::copy(row, row + image->width, image->pixels.begin() + static_cast<ptrdiff_t>(y) * image->width);
    }
    return true;
}

// A descriptor for a regular file, opened without waiting; -1 otherwise.
int OpenRegularFile(const char* path, uint64_t* length) {
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    *length = static_cast<uint64_t>(info.st_size);
    return fd;
}

// Reads up to `wanted` bytes from the current position into the end of `bytes`.
bool ReadInto(int fd, uint64_t wanted, std::vector<uint8_t>* bytes) {
    const size_t start = bytes->size();
    bytes->resize(start + static_cast<size_t>(wanted));
    size_t done = 0;
    while (done < wanted) {
        const ssize_t got = ::read(fd, bytes->data() + start + done, static_cast<size_t>(wanted) - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) break;
        done += static_cast<size_t>(got);
    }
    bytes->resize(start + done);
    return true;
}

}  // namespace

bool ReadImageFile(const char* path, std::vector<uint8_t>* bytes, std::string* error) {
    bytes->clear();
    if (!path || !*path) return Fail(error, "no file name");
    uint64_t length = 0;
    const int fd = OpenRegularFile(path, &length);
    if (fd < 0) return Fail(error, "cannot open file");
    // The first bytes decide how much of the rest is worth reading.
    constexpr uint64_t kProbeBytes = 128;
    bool ok = ReadInto(fd, std::min(length, kProbeBytes), bytes);
    uint64_t wanted = length;
    if (ok && LooksLikeDds(bytes->data(), bytes->size())) {
        wanted = std::min(length, DdsBytesNeeded(bytes->data(), bytes->size()));
    }
    if (ok && wanted > kMaxImageFileBytes) {
        ::close(fd);
        bytes->clear();
        return Fail(error, "file too large");
    }
    if (ok && wanted > bytes->size()) ok = ReadInto(fd, wanted - bytes->size(), bytes);
    ::close(fd);
    if (!ok) {
        bytes->clear();
        return Fail(error, "cannot read file");
    }
    return true;
}

bool DecodeImage(const uint8_t* data, size_t size, LoadedImage* image, std::string* error) {
    *image = LoadedImage{};
    if (LooksLikeDds(data, size)) {
        DecodedImage dds;
        if (!DecodeDds(data, size, &dds, error)) return false;
        image->width = dds.width;
        image->height = dds.height;
        image->pixels = std::move(dds.pixels);
        return true;
    }
    if (size == 0) return Fail(error, "empty file");
    return DecodeWithQt(data, size, image, error);
}

}  // namespace quarrow::d3d
