// The message queue, and messages delivered while a modal box is open.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "recordingdialog.h"
#include "windowsystem.h"

namespace {

constexpr UINT kPing = WM_USER + 1;

class Queue : public RecordingDialogTest {
protected:
    void SetUp() override { dialog = Create(140); }
    HWND dialog = nullptr;
};

TEST_F(Queue, PeekNeverBlocksAndLeavesOrTakesAsAsked) {
    MSG msg;
    Deliver();
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    PostMessageA(dialog, kPing, 1, 2);
    PostMessageA(dialog, kPing, 3, 4);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.wParam, 1u);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 1u);
    ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.hwnd, dialog);
    EXPECT_EQ(msg.message, kPing);
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_EQ(msg.lParam, 4);
}

TEST_F(Queue, GetMessageReportsQuitAsFalseAndDispatchIgnoresIt) {
    PostQuitMessage(3);
    MSG msg;
    EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_EQ(DispatchMessageA(&msg), 0);
}

TEST_F(Queue, GetMessageWaitsForAMessagePostedLater) {
    QTimer::singleShot(30, [this] { PostMessageA(dialog, kPing, 9, 0); });
    MSG msg;
    ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.wParam, 9u);
}

TEST_F(Queue, FilterTakesOnlyMatchingMessages) {
    PostMessageA(dialog, kPing, 1, 0);
    PostQuitMessage(0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_QUIT);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, kPing);
}

TEST_F(Queue, SendCallsTheProcedureAtOnce) {
    SendMessageA(dialog, kPing, 5, 0);
    ASSERT_FALSE(Of(kPing).empty());
    EXPECT_EQ(Of(kPing).back().wParam, 5u);
}

// A posted message is delivered before the box returns, both with the test
// hook answering and with a real box that a timer closes.
TEST_F(Queue, MessagePostedBeforeAHookedBoxIsDeliveredBeforeItReturns) {
    std::vector<std::string> order;
    onMessage = [&order](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR {
        if (message == kPing) order.push_back("ping");
        return FALSE;
    };
    script.AnswerButton(IDYES);
    PostMessageA(dialog, kPing, 0, 0);
    const int answer = MessageBoxA(nullptr, "질문", "중요!", MB_YESNO | MB_ICONWARNING);
    order.push_back("returned");
    EXPECT_EQ(answer, IDYES);
    EXPECT_EQ(order, (std::vector<std::string>{"ping", "returned"}));
}

TEST_F(Queue, MessagePostedDuringARealBoxIsDeliveredByItsLoop) {
    SetModalAnswerHook({});   // a real Qt box this time
    bool deliveredWhileOpen = false;
    onMessage = [&deliveredWhileOpen](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR {
        if (message == kPing) deliveredWhileOpen = QApplication::activeModalWidget() != nullptr;
        return FALSE;
    };
    QTimer::singleShot(20, [this] { PostMessageA(dialog, kPing, 0, 0); });
    QTimer::singleShot(200, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->button(QMessageBox::Ok)->click();
        }
    });
    EXPECT_EQ(MessageBoxA(nullptr, "열림", "box", MB_OK), IDOK);
    EXPECT_TRUE(deliveredWhileOpen);
}

TEST_F(Queue, QuitWaitsWhileABoxDeliversOtherMessages) {
    PostQuitMessage(0);
    PostMessageA(dialog, kPing, 0, 0);
    script.AnswerButton(IDOK);
    MessageBoxA(nullptr, "a", "b", MB_OK);
    EXPECT_EQ(Of(kPing).size(), 1u);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_QUIT);
}

}  // namespace
