// Writes a canvas as an uncompressed 32-bit A8R8G8B8 DDS file: the 4-byte
// magic, the 124-byte header and the rows top to bottom, each pixel stored
// little-endian as B, G, R, A.
#pragma once

#include "canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

std::vector<uint8_t> EncodeDds(const Canvas& image);

// False when the file cannot be written completely.
bool WriteDds(const std::string& path, const Canvas& image);

} // namespace artgen
