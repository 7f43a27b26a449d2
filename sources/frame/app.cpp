#include "app.h"

#include "graphicsdevice.h"
#include "pointeroverlay.h"
#include "scene.h"
#include "texturemanager.h"
#include "winapi.h"

namespace {

// While throttled, one frame per this many milliseconds unless a message comes.
constexpr DWORD kThrottledFrameMs = 250;

constexpr char kNoDeviceText[] = "그래픽 장치를 만들 수 없어 프로그램을 끝냅니다.";
constexpr char kNoDeviceCaption[] = "오류~";

}  // namespace

App::App() : EventDispatcher(static_cast<const FrameTimer&>(*this)) {}

bool App::Init() {
    MainWindow::Init();
    EventDispatcher::Init();
    FrameTimer::Init();
    Register(kChangeSceneEvent, this);
    if (!InitDrawingServices()) {
        // Every frame would draw through the missing device: say so and end.
        MessageBoxA(nullptr, kNoDeviceText, kNoDeviceCaption, MB_OK | MB_ICONERROR);
        PostQuitMessage(1);
        return false;
    }
    ChangeScene(kEditorSceneId);
    return true;
}

bool App::InitDrawingServices() {
    // In this order: each needs the one before.
    graphicsDevice = new GraphicsDevice;
    if (!graphicsDevice->Init(GetViewWindow())) return false;
    textureManager = new TextureManager;
    textureManager->Init();
    pointerOverlay = new PointerOverlay;
    pointerOverlay->Init();
    return true;
}

void App::ReleaseDrawingServices() {
    if (pointerOverlay != nullptr) {
        pointerOverlay->Release();
        delete pointerOverlay;
        pointerOverlay = nullptr;
    }
    if (textureManager != nullptr) {
        textureManager->Release();
        delete textureManager;
        textureManager = nullptr;
    }
    if (graphicsDevice != nullptr) {
        graphicsDevice->Release();
        delete graphicsDevice;
        graphicsDevice = nullptr;
    }
}

void App::Run() {
    MSG msg{};   // zeroed: the first test is defined and no waiting message is lost
    while (msg.message != WM_QUIT) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            GetMessageA(&msg, nullptr, 0, 0);
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else if (FramesThrottled()) {
            if (MsgWaitForMultipleObjects(0, nullptr, FALSE, kThrottledFrameMs, QS_ALLINPUT) == WAIT_TIMEOUT) {
                Frame();
            }
        } else {
            Frame();
        }
    }
}

bool App::FramesThrottled() const {
    HWND dialog = GetMainDialog();
    return IsWindow(dialog) && (!IsWindowVisible(dialog) || IsIconic(dialog));
}

void App::Frame() {
    FrameTimer::Update();
    EventDispatcher::Dispatch();
    if (currentScene == nullptr) return;
    currentScene->Update();
    if (pointerOverlay != nullptr) pointerOverlay->Update();
    if (!BeginDrawing()) return;   // no device: nothing can be drawn
    currentScene->Render();
    if (pointerOverlay != nullptr) pointerOverlay->Render();
    DrawStatusLine();
    EndDrawing();
}

bool App::BeginDrawing() {
    if (graphicsDevice == nullptr) return false;
    graphicsDevice->BeginFrame();
    return true;
}

void App::DrawStatusLine() {
    graphicsDevice->PrintStatusLine(GetElapsed(), GetFps());
}

void App::EndDrawing() {
    graphicsDevice->EndFrame();
}

void App::Release() {
    // A scene still current at exit is released and deleted first: it may
    // use the services below until then.
    if (currentScene != nullptr) {
        currentScene->Release();
        delete currentScene;
        currentScene = nullptr;
    }
    ReleaseDrawingServices();
    EventDispatcher::Release();
    FrameTimer::Release();
    MainWindow::Release();
}

void App::ChangeScene(int id) {
    if (currentScene != nullptr) {
        currentScene->Release();
        delete currentScene;
        currentScene = nullptr;
    }
    if (id == kEditorSceneId) currentScene = CreateEditorScene();
    else if (id == kCloseApplicationId) PostMessageA(GetMainDialog(), WM_CLOSE, 0, 0);
    if (currentScene != nullptr) currentScene->Init();
}

int App::OnEvent(Event* event) {
    if (event != nullptr && event->type == kChangeSceneEvent) ChangeScene(event->param);
    return 0;
}

int WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand) {
    (void)instance; (void)previousInstance; (void)commandLine; (void)showCommand;
    App* app = new App;
    app->Init();
    app->Run();
    app->Release();
    delete app;
    return 0;
}
