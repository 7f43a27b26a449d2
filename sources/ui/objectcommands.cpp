#include "objectcommands.h"

#include "app.h"
#include "editorscene.h"
#include "filechooser.h"
#include "texturemanager.h"
#include "winapi.h"

namespace {

constexpr char kObjectErrorCaption[] = "오류-_-;";
constexpr char kNoDocumentText[] = "qrd 파일이 열려 있지 않네요.";
constexpr char kNoSlotText[] = "물체를 선택하고 로드해 주세요.";
constexpr char kNameTooLongText[] =
    "파일 이름이 너무 깁니다. 255바이트까지의 이름만 쓸 수 있습니다.";
constexpr char kNamesFullText[] =
    "한 맵에는 서로 다른 물체 이미지를 50개까지만 쓸 수 있습니다. 이미 쓴 이미지를 고르세요.";

constexpr char kImageFilter[] = "DDS Files (*.DDS)\0*.dds\0";
constexpr char kImageFolder[] = ".\\data";
constexpr char kImageDialogTitle[] = "물체 이미지 파일 열기";
constexpr char kImageExtension[] = "dds";

HWND MainDialog() {
    App* app = GetApp();
    return app != nullptr ? app->GetMainDialog() : nullptr;
}

void ShowObjectError(const char* text) { MessageBoxA(MainDialog(), text, kObjectErrorCaption, MB_OK); }

// Shows the message of a refused slot command; true when it was done.
bool Report(ObjectCommandResult result) {
    switch (result) {
    case ObjectCommandResult::kNoDocument: ShowObjectError(kNoDocumentText); return false;
    case ObjectCommandResult::kNoSlotSelected: ShowObjectError(kNoSlotText); return false;
    case ObjectCommandResult::kDone: return true;
    }
    return false;
}

}  // namespace

bool CheckObjectCommand() {
    EditorScene* scene = GetEditorScene();
    if (scene == nullptr) return false;
    return Report(scene->Objects().CheckObjectCommand());
}

bool ChooseObjectImage(HWND owner, char (&name)[kNameSize]) {
    const FileChooserSettings settings{kImageFilter, kImageFolder, kImageDialogTitle, kImageExtension, false};
    return ChooseBareFileName(owner, settings, name, [] { ShowObjectError(kNameTooLongText); });
}

bool LoadObjectImage(HWND owner) {
    if (!CheckObjectCommand()) return false;
    char name[kNameSize] = {};
    ChooseObjectImage(owner, name);
    if (name[0] == '\0') return false;
    EditorScene* scene = GetEditorScene();
    if (!scene->Objects().ArmObject(name)) return false;
    // Loaded now so that drawing finds it; a failure is reported by the cache
    // itself, and the armed image can still be placed.
    if (TextureManager* textures = GetTextureManager()) textures->Load(name);
    return true;
}

void EmptyObjectSlot() {
    if (EditorScene* scene = GetEditorScene()) Report(scene->Objects().EmptyObjectSlot());
}

void ClearObjectSlot() {
    if (EditorScene* scene = GetEditorScene()) Report(scene->Objects().ClearObjectSlot());
}

void ReportObjectNamesFull() { ShowObjectError(kNamesFullText); }
