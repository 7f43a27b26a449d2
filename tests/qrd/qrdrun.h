#pragma once
// Runs the built qrd binary as a person would from a shell, capturing its
// streams into the scratch folder.

#include <cstdlib>
#include <string>

#include <sys/wait.h>

#include "mapfile_testing.h"

namespace qrdrun {

struct RunResult {
    int exitCode;
    std::string out;
    std::string err;
};

inline std::string Quote(const std::string& path) { return "'" + path + "'"; }

// Runs `binary` with the given (already quoted) arguments in `workingFolder`
// (the test's own when empty).
inline RunResult Run(const char* binary, const mapfile_testing::ScratchDir& dir, const std::string& arguments,
                     const std::string& workingFolder = "") {
    const std::string out = dir.File("stdout.txt");
    const std::string err = dir.File("stderr.txt");
    std::string command = std::string("'") + binary + "' " + arguments + " >'" + out + "' 2>'" + err + "'";
    if (!workingFolder.empty()) command = "cd " + Quote(workingFolder) + " && " + command;
    const int status = std::system(command.c_str());
    const int exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return {exitCode, mapfile_testing::ReadBytes(out), mapfile_testing::ReadBytes(err)};
}

inline RunResult RunQrd(const mapfile_testing::ScratchDir& dir, const std::string& arguments,
                        const std::string& workingFolder = "") {
    return Run(QRD_BINARY, dir, arguments, workingFolder);
}

// Writes `bytes` to `name` in the scratch folder; gives the quoted path.
inline std::string Fixture(const mapfile_testing::ScratchDir& dir, const std::string& name, const std::string& bytes) {
    mapfile_testing::WriteBytes(dir.File(name), bytes);
    return Quote(dir.File(name));
}

}  // namespace qrdrun
