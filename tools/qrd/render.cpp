#include "render.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QMessageLogContext>
#include <QSaveFile>
#include <QString>
#include <QtGlobal>

#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "commands.h"
#include "editorscene.h"
#include "graphicsdevice.h"
#include "texturemanager.h"

namespace {

namespace fs = std::filesystem;

// Changes the working directory for its lifetime; the texture cache resolves
// bare names against it, as the editor does.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const fs::path& folder) {
        std::error_code error;
        previous_ = fs::current_path(error);
        switched_ = !error && (fs::current_path(folder, error), !error);
    }
    ~WorkingDirectory() {
        std::error_code error;
        if (switched_) fs::current_path(previous_, error);
    }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    fs::path previous_;
    bool switched_ = false;
};

// Sends standard error to /dev/null for its lifetime. While the scene
// draws, the drawing layer traces every failed image load again; each of
// those images has been warned about already.
class SilencedTraces {
public:
    SilencedTraces() {
        std::fflush(stderr);
        saved_ = ::dup(STDERR_FILENO);
        const int sink = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && sink >= 0) ::dup2(sink, STDERR_FILENO);
        if (sink >= 0) ::close(sink);
    }
    ~SilencedTraces() {
        std::fflush(stderr);
        if (saved_ < 0) return;
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
    }
    SilencedTraces(const SilencedTraces&) = delete;
    SilencedTraces& operator=(const SilencedTraces&) = delete;

private:
    int saved_ = -1;
};

// Qt's own notes (a missing runtime folder and the like) say nothing about
// the picture; only its errors reach the user.
void KeepQtErrorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "qrd: %s\n", message.toLocal8Bit().constData());
    }
}

// The drawing layer's text needs a Qt GUI application; a render never needs a screen.
std::unique_ptr<QGuiApplication> StartOffscreenGui() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(KeepQtErrorsOnly);
    static int argc = 1;
    static char name[] = "qrd";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// The images the drawing will ask for: the tile sheet (terrain and markers)
// and, with objects, each used slot's image. Names match ignoring case, as
// in the texture cache.
std::vector<std::string> ImagesToDraw(const MapDocument& doc, bool withObjects) {
    std::vector<std::string> names;
    auto add = [&names](const char* name) {
        if (name[0] == '\0') return;
        for (const std::string& known : names) {
            if (strcasecmp(known.c_str(), name) == 0) return;
        }
        names.emplace_back(name);
    };
    add(doc.lowerShellImage);
    if (withObjects) {
        for (const Matter& matter : doc.matters) {
            if (matter.used && matter.count > 0) add(matter.imageName);
        }
    }
    return names;
}

// Loads `name` into the texture cache from `folder` when a file of that name is there.
bool LoadFrom(TextureManager& textures, const fs::path& folder, const std::string& name, bool& found) {
    std::error_code error;
    if (!fs::is_regular_file(folder / name, error)) return false;
    found = true;
    const WorkingDirectory inFolder(folder);
    return textures.Load(name.c_str()) != -1;
}

// Puts every image the map names into the cache under its bare name, looking
// beside the map first, then in the working directory; the scene's later
// look-ups by name then find them. An image that is not found is warned
// about and not drawn.
void LoadImages(TextureManager& textures, const std::vector<std::string>& names, const fs::path& mapFolder,
                std::FILE* err) {
    std::error_code error;
    const fs::path workingFolder = fs::current_path(error);
    for (const std::string& name : names) {
        bool found = false;
        if (LoadFrom(textures, mapFolder, name, found) || LoadFrom(textures, workingFolder, name, found)) continue;
        std::fprintf(err, "qrd: warning: image '%s' %s; it is not drawn\n", name.c_str(),
                     found ? "cannot be loaded" : "is neither beside the map nor in the working directory");
    }
}

fs::path FolderOf(const char* mapFile) {
    std::error_code error;
    const fs::path absolute = fs::absolute(mapFile, error);
    return error ? fs::path(".") : absolute.parent_path();
}

// The back buffer as an opaque image; the drawing layer keeps 32-bit ARGB rows.
QImage BackBufferImage(const IDirect3DDevice9& device) {
    const int width = device.BackBufferWidth();
    const int height = device.BackBufferHeight();
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        std::memcpy(image.scanLine(y), device.BackBuffer() + static_cast<size_t>(y) * width,
                    static_cast<size_t>(width) * sizeof(uint32_t));
    }
    return image;
}

// Written under a temporary name and renamed, so a failed write leaves any old file whole.
bool SavePng(const QImage& image, const char* fileName, std::FILE* err) {
    QSaveFile file(QString::fromLocal8Bit(fileName));
    const bool saved = file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
    if (!saved) {
        std::fprintf(err, "qrd: cannot write image '%s': %s\n", fileName,
                     file.errorString().toLocal8Bit().constData());
    }
    return saved;
}

// The map's cells drawn into a back buffer of their size, as the editor draws
// them; a null image when the drawing layer cannot start.
QImage DrawWholeMap(EditorScene& scene, const CellWindow& cells, const RenderRequest& request, std::FILE* err) {
    const auto gui = StartOffscreenGui();
    GraphicsDevice graphics;
    TextureManager textures;
    QImage picture;
    if (graphics.Init(nullptr, static_cast<UINT>(cells.endColumn * kCellPixels),
                      static_cast<UINT>(cells.endRow * kCellPixels)) &&
        textures.Init()) {
        if (scene.Document().lowerShellImage[0] == '\0') {
            std::fprintf(err, "qrd: warning: the map names no tile sheet; terrain and markers are not drawn\n");
        }
        LoadImages(textures, ImagesToDraw(scene.Document(), request.withObjects), FolderOf(request.mapFile), err);
        graphics.BeginFrame();
        {
            const SilencedTraces quiet;
            scene.DrawMap(cells, request.withObjects);
        }
        graphics.GetDevice()->EndScene();
        picture = BackBufferImage(*graphics.GetDevice());
    }
    // The textures and the font go before the Qt application.
    textures.Release();
    graphics.Release();
    return picture;
}

}  // namespace

int RunRender(const RenderRequest& request, std::FILE* err) {
    // The scene carries the undo history (about 65 MB): on the heap.
    auto scene = std::make_unique<EditorScene>();
    scene->Init();
    errno = 0;
    if (!scene->ReadMapFile(request.mapFile)) {
        ReportUnreadableMap(request.mapFile, errno, err);
        return kQrdFailure;
    }
    const CellWindow cells = scene->MapCells();
    if (cells.endColumn <= 0 || cells.endRow <= 0) {
        std::fprintf(err, "qrd: map '%s' has no cells to draw (%d x %d)\n", request.mapFile,
                     scene->GetWidth(), scene->GetHeight());
        return kQrdFailure;
    }
    scene->Tools().selectedMatter = -1;  // every object tinted, as with no slot selected
    const QImage picture = DrawWholeMap(*scene, cells, request, err);
    if (picture.isNull()) {
        std::fprintf(err, "qrd: cannot start the drawing layer\n");
        return kQrdFailure;
    }
    return SavePng(picture, request.pngFile, err) ? kQrdOk : kQrdFailure;
}
