// What the fuzz targets found, kept as tests. Every map in fuzzfindings/
// goes the open-save target's way: opened into the editor scene, drawn,
// saved and opened again, which must give the same document. Under the
// sanitizer build (the asan preset) these also catch the undefined
// behaviour the findings showed.
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>

#include "apptestharness.h"
#include "documentmatch.h"
#include "editorscene.h"
#include "graphicsdevice.h"
#include "mapfile.h"
#include "singleton.h"
#include "texturemanager.h"

namespace {

const std::string kFindings = std::string(QUARROW_SOURCE_DIR) + "/tests/reliability/fuzzfindings";
const std::string kArt = std::string(QUARROW_SOURCE_DIR) + "/Execute/data";

// The editor scene with a windowless device, working in the shipped art's folder.
class SceneWithoutWindow : public testing::Test {
protected:
    void SetUp() override {
        EnsureWindowSystem();
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(kArt));
        graphics = std::make_unique<GraphicsDevice>();
        ASSERT_TRUE(graphics->Init(nullptr, 768, 600));
        textures = std::make_unique<TextureManager>();
        scene = std::make_unique<EditorScene>();
        scene->Init();
    }
    void TearDown() override {
        scene.reset();
        textures->Release();
        graphics->Release();
        QDir::setCurrent(previous);
    }

    void Draw(float x, float y) {
        scene->SetViewOffset(x, y);
        graphics->BeginFrame();
        scene->Render();
        graphics->EndFrame();
    }
    int PixelsNotCleared() const {
        int count = 0;
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 768; ++x) count += graphics->GetDevice()->BackBufferPixel(x, y) != GraphicsDevice::kClearColour;
        }
        return count;
    }

    QTemporaryDir folder;
    QString previous;
    std::unique_ptr<GraphicsDevice> graphics;
    std::unique_ptr<TextureManager> textures;
    std::unique_ptr<EditorScene> scene;
};

TEST_F(SceneWithoutWindow, EveryFindingOpensDrawsAndSavesToTheSameDocument) {
    const QStringList files = QDir(QString::fromStdString(kFindings)).entryList({"*.qrd"}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    auto reopened = std::make_unique<MapDocument>();
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const std::string path = kFindings + "/" + file.toStdString();
        ASSERT_TRUE(scene->ReadMapFile(path.c_str()));
        Draw(0.0f, 0.0f);
        Draw(-24.0f * static_cast<float>(scene->GetWidth()), -24.0f * static_cast<float>(scene->GetHeight()));
        const std::string saved = folder.filePath("saved.qrd").toStdString();
        ASSERT_TRUE(scene->WriteMapFile(saved.c_str()));
        *reopened = MapDocument();
        ASSERT_TRUE(ReadMapFile(*reopened, saved.c_str()));
        const char* difference = FirstDifference(scene->Document(), *reopened);
        EXPECT_EQ(difference, nullptr) << difference;
    }
}

// Tile, piece and cell numbers far outside any image or view (the first
// finding: an edge tile of -2147483648 overflowed the sheet arithmetic) draw
// nothing and compute nothing out of range.
TEST_F(SceneWithoutWindow, NumbersNoImageOrViewCanHoldDrawNothing) {
    MapDocument& doc = scene->Document();
    doc.ResetDocument();
    doc.isOpen = true;
    doc.width = doc.height = 10;
    CopyName(doc.lowerShellImage, "map.dds");
    doc.sizzleShells[0][0] = {true, INT_MAX, INT_MIN, INT_MAX - 5, -1 - INT_MAX / 24, INT_MIN + 7};
    doc.startPoint = {INT_MAX, INT_MIN};
    doc.endPoint = {INT_MIN, INT_MAX};
    Matter& matter = doc.matters[0];
    matter = Matter{};
    matter.used = true;
    matter.count = 2;
    matter.points[0] = {1.0f, 1.0f, INT_MAX};
    matter.points[1] = {2.0f, 2.0f, INT_MIN};
    CopyName(matter.imageName, "tree.dds");
    doc.matterCount = 1;

    graphics->BeginFrame();
    scene->DrawMap();  // the map alone, without the information lines
    graphics->EndFrame();
    EXPECT_EQ(PixelsNotCleared(), 0);
}

// The second finding: a registered service whose Singleton base is not its
// first base was converted to the whole object while only the base existed.
struct OtherBase {
    virtual ~OtherBase() = default;
    int value = 7;
};
struct Service : OtherBase, Singleton<Service> {};

TEST(SingletonRecord, NamesTheWholeObjectWhateverTheBaseOrder) {
    {
        Service service;
        EXPECT_EQ(Service::Instance(), &service);
        EXPECT_EQ(Service::Instance()->value, 7);
    }
    EXPECT_EQ(Service::Instance(), nullptr);
}

}  // namespace
