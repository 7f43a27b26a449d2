// The images under Execute/ are what artgen draws: a fresh run into an empty
// folder reproduces each committed file byte for byte.
#include "artset.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<char> ReadAll(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class FreshRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("artgen-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
};

TEST_F(FreshRun, ReproducesEveryCommittedImage)
{
    const std::string command = std::string("\"") + ARTGEN_PATH + "\" \"" + folder_.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const fs::path committed = fs::path(QUARROW_SOURCE_DIR) / "Execute";
    for (const artgen::ArtFile& file : artgen::BuildArtSet()) {
        SCOPED_TRACE(file.relativePath);
        const std::vector<char> fresh = ReadAll(folder_ / file.relativePath);
        ASSERT_FALSE(fresh.empty());
        EXPECT_TRUE(fresh == ReadAll(committed / file.relativePath))
            << "Execute/" << file.relativePath << " differs from a fresh run: regenerate with artgen Execute";
    }
}

TEST_F(FreshRun, ReportsAFolderThatCannotBeMade)
{
    // A plain file where the run folder should be.
    std::ofstream(folder_.string()) << "x";
    const std::string command = std::string("\"") + ARTGEN_PATH + "\" \"" + folder_.string() + "\" 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
}

} // namespace
