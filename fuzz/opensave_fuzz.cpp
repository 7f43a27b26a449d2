// The whole way of a map through the editor: open the bytes into the editor
// scene's document, draw it (at the top-left and scrolled to the far corner)
// into the device's software back buffer, save it, open the saved file and
// check that it gives the same document where the format promises it.
#include <QGuiApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

#include "documentmatch.h"
#include "editorscene.h"
#include "graphicsdevice.h"
#include "mapfile.h"
#include "texturemanager.h"

namespace {

constexpr char kSavedName[] = "saved.qrd";

EditorScene* scene = nullptr;
GraphicsDevice* graphics = nullptr;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "open-save: %s\n", what);
    std::abort();
}

// A private working folder holding the shipped art, in memory when possible
// so the sync of every save costs nothing.
std::filesystem::path artFolder;

void RemoveArtFolder() {
    std::error_code error;
    std::filesystem::remove_all(artFolder, error);
}

void EnterArtFolder() {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path folder = base / ("quarrow-fuzz-" + std::to_string(::getpid()));
    artFolder = folder;
    std::atexit(RemoveArtFolder);
    fs::create_directories(folder, error);
    for (const auto& entry : fs::directory_iterator(fs::path(QUARROW_SOURCE_DIR) / "Execute" / "data", error)) {
        if (entry.path().extension() == ".dds") {
            fs::copy_file(entry.path(), folder / entry.path().filename(), fs::copy_options::overwrite_existing, error);
        }
    }
    fs::current_path(folder, error);
    if (error) Fail("no working folder");
}

void Draw(float offsetX, float offsetY) {
    scene->SetViewOffset(offsetX, offsetY);
    graphics->BeginFrame();
    scene->Render();
    graphics->EndFrame();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "fuzz_opensave";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    EnterArtFolder();
    graphics = new GraphicsDevice();
    if (!graphics->Init(nullptr, 768, 600)) Fail("no graphics device");
    auto* textures = new TextureManager();
    textures->Init();
    textures->Load("map.dds");
    scene = new EditorScene();
    scene->Init();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static MapDocument reopened;
    MapDocument& doc = scene->Document();
    doc.ResetDocument();
    doc.isOpen = true;
    std::FILE* stream = size ? fmemopen(const_cast<uint8_t*>(data), size, "rb") : std::tmpfile();
    if (!stream) return 0;
    ReadMapStream(doc, stream);
    std::fclose(stream);
    scene->RestartUndo();
    scene->Tools().selectedMatter = static_cast<int32_t>(size % (kMatterSlots + 1)) - 1;

    Draw(0.0f, 0.0f);
    Draw(-static_cast<float>(kCellPixels) * static_cast<float>(doc.width),
         -static_cast<float>(kCellPixels) * static_cast<float>(doc.height));

    if (!WriteMapFile(doc, kSavedName)) Fail("the save failed");
    reopened = MapDocument();
    if (!ReadMapFile(reopened, kSavedName)) Fail("the saved file does not open");
    if (const char* difference = FirstDifference(doc, reopened)) {
        std::fprintf(stderr, "open-save: the saved file reads back with a different %s\n", difference);
        std::abort();
    }
    return 0;
}
