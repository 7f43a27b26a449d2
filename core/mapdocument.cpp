#include "mapdocument.h"

#include <cstdlib>
#include <cstring>

int32_t KindForTile(int32_t tile) {
    switch (tile) {
    case 2: return kKindEmpty;
    case 20: case 21: case 22: case 23: case 24: return kKindHanji;
    case 7: case 27: return kKindStone;
    case 8: return kKindMud;
    case 9: return kKindWormHole;
    case 10: return kKindFood;
    case 11: return kKindFilth;
    case 12: return kKindGate;
    case 13: case 33: case 53: case 73: return kKindOneWay;
    case 14: return kKindMine;
    case 15: return kKindTrap;
    default: return kKindNone;
    }
}

int32_t TileForKind(int32_t kind) {
    switch (kind) {
    case kKindEmpty: return 2;
    case kKindHanji: return 20 + std::rand() % 5;
    case kKindStone: return 7 + 20 * (std::rand() % 2);
    case kKindMud: return 8;
    case kKindWormHole: return 9;
    case kKindFood: return 10;
    case kKindFilth: return 11;
    case kKindGate: return 12;
    case kKindOneWay: return 13;
    case kKindMine: return 14;
    case kKindTrap: return 15;
    default: return 0;
    }
}

uint32_t MakeGateColour() {
    // Drawn in the order red, green, blue.
    const uint32_t red = 16u * static_cast<uint32_t>(std::rand() % 16);
    const uint32_t green = 16u * static_cast<uint32_t>(std::rand() % 16);
    const uint32_t blue = 16u * static_cast<uint32_t>(std::rand() % 16);
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

void CopyName(char (&to)[kNameSize], const char* from) {
    std::strncpy(to, from ? from : "", kNameSize - 1);
    to[kNameSize - 1] = '\0';
}

MapDocument::MapDocument() : dialog(&NullDialogLink()) {
    std::memset(lowerShellImage, 0, sizeof lowerShellImage);
    std::memset(upperShellNames, 0, sizeof upperShellNames);
    std::memset(fileName, 0, sizeof fileName);
    std::memset(matters, 0, sizeof matters);
    width = 0;
    height = 0;
    matterCount = 0;
    upperShellCount = 0;
    ClearAll();
}

void MapDocument::ClearAll() {
    for (int y = 0; y < kGridSize; ++y) {
        for (int x = 0; x < kGridSize; ++x) {
            lowerShells[y][x] = {0, 0};
            sizzleShells[y][x] = kEmptySizzleShell;
            gates[y][x] = Gate{};
        }
    }
    for (Matter& matter : matters) {
        matter.used = false;
        matter.ref = -1;
    }
    isOpen = false;
    isModified = false;
    startPoint = {0, 0};
    endPoint = {1, 1};
    for (int32_t& limit : maxUse) limit = 0;
}

void MapDocument::SetMaxUse(int32_t dig, int32_t stone, int32_t mud, int32_t food, int32_t dirty,
                            int32_t go, int32_t mine) {
    const int32_t limits[kMaxUseCount] = {dig, stone, mud, food, dirty, go, mine};
    std::memcpy(maxUse, limits, sizeof maxUse);
}

void MapDocument::SetFileName(const char* name) { CopyName(fileName, name); }

void MapDocument::ResetDocument() {
    for (int y = 0; y < kGridSize; ++y) {
        for (int x = 0; x < kGridSize; ++x) {
            lowerShells[y][x] = {0, 0};
            sizzleShells[y][x].present = false;
            // Gate ends of an earlier map must never reach a later file.
            gates[y][x].present = false;
        }
    }
    for (int slot = 0; slot < kMatterSlots; ++slot) {
        matters[slot].used = false;
        dialog->SetObjectButtonText(slot, "x");
    }
    isOpen = false;
}
