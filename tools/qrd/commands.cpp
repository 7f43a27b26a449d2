#include "commands.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "jsonwriter.h"
#include "mapfile.h"
#include "render.h"

namespace {

// The document is about 700 KB: keep it on the heap.
std::unique_ptr<MapDocument> OpenMap(const char* fileName, std::FILE* err) {
    auto doc = std::make_unique<MapDocument>();
    errno = 0;
    if (!ReadMapFile(*doc, fileName)) {
        ReportUnreadableMap(fileName, errno, err);
        return nullptr;
    }
    return doc;
}

int32_t NameCount(const MapDocument& doc) { return std::clamp(doc.upperShellCount, 0, kUpperShellNames); }
int32_t PointCount(const Matter& matter) { return std::clamp(matter.count, 0, kMatterPoints); }

void DumpPair(JsonWriter& json, const char* key, int32_t x, int32_t y) {
    json.Key(key);
    json.BeginArray();
    json.Int(x);
    json.Int(y);
    json.EndArray();
}

void DumpGrid(JsonWriter& json, const char* key, const MapDocument& doc, bool tiles) {
    json.Key(key);
    json.BeginArray();
    for (int32_t y = 0; y < doc.height; ++y) {
        json.BeginArray();
        for (int32_t x = 0; x < doc.width; ++x) {
            const LowerShell& cell = doc.lowerShells[y][x];
            json.Int(tiles ? cell.tile : cell.kind);
        }
        json.EndArray();
    }
    json.EndArray();
}

void DumpSizzle(JsonWriter& json, const MapDocument& doc) {
    json.Key("sizzle");
    json.BeginArray();
    for (int32_t y = 0; y < doc.height; ++y) {
        for (int32_t x = 0; x < doc.width; ++x) {
            const SizzleShell& s = doc.sizzleShells[y][x];
            if (!s.present) continue;
            json.BeginObject();
            json.Key("x"); json.Int(x);
            json.Key("y"); json.Int(y);
            json.Key("edge"); json.Int(s.edge);
            json.Key("upperRight"); json.Int(s.upperRight);
            json.Key("lowerRight"); json.Int(s.lowerRight);
            json.Key("upperLeft"); json.Int(s.upperLeft);
            json.Key("lowerLeft"); json.Int(s.lowerLeft);
            json.EndObject();
        }
    }
    json.EndArray();
}

void DumpGates(JsonWriter& json, const MapDocument& doc) {
    json.Key("gates");
    json.BeginArray();
    for (const auto& row : doc.gates) {
        for (const Gate& gate : row) {
            if (!gate.present) continue;
            json.BeginObject();
            json.Key("x"); json.Int(gate.x);
            json.Key("y"); json.Int(gate.y);
            json.Key("partnerX"); json.Int(gate.partnerX);
            json.Key("partnerY"); json.Int(gate.partnerY);
            json.EndObject();
        }
    }
    json.EndArray();
}

void DumpMatters(JsonWriter& json, const MapDocument& doc) {
    json.Key("matters");
    json.BeginArray();
    for (int32_t slot = 0; slot < kMatterSlots; ++slot) {
        const Matter& matter = doc.matters[slot];
        if (!matter.used) continue;
        json.BeginObject();
        json.Key("slot"); json.Int(slot);
        json.Key("ref"); json.Int(matter.ref);
        json.Key("imageName"); json.String(matter.imageName, kNameSize);
        json.Key("points");
        json.BeginArray();
        for (int32_t i = 0; i < PointCount(matter); ++i) {
            const MatterPoint& point = matter.points[i];
            json.BeginArray();
            json.Float(point.x);
            json.Float(point.y);
            json.Int(point.piece);
            json.EndArray();
        }
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
}

// Reports one problem per call as a line of its own.
class Findings {
public:
    explicit Findings(std::FILE* out) : out_(out) {}

    template <typename... Args>
    void Add(const char* format, Args... args) {
        std::fprintf(out_, format, args...);
        std::fputc('\n', out_);
        ++count_;
    }
    int Count() const { return count_; }

private:
    std::FILE* out_;
    int count_ = 0;
};

void CheckPoints(const MapDocument& doc, Findings& findings) {
    if (!doc.InsideMap(doc.startPoint.x, doc.startPoint.y)) {
        findings.Add("start point (%d, %d) lies outside the map", doc.startPoint.x, doc.startPoint.y);
    }
    if (!doc.InsideMap(doc.endPoint.x, doc.endPoint.y)) {
        findings.Add("end point (%d, %d) lies outside the map", doc.endPoint.x, doc.endPoint.y);
    }
}

void CheckTiles(const MapDocument& doc, Findings& findings) {
    for (int32_t y = 0; y < doc.height; ++y) {
        for (int32_t x = 0; x < doc.width; ++x) {
            const LowerShell& cell = doc.lowerShells[y][x];
            if (cell.kind == kKindNone) findings.Add("cell (%d, %d) has unknown tile %d", x, y, cell.tile);
        }
    }
}

void CheckGates(const MapDocument& doc, Findings& findings) {
    for (int32_t y = 0; y < kGridSize; ++y) {
        for (int32_t x = 0; x < kGridSize; ++x) {
            const Gate& gate = doc.gates[y][x];
            if (!gate.present) continue;
            const int32_t px = gate.partnerX;
            const int32_t py = gate.partnerY;
            const bool partnerInGrid = px >= 0 && py >= 0 && px < kGridSize && py < kGridSize;
            if (!partnerInGrid || !doc.InsideMap(px, py) || doc.lowerShells[py][px].kind != kKindGate) {
                findings.Add("gate end (%d, %d): partner (%d, %d) is not a gate cell", x, y, px, py);
                continue;
            }
            const Gate& partner = doc.gates[py][px];
            if (!partner.present || partner.partnerX != x || partner.partnerY != y) {
                findings.Add("gate end (%d, %d): partner (%d, %d) does not name it back", x, y, px, py);
            }
        }
    }
}

// A slot emptied in the editor keeps no points and no image; only objects
// that cover cells need an image.
void CheckMatters(const MapDocument& doc, Findings& findings) {
    for (int32_t slot = 0; slot < kMatterSlots; ++slot) {
        const Matter& matter = doc.matters[slot];
        if (!matter.used) continue;
        const int32_t count = PointCount(matter);
        if (count > 0 && (matter.ref < 0 || matter.imageName[0] == '\0')) {
            findings.Add("object %d has no image (points: %d)", slot, count);
        }
        for (int32_t i = 0; i < count; ++i) {
            const MatterPoint& point = matter.points[i];
            const bool inside = point.x >= 0 && point.y >= 0 && point.x < static_cast<float>(doc.width) &&
                                point.y < static_cast<float>(doc.height);
            if (!inside) {
                findings.Add("object %d: point %d at (%g, %g) lies outside the map", slot, i,
                             static_cast<double>(point.x), static_cast<double>(point.y));
            }
        }
    }
}

// What a subcommand gives for operands it cannot take: the usage text follows.
constexpr int kBadOperands = -1;

// render FILE OUT.png [--no-objects]: the flag may stand anywhere after the subcommand.
int RunRenderCommand(int count, char** args, std::FILE*, std::FILE* err) {
    RenderRequest request{nullptr, nullptr, true};
    const char* files[2] = {nullptr, nullptr};
    int fileCount = 0;
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(args[i], "--no-objects") == 0) {
            request.withObjects = false;
        } else if (args[i][0] == '-' && args[i][1] == '-') {
            return kBadOperands;
        } else if (fileCount < 2) {
            files[fileCount++] = args[i];
        } else {
            return kBadOperands;
        }
    }
    if (fileCount != 2) return kBadOperands;
    request.mapFile = files[0];
    request.pngFile = files[1];
    return RunRender(request, err);
}

struct Subcommand {
    const char* name;
    int minOperands;
    int maxOperands;
    // The exit code, or kBadOperands.
    int (*run)(int count, char** operands, std::FILE* out, std::FILE* err);
};

const Subcommand kSubcommands[] = {
    {"dump", 1, 1, [](int, char** args, std::FILE* out, std::FILE* err) { return RunDump(args[0], out, err); }},
    {"roundtrip", 2, 2,
     [](int, char** args, std::FILE* out, std::FILE* err) { return RunRoundtrip(args[0], args[1], out, err); }},
    {"check", 1, 1, [](int, char** args, std::FILE* out, std::FILE* err) { return RunCheck(args[0], out, err); }},
    {"render", 2, 3, RunRenderCommand},
};

const char kUsage[] =
    "usage: qrd dump FILE           print the map as one JSON object\n"
    "       qrd roundtrip IN OUT    open IN and save it to OUT as the editor does\n"
    "       qrd check FILE          list problems; exit 1 when any is found\n"
    "       qrd render FILE OUT.png [--no-objects]\n"
    "                               draw the whole map as the editor shows it;\n"
    "                               images are looked for beside FILE, then in\n"
    "                               the working directory\n";

}  // namespace

int RunDump(const char* fileName, std::FILE* out, std::FILE* err) {
    const auto doc = OpenMap(fileName, err);
    if (!doc) return kQrdFailure;
    JsonWriter json(out);
    json.BeginObject();
    json.Key("width"); json.Int(doc->width);
    json.Key("height"); json.Int(doc->height);
    json.Key("lowerShellImage"); json.String(doc->lowerShellImage, kNameSize);
    DumpPair(json, "startPoint", doc->startPoint.x, doc->startPoint.y);
    DumpPair(json, "endPoint", doc->endPoint.x, doc->endPoint.y);
    json.Key("maxUse");
    json.BeginArray();
    for (int32_t limit : doc->maxUse) json.Int(limit);
    json.EndArray();
    DumpGrid(json, "tiles", *doc, true);
    DumpGrid(json, "kinds", *doc, false);
    DumpSizzle(json, *doc);
    DumpGates(json, *doc);
    json.Key("upperShellNames");
    json.BeginArray();
    for (int32_t i = 0; i < NameCount(*doc); ++i) json.String(doc->upperShellNames[i], kNameSize);
    json.EndArray();
    json.Key("matterCount"); json.Int(doc->matterCount);
    DumpMatters(json, *doc);
    json.EndObject();
    json.Finish();
    return kQrdOk;
}

int RunRoundtrip(const char* inName, const char* outName, std::FILE*, std::FILE* err) {
    const auto doc = OpenMap(inName, err);
    if (!doc) return kQrdFailure;
    errno = 0;
    if (!WriteMapFile(*doc, outName)) {
        const int error = errno;
        std::fprintf(err, "qrd: cannot write map file '%s'%s%s\n", outName, error ? ": " : "",
                     error ? std::strerror(error) : "");
        return kQrdFailure;
    }
    return kQrdOk;
}

int RunCheck(const char* fileName, std::FILE* out, std::FILE* err) {
    const auto doc = OpenMap(fileName, err);
    if (!doc) return kQrdFailure;
    Findings findings(out);
    CheckPoints(*doc, findings);
    CheckTiles(*doc, findings);
    CheckGates(*doc, findings);
    CheckMatters(*doc, findings);
    return findings.Count() == 0 ? kQrdOk : kQrdFindings;
}

void ReportUnreadableMap(const char* fileName, int error, std::FILE* err) {
    std::fprintf(err, "qrd: cannot read map file '%s'%s%s\n", fileName, error ? ": " : "",
                 error ? std::strerror(error) : "");
}

int RunQrd(int argc, char** argv, std::FILE* out, std::FILE* err) {
    if (argc >= 2) {
        const int operands = argc - 2;
        for (const Subcommand& command : kSubcommands) {
            if (std::strcmp(argv[1], command.name) != 0) continue;
            if (operands < command.minOperands || operands > command.maxOperands) break;
            const int result = command.run(operands, argv + 2, out, err);
            if (result != kBadOperands) return result;
            break;
        }
    }
    std::fputs(kUsage, err);
    return kQrdFailure;
}
