#include "samplemap.h"

#include <cstdlib>
#include <memory>

#include "drawingtools.h"

namespace {

constexpr unsigned kSampleSeed = 20261211;

// The editor's tool state and working storage around one document.
class Painter {
public:
    explicit Painter(MapDocument& doc)
        : doc_(doc), undo_(std::make_unique<UndoHistory>()), fill_(std::make_unique<FillWorkList>()),
          objects_(doc, tools_), drawing_(doc, tools_, *fill_, *undo_, objects_) {}

    // One click with `kind` in `mode` on cell (x, y).
    void Click(int32_t mode, int32_t kind, int32_t x, int32_t y) {
        tools_.drawMode = mode;
        tools_.lowerKind = kind;
        tools_.lastPaintedCell = kNoCell;
        const int32_t px = x * kCellPixels + kCellPixels / 2;
        const int32_t py = y * kCellPixels + kCellPixels / 2;
        drawing_.ApplyTool(px, py, drawing_.KindAt(px, py));
    }

    void Cells(int32_t kind, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
        for (int32_t y = y0; y <= y1; ++y) {
            for (int32_t x = x0; x <= x1; ++x) Click(kModeOneCell, kind, x, y);
        }
    }

    void Gate(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
        Click(kModeOneCell, kKindGate, x0, y0);
        Click(kModeOneCell, kKindGate, x1, y1);
    }

    void Object(int32_t slot, const char* image, int32_t x, int32_t y) {
        tools_.selectedMatter = slot;
        objects_.ArmObject(image);
        tools_.lowerKind = kKindNone;
        Click(kModePlaceObject, kKindNone, x, y);
    }

private:
    MapDocument& doc_;
    ToolState tools_;
    std::unique_ptr<UndoHistory> undo_;  // about 65 MB: not on the stack
    std::unique_ptr<FillWorkList> fill_;
    UpperObjects objects_;
    DrawingTools drawing_;
};

// A fresh 20 x 15 document, as New map leaves it before the first paint.
void StartDocument(MapDocument& doc) {
    doc.ResetDocument();
    doc.isOpen = true;
    doc.width = 20;
    doc.height = 15;
    CopyName(doc.lowerShellImage, "map.dds");
    doc.upperShellCount = 0;
    doc.matterCount = 0;
    doc.SetStartPoint(1, 1);
    doc.SetEndPoint(18, 13);
    doc.SetMaxUse(30, 5, 5, 3, 3, 4, 2);
}

}  // namespace

void PaintSampleMap(MapDocument& doc) {
    std::srand(kSampleSeed);
    StartDocument(doc);
    Painter paint(doc);
    paint.Click(kModeCover, kKindEmpty, 0, 0);

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
