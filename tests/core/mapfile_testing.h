#pragma once
// Shared by the map file tests: scratch files, the three-column example map
// and a dialog link that remembers what the reader showed.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include <unistd.h>

#include "dialoglink.h"
#include "mapdocument.h"

namespace mapfile_testing {

// A fresh folder per test, removed afterwards.
class ScratchDir {
public:
    ScratchDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("quarrow-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
                 std::to_string(::getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() { std::filesystem::remove_all(path_); }

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::string& fileName, const std::string& bytes) {
    std::ofstream(fileName, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// LF to CR LF, so fixtures can be written as plain string literals.
inline std::string Crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// The example map: 3 x 2 cells, one hanji cell, one gate pair and one object
// placed from tree.dds by a click on cell (1, 0). LF line ends; see Crlf.
inline const std::string kExampleMap =
    "*START_POINT 0 0\n"
    "*END_POINT 2 1\n"
    "*UPPER_SHELL_COUNT 1\n"
    "*UPPER_SHELL 0\n"
    "\t*UPPER_SHELL_URL tree.dds\n"
    "\n"
    "*LOWER_SHELL_URL\tmap.dds\n"
    "\n"
    "*MAX_SHELL_WIDTH_HEIGHT 3 2\n"
    "\n"
    "*LOWER_SHELL\n"
    "2 21 12 \n"
    "12 2 2 \n"
    "\n"
    "*SIZZLE_SHELL\n"
    "0 -1 -1 -1 -1 117 -1 106 -1 162 0 -1 -1 -1 -1 \n"
    "0 -1 -1 -1 -1 0 -1 -1 -1 -1 0 -1 -1 -1 -1 \n"
    "\n"
    "\n"
    "*MATTER_COUNT 1\n"
    "\n"
    "*MATTER 0\n"
    "\t*MATTER_DATA_COUNT 6\n"
    "\t*MATTER_DATA\n"
    "\t0 0 54\n"
    "\t1 0 55\n"
    "\t2 0 56\n"
    "\t0 1 64\n"
    "\t1 1 65\n"
    "\t2 1 66\n"
    "\t*REF 0\n"
    "*MATTER_END\n"
    "\n"
    "*GATE\n"
    "*GATE_COUNT 2\n"
    "2 0 0 1\n"
    "0 1 2 0\n"
    "\n"
    "\n"
    "*MAXUSE\n"
    "*MAXUSE_DIG 5\n"
    "*MAXUSE_STONE 0\n"
    "*MAXUSE_MUD 3\n"
    "*MAXUSE_FOOD 0\n"
    "*MAXUSE_DIRTY 0\n"
    "*MAXUSE_GO 2\n"
    "*MAXUSE_MINE 1\n"
    "*MAXUSE_END\n";

// Remembers the last value each field and button was given.
class RecordingDialog : public DialogLink {
public:
    void SetFieldUnsigned(int controlId, unsigned value) override { fields[controlId] = value; }
    void SetObjectButtonText(int slot, const char* text) override { buttons[slot] = text; }

    std::map<int, unsigned> fields;
    std::map<int, std::string> buttons;
};

}  // namespace mapfile_testing
