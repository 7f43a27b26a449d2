// Names that are no regular file — a FIFO nobody writes to, a device, a
// folder — chosen as a map to open or named as an image: each fails at once,
// never waiting for a writer or reading an endless device.
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <memory>
#include <string>

#include "apptestharness.h"
#include "dialogids.h"
#include "editorscene.h"
#include "graphicsdevice.h"
#include "processcost.h"
#include "texturemanager.h"

namespace {

struct SpecialFile {
    const char* name;
    // Makes the thing at `path`, or names an existing one; returns the path to use.
    std::string (*make)(const std::string& path);
};

const SpecialFile kSpecialFiles[] = {
    {"a FIFO", [](const std::string& path) { return ::mkfifo(path.c_str(), 0644) == 0 ? path : std::string(); }},
    {"an endless device", [](const std::string&) { return std::string("/dev/zero"); }},
    {"a folder", [](const std::string& path) { return QDir().mkpath(QString::fromStdString(path)) ? path : std::string(); }},
};

TEST(SpecialFiles, OpeningOneAsAMapReportsTheOpenErrorAtOnce) {
    for (const SpecialFile& special : kSpecialFiles) {
        SCOPED_TRACE(special.name);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const std::string path = special.make(folder.filePath("special.qrd").toStdString());
        ASSERT_FALSE(path.empty());
        const QString previous = QDir::currentPath();
        {
            // The watchdog ends the test if the open ever waits.
            AppHarness harness(std::chrono::seconds(20));
            harness.Start();
            harness.modal().ChooseFile(path);
            harness.modal().AnswerButton(IDOK);
            SendMessageA(harness.Dialog(), WM_COMMAND, MAKEWPARAM(ui::kMenuOpen, 0), 0);
            const auto& asked = harness.modal().Requests();
            ASSERT_EQ(asked.size(), 2u);
            EXPECT_EQ(asked[1].caption, "Open Error");
            EXPECT_FALSE(GetEditorScene()->IsOpen());
            EXPECT_TRUE(harness.QuitWaiting());
        }
        QDir::setCurrent(previous);
    }
}

TEST(SpecialFiles, NamingOneAsAnImageFailsWithoutReading) {
    EnsureWindowSystem();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    auto graphics = std::make_unique<GraphicsDevice>();
    ASSERT_TRUE(graphics->Init(nullptr, 768, 600));
    auto textures = std::make_unique<TextureManager>();
    int made = 0;
    for (const SpecialFile& special : kSpecialFiles) {
        SCOPED_TRACE(special.name);
        const std::string path = special.make(folder.filePath(QString("special%1.dds").arg(++made)).toStdString());
        ASSERT_FALSE(path.empty());
        const CostMeter meter;
        EXPECT_EQ(textures->Load(path.c_str()), -1);
        EXPECT_LT(meter.BytesRead(), 16 * 1024u);
    }
    EXPECT_EQ(textures->Count(), 0);
    textures->Release();
    graphics->Release();
}

}  // namespace
