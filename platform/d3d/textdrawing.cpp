// Text through QPainter straight into the device's back buffer.

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstring>
#include <new>

#include "d3dx.h"
#include "fontface.h"
#include "textcache.h"

bool GuiAvailable() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

namespace {

void InstallKoreanFallback() {
    static const bool installed = [] {
        QFont::insertSubstitution(kRequestedFace, kKoreanFallbackFace);
        return true;
    }();
    (void)installed;
}

QString DecodeText(LPCSTR text, INT count) {
    const qsizetype length = count < 0 ? static_cast<qsizetype>(std::strlen(text)) : count;
    return QString::fromUtf8(text, length);
}

int AlignmentFor(DWORD format) {
    int flags = 0;
    if (format & DT_CENTER) flags |= Qt::AlignHCenter;
    else if (format & DT_RIGHT) flags |= Qt::AlignRight;
    else flags |= Qt::AlignLeft;
    // Vertical placement other than the top needs a single line, as on the platform.
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER)) flags |= Qt::AlignVCenter;
    else if ((format & DT_SINGLELINE) && (format & DT_BOTTOM)) flags |= Qt::AlignBottom;
    else flags |= Qt::AlignTop;
    if (format & DT_SINGLELINE) flags |= Qt::TextSingleLine;
    else if (format & DT_WORDBREAK) flags |= Qt::TextWordWrap;
    return flags;
}

}  // namespace

FontFace::FontFace(const char* faceName, int height, int weight, bool italic) {
    InstallKoreanFallback();
    font.setFamily(QString::fromUtf8(faceName && *faceName ? faceName : kRequestedFace));
    font.setPixelSize(height == 0 ? 12 : (height < 0 ? -height : height));
    font.setWeight(weight >= 600 ? QFont::Bold : QFont::Normal);
    font.setItalic(italic);
}

ID3DXFont::ID3DXFont(IDirect3DDevice9* device, FontFace* face)
    // Without room for the cache every line is simply drawn.
    : device(device), face(face), cache(new (std::nothrow) quarrow::d3d::TextCache) {
    device->AddRef();
}

ID3DXFont::~ID3DXFont() {
    delete face;
    device->Release();
}

HRESULT D3DXCreateFontA(IDirect3DDevice9* device, INT height, UINT, UINT weight, UINT, BOOL italic, DWORD, DWORD,
                        DWORD, DWORD, LPCSTR faceName, ID3DXFont** font) {
    if (!font) return D3DERR_INVALIDCALL;
    *font = nullptr;
    if (!device) return D3DERR_INVALIDCALL;
    if (!GuiAvailable()) return E_FAIL;
    auto* face = new (std::nothrow) FontFace(faceName, height, static_cast<int>(weight), italic != FALSE);
    if (!face) return E_OUTOFMEMORY;
    *font = new (std::nothrow) ID3DXFont(device, face);
    if (!*font) {
        delete face;
        return E_OUTOFMEMORY;
    }
    return D3D_OK;
}

INT ID3DXFont::DrawTextA(ID3DXSprite*, LPCSTR text, INT count, RECT* rect, DWORD format, D3DCOLOR colour) {
    if (!text || !rect || !GuiAvailable()) return 0;
    const int bytes = count < 0 ? static_cast<int>(std::strlen(text)) : count;
    const quarrow::d3d::PixelTarget buffer{device->BackBuffer(), device->BackBufferWidth(),
                                           device->BackBufferHeight(), device->BackBufferWidth()};
    const quarrow::d3d::TextLine line{text, bytes, format, colour, *rect};
    int replayedHeight = 0;
    if (cache && cache->Replay(line, buffer, &replayedHeight)) return replayedHeight;

    const QString string = DecodeText(text, bytes);
    const int flags = AlignmentFor(format);
    const QRect area(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);

    if (format & DT_CALCRECT) {
        const QRect needed = QFontMetrics(face->Font()).boundingRect(QRect(area.topLeft(), QSize(area.width(), 1 << 20)),
                                                                     flags & ~(Qt::AlignVCenter | Qt::AlignBottom), string);
        rect->right = rect->left + needed.width();
        rect->bottom = rect->top + needed.height();
        return needed.height();
    }
    if (area.isEmpty() && !(format & DT_NOCLIP)) return 0;

    const int entry = cache ? cache->Prepare(line, buffer) : -1;
    QImage target(reinterpret_cast<uchar*>(device->BackBuffer()), device->BackBufferWidth(),
                  device->BackBufferHeight(), device->BackBufferWidth() * 4, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&target);
    painter.setFont(face->Font());
    painter.setPen(QColor::fromRgba(colour));
    if (!(format & DT_NOCLIP)) painter.setClipRect(area);
    QRect drawn;
    painter.drawText(area, flags, string, &drawn);
    painter.end();
    if (entry >= 0) cache->Remember(entry, buffer, drawn.height());
    return drawn.height();
}
