#include "imageloader.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

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

}  // namespace

bool ReadWholeFile(const char* path, std::vector<uint8_t>* bytes, std::string* error) {
    bytes->clear();
    if (!path || !*path) return Fail(error, "no file name");
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return Fail(error, "cannot open file");
    bool ok = std::fseek(file, 0, SEEK_END) == 0;
    const long length = ok ? std::ftell(file) : -1;
    ok = ok && length >= 0 && static_cast<uint64_t>(length) <= kMaxImageFileBytes && std::fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        bytes->resize(static_cast<size_t>(length));
        ok = std::fread(bytes->data(), 1, bytes->size(), file) == bytes->size();
    }
    std::fclose(file);
    if (!ok) {
        bytes->clear();
        return Fail(error, length > 0 && static_cast<uint64_t>(length) > kMaxImageFileBytes ? "file too large"
                                                                                            : "cannot read file");
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
