// A whole editing session through the running editor: new map, terrain
// edits, a gate, an object, frames, save, open, close and exit. In the asan
// preset LeakSanitizer checks at the process's end that nothing of ours leaked.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

#include "apptestharness.h"
#include "dialogids.h"
#include "editorscene.h"
#include "newmap.h"

namespace {

const QString kArt = QString(QUARROW_SOURCE_DIR) + "/Execute/data/";

LPARAM CellCentre(int column, int row) { return MAKELPARAM(column * kCellPixels + 12, row * kCellPixels + 12); }

class Session : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        for (const char* image : {"map.dds", "tree.dds"}) {
            ASSERT_TRUE(QFile::copy(kArt + image, folder.filePath(image)));
        }
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
    }
    void TearDown() override { QDir::setCurrent(previous); }

    void Command(int id) { SendMessageA(harness.Dialog(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    void ClickCell(int column, int row) {
        PostMessageA(harness.View(), WM_LBUTTONDOWN, MK_LBUTTON, CellCentre(column, row));
        PostMessageA(harness.View(), WM_LBUTTONUP, 0, CellCentre(column, row));
        harness.DeliverMessages();
    }
    std::string Path(const char* name) const { return folder.filePath(name).toStdString(); }
    EditorScene& Scene() { return *GetEditorScene(); }

    QTemporaryDir folder;
    QString previous;
    AppHarness harness;
};

TEST_F(Session, NewEditObjectSaveOpenCloseExit) {
    harness.Start();
    Command(ui::kMenuNew);
    const HWND newMap = NewestNewMapDialog();
    ASSERT_NE(newMap, nullptr);
    SetDlgItemInt(newMap, kNewMapWidthField, 40, FALSE);
    SetDlgItemInt(newMap, kNewMapHeightField, 30, FALSE);
    SendMessageA(newMap, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
    ASSERT_TRUE(Scene().IsOpen());

    // Terrain: a stone in one-cell mode, a gate pair, a mud fill, then undo.
    harness.Click(ui::kFirstModeButton + 1);
    harness.Click(ui::KindButton(kKindStone));
    ClickCell(5, 4);
    EXPECT_EQ(Scene().Document().lowerShells[4][5].kind, kKindStone);
    harness.Click(ui::KindButton(kKindGate));
    ClickCell(8, 8);
    ClickCell(12, 9);
    EXPECT_TRUE(Scene().Document().gates[8][8].present);
    harness.Click(ui::kFirstModeButton + 2);
    harness.Click(ui::KindButton(kKindMud));
    ClickCell(30, 20);
    harness.RunFrames(2);
    harness.Click(ui::kUndoButton);

    // An object from tree.dds in slot 0.
    harness.Click(ui::kFirstObjectButton);
    harness.modal().ChooseFile(Path("tree.dds"));
    harness.Click(ui::kLoadButton);
    ClickCell(10, 10);
    EXPECT_EQ(Scene().Document().matterCount, 1);
    harness.RunFrames(3);

    harness.modal().ChooseFile(Path("session.qrd"));
    harness.modal().AnswerButton(IDOK);
    Command(ui::kMenuSave);
    EXPECT_FALSE(Scene().IsModified());

    harness.modal().ChooseFile(Path("session.qrd"));
    Command(ui::kMenuOpen);
    ASSERT_TRUE(Scene().IsOpen());
    EXPECT_EQ(Scene().Document().lowerShells[4][5].kind, kKindStone);
    EXPECT_EQ(Scene().Document().matterCount, 1);
    EXPECT_TRUE(Scene().Document().gates[9][12].present);
    harness.RunFrames(3);

    Command(ui::kMenuClose);
    EXPECT_FALSE(Scene().IsOpen());
    Command(ui::kMenuExit);
    EXPECT_TRUE(harness.QuitWaiting());

    EXPECT_EQ(harness.modal().Unexpected(), 0);
    EXPECT_EQ(harness.modal().Unused(), 0u);
    // Image, save, "saved", open: nothing else was asked.
    const auto& asked = harness.modal().Requests();
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[2].text, "저장 되었습니다");
    EXPECT_EQ(asked[3].kind, ModalRequest::Kind::OpenFile);
}

}  // namespace
