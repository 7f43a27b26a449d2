#pragma once
// The qrd map tool: one function per subcommand, and the dispatcher that
// main() calls. Output and messages go to the streams passed in.

#include <cstdio>

// Exit codes of every subcommand.
constexpr int kQrdOk = 0;
constexpr int kQrdFindings = 1;  // check found problems
constexpr int kQrdFailure = 2;   // unreadable file, failed write or bad usage

// qrd dump FILE: the document as one JSON object.
int RunDump(const char* fileName, std::FILE* out, std::FILE* err);
// qrd roundtrip IN OUT: open IN and save it to OUT as the editor does.
int RunRoundtrip(const char* inName, const char* outName, std::FILE* out, std::FILE* err);
// qrd check FILE: one line per problem found.
int RunCheck(const char* fileName, std::FILE* out, std::FILE* err);

// The message of every subcommand for a map file that cannot be read;
// `error` is the errno the reader left (0 for none).
void ReportUnreadableMap(const char* fileName, int error, std::FILE* err);

// Picks the subcommand from argv[1]; prints the usage text on bad usage.
int RunQrd(int argc, char** argv, std::FILE* out, std::FILE* err);
