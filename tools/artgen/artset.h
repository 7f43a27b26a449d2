// The whole set of generated images and where they go under the editor's run
// folder: the tile sheet and cursor beside the program, and the tile sheet and
// object images again in data/, where the file dialogs move the working
// directory.
#pragma once

#include "canvas.h"

#include <string>
#include <vector>

namespace artgen {

struct ArtFile {
    std::string relativePath; // below the run folder, '/' separated
    Canvas image;
};

std::vector<ArtFile> BuildArtSet();

// Writes every file of the set below runFolder, creating data/ as needed.
// On failure returns false and names the file that could not be written.
bool WriteArtSet(const std::string& runFolder, std::string& failedPath);

} // namespace artgen
