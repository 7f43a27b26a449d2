#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "mapfile.h"
#include "mapfile_testing.h"

using namespace mapfile_testing;

namespace {

// The document between two guard areas: a reader that writes past either end
// of it changes a guard byte.
struct GuardedDocument {
    static constexpr unsigned char kPattern = 0xA5;
    unsigned char before[4096];
    MapDocument doc;
    unsigned char after[4096];

    GuardedDocument() {
        std::memset(before, kPattern, sizeof before);
        std::memset(after, kPattern, sizeof after);
    }
    bool GuardsIntact() const {
        for (size_t i = 0; i < sizeof before; ++i) {
            if (before[i] != kPattern || after[i] != kPattern) return false;
        }
        return true;
    }
};

// What every read must leave, whatever the file held: sizes and counts within
// the capacities, references naming listed images, gate ends inside the grid.
void ExpectDocumentWithinCapacities(const MapDocument& doc) {
    EXPECT_GE(doc.width, 0);
    EXPECT_LE(doc.width, kGridSize);
    EXPECT_GE(doc.height, 0);
    EXPECT_LE(doc.height, kGridSize);
    EXPECT_GE(doc.upperShellCount, 0);
    EXPECT_LE(doc.upperShellCount, kUpperShellNames);
    for (const Matter& matter : doc.matters) {
        if (!matter.used) continue;
        EXPECT_GE(matter.count, 0);
        EXPECT_LE(matter.count, kMatterPoints);
        EXPECT_TRUE(matter.ref == -1 || (matter.ref >= 0 && matter.ref < doc.upperShellCount)) << matter.ref;
        EXPECT_LT(strnlen(matter.imageName, kNameSize), static_cast<size_t>(kNameSize));
    }
    for (const auto& row : doc.gates) {
        for (const Gate& gate : row) {
            if (!gate.present) continue;
            EXPECT_TRUE(gate.partnerX >= 0 && gate.partnerX < kGridSize);
            EXPECT_TRUE(gate.partnerY >= 0 && gate.partnerY < kGridSize);
        }
    }
    EXPECT_LT(strnlen(doc.lowerShellImage, kNameSize), static_cast<size_t>(kNameSize));
    for (const auto& name : doc.upperShellNames) EXPECT_LT(strnlen(name, kNameSize), static_cast<size_t>(kNameSize));
}

std::string Numbers(int count, const std::string& number) {
    std::string text;
    for (int i = 0; i < count; ++i) text += number + " ";
    return text;
}

std::string NoiseBytes(unsigned seed, size_t size) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
    return bytes;
}

std::string ManyNames(int count) {
    std::string text = "*UPPER_SHELL_COUNT " + std::to_string(count) + "\n";
    for (int i = 0; i < count; ++i) text += "\t*UPPER_SHELL_URL n" + std::to_string(i) + ".dds\n";
    return text;
}

std::string Points(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += std::to_string(i % 7) + " 1 " + std::to_string(i) + "\n";
    return text;
}

struct HostileCase {
    const char* what;
    std::string bytes;
    std::function<void(const MapDocument&)> expect;
};

}  // namespace

// Damaged and hostile files: each opens without touching memory outside the
// document, clamps sizes, skips what does not fit while consuming its numbers,
// and reads what follows.
TEST(MapFileRead, DamagedFilesStayInsideTheDocument) {
    const std::string wideRow = Numbers(101, "2") + "9 9 ";  // 103 tiles: the last two fall outside
    const HostileCase cases[] = {
        {"size above the grid: clamped, rows stay aligned",
         "*MAX_SHELL_WIDTH_HEIGHT 103 2\n*LOWER_SHELL\n" + wideRow + "\n" + "12 " + wideRow.substr(2) +
             "\n*SIZZLE_SHELL\n" + Numbers(103 * 2, "0 -1 -1 -1 -1") + "\n*END_POINT 7 7\n",
         [](const MapDocument& doc) {
             EXPECT_EQ(doc.width, 101);
             EXPECT_EQ(doc.height, 2);
             EXPECT_EQ(doc.lowerShells[0][100].tile, 2);
             EXPECT_EQ(doc.lowerShells[1][0].tile, 12);
             EXPECT_EQ(doc.lowerShells[1][0].kind, kKindGate);
             EXPECT_EQ(doc.endPoint.x, 7);
         }},
        {"huge size: clamped, reading stops at the next keyword",
         "*MAX_SHELL_WIDTH_HEIGHT 2000000000 99999999999\n*LOWER_SHELL\n2 2 2\n*SIZZLE_SHELL\n"
         "0 -1 -1 -1 -1\n*START_POINT 5 6\n",
         [](const MapDocument& doc) {
             EXPECT_EQ(doc.width, 101);
             EXPECT_EQ(doc.height, 101);
             EXPECT_EQ(doc.lowerShells[0][2].tile, 2);
             EXPECT_EQ(doc.lowerShells[0][3].tile, 0);
             EXPECT_EQ(doc.startPoint.x, 5);
         }},
        {"negative size: nothing is read into the grid",
         "*MAX_SHELL_WIDTH_HEIGHT -5 -3\n*LOWER_SHELL\n2 2 2\n*START_POINT 5 6\n",
         [](const MapDocument& doc) {
             EXPECT_EQ(doc.width, 0);
             EXPECT_EQ(doc.height, 0);
             EXPECT_EQ(doc.lowerShells[0][0].tile, 0);
             EXPECT_EQ(doc.startPoint.y, 6);
         }},
        {"object slots outside 0 to 49: skipped with their points",
         "*UPPER_SHELL_COUNT 1\n*UPPER_SHELL_URL a.dds\n"
         "*MATTER 50\n*MATTER_DATA_COUNT 2\n*MATTER_DATA\n" + Points(2) + "*REF 0\n*MATTER_END\n"
         "*MATTER -1\n*MATTER_DATA_COUNT 1\n*MATTER_DATA\n" + Points(1) + "*REF 0\n*MATTER_END\n"
         "*MATTER 49\n*MATTER_DATA_COUNT 1\n*MATTER_DATA\n4 5 6\n*REF 0\n*MATTER_END\n",
         [](const MapDocument& doc) {
             int used = 0;
             for (const Matter& matter : doc.matters) used += matter.used ? 1 : 0;
             EXPECT_EQ(used, 1);
             EXPECT_TRUE(doc.matters[49].used);
             EXPECT_EQ(doc.matters[49].count, 1);
             EXPECT_EQ(doc.matters[49].points[0].piece, 6);
         }},
        {"point count above 100: the first 100 kept, the rest consumed",
         "*UPPER_SHELL_COUNT 1\n*UPPER_SHELL_URL a.dds\n"
         "*MATTER 2\n*MATTER_DATA_COUNT 150\n*MATTER_DATA\n" + Points(150) + "*REF 0\n*MATTER_END\n",
         [](const MapDocument& doc) {
             const Matter& matter = doc.matters[2];
             EXPECT_TRUE(matter.used);
             EXPECT_EQ(matter.count, 100);
             EXPECT_EQ(matter.points[99].piece, 99);
             EXPECT_EQ(matter.ref, 0);
             EXPECT_STREQ(matter.imageName, "a.dds");
         }},
        {"negative point count: no points",
         "*MATTER 2\n*MATTER_DATA_COUNT -4\n*MATTER_DATA\n1 1 1\n*MATTER_END\n",
         [](const MapDocument& doc) { EXPECT_EQ(doc.matters[2].count, 0); }},
        {"references outside the listed images leave the object without an image",
         "*UPPER_SHELL_COUNT 2\n*UPPER_SHELL_URL a.dds\n*UPPER_SHELL_URL b.dds\n"
         "*MATTER 0\n*REF 50\n*MATTER_END\n*MATTER 1\n*REF 2\n*MATTER_END\n"
         "*MATTER 2\n*REF -7\n*MATTER_END\n*MATTER 3\n*REF 1\n*MATTER_END\n*MATTER 4\n*REF -1\n*MATTER_END\n",
         [](const MapDocument& doc) {
             for (int slot : {0, 1, 2, 4}) {
                 EXPECT_EQ(doc.matters[slot].ref, -1) << slot;
                 EXPECT_STREQ(doc.matters[slot].imageName, "") << slot;
             }
             EXPECT_EQ(doc.matters[3].ref, 1);
             EXPECT_STREQ(doc.matters[3].imageName, "b.dds");
         }},
        {"more than 50 image names: the first 50 kept", ManyNames(60),
         [](const MapDocument& doc) {
             EXPECT_EQ(doc.upperShellCount, 50);
             EXPECT_STREQ(doc.upperShellNames[49], "n49.dds");
         }},
        {"gate coordinates outside the grid: the group is skipped",
         "*GATE_COUNT 4\n101 0 0 0\n0 0 -1 5\n3 3 100 100\n100 100 3 3\n*MAXUSE_GO 4\n",
         [](const MapDocument& doc) {
             EXPECT_FALSE(doc.gates[0][0].present);
             EXPECT_TRUE(doc.gates[3][3].present);
             EXPECT_EQ(doc.gates[3][3].partnerX, 100);
             EXPECT_EQ(doc.gates[100][100].partnerY, 3);
             EXPECT_EQ(doc.maxUse[5], 4);
         }},
        {"gate count larger than its list: stops at the first group that does not convert",
         "*GATE_COUNT 9\n1 1 2 2\n2 2 1 1\n4 4 5\n*MAXUSE_MUD 3\n",
         [](const MapDocument& doc) {
             EXPECT_TRUE(doc.gates[1][1].present);
             EXPECT_TRUE(doc.gates[2][2].present);
             EXPECT_FALSE(doc.gates[4][4].present);
             EXPECT_EQ(doc.maxUse[2], 3);
         }},
        {"names as long as a line", "*LOWER_SHELL_URL " + std::string(600, 'n') + "\n*UPPER_SHELL_URL " +
                                        std::string(300, 'u') + "\n",
         [](const MapDocument& doc) {
             EXPECT_EQ(std::strlen(doc.lowerShellImage), 255u - std::strlen("*LOWER_SHELL_URL "));
         }},
        {"points that are not finite numbers end the list",
         "*MATTER 0\n*MATTER_DATA_COUNT 3\n*MATTER_DATA\n1 1 1\nnan 2 2\ninf 3 3\n*MATTER_END\n",
         [](const MapDocument& doc) {
             EXPECT_EQ(doc.matters[0].count, 3);
             EXPECT_EQ(doc.matters[0].points[0].piece, 1);
             EXPECT_TRUE(doc.matters[0].used);
         }},
        {"binary noise", NoiseBytes(1, 20000), [](const MapDocument&) {}},
        {"noise inside the sections",
         "*MAX_SHELL_WIDTH_HEIGHT 100 100\n*LOWER_SHELL\n" + NoiseBytes(2, 5000) + "\n*SIZZLE_SHELL\n" +
             NoiseBytes(3, 5000) + "\n*GATE_COUNT 50\n" + NoiseBytes(4, 5000) + "\n*MATTER 1\n*MATTER_DATA_COUNT 90\n"
             "*MATTER_DATA\n" + NoiseBytes(5, 5000),
         [](const MapDocument&) {}},
        {"keywords only, no values",
         "*START_POINT\n*MAX_SHELL_WIDTH_HEIGHT\n*LOWER_SHELL\n*SIZZLE_SHELL\n*UPPER_SHELL_COUNT\n"
         "*UPPER_SHELL_URL\n*MATTER_COUNT\n*MATTER\n*MATTER_DATA_COUNT\n*MATTER_DATA\n*REF\n*MATTER_END\n"
         "*GATE_COUNT\n*MAXUSE_DIG\n*MAXUSE_END",
         [](const MapDocument& doc) { EXPECT_TRUE(doc.matters[0].used); }},
    };

    ScratchDir dir;
    const std::string name = dir.File("hostile.qrd");
    for (const HostileCase& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(name, c.bytes);
        auto guarded = std::make_unique<GuardedDocument>();
        ASSERT_TRUE(ReadMapFile(guarded->doc, name.c_str()));
        EXPECT_TRUE(guarded->GuardsIntact());
        EXPECT_TRUE(guarded->doc.isOpen);
        ExpectDocumentWithinCapacities(guarded->doc);
        c.expect(guarded->doc);
    }
}
