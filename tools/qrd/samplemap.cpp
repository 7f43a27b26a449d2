#include "samplemap.h"

#include <cstdlib>

#include "painter.h"

namespace {

constexpr unsigned kSampleSeed = 20261211;
constexpr unsigned kShowcaseSeed = 20261212;

// A fresh document, as New map leaves it before the first paint.
void StartDocument(MapDocument& doc, int32_t width, int32_t height) {
    doc.ResetDocument();
    doc.isOpen = true;
    doc.width = width;
    doc.height = height;
    CopyName(doc.lowerShellImage, "map.dds");
    doc.upperShellCount = 0;
    doc.matterCount = 0;
}

}  // namespace

void PaintSampleMap(MapDocument& doc) {
    std::srand(kSampleSeed);
    StartDocument(doc, 20, 15);
    doc.SetStartPoint(1, 1);
    doc.SetEndPoint(18, 13);
    doc.SetMaxUse(30, 5, 5, 3, 3, 4, 2);
    Painter paint(doc);
    paint.Cover(kKindEmpty);

    // A sheet of hanji paper with a bay of empty space, and a loose scrap.
    paint.Cells(kKindHanji, 3, 2, 10, 8);
    paint.Cells(kKindEmpty, 6, 5, 7, 6);
    paint.Cells(kKindHanji, 16, 5, 17, 5);

    // Walls of stone and mud, treats and traps along the way.
    paint.Cells(kKindStone, 12, 1, 12, 9);
    paint.Cells(kKindMud, 2, 11, 7, 11);
    paint.Cells(kKindWormHole, 10, 12, 10, 12);
    paint.Cells(kKindFood, 8, 4, 8, 4);
    paint.Cells(kKindFood, 16, 2, 16, 2);
    paint.Cells(kKindFilth, 14, 8, 15, 8);
    paint.Cells(kKindMine, 14, 4, 14, 4);
    paint.Cells(kKindTrap, 9, 13, 9, 13);
    paint.Cells(kKindOneWay, 13, 11, 14, 11);
    paint.Click(kModeOneCell, kKindOneWay, 14, 11);  // turned once: a second heading

    paint.Gate(1, 13, 18, 1);
    paint.Object(0, "tree.dds", 17, 12);
    doc.isModified = false;
}

void PaintShowcaseMap(MapDocument& doc) {
    std::srand(kShowcaseSeed);
    StartDocument(doc, 100, 100);
    doc.SetStartPoint(9, 17);
    doc.SetEndPoint(86, 85);
    doc.SetMaxUse(400, 20, 20, 12, 8, 10, 6);
    Painter paint(doc);

    // Hanji paper everywhere, inside a wall of stone.
    paint.Cover(kKindHanji);
    paint.Cells(kKindStone, 0, 0, 99, 0);
    paint.Cells(kKindStone, 0, 99, 99, 99);
    paint.Cells(kKindStone, 0, 1, 0, 98);
    paint.Cells(kKindStone, 99, 1, 99, 98);

    // Caverns: the village clearing in the north-west, the orchard in the
    // north-east, a mine field in the west, the mud marsh in the south-west
    // and the goal cave in the south-east.
    paint.Blob(kKindEmpty, 22, 18, 17, 12);
    paint.Blob(kKindEmpty, 72, 16, 18, 9);
    paint.Blob(kKindEmpty, 15, 56, 9, 13);
    paint.Blob(kKindEmpty, 26, 86, 16, 8);
    paint.Blob(kKindEmpty, 78, 80, 15, 12);
    paint.Blob(kKindEmpty, 56, 33, 6, 4);

    // Tunnels between them.
    paint.Line(kKindEmpty, 38, 17, 56, 17, 2);     // village to orchard
    paint.Line(kKindEmpty, 12, 29, 12, 44, 2);     // village down to the mine field
    paint.Line(kKindEmpty, 86, 16, 86, 68, 2);     // orchard down to the goal cave
    paint.Line(kKindEmpty, 17, 68, 20, 79, 2);     // mine field to the marsh
    paint.Line(kKindEmpty, 41, 88, 70, 88, 2);     // marsh to the goal cave
    paint.Line(kKindEmpty, 56, 19, 56, 29, 2);     // orchard tunnel to the side chamber
    paint.Line(kKindEmpty, 24, 56, 40, 50, 1);     // a narrow crawl towards the fortress

    // The stone fortress in the middle, reached only through its gate.
    paint.Cells(kKindStone, 40, 42, 60, 58);
    paint.Cells(kKindEmpty, 42, 44, 58, 56);
    paint.Cells(kKindMud, 44, 46, 46, 48);
    paint.Cells(kKindMud, 54, 52, 56, 54);
    paint.Cells(kKindFood, 50, 50, 51, 50);
    paint.Cells(kKindWormHole, 48, 53, 48, 53);

    // Veins of stone and mud through the paper.
    paint.Line(kKindStone, 30, 62, 52, 74, 2);
    paint.Line(kKindStone, 64, 40, 72, 60, 1);
    paint.Blob(kKindMud, 66, 46, 4, 3);
    paint.Blob(kKindMud, 36, 34, 3, 2);

    // One-way runs across the whole width of a tunnel, one heading each.
    for (int32_t x = 44; x <= 50; x += 3) {
        paint.OneWay(x, 17, Heading::kRight);
        paint.OneWay(x, 18, Heading::kRight);
    }
    for (int32_t y = 40; y <= 56; y += 4) {
        paint.OneWay(86, y, Heading::kDown);
        paint.OneWay(87, y, Heading::kDown);
    }
    for (int32_t x = 48; x <= 58; x += 5) {
        paint.OneWay(x, 88, Heading::kLeft);
        paint.OneWay(x, 89, Heading::kLeft);
    }
    for (int32_t y : {31, 34, 41}) {
        paint.OneWay(12, y, Heading::kUp);
        paint.OneWay(13, y, Heading::kUp);
    }

    // The mine field and its traps.
    const int32_t mines[][2] = {{12, 48}, {17, 51}, {10, 55}, {19, 58}, {14, 62}, {9, 60}};
    for (const auto& mine : mines) paint.Cells(kKindMine, mine[0], mine[1], mine[0], mine[1]);
    paint.Cells(kKindTrap, 12, 38, 13, 38);
    paint.Cells(kKindTrap, 86, 62, 87, 62);
    paint.Cells(kKindTrap, 60, 88, 60, 89);

    // The marsh: mud, filth and a worm hole.
    paint.Blob(kKindMud, 20, 88, 6, 3);
    const int32_t filth[][2] = {{14, 84}, {17, 90}, {24, 91}, {31, 82}, {26, 84}};
    for (const auto& cell : filth) paint.Cells(kKindFilth, cell[0], cell[1], cell[0], cell[1]);
    paint.Cells(kKindWormHole, 40, 88, 40, 88);

    // Food to collect, and the orchard's worm hole.
    const int32_t food[][2] = {{10, 12}, {8, 22}, {60, 21}, {80, 22}, {74, 22}, {56, 33}, {15, 66}, {72, 78}, {90, 76}};
    for (const auto& cell : food) paint.Cells(kKindFood, cell[0], cell[1], cell[0], cell[1]);
    paint.Cells(kKindWormHole, 66, 21, 66, 21);
    paint.Cells(kKindWormHole, 70, 86, 70, 86);

    // Gates: the village to the fortress, the mine field to the goal cave,
    // the side chamber to the marsh.
    paint.Gate(34, 22, 50, 47);
    paint.Gate(18, 64, 68, 74);
    paint.Gate(59, 34, 32, 82);

    // The village and the orchard.
    paint.Object(0, "house.dds", 18, 15);
    paint.Object(1, "tree.dds", 31, 12);
    paint.Object(2, "pond.dds", 29, 24);
    paint.Object(3, "tree.dds", 64, 14);
    paint.Object(4, "tree.dds", 74, 14);
    paint.Object(5, "rock.dds", 84, 15);
    paint.Object(6, "pond.dds", 80, 82);
    paint.Object(7, "rock.dds", 34, 90);
    doc.isModified = false;
}
