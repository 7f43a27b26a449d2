// PNG pictures of the art for the docs: the tile sheet enlarged with each
// used tile's number, the cursor and the object images, and a sample map.
// Needs a QGuiApplication (the numbers are drawn with a font).
#pragma once

#include <QString>

namespace artgen {

bool WriteSheetPreview(const QString& path);
bool WriteMockMapPreview(const QString& path);

} // namespace artgen
