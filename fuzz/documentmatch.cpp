#include "documentmatch.h"

#include <cstring>
#include <initializer_list>

namespace {

int32_t Truncated(float value) {
    if (!(value > -2147483648.0f)) return value != value ? 0 : INT32_MIN;
    if (value >= 2147483648.0f) return INT32_MAX;
    return static_cast<int32_t>(value);
}

bool SameName(const char* a, const char* b) { return std::strncmp(a, b, kNameSize) == 0; }

bool EmptyGroup(const SizzleShell& s) {
    return s.edge == 0 && s.upperRight == -1 && s.lowerRight == -1 && s.upperLeft == -1 && s.lowerLeft == -1;
}

// The numbers of a cell without a record are whatever an earlier map left.
SizzleShell Effective(const SizzleShell& shell) { return shell.present ? shell : kEmptySizzleShell; }

// Every present end names a present end that names it back.
bool GatesPaired(const MapDocument& doc) {
    for (const auto& row : doc.gates) {
        for (const Gate& gate : row) {
            if (!gate.present) continue;
            const Gate& partner = doc.gates[gate.partnerY][gate.partnerX];
            if (!partner.present || partner.partnerX != gate.x || partner.partnerY != gate.y) return false;
        }
    }
    return true;
}

const char* HeaderDifference(const MapDocument& a, const MapDocument& b) {
    if (a.startPoint.x != b.startPoint.x || a.startPoint.y != b.startPoint.y) return "start point";
    if (a.endPoint.x != b.endPoint.x || a.endPoint.y != b.endPoint.y) return "end point";
    if (a.width != b.width || a.height != b.height) return "map size";
    if (!SameName(a.lowerShellImage, b.lowerShellImage)) return "tile sheet name";
    if (a.upperShellCount != b.upperShellCount) return "image name count";
    for (int i = 0; i < a.upperShellCount; ++i) {
        if (!SameName(a.upperShellNames[i], b.upperShellNames[i])) return "image name";
    }
    for (int i = 0; i < kMaxUseCount; ++i) {
        if (a.maxUse[i] != b.maxUse[i]) return "usage limit";
    }
    return nullptr;
}

const char* GridDifference(const MapDocument& a, const MapDocument& b) {
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            if (a.lowerShells[y][x].tile != b.lowerShells[y][x].tile) return "terrain tile";
            if (b.lowerShells[y][x].kind != KindForTile(b.lowerShells[y][x].tile)) return "terrain kind";
            const SizzleShell s = Effective(a.sizzleShells[y][x]);
            const SizzleShell t = Effective(b.sizzleShells[y][x]);
            if (s.edge != t.edge || s.upperRight != t.upperRight || s.lowerRight != t.lowerRight ||
                s.upperLeft != t.upperLeft || s.lowerLeft != t.lowerLeft) {
                return "edge record";
            }
            if (s.present != t.present && !EmptyGroup(s)) return "edge record flag";
        }
    }
    return nullptr;
}

const char* ObjectDifference(const MapDocument& a, const MapDocument& b) {
    if (a.matterCount != b.matterCount) return "object count";
    for (int slot = 0; slot < kMatterSlots; ++slot) {
        const Matter& m = a.matters[slot];
        const Matter& n = b.matters[slot];
        if (m.used != n.used) return "object slot use";
        if (!m.used) continue;
        if (m.count != n.count) return "object point count";
        for (int i = 0; i < m.count; ++i) {
            if (Truncated(m.points[i].x) != n.points[i].x || Truncated(m.points[i].y) != n.points[i].y ||
                m.points[i].piece != n.points[i].piece) {
                return "object point";
            }
        }
        // A reference the saved names no longer hold is dropped on reading.
        const bool named = m.ref >= 0 && m.ref < a.upperShellCount;
        if (n.ref != (named ? m.ref : -1)) return "object image reference";
        if (!SameName(n.imageName, named ? a.upperShellNames[m.ref] : "")) return "object image name";
    }
    return nullptr;
}

const char* GateDifference(const MapDocument& a, const MapDocument& b) {
    if (!GatesPaired(a)) return nullptr;
    for (int y = 0; y < kGridSize; ++y) {
        for (int x = 0; x < kGridSize; ++x) {
            const Gate& g = a.gates[y][x];
            const Gate& h = b.gates[y][x];
            if (g.present != h.present) return "gate end";
            if (!g.present) continue;
            if (h.x != x || h.y != y || g.partnerX != h.partnerX || g.partnerY != h.partnerY) return "gate partner";
            const Gate& partner = b.gates[h.partnerY][h.partnerX];
            if (h.colour != partner.colour) return "gate pair colour";
        }
    }
    return nullptr;
}

}  // namespace

const char* FirstDifference(const MapDocument& opened, const MapDocument& reopened) {
    if (!reopened.isOpen) return "document not open";
    for (auto compare : {HeaderDifference, GridDifference, ObjectDifference, GateDifference}) {
        if (const char* difference = compare(opened, reopened)) return difference;
    }
    return nullptr;
}
