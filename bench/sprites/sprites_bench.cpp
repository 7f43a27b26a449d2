// One frame's sprites drawn into a 768 × 600 back buffer three ways, side by
// side: through our drawing layer (the graphics device's DrawSprite, one
// sprite batch per sprite as the editor draws them), with QPainter in its
// fastest setting (premultiplied images on both sides; opacity standing in
// for the tint, which QPainter cannot do), and as bare memcpy of the rows
// that land in the buffer, the ceiling for the opaque list.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>

#include "d3dx.h"
#include "graphicsdevice.h"
#include "spritelists.h"

namespace {

using spritebench::Sprite;
using spritebench::kCell;

const char* const kImageFiles[spritebench::kImageCount] = {
    QUARROW_EXECUTE_DIR "/map.dds", QUARROW_EXECUTE_DIR "/data/house.dds", QUARROW_EXECUTE_DIR "/data/pond.dds",
    QUARROW_EXECUTE_DIR "/data/rock.dds", QUARROW_EXECUTE_DIR "/data/tree.dds"};

// The graphics device on a window-less 768 × 600 back buffer, the real images
// as its textures and as QImages with the same premultiplied texels.
class Drawing {
public:
    Drawing();
    ~Drawing();
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    // The one made by main; it lives while the GUI application does.
    static Drawing& Get() { return *current; }

    bool Ready() const { return ready; }
    GraphicsDevice& Device() { return device; }
    IDirect3DTexture9* Texture(int image) const { return textures[image]; }
    const QImage& Image(int image) const { return images[image]; }

private:
    static Drawing* current;
    GraphicsDevice device;
    std::array<IDirect3DTexture9*, spritebench::kImageCount> textures{};
    std::array<QImage, spritebench::kImageCount> images;
    bool ready = false;
};

Drawing* Drawing::current = nullptr;

Drawing::Drawing() {
    current = this;
    if (!device.Init(nullptr, spritebench::kBufferWidth, spritebench::kBufferHeight)) return;
    for (int i = 0; i < spritebench::kImageCount; ++i) {
        if (FAILED(D3DXCreateTextureFromFileExA(device.GetDevice(), kImageFiles[i], D3DX_DEFAULT, D3DX_DEFAULT,
                                                D3DX_DEFAULT, 0, D3DFMT_UNKNOWN, D3DPOOL_DEFAULT,
                                                D3DX_FILTER_NONE, D3DX_DEFAULT, 0, nullptr, nullptr,
                                                &textures[i]))) {
            std::fprintf(stderr, "cannot load %s\n", kImageFiles[i]);
            return;
        }
        const IDirect3DTexture9* t = textures[i];
        images[i] = QImage(reinterpret_cast<const uchar*>(t->Texels()), static_cast<int>(t->Width()),
                           static_cast<int>(t->Height()), static_cast<qsizetype>(t->Width()) * 4,
                           QImage::Format_ARGB32_Premultiplied)
                        .copy();
    }
    device.BeginFrame();
    ready = true;
}

Drawing::~Drawing() {
    for (IDirect3DTexture9* texture : textures) {
        if (texture) texture->Release();
    }
    device.Release();
    current = nullptr;
}

void Report(benchmark::State& state, const std::vector<Sprite>& sprites) {
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(sprites.size()));
    state.counters["sprites"] = static_cast<double>(sprites.size());
    state.counters["frames/s"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}

using ListMaker = std::vector<Sprite> (*)();

void BM_Sprites(benchmark::State& state, ListMaker makeList) {
    Drawing& drawing = Drawing::Get();
    if (!drawing.Ready()) return state.SkipWithError("the drawing layer or the images could not be made");
    const std::vector<Sprite> sprites = makeList();
    GraphicsDevice& device = drawing.Device();
    D3DXMATRIX identity;
    D3DXMatrixIdentity(&identity);
    for (auto _ : state) {
        for (const Sprite& s : sprites) {
            const D3DXVECTOR3 position{static_cast<float>(s.dstX), static_cast<float>(s.dstY), 0.0f};
            const RECT source{s.srcX, s.srcY, s.srcX + kCell, s.srcY + kCell};
            device.DrawSprite(drawing.Texture(s.image), &position, &source, identity, s.colour);
        }
        benchmark::DoNotOptimize(device.GetDevice()->BackBuffer());
        benchmark::ClobberMemory();
    }
    Report(state, sprites);
}

void BM_SpritesQPainter(benchmark::State& state, ListMaker makeList) {
    Drawing& drawing = Drawing::Get();
    if (!drawing.Ready()) return state.SkipWithError("the images could not be loaded");
    const std::vector<Sprite> sprites = makeList();
    QImage target(spritebench::kBufferWidth, spritebench::kBufferHeight, QImage::Format_ARGB32_Premultiplied);
    target.fill(0xFF505050u);
    for (auto _ : state) {
        QPainter painter(&target);
        uint32_t alpha = 255;
        for (const Sprite& s : sprites) {
            if ((s.colour >> 24) != alpha) {
                alpha = s.colour >> 24;
                painter.setOpacity(alpha / 255.0);
            }
            painter.drawImage(QPoint(s.dstX, s.dstY), drawing.Image(s.image), QRect(s.srcX, s.srcY, kCell, kCell));
        }
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
        benchmark::ClobberMemory();
    }
    Report(state, sprites);
}

// Whole 24-pixel rows as a fixed-size copy, which the compiler turns into a
// few vector moves; a variable size becomes a slow string move for rows this
// short, which would make a poor ceiling.
void CopyRows(uint32_t* to, const uint32_t* from, int width, int rows, uint32_t sourceStride) {
    for (int row = 0; row < rows; ++row, to += spritebench::kBufferWidth, from += sourceStride) {
        if (width == kCell) std::memcpy(to, from, kCell * sizeof(uint32_t));
        else std::memcpy(to, from, static_cast<size_t>(width) * sizeof(uint32_t));
    }
}

// The rows of every sprite that land in the buffer, copied and nothing else.
void BM_SpritesCopyLimit(benchmark::State& state, ListMaker makeList) {
    Drawing& drawing = Drawing::Get();
    if (!drawing.Ready()) return state.SkipWithError("the images could not be loaded");
    const std::vector<Sprite> sprites = makeList();
    uint32_t* buffer = drawing.Device().GetDevice()->BackBuffer();
    for (auto _ : state) {
        for (const Sprite& s : sprites) {
            const int x0 = std::max(s.dstX, 0), x1 = std::min(s.dstX + kCell, spritebench::kBufferWidth);
            const int y0 = std::max(s.dstY, 0), y1 = std::min(s.dstY + kCell, spritebench::kBufferHeight);
            if (x1 <= x0 || y1 <= y0) continue;
            const IDirect3DTexture9* texture = drawing.Texture(s.image);
            const uint32_t* texels = texture->Texels();
            const uint32_t* from = texels + static_cast<size_t>(s.srcY + y0 - s.dstY) * texture->Width() +
                                   (s.srcX + x0 - s.dstX);
            uint32_t* to = buffer + static_cast<size_t>(y0) * spritebench::kBufferWidth + x0;
            CopyRows(to, from, x1 - x0, y1 - y0, texture->Width());
        }
        benchmark::DoNotOptimize(buffer);
        benchmark::ClobberMemory();
    }
    Report(state, sprites);
    state.counters["rows"] = static_cast<double>(spritebench::VisibleRows(sprites));
}

BENCHMARK_CAPTURE(BM_Sprites, typical, &spritebench::TypicalFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Sprites, worst, &spritebench::WorstFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SpritesQPainter, typical, &spritebench::TypicalFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SpritesQPainter, worst, &spritebench::WorstFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SpritesCopyLimit, typical, &spritebench::TypicalFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SpritesCopyLimit, worst, &spritebench::WorstFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // QPainter and the device's font need a GUI application; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    Drawing drawing;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
