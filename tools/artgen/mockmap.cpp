#include "mockmap.h"

#include "hanjitiles.h"
#include "tilesheet.h"

namespace artgen {
namespace {

struct EdgeRecord {
    bool present = false;
    int edge = 0;
    int upperRight = -1, lowerRight = -1, upperLeft = -1, lowerLeft = -1;
};

class MockMap {
public:
    explicit MockMap(const std::vector<std::string>& rows)
        : rows_(rows), height_(static_cast<int>(rows.size())), width_(height_ ? static_cast<int>(rows[0].size()) : 0)
    {
    }

    Canvas Compose(int wormFrame) const;

private:
    char At(int x, int y) const { return rows_[y][x]; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    bool IsHanji(int x, int y) const { return Inside(x, y) && At(x, y) == 'H'; }
    int Variant(int x, int y, int salt) const { return static_cast<int>(Hash(x, y, 0xA0u + salt) % kVariants); }
    EdgeRecord Retile(int x, int y) const;
    int TerrainTile(int x, int y, int wormFrame) const;
    Argb GateTint(char letter) const;
    void DrawAt(Canvas& map, int tile, int x, int y, Argb tint = 0xFFFFFFFF) const;

    std::vector<std::string> rows_;
    int height_;
    int width_;
};

// Open sides and corners as the editor's retiling computes them, with every
// hanji cell already carrying a record.
EdgeRecord MockMap::Retile(int x, int y) const
{
    EdgeRecord r;
    r.present = true;
    int mask = 0;
    if (y - 1 >= 0 && !IsHanji(x, y - 1))
        mask |= kOpenTop;
    if (y + 1 < height_ && !IsHanji(x, y + 1))
        mask |= kOpenBottom;
    if (x - 1 >= 0 && !IsHanji(x - 1, y))
        mask |= kOpenLeft;
    if (x + 1 < width_ && !IsHanji(x + 1, y))
        mask |= kOpenRight;
    if (mask != 0)
        r.edge = kHanjiEdgeBase[mask] + Variant(x, y, 0);

    auto corner = [&](int dx, int dy, int base, int& slot) {
        if (!Inside(x + dx, y) || !Inside(x, y + dy))
            return; // the map's border: no corner
        if (!IsHanji(x + dx, y) || !IsHanji(x + dx, y + dy) || !IsHanji(x, y + dy))
            slot = base + Variant(x, y, base);
    };
    corner(1, -1, kHanjiUpperRightBase, r.upperRight);
    corner(-1, -1, kHanjiUpperLeftBase, r.upperLeft);
    corner(-1, 1, kHanjiLowerLeftBase, r.lowerLeft);
    corner(1, 1, kHanjiLowerRightBase, r.lowerRight);
    return r;
}

int MockMap::TerrainTile(int x, int y, int wormFrame) const
{
    switch (At(x, y)) {
    case 'H': return kHanjiPaperBase + Variant(x, y, 1);
    case 'S': return Variant(x, y, 2) % 2 ? 27 : 7;
    case 'M': return 8;
    case 'W': return 9 + kTilesPerRow * wormFrame;
    case 'F': return 10;
    case 'X': return 11;
    case '^': return 13;
    case '>': return 33;
    case 'v': return 53;
    case '<': return 73;
    case 'O': return 14;
    case 'T': return 15;
    default: return 2;
    }
}

Argb MockMap::GateTint(char letter) const
{
    const Argb tints[] = {0xFFF03020, 0xFF30D060, 0xFF4080F0, 0xFFE0C000};
    return tints[(letter - 'a') % 4];
}

void MockMap::DrawAt(Canvas& map, int tile, int x, int y, Argb tint) const
{
    const Canvas piece = DrawTile(tile);
    for (int j = 0; j < kTileSize; ++j) {
        for (int i = 0; i < kTileSize; ++i) {
            const Argb c = piece.At(i, j);
            // Modulation as the sprite draws it: each channel times the tint.
            const Argb tinted = MakeArgb(AlphaOf(c) * AlphaOf(tint) / 255, RedOf(c) * RedOf(tint) / 255,
                                         GreenOf(c) * GreenOf(tint) / 255, BlueOf(c) * BlueOf(tint) / 255);
            map.Blend(x * kTileSize + i, y * kTileSize + j, tinted);
        }
    }
}

Canvas MockMap::Compose(int wormFrame) const
{
    Canvas map(width_ * kTileSize, height_ * kTileSize);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const char c = At(x, y);
            DrawAt(map, TerrainTile(x, y, wormFrame), x, y);
            if (c >= 'a' && c <= 'd')
                DrawAt(map, 12, x, y, GateTint(c));
        }
    }
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (!IsHanji(x, y))
                continue;
            const EdgeRecord r = Retile(x, y);
            for (int tile : {r.upperRight, r.upperLeft, r.lowerRight, r.lowerLeft})
                if (tile != -1)
                    DrawAt(map, tile, x, y);
            if (r.edge != 0)
                DrawAt(map, r.edge, x, y);
        }
    }
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (At(x, y) == 's')
                DrawAt(map, 3, x, y);
            if (At(x, y) == 'e')
                DrawAt(map, 4, x, y);
        }
    }
    return map;
}

} // namespace

Canvas ComposeMap(const std::vector<std::string>& rows, int wormFrame)
{
    return MockMap(rows).Compose(wormFrame);
}

std::vector<std::string> SampleMapRows()
{
    return {
        "HHH.....................",
        "HHH..HHHHHHH.....HHH..s.",
        "H....HHHHHHHHH...H.H....",
        "...HHHH...HHHH...HHH..SS",
        "...HHHH.H.HHHHHH......SS",
        "...HHHHHHHHH.HHH..H.....",
        "....HHHH..HHHHH..HHH..M.",
        ".....HH....H.....H.H..MM",
        "..................H.....",
        ".W.F.X.O.T.^.>.v.<..a..b",
        "...W...............e....",
        "MM..SS..a.b..FF..XX..TT.",
    };
}

} // namespace artgen
