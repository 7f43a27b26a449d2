#include "ddsreader.h"

#include <bit>
#include <cstring>
#include <new>

namespace quarrow::d3d {
namespace {

constexpr size_t kHeaderSize = 128;   // magic word plus the 124-byte header
constexpr uint32_t kPixelFormatAlpha = 0x1;
constexpr uint32_t kPixelFormatFourCc = 0x4;
constexpr uint32_t kPixelFormatRgb = 0x40;

constexpr uint32_t FourCc(char a, char b, char c, char d) {
    return static_cast<uint32_t>(static_cast<uint8_t>(a)) | (static_cast<uint32_t>(static_cast<uint8_t>(b)) << 8) |
           (static_cast<uint32_t>(static_cast<uint8_t>(c)) << 16) | (static_cast<uint32_t>(static_cast<uint8_t>(d)) << 24);
}

uint32_t ReadU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

uint16_t ReadU16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

struct Header {
    uint32_t width;
    uint32_t height;
    uint32_t formatFlags;
    uint32_t fourCc;
    uint32_t bitCount;
    uint32_t masks[4];   // red, green, blue, alpha
};

Header ParseHeader(const uint8_t* data) {
    const uint8_t* h = data + 4;
    Header header{};
    header.height = ReadU32(h + 8);
    header.width = ReadU32(h + 12);
    const uint8_t* pf = h + 72;
    header.formatFlags = ReadU32(pf + 4);
    header.fourCc = ReadU32(pf + 8);
    header.bitCount = ReadU32(pf + 12);
    for (int i = 0; i < 4; ++i) header.masks[i] = ReadU32(pf + 16 + 4 * i);
    return header;
}

bool Fail(std::string* error, const char* reason) {
    if (error) *error = reason;
    return false;
}

// One colour channel described by a bit mask, widened to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t maximum = 0;

    explicit Channel(uint32_t m) : mask(m) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        maximum = mask >> shift;
    }
    bool Valid() const { return mask == 0 || ((maximum & (maximum + 1)) == 0 && maximum <= 0xFFFFFFu); }
    uint32_t Expand(uint32_t value, uint32_t absent) const {
        if (mask == 0) return absent;
        const uint64_t v = (value & mask) >> shift;
        return static_cast<uint32_t>((v * 255 + maximum / 2) / maximum);
    }
};

bool DecodeMasked(const Header& header, const uint8_t* data, size_t size, DecodedImage* image, std::string* error) {
    const uint32_t bytesPerPixel = header.bitCount / 8;
    if (header.bitCount % 8 != 0 || bytesPerPixel < 2 || bytesPerPixel > 4) return Fail(error, "unsupported bit count");
    const bool hasAlpha = (header.formatFlags & kPixelFormatAlpha) != 0;
    const Channel red(header.masks[0]), green(header.masks[1]), blue(header.masks[2]),
        alpha(hasAlpha ? header.masks[3] : 0);
    if (!red.Valid() || !green.Valid() || !blue.Valid() || !alpha.Valid()) return Fail(error, "unsupported channel masks");
    if (header.masks[0] == 0 && header.masks[1] == 0 && header.masks[2] == 0) return Fail(error, "no colour channels");

    const uint64_t pitch = static_cast<uint64_t>(header.width) * bytesPerPixel;
    if (pitch * header.height > size - kHeaderSize) return Fail(error, "truncated pixel data");

    image->pixels.assign(static_cast<size_t>(header.width) * header.height, 0);
    const uint8_t* base = data + kHeaderSize;
    for (uint32_t y = 0; y < header.height; ++y) {
        const uint8_t* row = base + y * pitch;
        uint32_t* out = image->pixels.data() + static_cast<size_t>(y) * header.width;
        for (uint32_t x = 0; x < header.width; ++x) {
            const uint8_t* p = row + x * bytesPerPixel;
            uint32_t value = p[0] | (p[1] << 8);
            if (bytesPerPixel >= 3) value |= static_cast<uint32_t>(p[2]) << 16;
            if (bytesPerPixel == 4) value |= static_cast<uint32_t>(p[3]) << 24;
            out[x] = (alpha.Expand(value, 255) << 24) | (red.Expand(value, 0) << 16) | (green.Expand(value, 0) << 8) |
                     blue.Expand(value, 0);
        }
    }
    return true;
}

uint32_t Expand565(uint16_t c) {
    const uint32_t r = (c >> 11) & 0x1F, g = (c >> 5) & 0x3F, b = c & 0x1F;
    return 0xFF000000u | (((r << 3) | (r >> 2)) << 16) | (((g << 2) | (g >> 4)) << 8) | ((b << 3) | (b >> 2));
}

// Mixes two opaque colours channel by channel: (wa * a + wb * b) / (wa + wb).
uint32_t Mix(uint32_t a, uint32_t b, uint32_t wa, uint32_t wb) {
    uint32_t out = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t v = (((a >> shift) & 0xFF) * wa + ((b >> shift) & 0xFF) * wb) / (wa + wb);
        out |= v << shift;
    }
    return out;
}

// The four colours of a colour block. DXT1 blocks whose first endpoint is not
// greater than the second have three colours and transparent black.
void BlockPalette(const uint8_t* block, bool allowTransparent, uint32_t palette[4]) {
    const uint16_t c0 = ReadU16(block), c1 = ReadU16(block + 2);
    palette[0] = Expand565(c0);
    palette[1] = Expand565(c1);
    if (c0 > c1 || !allowTransparent) {
        palette[2] = Mix(palette[0], palette[1], 2, 1);
        palette[3] = Mix(palette[0], palette[1], 1, 2);
    } else {
        palette[2] = Mix(palette[0], palette[1], 1, 1);
        palette[3] = 0;
    }
}

void DecodeColourBlock(const uint8_t* block, bool allowTransparent, uint32_t texels[16]) {
    uint32_t palette[4];
    BlockPalette(block, allowTransparent, palette);
    const uint32_t indices = ReadU32(block + 4);
    for (int i = 0; i < 16; ++i) texels[i] = palette[(indices >> (2 * i)) & 3];
}

void ApplyExplicitAlpha(const uint8_t* block, uint32_t texels[16]) {
    for (int i = 0; i < 16; ++i) {
        const uint32_t nibble = (block[i / 2] >> (4 * (i % 2))) & 0xF;
        texels[i] = (texels[i] & 0x00FFFFFFu) | ((nibble * 17) << 24);
    }
}

void ApplyInterpolatedAlpha(const uint8_t* block, uint32_t texels[16]) {
    const uint32_t a0 = block[0], a1 = block[1];
    uint32_t alphas[8] = {a0, a1};
    if (a0 > a1) {
        for (uint32_t i = 1; i < 7; ++i) alphas[i + 1] = ((7 - i) * a0 + i * a1) / 7;
    } else {
        for (uint32_t i = 1; i < 5; ++i) alphas[i + 1] = ((5 - i) * a0 + i * a1) / 5;
        alphas[6] = 0;
        alphas[7] = 255;
    }
    uint64_t bits = 0;
    for (int i = 0; i < 6; ++i) bits |= static_cast<uint64_t>(block[2 + i]) << (8 * i);
    for (int i = 0; i < 16; ++i) {
        const uint32_t a = alphas[(bits >> (3 * i)) & 7];
        texels[i] = (texels[i] & 0x00FFFFFFu) | (a << 24);
    }
}

bool DecodeCompressed(const Header& header, const uint8_t* data, size_t size, DecodedImage* image, std::string* error) {
    int kind;
    if (header.fourCc == FourCc('D', 'X', 'T', '1')) kind = 1;
    else if (header.fourCc == FourCc('D', 'X', 'T', '3')) kind = 3;
    else if (header.fourCc == FourCc('D', 'X', 'T', '5')) kind = 5;
    else return Fail(error, "unsupported compressed format");
    const uint64_t blockBytes = kind == 1 ? 8 : 16;
    const uint64_t blocksWide = (header.width + 3) / 4, blocksHigh = (header.height + 3) / 4;
    if (blocksWide * blocksHigh * blockBytes > size - kHeaderSize) return Fail(error, "truncated pixel data");

    image->pixels.assign(static_cast<size_t>(header.width) * header.height, 0);
    const uint8_t* block = data + kHeaderSize;
    for (uint64_t by = 0; by < blocksHigh; ++by) {
        for (uint64_t bx = 0; bx < blocksWide; ++bx, block += blockBytes) {
            uint32_t texels[16];
            if (kind == 1) {
                DecodeColourBlock(block, true, texels);
            } else {
                DecodeColourBlock(block + 8, false, texels);
                if (kind == 3) ApplyExplicitAlpha(block, texels);
                else ApplyInterpolatedAlpha(block, texels);
            }
            for (uint32_t i = 0; i < 16; ++i) {
                const uint64_t x = bx * 4 + i % 4, y = by * 4 + i / 4;
                if (x < header.width && y < header.height) image->pixels[y * header.width + x] = texels[i];
            }
        }
    }
    return true;
}

// Bytes of the top-level image after the header; 0 for a format we do not decode.
uint64_t TopLevelBytes(const Header& header) {
    if (header.formatFlags & kPixelFormatFourCc) {
        const bool dxt1 = header.fourCc == FourCc('D', 'X', 'T', '1');
        const bool dxt35 = header.fourCc == FourCc('D', 'X', 'T', '3') || header.fourCc == FourCc('D', 'X', 'T', '5');
        if (!dxt1 && !dxt35) return 0;
        const uint64_t blocks = uint64_t{(header.width + 3) / 4} * ((header.height + 3) / 4);
        return blocks * (dxt1 ? 8 : 16);
    }
    if (header.formatFlags & kPixelFormatRgb) {
        if (header.bitCount % 8 != 0 || header.bitCount < 16 || header.bitCount > 32) return 0;
        return uint64_t{header.width} * header.height * (header.bitCount / 8);
    }
    return 0;
}

}  // namespace

uint64_t DdsBytesNeeded(const uint8_t* data, size_t size) {
    if (!data || !LooksLikeDds(data, size) || size < kHeaderSize) return kHeaderSize;
    if (ReadU32(data + 4) != 124 || ReadU32(data + 4 + 72) != 32) return kHeaderSize;
    const Header header = ParseHeader(data);
    if (header.width == 0 || header.height == 0 || header.width > kMaxDdsSide || header.height > kMaxDdsSide) {
        return kHeaderSize;
    }
    return kHeaderSize + TopLevelBytes(header);
}

bool LooksLikeDds(const uint8_t* data, size_t size) {
    return size >= 4 && std::memcmp(data, "DDS ", 4) == 0;
}

bool DecodeDds(const uint8_t* data, size_t size, DecodedImage* image, std::string* error) {
    *image = DecodedImage{};
    if (!data || !LooksLikeDds(data, size)) return Fail(error, "not a DDS file");
    if (size < kHeaderSize) return Fail(error, "truncated header");
    if (ReadU32(data + 4) != 124 || ReadU32(data + 4 + 72) != 32) return Fail(error, "bad header size");
    const Header header = ParseHeader(data);
    if (header.width == 0 || header.height == 0) return Fail(error, "empty image");
    if (header.width > kMaxDdsSide || header.height > kMaxDdsSide) return Fail(error, "image too large");

    bool ok;
    if (header.formatFlags & kPixelFormatFourCc) {
        ok = DecodeCompressed(header, data, size, image, error);
    } else if (header.formatFlags & kPixelFormatRgb) {
        ok = DecodeMasked(header, data, size, image, error);
    } else {
        ok = Fail(error, "unsupported pixel format");
    }
    if (!ok) {
        *image = DecodedImage{};
        return false;
    }
    image->width = header.width;
    image->height = header.height;
    return true;
}

}  // namespace quarrow::d3d
