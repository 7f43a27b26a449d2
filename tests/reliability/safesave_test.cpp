// Saving through the editor's Save when the file cannot be written: each
// failure ends with one clear message box, the document stays modified and
// the file (or whatever has the name) is exactly as it was. A file that is
// its own mount point, which no rename can replace, is saved in place.
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "apptestharness.h"
#include "dialogids.h"
#include "editorscene.h"
#include "mounts.h"
#include "newmap.h"

namespace {

const std::string kSampleMap = std::string(QUARROW_SOURCE_DIR) + "/Execute/data/sample.qrd";
constexpr char kSaveFailedSuffix[] = " 파일을 저장하지 못했습니다.";

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool CopyFile(const std::string& from, const std::string& to) {
    std::ofstream(to, std::ios::binary) << ReadBytes(from);
    return ReadBytes(to) == ReadBytes(from);
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const QString& name : QDir(QString::fromStdString(folder)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)) {
        names.push_back(name.toStdString());
    }
    return names;
}

// Fills the file system of `folder` up to the last byte.
void FillDevice(const std::string& folder) {
    std::FILE* filler = std::fopen((folder + "/filler").c_str(), "wb");
    ASSERT_NE(filler, nullptr);
    std::setvbuf(filler, nullptr, _IONBF, 0);
    const std::string block(512, 'f');
    while (std::fwrite(block.data(), 1, block.size(), filler) == block.size()) {}
    std::fwrite("f", 1, 1, filler);
    std::fclose(filler);
}

// The editor started with a new 100 x 100 map, modified and never saved.
class SaveThroughTheEditor : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        harness.Start();
        SendMessageA(harness.Dialog(), WM_COMMAND, MAKEWPARAM(ui::kMenuNew, 0), 0);
        const HWND dialog = NewestNewMapDialog();
        ASSERT_NE(dialog, nullptr);
        SetDlgItemInt(dialog, kNewMapWidthField, 100, FALSE);
        SetDlgItemInt(dialog, kNewMapHeightField, 100, FALSE);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
        ASSERT_TRUE(Scene().IsModified());
        harness.modal().Clear();
    }
    void TearDown() override {
        QDir::setCurrent(previous);
        for (const std::string& mount : mounts) Unmount(mount);
    }

    EditorScene& Scene() { return *GetEditorScene(); }
    std::string Path(const std::string& name) const { return folder.filePath(QString::fromStdString(name)).toStdString(); }

    void Save(const std::string& path) {
        harness.modal().ChooseFile(path);
        SendMessageA(harness.Dialog(), WM_COMMAND, MAKEWPARAM(ui::kMenuSave, 0), 0);
    }

    // The one message box shown after the save dialog.
    ModalRequest OnlyMessage() {
        const auto& asked = harness.modal().Requests();
        EXPECT_EQ(asked.size(), 2u);
        EXPECT_EQ(harness.modal().Unused(), 0u);
        return asked.size() == 2 ? asked[1] : ModalRequest{};
    }

    QTemporaryDir folder;
    QString previous;
    AppHarness harness;
    std::vector<std::string> mounts;
};

struct FailureCase {
    const char* name;
    const char* fileName;
    // Makes the folder refuse the save; false (with the reason) to skip.
    std::function<bool(const std::string& folder, const std::string& target, std::string* why)> prepare;
    bool needsMounts;
};

TEST_F(SaveThroughTheEditor, AFailedSaveSaysSoAndLosesNothing) {
    const FailureCase cases[] = {
        {"a read-only folder", "ro/map.qrd",
         [](const std::string& f, const std::string& target, std::string*) {
             return QDir().mkpath(QString::fromStdString(f)) && CopyFile(kSampleMap, target) && MakeReadOnly(f);
         },
         true},
        {"a full device", "full/map.qrd",
         [](const std::string& f, const std::string& target, std::string*) {
             if (!QDir().mkpath(QString::fromStdString(f)) || !MountSmallTmpfs(f, 64)) return false;
             if (!CopyFile(kSampleMap, target)) return false;
             FillDevice(f);
             return true;
         },
         true},
        {"a file bound from a full device, which must be saved in place", "bound/map.qrd",
         [](const std::string& f, const std::string& target, std::string*) {
             const std::string device = f + "-device";
             if (!QDir().mkpath(QString::fromStdString(f)) || !QDir().mkpath(QString::fromStdString(device)) ||
                 !MountSmallTmpfs(device, 64)) {
                 return false;
             }
             if (!CopyFile(kSampleMap, device + "/real.qrd") || !CopyFile(kSampleMap, target)) return false;
             FillDevice(device);
             return BindFile(device + "/real.qrd", target);
         },
         true},
        {"a folder with the file's name", "folder/map.qrd",
         [](const std::string&, const std::string& target, std::string*) {
             return QDir().mkpath(QString::fromStdString(target)) && CopyFile(kSampleMap, target + "/inside.qrd");
         },
         false},
        {"a FIFO with the file's name", "fifo/map.qrd",
         [](const std::string& f, const std::string& target, std::string*) {
             return QDir().mkpath(QString::fromStdString(f)) && ::mkfifo(target.c_str(), 0644) == 0;
         },
         false},
        {"a device that is always full, with the file's name", "device/map.qrd",
         [](const std::string& f, const std::string& target, std::string* why) {
             if (!QDir().mkpath(QString::fromStdString(f))) return false;
             if (::mknod(target.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
                 *why = "cannot make a device node here (needs root)";
                 return false;
             }
             return true;
         },
         false},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.needsMounts && !MountsAvailable()) {
            std::printf("[  SKIPPED ] saving onto %s: %s\n", c.name, MountsUnavailableReason().c_str());
            continue;
        }
        const std::string target = Path(c.fileName);
        const std::string subfolder = target.substr(0, target.rfind('/'));
        std::string why = "the test could not set it up";
        const bool prepared = c.prepare(subfolder, target, &why);
        if (c.needsMounts) {
            mounts.push_back(target);
            mounts.push_back(subfolder);
            mounts.push_back(subfolder + "-device");
        }
        if (!prepared) {
            std::printf("[  SKIPPED ] saving onto %s: %s\n", c.name, why.c_str());
            continue;
        }
        struct stat before {};
        ::lstat(target.c_str(), &before);
        const std::string bytesBefore = S_ISREG(before.st_mode) ? ReadBytes(target) : "";
        const std::vector<std::string> entriesBefore = FolderEntries(subfolder);
        harness.modal().Clear();

        Save(target);

        const ModalRequest message = OnlyMessage();
        EXPECT_EQ(message.caption, "Save Error");
        EXPECT_EQ(message.text, std::string("map.qrd") + kSaveFailedSuffix);
        EXPECT_TRUE(Scene().IsModified());
        struct stat after {};
        ASSERT_EQ(::lstat(target.c_str(), &after), 0);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_rdev, before.st_rdev);
        if (S_ISREG(before.st_mode)) {
            EXPECT_EQ(ReadBytes(target), bytesBefore);
        }
        EXPECT_EQ(FolderEntries(subfolder), entriesBefore) << "a temporary file was left behind";
        QDir::setCurrent(previous);
    }
}

// A file bound over the target from elsewhere cannot be renamed over; the
// save copies the finished file into it instead.
TEST_F(SaveThroughTheEditor, AFileThatIsItsOwnMountPointIsSavedInPlace) {
    if (!MountsAvailable()) GTEST_SKIP() << "a file cannot be bound over another: " << MountsUnavailableReason();
    ASSERT_TRUE(QDir().mkpath(folder.filePath("maps")) && QDir().mkpath(folder.filePath("elsewhere")));
    const std::string target = Path("maps/map.qrd");
    const std::string source = Path("elsewhere/real.qrd");
    ASSERT_TRUE(CopyFile(kSampleMap, target) && CopyFile(kSampleMap, source));
    ASSERT_TRUE(BindFile(source, target));
    mounts.push_back(target);

    Save(target);

    const ModalRequest message = OnlyMessage();
    EXPECT_EQ(message.caption, "저장");
    EXPECT_FALSE(Scene().IsModified());
    const std::string saved = ReadBytes(source);
    EXPECT_EQ(ReadBytes(target), saved);
    EXPECT_NE(saved, ReadBytes(kSampleMap));
    EXPECT_NE(saved.find("*MAX_SHELL_WIDTH_HEIGHT 100 100\r\n"), std::string::npos);
    EXPECT_EQ(FolderEntries(Path("maps")), std::vector<std::string>{"map.qrd"});
}

}  // namespace
