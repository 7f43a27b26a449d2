#pragma once
// The root of the running editor: it owns every service, runs the message
// loop and the frames, and drives the current scene.

#include "eventdispatcher.h"
#include "frametimer.h"
#include "mainwindow.h"
#include "singleton.h"

class Scene;
class GraphicsDevice;
class TextureManager;
class PointerOverlay;

// Scene ids of ChangeScene and of the change-scene event.
constexpr int kEditorSceneId = 1;
constexpr int kCloseApplicationId = 2;

class App : public Singleton<App>, public MainWindow, public FrameTimer, public EventDispatcher, public EventListener {
public:
    App();
    ~App() override = default;

    // Windows, clock, dispatcher, the drawing services and the editor scene.
    // False when the drawing services could not be made: the user has been
    // told and the loop will end at once.
    bool Init();
    // The message loop: messages first, a frame whenever none is waiting;
    // returns when WM_QUIT is taken.
    void Run();
    void Frame();
    // Releases and deletes the scene and the services; the windows stay.
    void Release();

    // 1: a new editor scene; 2: close the application; any other id: no scene.
    void ChangeScene(int id);
    int OnEvent(Event* event) override;

    Scene* GetCurrentScene() const { return currentScene; }
    // While the main dialog is minimised or hidden, frames slow to a few a second.
    bool FramesThrottled() const;

protected:
    // Makes the graphics device, the texture cache and the pointer overlay;
    // false when the device cannot be made.
    virtual bool InitDrawingServices();

private:
    void ReleaseDrawingServices();
    bool BeginDrawing();
    void DrawStatusLine();
    void EndDrawing();

    Scene* currentScene = nullptr;
    GraphicsDevice* graphicsDevice = nullptr;
    TextureManager* textureManager = nullptr;
    PointerOverlay* pointerOverlay = nullptr;
};

inline App* GetApp() { return App::Instance(); }

// The scene ChangeScene(1) makes. Null until the editor scene exists; tests
// install a stand-in with SetEditorSceneFactory.
Scene* CreateEditorScene();
using SceneFactory = Scene* (*)();
void SetEditorSceneFactory(SceneFactory factory);

// The program's entry sequence: make the App, Init, Run, Release, delete.
int WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand);
