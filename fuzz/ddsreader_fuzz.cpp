// The DDS decoder on arbitrary bytes, then the texture the device would make
// from the decoded image, as loading a texture file does.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "d3dx.h"
#include "ddsreader.h"
#include "direct3d.h"

namespace {

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "DDS reader: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The loader reads only as far as the header says it needs.
    const uint64_t needed = quarrow::d3d::DdsBytesNeeded(data, size);
    const size_t used = needed < size ? static_cast<size_t>(needed) : size;

    quarrow::d3d::DecodedImage image;
    std::string error;
    const bool decoded = quarrow::d3d::DecodeDds(data, used, &image, &error);
    // Reading only the needed bytes must never change the outcome.
    quarrow::d3d::DecodedImage whole;
    const bool decodedWhole = quarrow::d3d::DecodeDds(data, size, &whole, &error);
    Require(decoded == decodedWhole && whole.pixels == image.pixels, "the needed bytes decode differently");
    if (!decoded) {
        Require(image.pixels.empty(), "a failed decode kept pixels");
        return 0;
    }
    Require(image.width >= 1 && image.width <= quarrow::d3d::kMaxDdsSide, "width outside the limits");
    Require(image.height >= 1 && image.height <= quarrow::d3d::kMaxDdsSide, "height outside the limits");
    Require(image.pixels.size() == static_cast<size_t>(image.width) * image.height, "pixel count");

    IDirect3DTexture9* texture = IDirect3DTexture9::Create(image.pixels.data(), image.width, image.height,
                                                           RoundUpToPowerOfTwo(image.width),
                                                           RoundUpToPowerOfTwo(image.height));
    Require(texture != nullptr, "no texture for a decoded image");
    Require(texture->StraightTexel(0, 0) >> 24 == image.pixels[0] >> 24, "the texture changed a pixel's alpha");
    texture->Release();
    return 0;
}
