#include "blitter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

using namespace quarrow::d3d;

namespace {

struct Texture {
    int width, height;
    std::vector<uint32_t> texels;
    std::vector<uint32_t> coverage;
    TexelSource Source() const { return TexelSource{texels.data(), coverage.data(), width, height}; }
};

Texture MakeTexture(int width, int height, const std::vector<uint32_t>& straight) {
    Texture t{width, height, {}, {}};
    for (uint32_t p : straight) t.texels.push_back(Premultiply(p));
    t.coverage.resize(static_cast<size_t>(width + 1) * height);
    ComputeCoverage(t.texels.data(), width, height, t.coverage.data());
    return t;
}

// Alpha in runs of opaque, transparent and in-between texels, as sprite art
// has; runs longer than the vector step give it whole opaque and whole
// see-through steps.
Texture RandomTexture(std::mt19937& rng, int width, int height, int run = 7) {
    std::vector<uint32_t> pixels;
    std::uniform_int_distribution<uint32_t> any;
    for (int i = 0; i < width * height; ++i) {
        uint32_t alpha = (i / run) % 3 == 0 ? 255 : (i / run) % 3 == 1 ? 0 : any(rng) & 0xFF;
        pixels.push_back((alpha << 24) | (any(rng) & 0xFFFFFF));
    }
    return MakeTexture(width, height, pixels);
}

class ScopedKernel {
public:
    explicit ScopedKernel(BlitterKernel kernel) : previous(ActiveBlitterKernel()) { UseBlitterKernel(kernel); }
    ~ScopedKernel() { UseBlitterKernel(previous); }

private:
    BlitterKernel previous;
};

std::vector<uint32_t> DrawMany(BlitterKernel kernel, const Texture& texture, uint32_t seed) {
    ScopedKernel use(kernel);
    std::vector<uint32_t> buffer(70 * 50, 0xFF505050u);
    const PixelTarget target{buffer.data(), 70, 50, 70};
    std::mt19937 rng(seed);
    const uint32_t colours[] = {0xFFFFFFFFu, 0x80FFFFFFu, 0x80C8FFC8u, 0xFF20A0F0u, 0x01FFFFFFu};
    for (int i = 0; i < 400; ++i) {
        std::uniform_int_distribution<int> pos(-30, 80), src(0, 40), size(0, 37);
        BlitSprite(target, texture.Source(), src(rng), src(rng), size(rng), size(rng), pos(rng), pos(rng),
                   colours[i % 5]);
    }
    return buffer;
}

TEST(Blitter, VectorKernelMatchesScalarKernel) {
    if (!KernelSupported(BlitterKernel::Avx2)) GTEST_SKIP() << "no AVX2 on this processor";
    std::mt19937 rng(7);
    for (int run : {7, 19}) {
        const Texture texture = RandomTexture(rng, 48, 48, run);
        for (uint32_t seed : {1u, 2u, 3u}) {
            EXPECT_EQ(DrawMany(BlitterKernel::Scalar, texture, seed), DrawMany(BlitterKernel::Avx2, texture, seed))
                << "runs of " << run << ", seed " << seed;
        }
    }
}

// The expected result in floating point: the texel modulated by the colour,
// composited over the background.
uint32_t Reference(uint32_t texel, uint32_t colour, uint32_t background) {
    auto ch = [](uint32_t v, int shift) { return ((v >> shift) & 0xFF) / 255.0; };
    const double alpha = ch(texel, 24) * ch(colour, 24);
    uint32_t out = 0xFF000000u;
    for (int shift : {16, 8, 0}) {
        const double value = ch(texel, shift) * ch(colour, shift) * alpha + ch(background, shift) * (1.0 - alpha);
        out |= static_cast<uint32_t>(std::lround(value * 255.0)) << shift;
    }
    return out;
}

TEST(Blitter, BlendsAndModulatesLikeTheFormula) {
    const uint32_t texels[] = {0xFFFFFFFFu, 0xFF8040C0u, 0x80FF0000u, 0x4000FF80u, 0x00FFFFFFu};
    const uint32_t colours[] = {0xFFFFFFFFu, 0x80FFFFFFu, 0x80C8FFC8u, 0xFF808080u};
    const uint32_t backgrounds[] = {0xFF505050u, 0xFF000000u, 0xFFFFFFFFu};
    for (BlitterKernel kernel : {BlitterKernel::Scalar, BlitterKernel::Avx2}) {
        if (!KernelSupported(kernel)) continue;
        ScopedKernel use(kernel);
        for (uint32_t texel : texels) {
            // Nine texels in a row, so the vector kernel takes a full step and a tail.
            const Texture texture = MakeTexture(9, 1, std::vector<uint32_t>(9, texel));
            for (uint32_t colour : colours) {
                for (uint32_t background : backgrounds) {
                    std::vector<uint32_t> buffer(9, background);
                    BlitSprite(PixelTarget{buffer.data(), 9, 1, 9}, texture.Source(), 0, 0, 9, 1, 0, 0, colour);
                    const uint32_t expected = Reference(texel, colour, background);
                    for (uint32_t got : buffer) {
                        for (int shift : {24, 16, 8, 0}) {
                            const int difference = int((got >> shift) & 0xFF) - int((expected >> shift) & 0xFF);
                            EXPECT_LE(std::abs(difference), 1)
                                << std::hex << "texel " << texel << " colour " << colour << " background "
                                << background << " got " << got << " expected " << expected;
                        }
                    }
                }
            }
        }
    }
}

// Wide stores with a pixel-by-pixel tail: exactly `count` pixels change.
TEST(Blitter, FillPixelsSetsExactlyTheCountGiven) {
    for (size_t count : {0u, 1u, 15u, 16u, 17u, 40u}) {
        std::vector<uint32_t> pixels(count + 2, 0u);
        FillPixels(pixels.data() + 1, count, 0xFF505050u);
        EXPECT_EQ(pixels.front(), 0u) << count;
        EXPECT_EQ(pixels.back(), 0u) << count;
        EXPECT_EQ(std::count(pixels.begin() + 1, pixels.end() - 1, 0xFF505050u), static_cast<long>(count)) << count;
    }
}

TEST(Blitter, PremultiplyRoundTripsOpaqueAndHalfTexels) {
    EXPECT_EQ(Premultiply(0x80FF0000u), 0x80800000u);
    EXPECT_EQ(Premultiply(0x00FFFFFFu), 0u);
    EXPECT_EQ(Unpremultiply(Premultiply(0x80FF4020u)), 0x80FF4020u);
}

}  // namespace
