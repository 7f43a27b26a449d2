#pragma once
// The Qt side of text drawing, shared by the font and the measuring context.

#include <QFont>

// The Korean face the editor asks for and the installed font drawn in its place.
inline constexpr const char* kRequestedFace = "HYporM";
inline constexpr const char* kKoreanFallbackFace = "NanumGothic";

class FontFace {
public:
    FontFace(const char* faceName, int height, int weight, bool italic);
    const QFont& Font() const { return font; }

private:
    QFont font;
};

// True while a Qt GUI application exists, which fonts need.
bool GuiAvailable();
