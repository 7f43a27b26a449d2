#include "app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apptestharness.h"
#include "scene.h"

namespace {

// A stand-in scene that logs its life into a shared list.
std::vector<std::string> sceneLog;
int scenesMade = 0;

class FakeScene : public Scene {
public:
    FakeScene() : number(++scenesMade) { sceneLog.push_back("make " + std::to_string(number)); }
    ~FakeScene() override { sceneLog.push_back("delete " + std::to_string(number)); }
    bool Init() override { return Note("init"); }
    void Release() override { Note("release"); }
    bool Update() override { return Note("update"); }
    void Render() override { Note("render"); }

private:
    bool Note(const char* what) {
        sceneLog.push_back(std::string(what) + " " + std::to_string(number));
        return true;
    }
    int number;
};

Scene* MakeFakeScene() { return new FakeScene; }

class AppTest : public testing::Test {
protected:
    void SetUp() override {
        sceneLog.clear();
        scenesMade = 0;
        SetEditorSceneFactory(MakeFakeScene);
    }
    void TearDown() override { SetEditorSceneFactory(nullptr); }

    AppHarness harness;
};

TEST_F(AppTest, StartUpMakesTheEditorSceneAndRegistersForSceneChanges) {
    App& app = harness.Start();
    EXPECT_EQ(GetApp(), &app);
    ASSERT_NE(app.GetCurrentScene(), nullptr);
    EXPECT_EQ(sceneLog, (std::vector<std::string>{"make 1", "init 1"}));
}

TEST_F(AppTest, ChangeSceneToEditorReleasesAndDeletesTheOldSceneFirst) {
    App& app = harness.Start();
    app.ChangeScene(kEditorSceneId);
    EXPECT_EQ(sceneLog, (std::vector<std::string>{"make 1", "init 1", "release 1", "delete 1", "make 2", "init 2"}));
}

TEST_F(AppTest, ChangeSceneToCloseEndsTheApplicationThroughTheMainDialog) {
    App& app = harness.Start();
    app.ChangeScene(kCloseApplicationId);
    EXPECT_EQ(app.GetCurrentScene(), nullptr);
    EXPECT_EQ(sceneLog.back(), "delete 1");
    // The posted WM_CLOSE reaches the dialog, whose close handling quits.
    EXPECT_TRUE(harness.DeliverMessages());
}

TEST_F(AppTest, ChangeSceneToAnUnknownIdLeavesNoScene) {
    App& app = harness.Start();
    app.ChangeScene(7);
    EXPECT_EQ(app.GetCurrentScene(), nullptr);
    EXPECT_FALSE(harness.DeliverMessages());
}

TEST_F(AppTest, SceneChangeEventsArriveThroughTheFrame) {
    App& app = harness.Start();
    app.Post(new Event(kChangeSceneEvent, kEditorSceneId), 0.0f);
    app.Frame();
    EXPECT_EQ(scenesMade, 2);
    app.Post(new Event(3, kCloseApplicationId), 0.0f);   // another type: nothing happens
    app.Frame();
    EXPECT_NE(app.GetCurrentScene(), nullptr);
    app.Post(new Event(kChangeSceneEvent, kCloseApplicationId), 0.0f);
    app.Frame();
    EXPECT_EQ(app.GetCurrentScene(), nullptr);
    EXPECT_TRUE(harness.DeliverMessages());
}

TEST_F(AppTest, FrameWithoutSceneStillAdvancesTheClockAndEvents) {
    App& app = harness.Start();
    app.ChangeScene(7);
    sceneLog.clear();
    app.Post(new Event(kChangeSceneEvent, kEditorSceneId), 0.0f);
    ASSERT_EQ(app.GetDelta(), 0.0f);
    harness.RunFrames(1);
    EXPECT_GT(app.GetDelta(), 0.0f);
    // The scene made by the event is already driven in the same frame.
    EXPECT_EQ(sceneLog, (std::vector<std::string>{"make 2", "init 2", "update 2", "render 2"}));
}

TEST_F(AppTest, EachFrameUpdatesThenRendersTheScene) {
    harness.Start();
    sceneLog.clear();
    harness.RunFrames(2);
    EXPECT_EQ(sceneLog, (std::vector<std::string>{"update 1", "render 1", "update 1", "render 1"}));
}

TEST_F(AppTest, ReleaseAlsoReleasesTheCurrentSceneAndDeletingClearsTheAccessor) {
    App* app = new App;
    app->Init();
    app->Release();
    EXPECT_EQ(sceneLog, (std::vector<std::string>{"make 1", "init 1", "release 1", "delete 1"}));
    EXPECT_EQ(app->GetCurrentScene(), nullptr);
    delete app;
    EXPECT_EQ(GetApp(), nullptr);
}

// An App on a machine where no graphics device can be made.
class AppWithoutDevice : public App {
protected:
    bool InitDrawingServices() override { return false; }
};

TEST_F(AppTest, WithoutADeviceTheUserIsToldAndTheLoopEndsBeforeAnyFrame) {
    harness.modal().AnswerButton(IDOK);
    auto* app = new AppWithoutDevice;
    EXPECT_FALSE(app->Init());
    ASSERT_EQ(harness.modal().Requests().size(), 1u);
    const ModalRequest& told = harness.modal().Requests()[0];
    EXPECT_EQ(told.kind, ModalRequest::Kind::MessageBox);
    EXPECT_EQ(told.caption, "오류~");
    EXPECT_NE(told.text.find("그래픽 장치"), std::string::npos);
    EXPECT_EQ(app->GetCurrentScene(), nullptr);
    app->Run();   // returns at once: the quit message is already waiting
    EXPECT_EQ(app->GetElapsed(), 0.0f) << "no frame ran";
    app->Release();
    delete app;
    EXPECT_TRUE(sceneLog.empty());
}

}  // namespace
