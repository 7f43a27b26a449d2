#pragma once
// The map document: fixed-size grids of terrain, hanji edge records and gate
// ends, fifty upper-layer object slots, start and end cells, seven usage
// limits and the bookkeeping of the open file. Nothing here allocates.

#include <cstdint>

#include "dialoglink.h"

constexpr int kGridSize = 101;          // cells per grid side
constexpr int kMinMapSize = 10;         // smallest side New map makes
constexpr int kMaxMapSize = 100;        // largest side New map makes
constexpr int kMatterSlots = 50;
constexpr int kMatterPoints = 100;
constexpr int kUpperShellNames = 50;
constexpr int kNameSize = 256;          // every name buffer, terminator included
constexpr int kMaxUseCount = 7;
constexpr int kCellPixels = 24;

// Main-dialog edit controls the document's points and limits are shown in.
constexpr int kStartXField = 1049;
constexpr int kStartYField = 1050;
constexpr int kEndXField = 1051;
constexpr int kEndYField = 1052;
constexpr int kFirstMaxUseField = 1053;  // 1053..1059, in maxUse order

enum LowerKind : int32_t {
    kKindNone = 0,
    kKindEmpty = 1,
    kKindHanji = 2,
    kKindStone = 3,
    kKindMud = 4,
    kKindWormHole = 5,
    kKindFood = 6,
    kKindFilth = 7,
    kKindGate = 8,
    kKindOneWay = 9,
    kKindMine = 10,
    kKindTrap = 11,
};
constexpr int kKindCount = 11;

struct LowerShell {
    int32_t kind;
    int32_t tile;
};

struct SizzleShell {
    bool present;
    int32_t edge;
    int32_t upperRight;
    int32_t lowerRight;
    int32_t upperLeft;
    int32_t lowerLeft;
};
constexpr SizzleShell kEmptySizzleShell{false, 0, -1, -1, -1, -1};

struct Gate {
    bool present;
    int32_t x;
    int32_t y;
    int32_t partnerX;
    int32_t partnerY;
    int32_t tile;
    uint32_t colour;
};

struct MatterPoint {
    float x;
    float y;
    int32_t piece;
};

struct Matter {
    MatterPoint points[kMatterPoints];
    int32_t count;
    int32_t ref;
    char imageName[kNameSize];
    bool used;
};

struct CellPoint {
    int32_t x;
    int32_t y;
};

// Terrain tables and gate tints. Variants draw from rand().
int32_t KindForTile(int32_t tile);
int32_t TileForKind(int32_t kind);
uint32_t MakeGateColour();

struct MapDocument {
    LowerShell lowerShells[kGridSize][kGridSize];
    char lowerShellImage[kNameSize];
    int32_t width;
    int32_t height;
    Matter matters[kMatterSlots];
    int32_t matterCount;
    bool isOpen;
    int32_t upperShellCount;
    char upperShellNames[kUpperShellNames][kNameSize];
    CellPoint startPoint;
    CellPoint endPoint;
    Gate gates[kGridSize][kGridSize];
    int32_t maxUse[kMaxUseCount];
    char fileName[kNameSize];
    bool isModified;
    SizzleShell sizzleShells[kGridSize][kGridSize];

    // Where field and button updates go; never null.
    DialogLink* dialog;

    MapDocument();  // the state at scene creation: closed, grids empty

    bool IsOpen() const { return isOpen; }
    bool IsModified() const { return isOpen && isModified; }
    void SetModified(bool modified) { isModified = modified; }
    int32_t GetWidth() const { return width; }
    int32_t GetHeight() const { return height; }
    CellPoint GetStartPoint() const { return startPoint; }
    void SetStartPoint(int32_t x, int32_t y) { startPoint = {x, y}; }
    CellPoint GetEndPoint() const { return endPoint; }
    void SetEndPoint(int32_t x, int32_t y) { endPoint = {x, y}; }
    void SetMaxUse(int32_t dig, int32_t stone, int32_t mud, int32_t food, int32_t dirty, int32_t go,
                   int32_t mine);
    const char* GetFileName() const { return fileName; }
    // Copies `name`; a name that does not fit is cut at the buffer's end.
    void SetFileName(const char* name);

    // Clears the grids (gates too) and the object slots and marks the
    // document closed; sizes, names, points, limits and fileName stay.
    void ResetDocument();

    // Scene start-up: every grid back to its empty state, no document.
    void ClearAll();

    bool InsideMap(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// Bounded copy of a NUL-terminated name into a fixed buffer.
void CopyName(char (&to)[kNameSize], const char* from);
