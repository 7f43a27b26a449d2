#include "ddsreader.h"

#include <gtest/gtest.h>

#include <chrono>

#include "ddswriter.h"

using quarrow::d3d::DecodeDds;
using quarrow::d3d::DecodedImage;

namespace {

std::vector<uint8_t> Bytes16(std::initializer_list<uint16_t> values) {
    std::vector<uint8_t> out;
    for (uint16_t v : values) {
        out.push_back(static_cast<uint8_t>(v));
        out.push_back(static_cast<uint8_t>(v >> 8));
    }
    return out;
}

std::vector<uint8_t> Bytes32(std::initializer_list<uint32_t> values) {
    std::vector<uint8_t> out;
    for (uint32_t v : values) ddswriter::Put32(out, v);
    return out;
}

struct FormatCase {
    const char* name;
    ddswriter::PixelFormat format;
    std::vector<uint8_t> data;           // two pixels, one row
    std::vector<uint32_t> expected;      // straight ARGB
};

class UncompressedFormats : public testing::TestWithParam<FormatCase> {};

TEST_P(UncompressedFormats, DecodeToExpectedTexels) {
    const FormatCase& c = GetParam();
    const auto file = ddswriter::Write(2, 1, c.format, c.data);
    DecodedImage image;
    std::string error;
    ASSERT_TRUE(DecodeDds(file.data(), file.size(), &image, &error)) << error;
    EXPECT_EQ(image.width, 2u);
    EXPECT_EQ(image.height, 1u);
    ASSERT_EQ(image.pixels.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(image.pixels[i], c.expected[i]) << "pixel " << i << std::hex << " got 0x" << image.pixels[i];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dds, UncompressedFormats,
    testing::Values(
        FormatCase{"A8R8G8B8", ddswriter::Rgb(32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000u),
                   Bytes32({0x80112233u, 0x00FFFFFFu}), {0x80112233u, 0x00FFFFFFu}},
        FormatCase{"X8R8G8B8", ddswriter::Rgb(32, 0xFF0000, 0xFF00, 0xFF),
                   Bytes32({0x00112233u, 0x7F445566u}), {0xFF112233u, 0xFF445566u}},
        FormatCase{"A8B8G8R8", ddswriter::Rgb(32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000u),
                   Bytes32({0x80332211u, 0xFF0000FFu}), {0x80112233u, 0xFFFF0000u}},
        FormatCase{"R8G8B8", ddswriter::Rgb(24, 0xFF0000, 0xFF00, 0xFF),
                   {0x33, 0x22, 0x11, 0xFF, 0x00, 0x80}, {0xFF112233u, 0xFF8000FFu}},
        FormatCase{"A1R5G5B5", ddswriter::Rgb(16, 0x7C00, 0x3E0, 0x1F, 0x8000),
                   Bytes16({0x8000 | 0x7C00 | 16, 0x7FFF}), {0xFFFF0084u, 0x00FFFFFFu}},
        FormatCase{"X1R5G5B5", ddswriter::Rgb(16, 0x7C00, 0x3E0, 0x1F),
                   Bytes16({0x7C00, 0x801F}), {0xFFFF0000u, 0xFF0000FFu}},
        FormatCase{"R5G6B5", ddswriter::Rgb(16, 0xF800, 0x7E0, 0x1F),
                   Bytes16({0xF800, 0x0410}), {0xFFFF0000u, 0xFF008284u}},
        FormatCase{"A4R4G4B4", ddswriter::Rgb(16, 0xF00, 0xF0, 0xF, 0xF000),
                   Bytes16({0x8F0A, 0x0FFF}), {0x88FF00AAu, 0x00FFFFFFu}}),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

// Colour block of white and black endpoints; texel i of every row takes index i.
std::vector<uint8_t> ColourBlock(uint16_t c0, uint16_t c1) {
    auto block = Bytes16({c0, c1});
    for (int row = 0; row < 4; ++row) block.push_back(0xE4);   // indices 0, 1, 2, 3
    return block;
}

// Every texel takes the first endpoint.
std::vector<uint8_t> SolidBlock(uint16_t colour) {
    auto block = Bytes16({colour, 0});
    block.insert(block.end(), 4, 0);
    return block;
}

std::vector<uint32_t> FirstRow(const DecodedImage& image) {
    return std::vector<uint32_t>(image.pixels.begin(), image.pixels.begin() + 4);
}

DecodedImage DecodeOrFail(const std::vector<uint8_t>& file) {
    DecodedImage image;
    std::string error;
    EXPECT_TRUE(DecodeDds(file.data(), file.size(), &image, &error)) << error;
    return image;
}

TEST(DdsCompressed, Dxt1FourColourAndThreeColourBlocks) {
    const DecodedImage four = DecodeOrFail(ddswriter::Write(4, 4, ddswriter::Compressed("DXT1"), ColourBlock(0xFFFF, 0)));
    ASSERT_EQ(four.pixels.size(), 16u);
    EXPECT_EQ(FirstRow(four), (std::vector<uint32_t>{0xFFFFFFFFu, 0xFF000000u, 0xFFAAAAAAu, 0xFF555555u}));
    EXPECT_EQ(four.pixels[12], 0xFFFFFFFFu);

    // First endpoint not greater: the fourth colour is transparent black.
    const DecodedImage three = DecodeOrFail(ddswriter::Write(4, 4, ddswriter::Compressed("DXT1"), ColourBlock(0, 0xFFFF)));
    ASSERT_EQ(three.pixels.size(), 16u);
    EXPECT_EQ(FirstRow(three), (std::vector<uint32_t>{0xFF000000u, 0xFFFFFFFFu, 0xFF7F7F7Fu, 0x00000000u}));
}

TEST(DdsCompressed, Dxt3ExplicitAlpha) {
    std::vector<uint8_t> data;
    for (int i = 0; i < 8; ++i) data.push_back(static_cast<uint8_t>((2 * i) | ((2 * i + 1) << 4)));   // texel i: alpha i
    const auto colour = ColourBlock(0xFFFF, 0xFFFF);
    data.insert(data.end(), colour.begin(), colour.end());
    const DecodedImage image = DecodeOrFail(ddswriter::Write(4, 4, ddswriter::Compressed("DXT3"), data));
    ASSERT_EQ(image.pixels.size(), 16u);
    for (uint32_t i = 0; i < 16; ++i) EXPECT_EQ(image.pixels[i], 0x00FFFFFFu | ((i * 17) << 24)) << i;
}

TEST(DdsCompressed, Dxt5InterpolatedAlphaInBothModes) {
    struct Case {
        uint8_t a0, a1;
        uint32_t alphas[8];
    } cases[] = {
        {255, 0, {255, 0, 218, 182, 145, 109, 72, 36}},
        {0, 255, {0, 255, 51, 102, 153, 204, 0, 255}},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> data{c.a0, c.a1};
        uint64_t bits = 0;
        for (int i = 0; i < 16; ++i) bits |= static_cast<uint64_t>(i % 8) << (3 * i);
        for (int i = 0; i < 6; ++i) data.push_back(static_cast<uint8_t>(bits >> (8 * i)));
        const auto colour = ColourBlock(0xFFFF, 0xFFFF);
        data.insert(data.end(), colour.begin(), colour.end());
        const DecodedImage image = DecodeOrFail(ddswriter::Write(4, 4, ddswriter::Compressed("DXT5"), data));
        ASSERT_EQ(image.pixels.size(), 16u);
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(image.pixels[i] >> 24, c.alphas[i % 8]) << "a0 " << int(c.a0) << " texel " << i;
            EXPECT_EQ(image.pixels[i] & 0xFFFFFF, 0xFFFFFFu);
        }
    }
}

TEST(DdsCompressed, SizesNotMultipleOfFourKeepOnlyTheImage) {
    // 6 × 2 needs two blocks across and one down; the second block is black.
    std::vector<uint8_t> data = SolidBlock(0xFFFF);
    const auto black = SolidBlock(0);
    data.insert(data.end(), black.begin(), black.end());
    const DecodedImage image = DecodeOrFail(ddswriter::Write(6, 2, ddswriter::Compressed("DXT1"), data));
    ASSERT_EQ(image.pixels.size(), 12u);
    EXPECT_EQ(image.pixels[3], 0xFFFFFFFFu);
    EXPECT_EQ(image.pixels[4], 0xFF000000u);
    EXPECT_EQ(image.pixels[6 + 5], 0xFF000000u);
}

std::vector<uint8_t> Patched(std::vector<uint8_t> file, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) file[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    return file;
}

TEST(DdsDamaged, EveryDamagedFileFailsCleanly) {
    const auto argb4x4 = ddswriter::WriteArgb(4, 4, std::vector<uint32_t>(16, 0xFF102030u));
    const auto dxt1 = ddswriter::Write(4, 4, ddswriter::Compressed("DXT1"), ColourBlock(0xFFFF, 0));
    auto shortened = [](std::vector<uint8_t> file, size_t by) {
        file.resize(file.size() - by);
        return file;
    };
    constexpr size_t kHeight = 12, kWidth = 16, kFormatSize = 76, kFormatFlags = 80, kFourCc = 84, kBits = 88,
                     kRedMask = 92;
    const struct {
        const char* what;
        std::vector<uint8_t> file;
    } cases[] = {
        {"empty", {}},
        {"magic only", {'D', 'D', 'S', ' '}},
        {"header cut short", shortened(argb4x4, argb4x4.size() - 100)},
        {"wrong header size", Patched(argb4x4, 4, 123)},
        {"wrong pixel format size", Patched(argb4x4, kFormatSize, 30)},
        {"zero width", Patched(argb4x4, kWidth, 0)},
        {"zero height", Patched(argb4x4, kHeight, 0)},
        {"65535 x 65535 uncompressed", Patched(Patched(argb4x4, kWidth, 65535), kHeight, 65535)},
        {"65535 x 65535 DXT1", Patched(Patched(dxt1, kWidth, 65535), kHeight, 65535)},
        {"8192 x 8192 with 16 pixels of data", Patched(Patched(argb4x4, kWidth, 8192), kHeight, 8192)},
        {"pixels one byte short", shortened(argb4x4, 1)},
        {"DXT1 block one byte short", shortened(dxt1, 1)},
        {"unknown compression", Patched(dxt1, kFourCc, ddswriter::FourCc("DX10"))},
        {"neither RGB nor compressed", Patched(argb4x4, kFormatFlags, 0x20000)},
        {"8-bit pixels", Patched(argb4x4, kBits, 8)},
        {"12-bit pixels", Patched(argb4x4, kBits, 12)},
        {"non-contiguous mask", Patched(argb4x4, kRedMask, 0x00F0F000)},
        {"no colour masks", Patched(Patched(Patched(argb4x4, kRedMask, 0), kRedMask + 4, 0), kRedMask + 8, 0)},
        {"not a DDS file", {'P', 'N', 'G', ' ', 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        DecodedImage image;
        std::string error;
        const auto started = std::chrono::steady_clock::now();
        EXPECT_FALSE(DecodeDds(c.file.data(), c.file.size(), &image, &error)) << c.what;
        EXPECT_FALSE(error.empty()) << c.what;
        EXPECT_TRUE(image.pixels.empty()) << c.what;
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1)) << c.what;
    }
}

TEST(DdsDamaged, EveryTruncationOfValidFilesFails) {
    std::vector<uint8_t> dxt5(16, 0);
    const std::vector<std::vector<uint8_t>> files = {
        ddswriter::Write(3, 2, ddswriter::Rgb(24, 0xFF0000, 0xFF00, 0xFF), std::vector<uint8_t>(18, 0x40)),
        ddswriter::Write(4, 4, ddswriter::Compressed("DXT5"), dxt5),
    };
    for (const auto& file : files) {
        DecodedImage image;
        std::string error;
        ASSERT_TRUE(DecodeDds(file.data(), file.size(), &image, &error)) << error;
        for (size_t length = 0; length < file.size(); ++length) {
            // A copy of exactly `length` bytes, so reading past it is a real over-read.
            const std::vector<uint8_t> cut(file.begin(), file.begin() + static_cast<ptrdiff_t>(length));
            EXPECT_FALSE(DecodeDds(cut.data(), cut.size(), &image, &error)) << "length " << length;
        }
    }
}

}  // namespace
