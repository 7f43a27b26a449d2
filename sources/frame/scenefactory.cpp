#include "app.h"
#include "editorscene.h"

namespace {
SceneFactory installedFactory = nullptr;
}  // namespace

void SetEditorSceneFactory(SceneFactory factory) { installedFactory = factory; }

Scene* CreateEditorScene() {
    if (installedFactory != nullptr) return installedFactory();
    return new EditorScene;
}
