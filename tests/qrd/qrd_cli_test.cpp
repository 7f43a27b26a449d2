#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "mapfile_testing.h"
#include "qrdrun.h"

using namespace mapfile_testing;
using namespace qrdrun;

TEST(QrdDump, ExampleMapAsJson) {
    ScratchDir dir;
    const RunResult result = RunQrd(dir, "dump " + Fixture(dir, "example.qrd", Crlf(kExampleMap)));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
              "{\"width\":3,\"height\":2,\"lowerShellImage\":\"map.dds\",\"startPoint\":[0,0],\"endPoint\":[2,1],"
              "\"maxUse\":[5,0,3,0,0,2,1],\"tiles\":[[2,21,12],[12,2,2]],\"kinds\":[[1,2,8],[8,1,1]],"
              "\"sizzle\":[{\"x\":1,\"y\":0,\"edge\":117,\"upperRight\":-1,\"lowerRight\":106,\"upperLeft\":-1,"
              "\"lowerLeft\":162}],"
              "\"gates\":[{\"x\":2,\"y\":0,\"partnerX\":0,\"partnerY\":1},{\"x\":0,\"y\":1,\"partnerX\":2,\"partnerY\":0}],"
              "\"upperShellNames\":[\"tree.dds\"],\"matterCount\":1,"
              "\"matters\":[{\"slot\":0,\"ref\":0,\"imageName\":\"tree.dds\",\"points\":[[0,0,54],[1,0,55],[2,0,56],"
              "[0,1,64],[1,1,65],[2,1,66]]}]}\n");
}

// Names are bytes: valid UTF-8 passes, everything else is escaped per byte.
TEST(QrdDump, NamesAlwaysGiveValidJsonStrings) {
    struct Case { std::string name; std::string json; };
    const Case cases[] = {
        {"tree.dds", "\"tree.dds\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"\xed\x95\x9c\xec\xa7\x80.dds", "\"\xed\x95\x9c\xec\xa7\x80.dds\""},  // UTF-8 Korean
        {"\xc7\xd1\xc1\xf6.dds", "\"\\u00c7\\u00d1\\u00c1\\u00f6.dds\""},          // CP949 Korean
        {"\xc0\xaf\xed\xa0\x80\x01\x7f", "\"\\u00c0\\u00af\\u00ed\\u00a0\\u0080\\u0001\\u007f\""},  // overlong, surrogate, controls
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        const std::string file = Fixture(dir, "names.qrd", "*LOWER_SHELL_URL " + c.name + "\n");
        const RunResult result = RunQrd(dir, "dump " + file);
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_NE(result.out.find("\"lowerShellImage\":" + c.json + ","), std::string::npos) << result.out;
    }
}

TEST(QrdRoundtrip, SavesAsTheEditorDoes) {
    ScratchDir dir;
    // LF line ends in, CR LF out.
    RunResult result = RunQrd(dir, "roundtrip " + Fixture(dir, "in.qrd", kExampleMap) + " " + Quote(dir.File("out.qrd")));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(ReadBytes(dir.File("out.qrd")), Crlf(kExampleMap));

    result = RunQrd(dir, "roundtrip " + Quote(dir.File("absent.qrd")) + " " + Quote(dir.File("never.qrd")));
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("absent.qrd"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("never.qrd")));

    result = RunQrd(dir, "roundtrip " + Quote(dir.File("in.qrd")) + " " + Quote(dir.File("missing/out.qrd")));
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("cannot write"), std::string::npos);
}

TEST(QrdCheck, CleanMapPassesSilently) {
    ScratchDir dir;
    const RunResult result = RunQrd(dir, "check " + Fixture(dir, "example.qrd", Crlf(kExampleMap)));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "");
}

TEST(QrdCheck, ListsEveryProblemOnALine) {
    ScratchDir dir;
    const std::string broken =
        "*START_POINT 5 0\n*END_POINT 2 1\n*UPPER_SHELL_COUNT 1\n*UPPER_SHELL_URL tree.dds\n"
        "*MAX_SHELL_WIDTH_HEIGHT 3 2\n*LOWER_SHELL\n2 12 12\n12 99 2\n"
        "*MATTER 0\n*MATTER_DATA_COUNT 2\n*MATTER_DATA\n0 0 1\n4 1 2\n*REF 0\n*MATTER_END\n"
        "*MATTER 1\n*MATTER_DATA_COUNT 1\n*MATTER_DATA\n1 1 3\n*REF -1\n*MATTER_END\n"
        "*MATTER 2\n*MATTER_DATA_COUNT 0\n*MATTER_DATA\n*REF -1\n*MATTER_END\n"  // emptied in the editor: fine
        "*GATE_COUNT 3\n2 0 0 1\n0 1 1 0\n5 5 6 6\n";
    const RunResult result = RunQrd(dir, "check " + Fixture(dir, "broken.qrd", broken));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out,
              "start point (5, 0) lies outside the map\n"
              "cell (1, 1) has unknown tile 99\n"
              "gate end (2, 0): partner (0, 1) does not name it back\n"
              "gate end (5, 5): partner (6, 6) is not a gate cell\n"
              "gate end (6, 6): partner (5, 5) is not a gate cell\n"
              "object 0: point 1 at (4, 1) lies outside the map\n"
              "object 1 has no image (points: 1)\n");
}

TEST(Qrd, UnreadableFilesAndBadUsageExitWithTwo) {
    ScratchDir dir;
    const std::string example = Fixture(dir, "example.qrd", kExampleMap);
    const char* const usages[] = {"", "dump", "dump a b", "render", "roundtrip onlyone", "check a b c", "--help"};
    for (const char* usage : usages) {
        const RunResult result = RunQrd(dir, usage);
        EXPECT_EQ(result.exitCode, 2) << usage;
        EXPECT_NE(result.err.find("usage: qrd"), std::string::npos) << usage;
    }
    for (const char* command : {"dump", "check"}) {
        RunResult result = RunQrd(dir, std::string(command) + " " + Quote(dir.File("absent.qrd")));
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("cannot read map file"), std::string::npos);
        result = RunQrd(dir, std::string(command) + " " + Quote(dir.Path().string()));
        EXPECT_EQ(result.exitCode, 2) << "a folder";
    }
}

TEST(Qrd, NoiseNeverCrashesAnySubcommand) {
    ScratchDir dir;
    std::string noise;
    unsigned state = 12345;
    for (int i = 0; i < 30000; ++i) {
        state = state * 1103515245u + 12345u;
        noise += static_cast<char>(state >> 24);
        if (i % 997 == 0) noise += "\n*GATE_COUNT 40\n";
        if (i % 1499 == 0) noise += "\n*MAX_SHELL_WIDTH_HEIGHT 500 -2\n*LOWER_SHELL\n";
    }
    const std::string file = Fixture(dir, "noise.qrd", noise);
    EXPECT_EQ(RunQrd(dir, "dump " + file).exitCode, 0);
    EXPECT_LE(RunQrd(dir, "check " + file).exitCode, 1);
    EXPECT_EQ(RunQrd(dir, "roundtrip " + file + " " + Quote(dir.File("out.qrd"))).exitCode, 0);
    EXPECT_EQ(RunQrd(dir, "check " + Quote(dir.File("out.qrd"))).exitCode,
              RunQrd(dir, "check " + file).exitCode);
}

// Each shipped sample is what its generator writes, and it is a clean map.
TEST(SampleMap, ShippedFilesAreCleanAndReproducible) {
    ScratchDir dir;
    for (const char* name : {"sample.qrd", "showcase.qrd"}) {
        SCOPED_TRACE(name);
        const std::string shipped = std::string(QUARROW_SOURCE_DIR) + "/Execute/data/" + name;
        const RunResult check = RunQrd(dir, "check " + Quote(shipped));
        EXPECT_EQ(check.exitCode, 0) << check.out << check.err;

        const std::string fresh = dir.File(name);
        const RunResult made = qrdrun::Run(QRD_SAMPLE_BINARY, dir, std::string(name) + " " + Quote(fresh));
        ASSERT_EQ(made.exitCode, 0) << made.err;
        EXPECT_EQ(ReadBytes(fresh), ReadBytes(shipped))
            << "Execute/data/" << name << " is out of date: regenerate it with qrd_sample " << name;
    }
}
