#include "mapfile.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "mapfile_scanner.h"
#include "mapfile_sink.h"

namespace {

// ---------------------------------------------------------------------------
// Reading

// Walks the values that follow the keyword on a keyword line.
class LineValues {
public:
    explicit LineValues(const char* line) : p_(line), end_(line + std::strlen(line)) {}

    bool Word(char (&word)[kNameSize]) {
        SkipBlanks();
        const char* start = p_;
        while (p_ < end_ && !IsBlank(*p_)) ++p_;
        const size_t length = std::min<size_t>(static_cast<size_t>(p_ - start), kNameSize - 1);
        if (length == 0) return false;
        std::memcpy(word, start, length);
        word[length] = '\0';
        return true;
    }

    bool Int(int32_t& value) {
        SkipBlanks();
        const char* stop = ParseInt(p_, end_, value);
        if (!stop) return false;
        p_ = stop;
        return true;
    }

private:
    void SkipBlanks() {
        while (p_ < end_ && IsBlank(*p_)) ++p_;
    }

    const char* p_;
    const char* end_;
};

bool InsideGrid(int64_t x, int64_t y) { return x >= 0 && y >= 0 && x < kGridSize && y < kGridSize; }

int32_t ClampSize(int32_t size) { return std::clamp(size, 0, kGridSize); }

class MapFileReader {
public:
    MapFileReader(MapDocument& doc, std::FILE* file) : doc_(doc), in_(file) {}

    // Returns false when the stream failed while being read.
    bool ReadAll() {
        doc_.matterCount = 0;
        gridWidth_ = doc_.width;
        gridHeight_ = doc_.height;
        char line[kLineSize];
        while (!in_.AtEnd()) {
            in_.ReadLine(line);
            Dispatch(line);
        }
        return !in_.Failed();
    }

private:
    using Handler = void (MapFileReader::*)(LineValues&);
    struct Keyword {
        const char* word;
        Handler handler;
    };

    void Dispatch(const char* line) {
        static const Keyword keywords[] = {
            {"*START_POINT", &MapFileReader::StartPoint},
            {"*END_POINT", &MapFileReader::EndPoint},
            {"*LOWER_SHELL_URL", &MapFileReader::LowerShellUrl},
            {"*MAX_SHELL_WIDTH_HEIGHT", &MapFileReader::MapSize},
            {"*LOWER_SHELL", &MapFileReader::LowerGrid},
            {"*SIZZLE_SHELL", &MapFileReader::SizzleGrid},
            {"*UPPER_SHELL_COUNT", &MapFileReader::UpperShellCount},
            {"*UPPER_SHELL_URL", &MapFileReader::UpperShellUrl},
            {"*MATTER_COUNT", &MapFileReader::MatterCount},
            {"*MATTER", &MapFileReader::MatterSlot},
            {"*MATTER_DATA_COUNT", &MapFileReader::MatterDataCount},
            {"*MATTER_DATA", &MapFileReader::MatterData},
            {"*REF", &MapFileReader::MatterRef},
            {"*MATTER_END", &MapFileReader::MatterEnd},
            {"*GATE_COUNT", &MapFileReader::GateList},
            {"*MAXUSE_DIG", &MapFileReader::MaxUse<0>},
            {"*MAXUSE_STONE", &MapFileReader::MaxUse<1>},
            {"*MAXUSE_MUD", &MapFileReader::MaxUse<2>},
            {"*MAXUSE_FOOD", &MapFileReader::MaxUse<3>},
            {"*MAXUSE_DIRTY", &MapFileReader::MaxUse<4>},
            {"*MAXUSE_GO", &MapFileReader::MaxUse<5>},
            {"*MAXUSE_MINE", &MapFileReader::MaxUse<6>},
            {"*MAXUSE_END", &MapFileReader::MaxUseEnd},
        };
        LineValues values(line);
        char word[kNameSize] = {};
        if (!values.Word(word)) return;
        for (const Keyword& keyword : keywords) {
            if (std::strcmp(word, keyword.word) == 0) {
                (this->*keyword.handler)(values);
                return;
            }
        }
    }

    void StartPoint(LineValues& values) {
        values.Int(doc_.startPoint.x) && values.Int(doc_.startPoint.y);
        ShowField(kStartXField, doc_.startPoint.x);
        ShowField(kStartYField, doc_.startPoint.y);
    }

    void EndPoint(LineValues& values) {
        values.Int(doc_.endPoint.x) && values.Int(doc_.endPoint.y);
        ShowField(kEndXField, doc_.endPoint.x);
        ShowField(kEndYField, doc_.endPoint.y);
    }

    void LowerShellUrl(LineValues& values) { values.Word(doc_.lowerShellImage); }

    // The grids are read with the size the file states, so a file wider or
    // taller than the grids stays aligned; the document keeps the clamped size.
    void MapSize(LineValues& values) {
        if (values.Int(gridWidth_)) {
            doc_.width = ClampSize(gridWidth_);
            if (values.Int(gridHeight_)) doc_.height = ClampSize(gridHeight_);
        }
    }

    void LowerGrid(LineValues&) {
        for (int64_t y = 0; y < gridHeight_; ++y) {
            for (int64_t x = 0; x < gridWidth_; ++x) {
                int32_t tile = 0;
                if (!in_.ReadInt(tile)) return;
                if (!InsideGrid(x, y)) continue;
                doc_.lowerShells[y][x] = {KindForTile(tile), tile};
            }
        }
    }

    void SizzleGrid(LineValues&) {
        for (int64_t y = 0; y < gridHeight_; ++y) {
            for (int64_t x = 0; x < gridWidth_; ++x) {
                int32_t n[5];
                for (int32_t& value : n) {
                    if (!in_.ReadInt(value)) return;
                }
                if (!InsideGrid(x, y)) continue;
                SizzleShell& shell = doc_.sizzleShells[y][x];
                const bool emptyGroup = n[0] == 0 && n[1] == -1 && n[2] == -1 && n[3] == -1 && n[4] == -1;
                shell = {!emptyGroup || doc_.lowerShells[y][x].kind == kKindHanji, n[0], n[1], n[2], n[3], n[4]};
            }
        }
    }

    void UpperShellCount(LineValues& values) {
        int32_t count = 0;
        if (values.Int(count)) doc_.upperShellCount = std::clamp(count, 0, kUpperShellNames);
    }

    void UpperShellUrl(LineValues& values) {
        if (nextName_ < kUpperShellNames) values.Word(doc_.upperShellNames[nextName_]);
        ++nextName_;
    }

    void MatterCount(LineValues& values) { values.Int(doc_.matterCount); }

    void MatterSlot(LineValues& values) { values.Int(slot_); }

    void MatterDataCount(LineValues& values) {
        if (!values.Int(pointCount_)) return;
        if (Matter* matter = CurrentMatter()) matter->count = std::clamp(pointCount_, 0, kMatterPoints);
    }

    // All listed points are consumed; only the first hundred fit the slot.
    void MatterData(LineValues&) {
        Matter* matter = CurrentMatter();
        for (int32_t i = 0; i < pointCount_; ++i) {
            float x = 0;
            float y = 0;
            int32_t piece = 0;
            if (!in_.ReadFloat(x) || !in_.ReadFloat(y) || !in_.ReadInt(piece)) return;
            if (matter && i < kMatterPoints) matter->points[i] = {x, y, piece};
        }
    }

    // A reference must name one of the listed images; anything else leaves
    // the object without an image rather than pointing at a stale name.
    void MatterRef(LineValues& values) {
        int32_t ref = 0;
        Matter* matter = CurrentMatter();
        if (!values.Int(ref) || !matter) return;
        const int32_t names = std::min(doc_.upperShellCount, kUpperShellNames);
        if (ref >= 0 && ref < names) {
            matter->ref = ref;
            CopyName(matter->imageName, doc_.upperShellNames[ref]);
        } else {
            matter->ref = -1;
            matter->imageName[0] = '\0';
        }
    }

    void MatterEnd(LineValues&) {
        if (Matter* matter = CurrentMatter()) {
            matter->used = true;
            doc_.dialog->SetObjectButtonText(slot_, "o");
        }
    }

    // Groups are taken until one does not convert; a group with an end
    // outside the grid is skipped whole.
    void GateList(LineValues& values) {
        int32_t count = 0;
        if (!values.Int(count)) return;
        for (int32_t i = 0; i < count; ++i) {
            int32_t n[4];
            for (int32_t& value : n) {
                if (!in_.ReadInt(value)) return;
            }
            if (InsideGrid(n[0], n[1]) && InsideGrid(n[2], n[3])) MakeGatePair(n[0], n[1], n[2], n[3]);
        }
    }

    void MakeGatePair(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        const uint32_t colour = MakeGateColour();
        const int32_t tile = TileForKind(kKindGate);
        doc_.gates[y1][x1] = {true, x1, y1, x2, y2, tile, colour};
        doc_.gates[y2][x2] = {true, x2, y2, x1, y1, tile, colour};
    }

    template <int kIndex>
    void MaxUse(LineValues& values) {
        values.Int(doc_.maxUse[kIndex]);
    }

    void MaxUseEnd(LineValues&) {
        for (int i = 0; i < kMaxUseCount; ++i) ShowField(kFirstMaxUseField + i, doc_.maxUse[i]);
    }

    Matter* CurrentMatter() {
        return slot_ >= 0 && slot_ < kMatterSlots ? &doc_.matters[slot_] : nullptr;
    }

    void ShowField(int controlId, int32_t value) {
        doc_.dialog->SetFieldUnsigned(controlId, static_cast<unsigned>(value));
    }

    MapDocument& doc_;
    MapFileScanner in_;
    int32_t gridWidth_ = 0;   // size as the file states it, before clamping
    int32_t gridHeight_ = 0;
    int32_t nextName_ = 0;    // index of the next *UPPER_SHELL_URL name
    int32_t pointCount_ = 0;  // last *MATTER_DATA_COUNT
    int32_t slot_ = 0;        // last *MATTER
};

// ---------------------------------------------------------------------------
// Writing

// Point coordinates are whole numbers; truncate toward zero without ever
// converting a value int32 cannot hold.
int32_t TruncateToInt(float value) {
    if (std::isnan(value)) return 0;
    if (value <= -2147483648.0f) return INT32_MIN;
    if (value >= 2147483648.0f) return INT32_MAX;
    return static_cast<int32_t>(value);
}

void WriteHeader(const MapDocument& doc, MapFileSink& out) {
    out.Text("*START_POINT "); out.Int(doc.startPoint.x); out.Text(" "); out.Int(doc.startPoint.y);
    out.Text("\n*END_POINT "); out.Int(doc.endPoint.x); out.Text(" "); out.Int(doc.endPoint.y);
    const int32_t names = std::clamp(doc.upperShellCount, 0, kUpperShellNames);
    out.Text("\n*UPPER_SHELL_COUNT "); out.Int(names); out.Text("\n");
    for (int32_t i = 0; i < names; ++i) {
        out.Text("*UPPER_SHELL "); out.Int(i);
        out.Text("\n\t*UPPER_SHELL_URL "); out.Name(doc.upperShellNames[i], kNameSize); out.Text("\n");
    }
    out.Text("\n*LOWER_SHELL_URL\t"); out.Name(doc.lowerShellImage, kNameSize);
    out.Text("\n\n*MAX_SHELL_WIDTH_HEIGHT ");
    out.Int(ClampSize(doc.width)); out.Text(" "); out.Int(ClampSize(doc.height));
    out.Text("\n\n");
}

void WriteGrids(const MapDocument& doc, MapFileSink& out) {
    const int32_t width = ClampSize(doc.width);
    const int32_t height = ClampSize(doc.height);
    out.Text("*LOWER_SHELL\n");
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            out.Int(doc.lowerShells[y][x].tile);
            out.Text(" ");
        }
        out.Text("\n");
    }
    out.Text("\n*SIZZLE_SHELL\n");
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const SizzleShell& s = doc.sizzleShells[y][x];
            if (!s.present) {
                out.Text("0 -1 -1 -1 -1 ");
                continue;
            }
            for (int32_t value : {s.edge, s.upperRight, s.lowerRight, s.upperLeft, s.lowerLeft}) {
                out.Int(value);
                out.Text(" ");
            }
        }
        out.Text("\n");
    }
}

void WriteMatters(const MapDocument& doc, MapFileSink& out) {
    out.Text("\n\n*MATTER_COUNT "); out.Int(doc.matterCount); out.Text("\n\n");
    for (int32_t slot = 0; slot < kMatterSlots; ++slot) {
        const Matter& matter = doc.matters[slot];
        if (!matter.used) continue;
        const int32_t count = std::clamp(matter.count, 0, kMatterPoints);
        out.Text("*MATTER "); out.Int(slot);
        out.Text("\n\t*MATTER_DATA_COUNT "); out.Int(count);
        out.Text("\n\t*MATTER_DATA\n");
        for (int32_t i = 0; i < count; ++i) {
            const MatterPoint& point = matter.points[i];
            out.Text("\t"); out.Int(TruncateToInt(point.x));
            out.Text(" "); out.Int(TruncateToInt(point.y));
            out.Text(" "); out.Int(point.piece); out.Text("\n");
        }
        out.Text("\t*REF "); out.Int(matter.ref);
        out.Text("\n*MATTER_END\n\n");
    }
}

void WriteGates(const MapDocument& doc, MapFileSink& out) {
    int32_t ends = 0;
    for (const auto& row : doc.gates) {
        for (const Gate& gate : row) ends += gate.present ? 1 : 0;
    }
    out.Text("*GATE\n*GATE_COUNT "); out.Int(ends); out.Text("\n");
    for (const auto& row : doc.gates) {
        for (const Gate& gate : row) {
            if (!gate.present) continue;
            out.Int(gate.x); out.Text(" "); out.Int(gate.y); out.Text(" ");
            out.Int(gate.partnerX); out.Text(" "); out.Int(gate.partnerY); out.Text("\n");
        }
    }
}

void WriteLimits(const MapDocument& doc, MapFileSink& out) {
    static const char* const kLimitKeywords[kMaxUseCount] = {
        "*MAXUSE_DIG ", "*MAXUSE_STONE ", "*MAXUSE_MUD ", "*MAXUSE_FOOD ",
        "*MAXUSE_DIRTY ", "*MAXUSE_GO ", "*MAXUSE_MINE ",
    };
    out.Text("\n\n*MAXUSE\n");
    for (int i = 0; i < kMaxUseCount; ++i) {
        out.Text(kLimitKeywords[i]); out.Int(doc.maxUse[i]); out.Text("\n");
    }
    out.Text("*MAXUSE_END\n");
}

}  // namespace

std::FILE* OpenRegularFile(const char* fileName) {
    if (!fileName) {
        errno = EINVAL;
        return nullptr;
    }
    // O_NONBLOCK only for the open itself: opening a FIFO would otherwise wait
    // for a writer that never comes.
    const int fd = ::open(fileName, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int reason = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        errno = reason;
        return nullptr;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    std::FILE* file = flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0 ? ::fdopen(fd, "rb") : nullptr;
    if (!file) ::close(fd);
    return file;
}

bool ReadMapStream(MapDocument& doc, std::FILE* stream) {
    if (!stream) return false;
    MapFileReader reader(doc, stream);
    return reader.ReadAll();
}

bool ReadMapFile(MapDocument& doc, const char* fileName) {
    doc.ResetDocument();
    doc.isOpen = true;
    doc.isModified = false;
    std::FILE* file = OpenRegularFile(fileName);
    if (!file) return false;
    const bool ok = ReadMapStream(doc, file);
    std::fclose(file);
    return ok;
}

bool WriteMapFile(const MapDocument& doc, const char* fileName) {
    ReplacingFile file;
    if (!fileName || !file.Open(fileName)) return false;
    MapFileSink out(file.Stream());
    WriteHeader(doc, out);
    WriteGrids(doc, out);
    WriteMatters(doc, out);
    WriteGates(doc, out);
    WriteLimits(doc, out);
    return out.Flush() && file.Commit();
}
