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

// The rows of one clipped sprite, and how to treat them.
struct SpriteRows {
    uint32_t* dst;
    int dstStride;
    const uint32_t* src;
    int srcStride;
    const uint32_t* coverage;   // the first row's prefix counts
    int coverageStride;
    int x0, x1;                 // the columns drawn, as coverage indices
    int rows;
    bool white;                 // opaque white: rows without see-through texels are copied
    uint32_t factors;
};

inline int NonOpaqueCount(const uint32_t* row, int x0, int x1) {
    return static_cast<int>((row[x1] & 0xFFFF) - (row[x0] & 0xFFFF));
}

inline int VisibleCount(const uint32_t* row, int x0, int x1) {
    return static_cast<int>((row[x1] >> 16) - (row[x0] >> 16));
}

// Walks the rows: fully transparent ones are skipped, opaque ones under opaque
// white are copied, the rest go through `blend`.
template <typename Copy, typename Blend>
inline void ForEachRow(const SpriteRows& job, Copy copy, Blend blend) {
    const int width = job.x1 - job.x0;
    uint32_t* dst = job.dst;
    const uint32_t* src = job.src;
    const uint32_t* coverage = job.coverage;
    for (int row = 0; row < job.rows;
         ++row, dst += job.dstStride, src += job.srcStride, coverage += job.coverageStride) {
        if (VisibleCount(coverage, job.x0, job.x1) == 0) continue;
        if (job.white && NonOpaqueCount(coverage, job.x0, job.x1) == 0) {
            copy(dst, src, width);
        } else {
            blend(dst, src, width, job.factors);
        }
    }
}

inline void CopyRow(uint32_t* dst, const uint32_t* src, int n) {
    std::memcpy(dst, src, static_cast<size_t>(n) * sizeof(uint32_t));
}

template <bool Modulate>
void BlitRowsScalar(const SpriteRows& job) {
    ForEachRow(job, CopyRow, BlendRowScalar<Modulate>);
}

#ifdef QUARROW_X86
// x / 255 rounded to nearest for x in [0, 255 * 255], as Div255 computes it:
// (x + 128) * 257 >> 16 is the same value in one multiply.
__attribute__((target("avx2"))) inline __m256i Div255x16(__m256i x) {
    return _mm256_mulhi_epu16(_mm256_add_epi16(x, _mm256_set1_epi16(128)), _mm256_set1_epi16(257));
}

// Each pixel's alpha (16-bit lanes 3 and 7 of a 128-bit half) copied into
// its four lanes, high bytes zero.
__attribute__((target("avx2"))) inline __m256i SpreadAlpha(__m256i pixels16) {
    const __m256i pick = _mm256_setr_epi8(6, -1, 6, -1, 6, -1, 6, -1, 14, -1, 14, -1, 14, -1, 14, -1,
                                          6, -1, 6, -1, 6, -1, 6, -1, 14, -1, 14, -1, 14, -1, 14, -1);
    return _mm256_shuffle_epi8(pixels16, pick);
}

// Eight pixels at a time in 16-bit lanes; the tail goes through the scalar
// loop. Eight see-through texels leave the buffer as it is, and (without
// modulation) eight opaque ones are stored as they are: both give exactly
// what the full formula gives. Eight opaque texels under a modulating colour
// all leave the colour's own alpha, so what remains of the buffer needs no
// per-pixel alpha.
template <bool Modulate>
__attribute__((target("avx2"))) inline void BlendRowAvx2(uint32_t* dst, const uint32_t* src, int n,
                                                          uint32_t factors) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i full = _mm256_set1_epi16(255);
    const __m256i alphaBits = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    const __m256i factors16 = _mm256_unpacklo_epi8(_mm256_set1_epi32(static_cast<int>(factors)), zero);
    // 255 − alpha of an opaque texel modulated by the colour: Div255(255 × a) is a.
    const __m256i opaqueRemainder = _mm256_sub_epi16(full, _mm256_set1_epi16(static_cast<short>(factors >> 24)));
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
        if (_mm256_testz_si256(s, s)) continue;
        const bool opaque = _mm256_testc_si256(s, alphaBits);
        if (!Modulate && opaque) {
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), s);
            continue;
        }
        const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dst + i));
        __m256i sLow = _mm256_unpacklo_epi8(s, zero);
        __m256i sHigh = _mm256_unpackhi_epi8(s, zero);
        if (Modulate) {
            sLow = Div255x16(_mm256_mullo_epi16(sLow, factors16));
            sHigh = Div255x16(_mm256_mullo_epi16(sHigh, factors16));
        }
        __m256i remainderLow = opaqueRemainder;
        __m256i remainderHigh = opaqueRemainder;
        if (!Modulate || !opaque) {
            remainderLow = _mm256_sub_epi16(full, SpreadAlpha(sLow));
            remainderHigh = _mm256_sub_epi16(full, SpreadAlpha(sHigh));
        }
        const __m256i dLow = Div255x16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(d, zero), remainderLow));
        const __m256i dHigh = Div255x16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(d, zero), remainderHigh));
        const __m256i out = _mm256_packus_epi16(_mm256_add_epi16(sLow, dLow), _mm256_add_epi16(sHigh, dHigh));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), out);
    }
    if (i < n) BlendRowScalar<Modulate>(dst + i, src + i, n - i, factors);
}

// The whole sprite in one call, so the row kernel inlines into the row walk.
// The vector steps tell opaque and see-through texels apart themselves, from
// texels they load anyway: looking rows up in the coverage counts would only
// add memory traffic.
template <bool Modulate>
__attribute__((target("avx2"))) void BlitRowsAvx2(const SpriteRows& job) {
    const int width = job.x1 - job.x0;
    uint32_t* dst = job.dst;
    const uint32_t* src = job.src;
    for (int row = 0; row < job.rows; ++row, dst += job.dstStride, src += job.srcStride) {
        BlendRowAvx2<Modulate>(dst, src, width, job.factors);
    }
}
#endif

using SpriteKernel = void (*)(const SpriteRows&);

struct Kernels {
    SpriteKernel blend;      // opaque white colour: no modulation
    SpriteKernel modulate;   // any other colour
};

constexpr Kernels kScalarKernels{BlitRowsScalar<false>, BlitRowsScalar<true>};
#ifdef QUARROW_X86
constexpr Kernels kAvx2Kernels{BlitRowsAvx2<false>, BlitRowsAvx2<true>};
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
    const SpriteRows job{target.pixels + static_cast<size_t>(dstY) * target.stride + dstX,
                         target.stride,
                         source.texels + static_cast<size_t>(srcY) * source.width + srcX,
                         source.width,
                         source.coverage + static_cast<size_t>(srcY) * (source.width + 1),
                         source.width + 1,
                         srcX,
                         srcX + w,
                         h,
                         white,
                         ModulationFactors(colour)};
    (white ? activeKernels->blend : activeKernels->modulate)(job);
}

void FillPixels(uint32_t* pixels, size_t count, uint32_t colour) {
    size_t i = 0;
#if defined(__SSE2__)
    // SSE2 is part of every x86-64 processor: no dispatch needed.
    const __m128i value = _mm_set1_epi32(static_cast<int>(colour));
    for (; i + 16 <= count; i += 16) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + i), value);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + i + 4), value);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + i + 8), value);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + i + 12), value);
    }
#endif
    for (; i < count; ++i) pixels[i] = colour;
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
