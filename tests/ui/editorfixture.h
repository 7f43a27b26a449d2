#pragma once
// The running editor in a scratch working folder, driven by the messages a
// person's actions produce: clicks on the dialog's buttons, menu commands,
// typing into fields, mouse presses, drags and scroll actions on the view.
// Message boxes and file dialogs are answered through the harness's script.
//
// The folder looks like the run folder: the tile sheet and the cursor at its
// top, and data/ with the tile sheet and an object image, where the file
// dialogs start.

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "apptestharness.h"
#include "dialogids.h"
#include "editorscene.h"

// A question the editor asked, as the script saw it.
struct Asked {
    std::string caption;
    std::string text;
};

// The exact texts of the questions and messages.
namespace texts {
inline constexpr char kModified[] = "수정한 파일입니다만... 저장 부터 하시겠습니까?";
inline constexpr char kModifiedCaption[] = "수정한 파일 처리";
inline constexpr char kOverwrite[] = "앗! 이미 파일이 있어. 겹칠꺼야?";
inline constexpr char kOverwriteCaption[] = "중요!";
inline constexpr char kSaved[] = "저장 되었습니다";
inline constexpr char kSavedCaption[] = "저장";
inline constexpr char kNotOpen[] = "파일이 열려 있지 않습니다";
inline constexpr char kNotOpenCaption[] = "오류~ ^^";
inline constexpr char kObjectCaption[] = "오류-_-;";
inline constexpr char kObjectNoDocument[] = "qrd 파일이 열려 있지 않네요.";
inline constexpr char kObjectNoSlot[] = "물체를 선택하고 로드해 주세요.";
inline constexpr char kOpenDialogTitle[] = "열기 *QRD";
inline constexpr char kSaveDialogTitle[] = "저장 *QRD";
inline constexpr char kImageDialogTitle[] = "물체 이미지 파일 열기";
}  // namespace texts

class EditorTest : public testing::Test {
protected:
    static constexpr int kCell = kCellPixels;
    static constexpr char kObjectImage[] = "tree.dds";

    void SetUp() override;
    void TearDown() override;

    EditorScene& Scene() const;
    const MapDocument& Doc() const { return Scene().Document(); }
    const ToolState& Tools() const { return Scene().Tools(); }
    ModalScript& Modal() { return harness.modal(); }

    // --- The main dialog ---
    // A real click on a button of the main dialog, then its messages.
    void Press(int id) { harness.Click(id); }
    // The command a menu item sends.
    void Menu(int id);
    // Replaces the text of an edit field as typing would.
    static void Type(HWND dialog, int id, const std::string& text);
    bool Checked(int id) const { return harness.Checked(id); }
    std::string Text(int id) const { return harness.Text(id); }
    std::string ObjectButtonText(int slot) const;

    // --- The new-map dialog ---
    // "새로 만들기(&N)": the dialog it opened, or null.
    HWND OpenNewMapDialog();
    void ClickDialogButton(HWND dialog, int id);
    // The whole New map sequence with two typed sides, no question expected.
    void NewMap(int width, int height);

    // --- The view ---
    void ViewMessage(UINT message, WPARAM wParam, int x, int y);
    void LeftDown(int x, int y) { ViewMessage(WM_LBUTTONDOWN, MK_LBUTTON, x, y); }
    void MoveTo(int x, int y) { ViewMessage(WM_MOUSEMOVE, MK_LBUTTON, x, y); }
    void LeftUp(int x, int y) { ViewMessage(WM_LBUTTONUP, 0, x, y); }
    void RightDown(int x, int y) { ViewMessage(WM_RBUTTONDOWN, 0, x, y); }
    // A left click on the middle of a view cell.
    void ClickCell(int column, int row);
    // A press on one cell, moves through the others in order, a release on the last.
    void DragThrough(const std::vector<CellPoint>& cells);
    void ScrollMessage(UINT message, WORD code, WORD thumb = 0);

    // --- Reading the document and the frame ---
    int32_t Kind(int column, int row) const { return Doc().lowerShells[row][column].kind; }
    int32_t Tile(int column, int row) const { return Doc().lowerShells[row][column].tile; }
    int CountKind(int32_t kind) const;
    // The undo clock runs on frame time; this lets it pass without waiting.
    void LetTimePass(float seconds) { Scene().AdvanceClocks(seconds); }
    // Every question and message asked since the last Clear, in order.
    std::vector<Asked> MessageBoxes();
    std::vector<ModalRequest> FileDialogs();
    uint32_t FramePixel(int x, int y) const;
    // Runs one frame and tells whether the view cell at (x, y) shows tile `tile`
    // of the tile sheet, pixel for pixel.
    bool CellShowsTile(int viewX, int viewY, int tile);
    // Texel (dx, dy) of a tile of the tile sheet.
    uint32_t SheetTexel(int tile, int dx, int dy) const;

    QString DataPath(const char* name) const;
    std::string DataFile(const char* name) const { return DataPath(name).toStdString(); }
    bool DataFileExists(const char* name) const;

    AppHarness harness;
    QTemporaryDir folder;

private:
    QString previousFolder;
    std::vector<uint32_t> sheetPixels;
    uint32_t sheetWidth = 0;
};
