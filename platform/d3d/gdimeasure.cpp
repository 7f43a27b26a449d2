#include "gdimeasure.h"

#include <QFontMetrics>
#include <QString>

#include <algorithm>
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

class MemoryContext {
public:
    MemoryContext() {
        if (GuiAvailable()) face = std::make_unique<FontFace>(kRequestedFace, kMeasurePixelSize, 700, false);
    }
    const FontFace* Face() const { return face.get(); }

private:
    std::unique_ptr<FontFace> face;
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
    const MemoryContext* memory = FromHandle(context);
    if (!memory || !text || !size || count < 0) return FALSE;
    const QString string = QString::fromUtf8(text, count);
    if (!memory->Face()) {
        size->cx = static_cast<LONG>(string.size()) * kEstimatedCharWidth;
        size->cy = kDefaultFontHeight;
        return TRUE;
    }
    const QFontMetrics metrics(memory->Face()->Font());
    size->cx = metrics.horizontalAdvance(string);
    size->cy = std::max(metrics.height(), kDefaultFontHeight);
    return TRUE;
}
