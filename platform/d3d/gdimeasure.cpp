#include "gdimeasure.h"

#include <QFontMetrics>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "fontface.h"

namespace {

constexpr int kDefaultFontHeight = 16;
constexpr int kEstimatedCharWidth = 8;   // when no fonts are available

// Two pixels larger than the text font, so a measured rectangle always
// holds the text drawn in it.
constexpr int kMeasurePixelSize = 14;

// The last few texts measured and their sizes: the editor measures the same
// lines every frame, and laying a text out is far dearer than comparing it.
class ExtentCache {
public:
    static constexpr int kEntries = 8;
    static constexpr int kMaxTextBytes = 512;

    bool Find(const char* text, int count, SIZE* size) {
        for (Entry& entry : entries) {
            if (entry.valid && entry.length == count && std::memcmp(entry.text, text, static_cast<size_t>(count)) == 0) {
                entry.lastUse = ++clock;
                *size = entry.size;
                return true;
            }
        }
        return false;
    }

    void Keep(const char* text, int count, SIZE size) {
        if (count > kMaxTextBytes) return;
        Entry* victim = &entries[0];
        for (Entry& entry : entries) {
            if (!entry.valid) {
                victim = &entry;
                break;
            }
            if (entry.lastUse < victim->lastUse) victim = &entry;
        }
        std::memcpy(victim->text, text, static_cast<size_t>(count));
        victim->length = count;
        victim->size = size;
        victim->lastUse = ++clock;
        victim->valid = true;
    }

private:
    struct Entry {
        bool valid = false;
        uint64_t lastUse = 0;
        int length = 0;
        SIZE size{0, 0};
        char text[kMaxTextBytes];
    };
    Entry entries[kEntries];
    uint64_t clock = 0;
};

class MemoryContext {
public:
    MemoryContext() {
        if (GuiAvailable()) face = std::make_unique<FontFace>(kRequestedFace, kMeasurePixelSize, 700, false);
    }
    const FontFace* Face() const { return face.get(); }
    ExtentCache& Extents() { return extents; }

private:
    std::unique_ptr<FontFace> face;
    ExtentCache extents;
};

// Handles are opaque: ours are told apart from the window layer's painting
// contexts by this list of the memory contexts that exist.
std::vector<MemoryContext*>& LiveContexts() {
    static std::vector<MemoryContext*> contexts;
    return contexts;
}

MemoryContext* FromHandle(HDC handle) {
    auto& contexts = LiveContexts();
    const auto found = std::find(contexts.begin(), contexts.end(), reinterpret_cast<MemoryContext*>(handle));
    return found == contexts.end() ? nullptr : *found;
}

}  // namespace

HDC CreateCompatibleDC(HDC) {
    auto* context = new (std::nothrow) MemoryContext();
    if (context) LiveContexts().push_back(context);
    return reinterpret_cast<HDC>(context);
}

BOOL DeleteDC(HDC handle) {
    MemoryContext* context = FromHandle(handle);
    if (!context) return FALSE;
    auto& contexts = LiveContexts();
    contexts.erase(std::find(contexts.begin(), contexts.end(), context));
    delete context;
    return TRUE;
}

BOOL GetTextExtentPoint32A(HDC context, LPCSTR text, int count, SIZE* size) {
    MemoryContext* memory = FromHandle(context);
    if (!memory || !text || !size || count < 0) return FALSE;
    if (memory->Face() && memory->Extents().Find(text, count, size)) return TRUE;
    const QString string = QString::fromUtf8(text, count);
    if (!memory->Face()) {
        size->cx = static_cast<LONG>(string.size()) * kEstimatedCharWidth;
        size->cy = kDefaultFontHeight;
        return TRUE;
    }
    const QFontMetrics metrics(memory->Face()->Font());
    size->cx = metrics.horizontalAdvance(string);
    size->cy = std::max(metrics.height(), kDefaultFontHeight);
    memory->Extents().Keep(text, count, *size);
    return TRUE;
}
