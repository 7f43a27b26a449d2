#include "filecommands.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "app.h"
#include "editorscene.h"
#include "filechooser.h"
#include "mapfile.h"
#include "newmap.h"
#include "viewinput.h"
#include "winapi.h"

namespace {

constexpr char kMapFilter[] = "QRD Files (*.qrd)\0*.qrd\0";
constexpr char kStartFolder[] = ".\\data";
constexpr char kMapExtension[] = "qrd";
constexpr char kOpenTitle[] = "열기 *QRD";
constexpr char kSaveTitle[] = "저장 *QRD";

constexpr char kModifiedText[] = "수정한 파일입니다만... 저장 부터 하시겠습니까?";
constexpr char kModifiedCaption[] = "수정한 파일 처리";
constexpr char kOverwriteText[] = "앗! 이미 파일이 있어. 겹칠꺼야?";
constexpr char kOverwriteCaption[] = "중요!";
constexpr char kSavedText[] = "저장 되었습니다";
constexpr char kSavedCaption[] = "저장";
constexpr char kNotOpenText[] = "파일이 열려 있지 않습니다";
constexpr char kNotOpenCaption[] = "오류~ ^^";
constexpr char kOpenFailedSuffix[] = " 파일을 열지 못했습니다.";
constexpr char kOpenFailedCaption[] = "Open Error";
constexpr char kSaveFailedSuffix[] = " 파일을 저장하지 못했습니다.";
constexpr char kSaveFailedCaption[] = "Save Error";
constexpr char kNameTooLongText[] = "파일 이름이 너무 깁니다. 이름은 255바이트까지 쓸 수 있습니다.";
constexpr char kNameTooLongCaption[] = "오류~";

enum class SaveOutcome { Written, NotChosen, Failed };

HWND MainDialog() {
    App* app = GetApp();
    return app != nullptr ? app->GetMainDialog() : nullptr;
}

void ReportNameTooLong() { MessageBoxA(nullptr, kNameTooLongText, kNameTooLongCaption, MB_OK | MB_ICONWARNING); }

void ReportFileFailure(const char* name, const char* suffix, const char* caption) {
    const std::string text = std::string(name) + suffix;
    MessageBoxA(nullptr, text.c_str(), caption, MB_OK | MB_ICONERROR);
}

// Tried before the document is touched: reading resets the document first,
// and a file that cannot even be opened must not cost the open map.
bool CanReadFile(const char* name) {
    // Only a regular file: a FIFO would block the editor, a device feed it forever.
    std::FILE* file = OpenRegularFile(name);
    if (file == nullptr) return false;
    std::fgetc(file);
    const bool readable = std::ferror(file) == 0;
    std::fclose(file);
    return readable;
}

SaveOutcome SaveDocument(EditorScene& scene, HWND owner) {
    char name[kNameSize] = {};
    ChooseMapFile(owner, name, FileChoice::Save);
    if (name[0] == '\0') return SaveOutcome::NotChosen;
    if (std::strcmp(name, scene.GetFileName()) == 0 &&
        MessageBoxA(nullptr, kOverwriteText, kOverwriteCaption, MB_YESNO | MB_ICONWARNING) != IDYES) {
        return SaveOutcome::NotChosen;
    }
    if (!scene.WriteMapFile(name)) {
        // The file on disk is as it was and the document keeps its changes.
        ReportFileFailure(name, kSaveFailedSuffix, kSaveFailedCaption);
        return SaveOutcome::Failed;
    }
    MessageBoxA(nullptr, kSavedText, kSavedCaption, MB_OK);
    scene.SetModified(false);
    return SaveOutcome::Written;
}

// The document as it was stays open; the application ends as after a failed
// open, but only once nothing unsaved would be lost without the question.
void FailOpen(const char* name) {
    ReportFileFailure(name, kOpenFailedSuffix, kOpenFailedCaption);
    ExitCommand();
}

}  // namespace

bool ChooseMapFile(HWND owner, char (&name)[kNameSize], FileChoice choice) {
    const bool save = choice == FileChoice::Save;
    const FileChooserSettings settings{kMapFilter, kStartFolder, save ? kSaveTitle : kOpenTitle, kMapExtension, save};
    return ChooseBareFileName(owner, settings, name, ReportNameTooLong);
}

bool ConfirmModified() {
    EditorScene* scene = GetEditorScene();
    if (scene == nullptr || !scene->IsModified()) return true;
    switch (MessageBoxA(nullptr, kModifiedText, kModifiedCaption, MB_YESNOCANCEL | MB_ICONWARNING)) {
    case IDYES:
        // Giving up the save in its dialogs lets the command go on; a save
        // that was tried and failed must not drop the changes.
        return SaveDocument(*scene, MainDialog()) != SaveOutcome::Failed;
    case IDNO: return true;
    default: return false;
    }
}

void NewCommand(HWND mainDialog) {
    if (ConfirmModified()) OpenNewMapDialog(mainDialog);
}

void OpenCommand(HWND mainDialog) {
    EditorScene* scene = GetEditorScene();
    if (scene == nullptr || !ConfirmModified()) return;
    char name[kNameSize] = {};
    ChooseMapFile(mainDialog, name, FileChoice::Open);
    if (name[0] != '\0') {
        if (!CanReadFile(name) || !scene->ReadMapFile(name)) {
            FailOpen(name);
        } else {
            scene->SetFileName(name);
        }
    }
    // Also brings the view back to the map's origin.
    ResetScrollBars(scene->GetWidth(), scene->GetHeight());
}

bool SaveCommand(HWND owner) {
    EditorScene* scene = GetEditorScene();
    return scene != nullptr && SaveDocument(*scene, owner) == SaveOutcome::Written;
}

bool SaveMenuCommand(HWND mainDialog) {
    EditorScene* scene = GetEditorScene();
    if (scene == nullptr || !scene->IsOpen()) {
        MessageBoxA(nullptr, kNotOpenText, kNotOpenCaption, MB_OK);
        return false;
    }
    return SaveCommand(mainDialog);
}

void CloseCommand() {
    EditorScene* scene = GetEditorScene();
    if (scene == nullptr || !ConfirmModified()) return;
    scene->ResetDocument();
    ResetScrollBars(0, 0);
}

void ExitCommand() {
    if (ConfirmModified()) PostQuitMessage(0);
}
