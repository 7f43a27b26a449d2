// Controls as the dialog procedures see them: clicks become commands, radio
// groups follow WS_GROUP, edits take digits only, numbers read as the
// platform reads them, and the dialog manager's keys and close box.

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

#include "recordingdialog.h"
#include "windowsystem.h"

namespace {

class Controls : public RecordingDialogTest {
protected:
    void SetUp() override {
        dialog = Create(133);
        ASSERT_NE(dialog, nullptr);
    }
    void Click(int id) {
        QTest::mouseClick(WindowWidget(GetDlgItem(dialog, id)), Qt::LeftButton);
        Deliver();
    }
    bool Checked(int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

    HWND dialog = nullptr;
};

TEST_F(Controls, InitDialogComesBeforeTheDialogIsShown) {
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received.front().message, static_cast<UINT>(WM_INITDIALOG));
    EXPECT_TRUE(IsWindowVisible(dialog));
}

TEST_F(Controls, ClickReachesTheDialogAsCommandWithIdAndClickedNotification) {
    Click(1060);
    const auto commands = Commands();
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].window, dialog);
    EXPECT_EQ(LOWORD(commands[0].wParam), 1060);
    EXPECT_EQ(HIWORD(commands[0].wParam), BN_CLICKED);
    EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(GetDlgItem(dialog, 1060)));
}

TEST_F(Controls, AutomaticRadioGroupsFollowGroupStyle) {
    Click(150);
    Click(360);
    EXPECT_TRUE(Checked(150));
    EXPECT_TRUE(Checked(360));
    Click(152);   // same group as 150 only
    EXPECT_FALSE(Checked(150));
    EXPECT_TRUE(Checked(152));
    EXPECT_TRUE(Checked(360));
    Click(152);   // a checked radio stays checked
    EXPECT_TRUE(Checked(152));
    Click(1026);
    EXPECT_FALSE(Checked(360));
    EXPECT_TRUE(Checked(1026));
    EXPECT_EQ(Commands().size(), 5u);
}

TEST_F(Controls, CheckDlgButtonSetsOneButtonOnly) {
    CheckDlgButton(dialog, 150, BST_CHECKED);
    CheckDlgButton(dialog, 151, BST_CHECKED);
    EXPECT_TRUE(Checked(150));
    EXPECT_TRUE(Checked(151));
    CheckDlgButton(dialog, 151, BST_UNCHECKED);
    EXPECT_FALSE(Checked(151));
    EXPECT_TRUE(Commands().empty());
}

TEST_F(Controls, PushCheckTogglesAndShowsDown) {
    QAbstractButton* eraser = qobject_cast<QAbstractButton*>(WindowWidget(GetDlgItem(dialog, 1002)));
    Click(1002);
    EXPECT_TRUE(Checked(1002));
    EXPECT_TRUE(eraser->isDown() || eraser->isChecked());
    Click(1002);
    EXPECT_FALSE(Checked(1002));
}

TEST_F(Controls, CheckMessagesSentOrPostedToAButton) {
    HWND eraser = GetDlgItem(dialog, 1002);
    SendMessageA(eraser, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageA(eraser, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    PostMessageA(eraser, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_TRUE(Checked(1002)) << "posted: not yet";
    Deliver();
    EXPECT_FALSE(Checked(1002));
}

TEST_F(Controls, ObjectButtonsMadeAtRunTimeFormTheirOwnGroup) {
    // Fifty push-like radio buttons in 10 rows of 5, as the editor scene makes them.
    HWND buttons[50];
    for (int i = 0; i < 50; ++i) {
        const DWORD style = WS_CHILD | WS_VISIBLE | BS_PUSHLIKE | BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0);
        buttons[i] = CreateWindowExA(WS_EX_STATICEDGE, "button", "x", style, 860 + 20 * (i % 5), 217 + 20 * (i / 5),
                                     18, 18, dialog, reinterpret_cast<HMENU>(static_cast<uintptr_t>(300 + i)),
                                     GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(buttons[i], nullptr);
    }
    EXPECT_EQ(GetDlgItem(dialog, 349), buttons[49]);
    EXPECT_EQ(WindowWidget(buttons[49])->geometry(), QRect(940, 397, 18, 18));
    EXPECT_TRUE(WindowWidget(buttons[49])->isVisible());

    ASSERT_TRUE(SetDlgItemTextA(dialog, 307, "o"));
    EXPECT_EQ(qobject_cast<QAbstractButton*>(WindowWidget(buttons[7]))->text().toStdString(), "o");

    Click(370);
    Click(307);
    Click(312);
    EXPECT_FALSE(Checked(307));
    EXPECT_TRUE(Checked(312));
    EXPECT_TRUE(Checked(370)) << "the kind radios are another group";
    EXPECT_EQ(LOWORD(Commands().back().wParam), 312);
}

TEST_F(Controls, EditsAcceptDigitsOnly) {
    QLineEdit* edit = qobject_cast<QLineEdit*>(WindowWidget(GetDlgItem(dialog, 1053)));
    edit->setFocus();
    QTest::keyClicks(edit, "1a2-3 4");
    EXPECT_EQ(edit->text().toStdString(), "1234");
}

struct NumberCase {
    const char* text;
    BOOL isSigned;
    UINT value;
    BOOL translated;
};

TEST_F(Controls, GetDlgItemIntReadsTheWholeFieldAsThePlatformDoes) {
    const NumberCase cases[] = {
        {"", FALSE, 0, FALSE},
        {"42", FALSE, 42, TRUE},
        {" 7 ", FALSE, 7, TRUE},
        {"12x", FALSE, 0, FALSE},
        {"2147483648", FALSE, 2147483648u, TRUE},   // taken as int32 by the caller: negative
        {"4294967295", FALSE, 4294967295u, TRUE},
        {"4294967296", FALSE, 0, FALSE},
        {"-5", FALSE, 0, FALSE},
        {"-5", TRUE, static_cast<UINT>(-5), TRUE},
        {"2147483648", TRUE, 0, FALSE},
    };
    for (const NumberCase& c : cases) {
        SetDlgItemTextA(dialog, 1049, c.text);
        BOOL translated = -1;
        EXPECT_EQ(GetDlgItemInt(dialog, 1049, &translated, c.isSigned), c.value) << '"' << c.text << '"';
        EXPECT_EQ(translated, c.translated) << '"' << c.text << '"';
    }
    SetDlgItemInt(dialog, 1051, 4000000000u, FALSE);
    char text[32];
    GetDlgItemTextA(dialog, 1051, text, sizeof text);
    EXPECT_STREQ(text, "4000000000");
    EXPECT_EQ(GetDlgItemInt(dialog, 4242, nullptr, FALSE), 0u) << "no such control";
}

TEST_F(Controls, EnterEscapeAndTheCloseBoxGiveCommandsOneAndTwo) {
    QWidget* edit = WindowWidget(GetDlgItem(dialog, 1053));
    QTest::keyClick(edit, Qt::Key_Return);
    Deliver();
    QTest::keyClick(edit, Qt::Key_Escape);
    Deliver();
    WindowWidget(dialog)->close();
    Deliver();
    const auto commands = Commands();
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(LOWORD(commands[0].wParam), IDOK);
    EXPECT_EQ(LOWORD(commands[1].wParam), IDCANCEL);
    EXPECT_EQ(LOWORD(commands[2].wParam), IDCANCEL);
    EXPECT_EQ(Of(WM_CLOSE).size(), 1u);
    EXPECT_TRUE(IsWindow(dialog)) << "closing is the procedure's decision";
}

TEST_F(Controls, DestroyingADialogTakesItsControlsAndOwnedDialogs) {
    HWND newMap = Create(140, dialog);
    HWND edit = GetDlgItem(newMap, 1032);
    PostMessageA(newMap, WM_USER, 0, 0);
    ASSERT_TRUE(DestroyWindow(dialog));
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_FALSE(IsWindow(newMap));
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(Of(WM_DESTROY).size(), 2u);
    const size_t before = received.size();
    Deliver();   // the message to the dead dialog goes nowhere
    EXPECT_EQ(received.size(), before);
    EXPECT_FALSE(PostMessageA(newMap, WM_USER, 0, 0));
    EXPECT_FALSE(SetDlgItemTextA(newMap, 1032, "1"));
}

}  // namespace
