// Message boxes and file dialogs through the modal-answer hook: what they were
// asked, and what the program receives back.

#include <QDir>
#include <QTemporaryDir>
#include <cstring>

#include "recordingdialog.h"

namespace {

class CommonDialogs : public RecordingDialogTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        previous = QDir::currentPath();
        QDir(root.path()).mkpath(QStringLiteral("data/maps"));
        QDir::setCurrent(root.path());
    }
    void TearDown() override { QDir::setCurrent(previous); }

    // The editor's request: filter, ".\data", title, default extension.
    OPENFILENAMEA Request(char* file, DWORD fileSize, char* title, DWORD titleSize) {
        OPENFILENAMEA request{};
        request.lStructSize = sizeof request;
        request.lpstrFilter = "QRD Files (*.qrd)\0*.qrd\0";
        request.lpstrFile = file;
        request.nMaxFile = fileSize;
        request.lpstrFileTitle = title;
        request.nMaxFileTitle = titleSize;
        request.lpstrInitialDir = ".\\data";
        request.lpstrTitle = "열기 *QRD";
        request.lpstrDefExt = "qrd";
        return request;
    }

    QTemporaryDir root;
    QString previous;
    char file[1024] = {};
    char title[1024] = {};
};

TEST_F(CommonDialogs, MessageBoxRecordsTheQuestionAndReturnsTheAnswer) {
    script.AnswerButton(IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "수정한 파일입니다만... 저장 부터 하시겠습니까?", "수정한 파일 처리",
                          MB_YESNOCANCEL | MB_ICONWARNING),
              IDCANCEL);
    ASSERT_EQ(script.Requests().size(), 1u);
    const ModalRequest& asked = script.Requests()[0];
    EXPECT_EQ(asked.kind, ModalRequest::Kind::MessageBox);
    EXPECT_EQ(asked.text, "수정한 파일입니다만... 저장 부터 하시겠습니까?");
    EXPECT_EQ(asked.caption, "수정한 파일 처리");
    EXPECT_EQ(asked.buttons, MB_YESNOCANCEL);
    EXPECT_EQ(asked.icon, MB_ICONWARNING);
}

TEST_F(CommonDialogs, UnscriptedQuestionsAreAnsweredSafelyAndCounted) {
    EXPECT_EQ(MessageBoxA(nullptr, "저장 되었습니다", "저장", MB_OK), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "?", "?", MB_YESNO), IDCANCEL);
    EXPECT_EQ(script.Unexpected(), 2);
}

TEST_F(CommonDialogs, OpenDialogIsAskedWithTheRequestSettings) {
    script.CancelFile();
    OPENFILENAMEA request = Request(file, 256, title, sizeof title);
    request.lpstrFilter = "DDS Files (*.DDS)\0*.dds\0";
    EXPECT_FALSE(GetOpenFileNameA(&request));
    const ModalRequest& asked = script.Requests().at(0);
    EXPECT_EQ(asked.kind, ModalRequest::Kind::OpenFile);
    EXPECT_EQ(asked.title, "열기 *QRD");
    EXPECT_EQ(asked.filter, "DDS Files (*.DDS)|*.dds");
    EXPECT_EQ(asked.initialDir, ".\\data");
    EXPECT_EQ(asked.defaultExtension, "qrd");
    EXPECT_STREQ(title, "") << "a cancelled dialog leaves the buffers alone";
    EXPECT_EQ(QDir::currentPath(), root.path());
}

struct ChoiceCase {
    const char* answer;        // as typed or picked, relative to the start folder
    const char* bareName;
    const char* folder;        // the working directory afterwards, below the root
};

TEST_F(CommonDialogs, ChosenFileBecomesABareNameInTheNewWorkingDirectory) {
    const ChoiceCase cases[] = {
        {"a.qrd", "a.qrd", "/data"},
        {"b", "b.qrd", "/data"},                  // the default extension is added
        {"maps/c.QRD", "c.QRD", "/data/maps"},
        {"../d.qrd", "d.qrd", ""},
    };
    for (const ChoiceCase& c : cases) {
        QDir::setCurrent(root.path());
        std::memset(title, 0, sizeof title);
        script.ChooseFile(c.answer);
        OPENFILENAMEA request = Request(file, 256, title, sizeof title);
        ASSERT_TRUE(GetSaveFileNameA(&request)) << c.answer;
        EXPECT_STREQ(title, c.bareName);
        EXPECT_EQ(QDir::currentPath(), root.path() + QString::fromUtf8(c.folder));
        EXPECT_STREQ(file + request.nFileOffset, c.bareName);
        EXPECT_EQ(QString::fromUtf8(file), QDir::current().absoluteFilePath(QString::fromUtf8(c.bareName)));
    }
    EXPECT_EQ(script.Requests().back().kind, ModalRequest::Kind::SaveFile);
}

TEST_F(CommonDialogs, NameTooLongForTheBufferIsRefusedNotCut) {
    const std::string longName(300, 'n');
    script.ChooseFile(longName + ".qrd");
    OPENFILENAMEA request = Request(file, sizeof file, title, 256);
    EXPECT_FALSE(GetOpenFileNameA(&request));
    EXPECT_EQ(CommDlgExtendedError(), FNERR_BUFFERTOOSMALL);
    EXPECT_STREQ(title, "");
    EXPECT_EQ(QDir::currentPath(), root.path()) << "the working directory stays";
}

}  // namespace
