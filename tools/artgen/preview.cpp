#include "preview.h"

#include "mockmap.h"
#include "objectimages.h"
#include "tilesheet.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

namespace artgen {
namespace {

constexpr int kScale = 3;
constexpr int kLabelHeight = 16;
constexpr int kGap = 6;

QImage ToImage(const Canvas& canvas)
{
    QImage image(canvas.Width(), canvas.Height(), QImage::Format_ARGB32);
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            image.setPixel(x, y, canvas.At(x, y));
    return image;
}

// A grey checkerboard, so that transparent pixels are visible as such.
void Checkerboard(QPainter& painter, const QRect& area)
{
    painter.save();
    painter.setClipRect(area);
    for (int y = area.top(); y <= area.bottom(); y += 6)
        for (int x = area.left(); x <= area.right(); x += 6)
            painter.fillRect(x, y, 6, 6, ((x - area.left()) / 6 + (y - area.top()) / 6) % 2 ? QColor(150, 150, 150)
                                                                                             : QColor(110, 110, 110));
    painter.restore();
}

void DrawScaled(QPainter& painter, const QImage& image, int x, int y, int scale)
{
    const QRect target(x, y, image.width() * scale, image.height() * scale);
    Checkerboard(painter, target);
    painter.drawImage(target, image);
}

} // namespace

bool WriteSheetPreview(const QString& path)
{
    const std::vector<int> used = UsedTiles();
    const int cell = kTileSize * kScale;
    const int columnWidth = cell + kGap;
    const int rowHeight = cell + kLabelHeight + kGap;
    const int sheetHeight = kSheetRows * rowHeight;
    const int objectsTop = sheetHeight + kGap * 2;
    const int width = kTilesPerRow * columnWidth + kGap;
    const int height = objectsTop + kLabelHeight + kObjectSize + kGap;

    QImage out(width, height, QImage::Format_ARGB32);
    out.fill(QColor(40, 40, 46));
    QPainter painter(&out);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(QColor(235, 235, 235));

    for (int tile : used) {
        const int x = kGap + (tile % kTilesPerRow) * columnWidth;
        const int y = kGap + (tile / kTilesPerRow) * rowHeight;
        DrawScaled(painter, ToImage(DrawTile(tile)), x, y, kScale);
        painter.drawText(QRect(x, y + cell, cell, kLabelHeight), Qt::AlignCenter, QString::number(tile));
    }

    const Canvas objects[] = {DrawCursorFrame(), DrawTree(), DrawRock(), DrawHouse(), DrawPond()};
    const char* names[] = {"cur.dds (x3)", "tree.dds", "rock.dds", "house.dds", "pond.dds"};
    int x = kGap;
    for (int i = 0; i < 5; ++i) {
        const int scale = i == 0 ? kScale : 1;
        painter.drawText(QRect(x, objectsTop, kObjectSize, kLabelHeight), Qt::AlignLeft, names[i]);
        DrawScaled(painter, ToImage(objects[i]), x, objectsTop + kLabelHeight, scale);
        x += objects[i].Width() * scale + kGap * 3;
    }
    painter.end();
    return out.save(path, "PNG");
}

bool WriteMockMapPreview(const QString& path)
{
    const QImage map = ToImage(ComposeMap(SampleMapRows(), 0));
    QImage out(map.width() * 2, map.height() * 2, QImage::Format_ARGB32);
    out.fill(QColor(0, 0, 0));
    QPainter painter(&out);
    painter.drawImage(QRect(0, 0, out.width(), out.height()), map);
    painter.end();
    return out.save(path, "PNG");
}

} // namespace artgen
