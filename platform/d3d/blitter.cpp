#include "blitter.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define QUARROW_X86 1
#endif

namespace quarrow::d3d {
namespace {

// x / 255 rounded to nearest, exact for x in [0, 255 * 255].
inline uint32_t Div255(uint32_t x) {
    x += 128;
    return (x + (x >> 8)) >> 8;
}

// The colour as four premultiplied factors, one per byte in ARGB order: what a
// premultiplied texel's channels are multiplied by (then divided by 255).
inline uint32_t ModulationFactors(uint32_t colour) {
    const uint32_t a = colour >> 24;
    const uint32_t r = Div255(((colour >> 16) & 0xFF) * a);
    const uint32_t g = Div255(((colour >> 8) & 0xFF) * a);
    const uint32_t b = Div255((colour & 0xFF) * a);
    return (a << 24) | (r << 16) | (g << 8) | b;
}

inline uint32_t ModulateTexel(uint32_t texel, uint32_t factors) {
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        out |= Div255(((texel >> shift) & 0xFF) * ((factors >> shift) & 0xFF)) << shift;
    }
    return out;
}

// Premultiplied "over": source plus destination scaled by what the source leaves.
inline uint32_t Over(uint32_t source, uint32_t destination) {
    const uint32_t inverse = 255 - (source >> 24);
    uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const uint32_t channel = ((source >> shift) & 0xFF) + Div255(((destination >> shift) & 0xFF) * inverse);
        out |= std::min<uint32_t>(channel, 255) << shift;
    }
    return out;
}

template <bool Modulate>
void BlendRowScalar(uint32_t* dst, const uint32_t* src, int n, uint32_t factors) {
    for (int i = 0; i < n; ++i) {
        uint32_t texel = src[i];
        if (Modulate) texel = ModulateTexel(texel, factors);
        if (texel == 0) continue;
        dst[i] = Over(texel, dst[i]);
    }
}

#ifdef QUARROW_X86
__attribute__((target("avx2"))) inline __m256i Div255x16(__m256i x) {
    x = _mm256_add_epi16(x, _mm256_set1_epi16(128));
    return _mm256_srli_epi16(_mm256_add_epi16(x, _mm256_srli_epi16(x, 8)), 8);
}

// Eight pixels at a time in 16-bit lanes; the tail goes through the scalar loop.
template <bool Modulate>
__attribute__((target("avx2"))) void BlendRowAvx2(uint32_t* dst, const uint32_t* src, int n, uint32_t factors) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i full = _mm256_set1_epi16(255);
    const __m256i factors16 = _mm256_unpacklo_epi8(_mm256_set1_epi32(static_cast<int>(factors)), zero);
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
        const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dst + i));
        __m256i sLow = _mm256_unpacklo_epi8(s, zero);
        __m256i sHigh = _mm256_unpackhi_epi8(s, zero);
        if (Modulate) {
            sLow = Div255x16(_mm256_mullo_epi16(sLow, factors16));
            sHigh = Div255x16(_mm256_mullo_epi16(sHigh, factors16));
        }
        // Each pixel's alpha copied into its four lanes.
        const __m256i aLow = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(sLow, 0xFF), 0xFF);
        const __m256i aHigh = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(sHigh, 0xFF), 0xFF);
        const __m256i dLow = Div255x16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(d, zero), _mm256_sub_epi16(full, aLow)));
        const __m256i dHigh = Div255x16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(d, zero), _mm256_sub_epi16(full, aHigh)));
        const __m256i out = _mm256_packus_epi16(_mm256_add_epi16(sLow, dLow), _mm256_add_epi16(sHigh, dHigh));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), out);
    }
    BlendRowScalar<Modulate>(dst + i, src + i, n - i, factors);
}
#endif

using RowKernel = void (*)(uint32_t*, const uint32_t*, int, uint32_t);

struct Kernels {
    RowKernel blend;      // opaque white colour: no modulation
    RowKernel modulate;   // any other colour
};

constexpr Kernels kScalarKernels{BlendRowScalar<false>, BlendRowScalar<true>};
#ifdef QUARROW_X86
constexpr Kernels kAvx2Kernels{BlendRowAvx2<false>, BlendRowAvx2<true>};
#endif

bool CpuHasAvx2() {
#ifdef QUARROW_X86
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

const Kernels* BestKernels() {
#ifdef QUARROW_X86
    if (CpuHasAvx2()) return &kAvx2Kernels;
#endif
    return &kScalarKernels;
}

const Kernels* activeKernels = BestKernels();

inline int NonOpaqueCount(const uint32_t* row, int x0, int x1) {
    return static_cast<int>((row[x1] & 0xFFFF) - (row[x0] & 0xFFFF));
}

inline int VisibleCount(const uint32_t* row, int x0, int x1) {
    return static_cast<int>((row[x1] >> 16) - (row[x0] >> 16));
}

}  // namespace

void ComputeCoverage(const uint32_t* texels, int width, int height, uint32_t* coverage) {
    for (int y = 0; y < height; ++y) {
        const uint32_t* row = texels + static_cast<size_t>(y) * width;
        uint32_t* out = coverage + static_cast<size_t>(y) * (width + 1);
        uint32_t nonOpaque = 0;
        uint32_t visible = 0;
        out[0] = 0;
        for (int x = 0; x < width; ++x) {
            const uint32_t alpha = row[x] >> 24;
            nonOpaque += alpha != 255;
            visible += alpha != 0;
            out[x + 1] = (visible << 16) | nonOpaque;
        }
    }
}

void BlitSprite(const PixelTarget& target, const TexelSource& source,
                int srcX, int srcY, int w, int h, int dstX, int dstY, uint32_t colour) {
    if ((colour >> 24) == 0 || w <= 0 || h <= 0) return;
    // Clip the source rectangle to the texture, moving the destination with it.
    if (srcX < 0) { dstX -= srcX; w += srcX; srcX = 0; }
    if (srcY < 0) { dstY -= srcY; h += srcY; srcY = 0; }
    w = std::min(w, source.width - srcX);
    h = std::min(h, source.height - srcY);
    // Then the destination to the buffer, moving the source with it.
    if (dstX < 0) { srcX -= dstX; w += dstX; dstX = 0; }
    if (dstY < 0) { srcY -= dstY; h += dstY; dstY = 0; }
    w = std::min(w, target.width - dstX);
    h = std::min(h, target.height - dstY);
    if (w <= 0 || h <= 0) return;

    const bool white = colour == 0xFFFFFFFFu;
    const RowKernel blend = white ? activeKernels->blend : activeKernels->modulate;
    const uint32_t factors = ModulationFactors(colour);
    const int x0 = srcX;
    const int x1 = srcX + w;
    for (int row = 0; row < h; ++row) {
        const int sy = srcY + row;
        const uint32_t* coverage = source.coverage + static_cast<size_t>(sy) * (source.width + 1);
        if (VisibleCount(coverage, x0, x1) == 0) continue;
        const uint32_t* src = source.texels + static_cast<size_t>(sy) * source.width + x0;
        uint32_t* dst = target.pixels + static_cast<size_t>(dstY + row) * target.stride + dstX;
        if (white && NonOpaqueCount(coverage, x0, x1) == 0) {
            std::memcpy(dst, src, static_cast<size_t>(w) * sizeof(uint32_t));
        } else {
            blend(dst, src, w, factors);
        }
    }
}

BlitterKernel ActiveBlitterKernel() {
    return activeKernels == &kScalarKernels ? BlitterKernel::Scalar : BlitterKernel::Avx2;
}

bool KernelSupported(BlitterKernel kernel) {
    return kernel == BlitterKernel::Scalar || CpuHasAvx2();
}

bool UseBlitterKernel(BlitterKernel kernel) {
    if (!KernelSupported(kernel)) return false;
#ifdef QUARROW_X86
    activeKernels = kernel == BlitterKernel::Avx2 ? &kAvx2Kernels : &kScalarKernels;
#else
    activeKernels = &kScalarKernels;
#endif
    return true;
}

uint32_t Premultiply(uint32_t argb) {
    const uint32_t a = argb >> 24;
    if (a == 255) return argb;
    if (a == 0) return 0;
    return (a << 24) | (Div255(((argb >> 16) & 0xFF) * a) << 16) |
           (Div255(((argb >> 8) & 0xFF) * a) << 8) | Div255((argb & 0xFF) * a);
}

uint32_t Unpremultiply(uint32_t premultiplied) {
    const uint32_t a = premultiplied >> 24;
    if (a == 255 || a == 0) return premultiplied;
    auto channel = [&](int shift) {
        return std::min<uint32_t>((((premultiplied >> shift) & 0xFF) * 255 + a / 2) / a, 255);
    };
    return (a << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0);
}

}  // namespace quarrow::d3d
