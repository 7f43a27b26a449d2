#pragma once
// The sprite blitter: copies or blends a rectangle of premultiplied ARGB
// texels into a 32-bit ARGB pixel buffer, modulated by a colour and clipped
// to the buffer. It allocates nothing.

#include <cstddef>
#include <cstdint>

namespace quarrow::d3d {

struct PixelTarget {
    uint32_t* pixels;
    int width;
    int height;
    int stride;   // in pixels
};

// Per texel row, `coverage` holds width + 1 prefix counts: entry x has, in
// its low 16 bits, how many of the first x texels are not fully opaque and,
// in its high 16 bits, how many are not fully transparent. Widths are at most
// 65535, so both counts fit.
struct TexelSource {
    const uint32_t* texels;     // premultiplied ARGB
    const uint32_t* coverage;
    int width;
    int height;                 // rows; the stride is `width`
};

// Fills `coverage` (height rows of width + 1 entries) for `texels`.
void ComputeCoverage(const uint32_t* texels, int width, int height, uint32_t* coverage);

// Draws the texel rectangle (srcX, srcY, w, h) with its top-left corner at
// (dstX, dstY). The colour modulates every channel (0xFFFFFFFF leaves the
// texels unchanged); the result is composited over the buffer. Opaque texels
// under an opaque white colour are copied and see-through ones skipped, in
// whole rows or vector steps. The rectangle is clipped to both the texture
// and the buffer.
void BlitSprite(const PixelTarget& target, const TexelSource& source,
                int srcX, int srcY, int w, int h, int dstX, int dstY, uint32_t colour);

// Sets `count` pixels to `colour` with wide stores: a clear of the whole back
// buffer every frame must run at the memory's speed, not one pixel at a time.
void FillPixels(uint32_t* pixels, size_t count, uint32_t colour);

// Which row kernels BlitSprite uses. The best one the processor supports is
// chosen at start; tests and benchmarks may pick another.
enum class BlitterKernel { Scalar, Avx2 };
BlitterKernel ActiveBlitterKernel();
bool KernelSupported(BlitterKernel kernel);
// False (and nothing changes) when the processor lacks the kernel's instructions.
bool UseBlitterKernel(BlitterKernel kernel);

// Straight ARGB to premultiplied and back, rounded to nearest.
uint32_t Premultiply(uint32_t argb);
uint32_t Unpremultiply(uint32_t premultiplied);

}  // namespace quarrow::d3d
