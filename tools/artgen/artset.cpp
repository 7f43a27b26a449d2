#include "artset.h"

#include "ddswriter.h"
#include "objectimages.h"
#include "tilesheet.h"

#include <filesystem>
#include <system_error>

namespace artgen {

std::vector<ArtFile> BuildArtSet()
{
    const Canvas sheet = DrawTileSheet();
    const Canvas cursor = DrawCursorFrame();
    // The file dialogs leave the working directory in data/, where the
    // pointer overlay then looks for both of its images.
    return {
        {"map.dds", sheet},
        {"cur.dds", cursor},
        {"data/map.dds", sheet},
        {"data/cur.dds", cursor},
        {"data/tree.dds", DrawTree()},
        {"data/rock.dds", DrawRock()},
        {"data/house.dds", DrawHouse()},
        {"data/pond.dds", DrawPond()},
    };
}

bool WriteArtSet(const std::string& runFolder, std::string& failedPath)
{
    for (const ArtFile& file : BuildArtSet()) {
        const std::filesystem::path path = std::filesystem::path(runFolder) / file.relativePath;
        std::error_code error;
        std::filesystem::create_directories(path.parent_path(), error);
        if (error || !WriteDds(path.string(), file.image)) {
            failedPath = path.string();
            return false;
        }
    }
    return true;
}

} // namespace artgen
