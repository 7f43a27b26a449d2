#include "app.h"

namespace {
SceneFactory installedFactory = nullptr;
}  // namespace

void SetEditorSceneFactory(SceneFactory factory) { installedFactory = factory; }

Scene* CreateEditorScene() {
    if (installedFactory != nullptr) return installedFactory();
    // The editor scene joins here: return new EditorScene;
    return nullptr;
}
