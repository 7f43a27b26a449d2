#include "textcache.h"

#include <algorithm>
#include <cstring>

namespace quarrow::d3d {

TextCache::Area TextCache::ClippedArea(const RECT& rect, const PixelTarget& buffer) {
    const int64_t left = std::max<int64_t>(rect.left, 0);
    const int64_t top = std::max<int64_t>(rect.top, 0);
    const int64_t right = std::min<int64_t>(rect.right, buffer.width);
    const int64_t bottom = std::min<int64_t>(rect.bottom, buffer.height);
    if (right <= left || bottom <= top) return Area{0, 0, 0, 0};
    return Area{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                static_cast<int>(bottom - top)};
}

bool TextCache::Cacheable(const TextLine& line, const PixelTarget& buffer) {
    if (buffer.pixels == nullptr || line.text == nullptr || line.length < 0 || line.length > kMaxTextBytes) {
        return false;
    }
    // Without clipping the text may land anywhere, and measuring draws nothing.
    if (line.format & (DT_NOCLIP | DT_CALCRECT)) return false;
    const Area area = ClippedArea(line.rect, buffer);
    return static_cast<int64_t>(area.width) * area.height <= kMaxPixels;
}

bool TextCache::SameLine(const Entry& entry, const TextLine& line) {
    return entry.valid && entry.length == line.length && entry.format == line.format &&
           entry.colour == line.colour && entry.rect.left == line.rect.left && entry.rect.top == line.rect.top &&
           entry.rect.right == line.rect.right && entry.rect.bottom == line.rect.bottom &&
           std::memcmp(entry.text, line.text, static_cast<size_t>(line.length)) == 0;
}

bool TextCache::SamePixels(const uint32_t* kept, const PixelTarget& buffer, const Area& area) {
    const size_t rowBytes = static_cast<size_t>(area.width) * sizeof(uint32_t);
    for (int row = 0; row < area.height; ++row, kept += area.width) {
        const uint32_t* pixels = buffer.pixels + static_cast<size_t>(area.y + row) * buffer.stride + area.x;
        if (std::memcmp(kept, pixels, rowBytes) != 0) return false;
    }
    return true;
}

void TextCache::Save(uint32_t* kept, const PixelTarget& buffer, const Area& area) {
    const size_t rowBytes = static_cast<size_t>(area.width) * sizeof(uint32_t);
    for (int row = 0; row < area.height; ++row, kept += area.width) {
        std::memcpy(kept, buffer.pixels + static_cast<size_t>(area.y + row) * buffer.stride + area.x, rowBytes);
    }
}

void TextCache::Paste(const uint32_t* kept, const PixelTarget& buffer, const Area& area) {
    const size_t rowBytes = static_cast<size_t>(area.width) * sizeof(uint32_t);
    for (int row = 0; row < area.height; ++row, kept += area.width) {
        std::memcpy(buffer.pixels + static_cast<size_t>(area.y + row) * buffer.stride + area.x, kept, rowBytes);
    }
}

bool TextCache::Replay(const TextLine& line, const PixelTarget& buffer, int* height) {
    if (!Cacheable(line, buffer)) return false;
    const Area area = ClippedArea(line.rect, buffer);
    for (Entry& entry : entries) {
        if (!SameLine(entry, line)) continue;
        if (entry.area.x != area.x || entry.area.y != area.y || entry.area.width != area.width ||
            entry.area.height != area.height) {
            continue;
        }
        if (!SamePixels(entry.before, buffer, area)) continue;
        Paste(entry.after, buffer, area);
        entry.lastUse = ++clock;
        *height = entry.height;
        return true;
    }
    return false;
}

int TextCache::Victim() const {
    int victim = 0;
    for (int i = 1; i < kEntries; ++i) {
        if (!entries[i].valid) return i;
        if (entries[i].lastUse < entries[victim].lastUse) victim = i;
    }
    return entries[0].valid ? victim : 0;
}

int TextCache::Prepare(const TextLine& line, const PixelTarget& buffer) {
    if (!Cacheable(line, buffer)) return -1;
    const int victim = Victim();
    Entry& entry = entries[victim];
    entry.valid = false;   // until Remember completes it
    std::memcpy(entry.text, line.text, static_cast<size_t>(line.length));
    entry.length = line.length;
    entry.format = line.format;
    entry.colour = line.colour;
    entry.rect = line.rect;
    entry.area = ClippedArea(line.rect, buffer);
    Save(entry.before, buffer, entry.area);
    return victim;
}

void TextCache::Remember(int entry, const PixelTarget& buffer, int height) {
    if (entry < 0 || entry >= kEntries) return;
    Entry& kept = entries[entry];
    Save(kept.after, buffer, kept.area);
    kept.height = height;
    kept.lastUse = ++clock;
    kept.valid = true;
}

}  // namespace quarrow::d3d
