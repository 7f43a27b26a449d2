// The File menu end to end: the unsaved-changes question before New, Open,
// Close and Exit with every answer, Save with and without the overwrite
// question, Save with no document or to a place that cannot be written, and
// Open of a file that cannot be read.

#include <QDir>
#include <QFile>

#include <utility>

#include "editorfixture.h"
#include "newmap.h"

namespace {

class FileCommands : public EditorTest {
protected:
    // A new map with one stone cell painted: open and modified.
    void MakeModifiedMap() {
        NewMap(20, 20);
        Press(ui::kFirstModeButton + kModeOneCell);
        Press(ui::KindButton(kKindStone));
        ClickCell(3, 3);
        ASSERT_TRUE(Doc().IsModified());
    }
    // Save from the menu to data/<name>, answering the saved message.
    void SaveAs(const char* name) {
        Modal().ChooseFile(DataFile(name));
        Modal().AnswerButton(IDOK);
        Menu(ui::kMenuSave);
    }
    void OpenFile(const char* name) {
        Modal().ChooseFile(DataFile(name));
        Menu(ui::kMenuOpen);
    }
    QByteArray Contents(const char* name) const {
        QFile file(DataPath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void ExpectMessage(const ModalRequest& asked, const char* caption, const std::string& text, UINT buttons,
                              UINT icon) {
        EXPECT_EQ(asked.kind, ModalRequest::Kind::MessageBox);
        EXPECT_EQ(asked.caption, caption);
        EXPECT_EQ(asked.text, text);
        EXPECT_EQ(asked.buttons, buttons);
        EXPECT_EQ(asked.icon, icon);
    }
    static void ExpectMapDialog(const ModalRequest& asked, ModalRequest::Kind kind, const char* title) {
        EXPECT_EQ(asked.kind, kind);
        EXPECT_EQ(asked.title, title);
        EXPECT_EQ(asked.filter, "QRD Files (*.qrd)|*.qrd");
        EXPECT_EQ(asked.initialDir, ".\\data");
        EXPECT_EQ(asked.defaultExtension, "qrd");
    }
};

// ---- The unsaved-changes question ----------------------------------------

enum class Command { New, Open, Close, Exit, CloseBox, Enter };
enum class Answer { YesAndSave, YesThenCancelTheSave, No, Cancel };

struct QuestionCase {
    Command command;
    Answer answer;
};

std::string CaseName(const testing::TestParamInfo<QuestionCase>& info) {
    static const char* commands[] = {"New", "Open", "Close", "Exit", "CloseBox", "Enter"};
    static const char* answers[] = {"YesAndSave", "YesThenCancelTheSave", "No", "Cancel"};
    return std::string(commands[static_cast<int>(info.param.command)]) + "_" +
           answers[static_cast<int>(info.param.answer)];
}

std::vector<QuestionCase> AllQuestionCases() {
    std::vector<QuestionCase> cases;
    for (const Command command :
         {Command::New, Command::Open, Command::Close, Command::Exit, Command::CloseBox, Command::Enter}) {
        for (const Answer answer : {Answer::YesAndSave, Answer::YesThenCancelTheSave, Answer::No, Answer::Cancel}) {
            cases.push_back({command, answer});
        }
    }
    return cases;
}

class UnsavedQuestion : public FileCommands, public testing::WithParamInterface<QuestionCase> {
protected:
    void Issue(Command command) {
        switch (command) {
        case Command::New: Menu(ui::kMenuNew); break;
        case Command::Open: Menu(ui::kMenuOpen); break;
        case Command::Close: Menu(ui::kMenuClose); break;
        case Command::Exit: Menu(ui::kMenuExit); break;
        case Command::CloseBox:
            PostMessageA(harness.Dialog(), WM_CLOSE, 0, 0);
            harness.DeliverMessages();
            break;
        case Command::Enter: Menu(IDOK); break;   // what the dialog manager makes of Enter
        }
    }
};

TEST_P(UnsavedQuestion, EachAnswerSavesGoesOnOrStopsAsItSays) {
    const QuestionCase c = GetParam();
    MakeModifiedMap();
    const int newMapDialogsBefore = NewestNewMapDialog() != nullptr;
    ASSERT_EQ(newMapDialogsBefore, 0);

    const bool goesOn = c.answer != Answer::Cancel;
    Modal().AnswerButton(c.answer == Answer::Cancel ? IDCANCEL : c.answer == Answer::No ? IDNO : IDYES);
    if (c.answer == Answer::YesAndSave) {
        Modal().ChooseFile(DataFile("kept.qrd"));
        Modal().AnswerButton(IDOK);
    }
    if (c.answer == Answer::YesThenCancelTheSave) Modal().CancelFile();
    if (goesOn && c.command == Command::Open) Modal().CancelFile();   // then nothing is opened
    Issue(c.command);

    const std::vector<ModalRequest>& asked = Modal().Requests();
    ASSERT_FALSE(asked.empty());
    ExpectMessage(asked[0], texts::kModifiedCaption, texts::kModified, MB_YESNOCANCEL, MB_ICONWARNING);
    EXPECT_EQ(asked[0].owner, nullptr);
    if (c.answer == Answer::YesAndSave || c.answer == Answer::YesThenCancelTheSave) {
        ASSERT_GE(asked.size(), 2u);
        ExpectMapDialog(asked[1], ModalRequest::Kind::SaveFile, texts::kSaveDialogTitle);
        EXPECT_EQ(asked[1].owner, harness.Dialog());
    }
    EXPECT_EQ(DataFileExists("kept.qrd"), c.answer == Answer::YesAndSave);

    const bool exits = c.command == Command::Exit || c.command == Command::CloseBox || c.command == Command::Enter;
    EXPECT_EQ(harness.QuitWaiting(), exits && goesOn);
    EXPECT_EQ(NewestNewMapDialog() != nullptr, c.command == Command::New && goesOn);
    const bool openAsked = !FileDialogs().empty() && FileDialogs().back().kind == ModalRequest::Kind::OpenFile;
    EXPECT_EQ(openAsked, c.command == Command::Open && goesOn);
    if (openAsked) {
        ExpectMapDialog(FileDialogs().back(), ModalRequest::Kind::OpenFile, texts::kOpenDialogTitle);
    }

    if (c.command == Command::Close && goesOn) {
        EXPECT_FALSE(Doc().IsOpen());
        EXPECT_FALSE(Doc().IsModified());
    } else {
        // The document itself is untouched; only a save clears its flag.
        EXPECT_TRUE(Doc().IsOpen());
        EXPECT_EQ(Kind(3, 3), kKindStone);
        EXPECT_EQ(Doc().IsModified(), c.answer != Answer::YesAndSave);
    }
}

INSTANTIATE_TEST_SUITE_P(NewOpenCloseExit, UnsavedQuestion, testing::ValuesIn(AllQuestionCases()), CaseName);

TEST_F(FileCommands, ExitWithNothingUnsavedQuitsWithoutAQuestion) {
    Menu(ui::kMenuExit);
    EXPECT_TRUE(harness.QuitWaiting()) << "no document";
    EXPECT_TRUE(Modal().Requests().empty());
}

TEST_F(FileCommands, ExitAfterASaveQuitsWithoutAQuestion) {
    MakeModifiedMap();
    SaveAs("done.qrd");
    Modal().Clear();
    Menu(ui::kMenuExit);
    EXPECT_TRUE(harness.QuitWaiting());
    EXPECT_TRUE(Modal().Requests().empty());
}

TEST_F(FileCommands, CloseKeepsThePointsLimitsAndTheirFields) {
    MakeModifiedMap();
    Type(harness.Dialog(), ui::kEndX, "9");
    Press(ui::kAssignEnd);
    Type(harness.Dialog(), ui::kFirstLimitField + 3, "42");
    Press(ui::kAssignLimits);
    Modal().AnswerButton(IDNO);
    Menu(ui::kMenuClose);
    EXPECT_FALSE(Doc().IsOpen());
    EXPECT_EQ(Doc().GetEndPoint().x, 9);
    EXPECT_EQ(Doc().maxUse[3], 42);
    EXPECT_EQ(Text(ui::kEndX), "9");
    EXPECT_EQ(Text(ui::kFirstLimitField + 3), "42");
    // Nothing of the closed map is drawn, and clicks change nothing.
    ClickCell(5, 5);
    EXPECT_EQ(CountKind(kKindStone), 0);
}

// ---- Save ------------------------------------------------------------------

TEST_F(FileCommands, SaveOfANewMapWritesWithoutTheOverwriteQuestion) {
    MakeModifiedMap();
    Modal().Clear();
    SaveAs("first.qrd");
    ASSERT_EQ(Modal().Requests().size(), 2u);
    ExpectMapDialog(Modal().Requests()[0], ModalRequest::Kind::SaveFile, texts::kSaveDialogTitle);
    ExpectMessage(Modal().Requests()[1], texts::kSavedCaption, texts::kSaved, MB_OK, 0);
    EXPECT_TRUE(DataFileExists("first.qrd"));
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_STREQ(Doc().GetFileName(), "") << "Save does not rename the document";
}

TEST_F(FileCommands, ANameWithoutExtensionIsSavedWithQrd) {
    MakeModifiedMap();
    SaveAs("plain");
    EXPECT_TRUE(DataFileExists("plain.qrd"));
}

TEST_F(FileCommands, SaveToTheOpenedNameAsksBeforeOverwritingAndOtherNamesDoNot) {
    MakeModifiedMap();
    SaveAs("a.qrd");
    OpenFile("a.qrd");
    ASSERT_STREQ(Doc().GetFileName(), "a.qrd");
    const QByteArray original = Contents("a.qrd");
    ClickCell(8, 8);   // one more stone
    Modal().Clear();

    // No keeps the file and the changes.
    Modal().ChooseFile(DataFile("a.qrd"));
    Modal().AnswerButton(IDNO);
    Menu(ui::kMenuSave);
    ASSERT_EQ(MessageBoxes().size(), 1u);
    ExpectMessage(Modal().Requests()[1], texts::kOverwriteCaption, texts::kOverwrite, MB_YESNO, MB_ICONWARNING);
    EXPECT_EQ(Contents("a.qrd"), original);
    EXPECT_TRUE(Doc().IsModified());

    // Yes writes it.
    Modal().Clear();
    Modal().ChooseFile(DataFile("a.qrd"));
    Modal().AnswerButton(IDYES);
    Modal().AnswerButton(IDOK);
    Menu(ui::kMenuSave);
    EXPECT_EQ(MessageBoxes().size(), 2u);
    EXPECT_NE(Contents("a.qrd"), original);
    EXPECT_FALSE(Doc().IsModified());

    // Another name, new or already written, never asks: the document is still a.qrd.
    for (int time = 0; time < 2; ++time) {
        Modal().Clear();
        SaveAs("b.qrd");
        ASSERT_EQ(MessageBoxes().size(), 1u) << time;
        EXPECT_EQ(MessageBoxes()[0].text, texts::kSaved);
    }
    EXPECT_EQ(Contents("b.qrd"), Contents("a.qrd"));
}

TEST_F(FileCommands, NamesUpTo255BytesAreSavedWholeAndLongerOnesRefused) {
    MakeModifiedMap();
    const std::string longest = std::string(251, 'm') + ".qrd";   // 255 bytes, the longest a folder holds
    Modal().Clear();
    SaveAs(longest.c_str());
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_EQ(MessageBoxes()[0].text, texts::kSaved);
    EXPECT_TRUE(DataFileExists(longest.c_str()));
    EXPECT_FALSE(Doc().IsModified());

    ClickCell(9, 9);
    const std::string tooLong = std::string(252, 'n') + ".qrd";
    Modal().Clear();
    Modal().ChooseFile(DataFile(tooLong.c_str()));
    Modal().AnswerButton(IDOK);
    Menu(ui::kMenuSave);
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_EQ(MessageBoxes()[0].caption, "오류~");
    EXPECT_NE(MessageBoxes()[0].text.find("255"), std::string::npos) << MessageBoxes()[0].text;
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(FileCommands, SaveWithNoDocumentOnlySaysSo) {
    Modal().AnswerButton(IDOK);
    Menu(ui::kMenuSave);
    ASSERT_EQ(Modal().Requests().size(), 1u);
    ExpectMessage(Modal().Requests()[0], texts::kNotOpenCaption, texts::kNotOpen, MB_OK, 0);
    EXPECT_EQ(Modal().Requests()[0].owner, nullptr);
    EXPECT_FALSE(Doc().IsOpen());
}

TEST_F(FileCommands, ACancelledSaveDialogWritesNothing) {
    MakeModifiedMap();
    Modal().CancelFile();
    Menu(ui::kMenuSave);
    EXPECT_TRUE(MessageBoxes().empty());
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_TRUE(QDir(DataPath("")).entryList({"*.qrd"}).isEmpty());
}

TEST_F(FileCommands, ASaveThatCannotBeWrittenSaysSoAndKeepsTheChanges) {
    MakeModifiedMap();
    ASSERT_TRUE(QDir(DataPath("")).mkdir("taken.qrd"));   // a folder holds the name
    Modal().ChooseFile(DataFile("taken.qrd"));
    Modal().AnswerButton(IDOK);
    Menu(ui::kMenuSave);
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_EQ(MessageBoxes()[0].caption, "Save Error");
    EXPECT_EQ(MessageBoxes()[0].text, "taken.qrd 파일을 저장하지 못했습니다.");
    EXPECT_TRUE(Doc().IsModified());

    // Nor does a command that asked to save first drop the changes then.
    Modal().Clear();
    Modal().AnswerButton(IDYES);
    Modal().ChooseFile(DataFile("taken.qrd"));
    Modal().AnswerButton(IDOK);
    Menu(ui::kMenuClose);
    EXPECT_EQ(MessageBoxes().back().caption, "Save Error");
    EXPECT_TRUE(Doc().IsOpen());
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Kind(3, 3), kKindStone);
}

// ---- Open ------------------------------------------------------------------

TEST_F(FileCommands, OpenReadsTheMapAndStartsItUnchangedAtTheOrigin) {
    NewMap(50, 40);
    Press(ui::kFirstModeButton + kModeOneCell);
    Press(ui::KindButton(kKindWormHole));
    ClickCell(30, 20);
    Type(harness.Dialog(), ui::kStartX, "7");
    Press(ui::kAssignStart);
    SaveAs("roundtrip.qrd");

    NewMap(10, 10);   // nothing unsaved: no question
    Type(harness.Dialog(), ui::kStartX, "2");
    Press(ui::kAssignStart);
    ScrollMessage(WM_HSCROLL, SB_LINEDOWN);   // a map that fits: one pixel
    Modal().AnswerButton(IDNO);
    OpenFile("roundtrip.qrd");

    EXPECT_TRUE(Doc().IsOpen());
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_STREQ(Doc().GetFileName(), "roundtrip.qrd");
    EXPECT_EQ(Doc().GetWidth(), 50);
    EXPECT_EQ(Doc().GetHeight(), 40);
    EXPECT_EQ(Kind(30, 20), kKindWormHole);
    EXPECT_EQ(Doc().GetStartPoint().x, 7);
    EXPECT_EQ(Text(ui::kStartX), "7") << "the reader shows the file's points";
    EXPECT_EQ(Scene().History().Count(), 1);
    EXPECT_EQ(Scene().GetViewOffset().x, 0.0f);
    int low = -1, high = -1;
    GetScrollRange(harness.View(), SB_HORZ, &low, &high);
    EXPECT_EQ(high, (50 - 32) * kCell);
    EXPECT_EQ(GetScrollPos(harness.View(), SB_HORZ), 0);
}

TEST_F(FileCommands, OpenOfTheSampleMapShowsItsObjectsPointsAndLimits) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUARROW_SOURCE_DIR "/Execute/data/sample.qrd"), DataPath("sample.qrd")));
    OpenFile("sample.qrd");
    ASSERT_TRUE(Doc().IsOpen());
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Doc().GetWidth(), 20);
    EXPECT_EQ(Doc().GetHeight(), 15);
    EXPECT_EQ(Doc().matterCount, 1);
    EXPECT_EQ(ObjectButtonText(0), "o");
    for (int slot = 1; slot < kObjectButtonCount; ++slot) EXPECT_EQ(ObjectButtonText(slot), "x") << slot;
    EXPECT_EQ(Kind(18, 1), kKindGate);
    EXPECT_TRUE(Doc().gates[1][18].present);
    EXPECT_EQ(Doc().gates[1][18].partnerX, 1);
    EXPECT_EQ(Doc().gates[1][18].partnerY, 13);
    const std::pair<int, const char*> fields[] = {
        {ui::kStartX, "1"}, {ui::kStartY, "1"}, {ui::kEndX, "18"}, {ui::kEndY, "13"},
        {ui::kFirstLimitField + 0, "30"}, {ui::kFirstLimitField + 1, "5"}, {ui::kFirstLimitField + 2, "5"},
        {ui::kFirstLimitField + 3, "3"}, {ui::kFirstLimitField + 4, "3"}, {ui::kFirstLimitField + 5, "4"},
        {ui::kFirstLimitField + 6, "2"},
    };
    for (const auto& [id, shown] : fields) EXPECT_EQ(Text(id), shown) << "field " << id;
    // The end marker lies over the object that covers its cell.
    EXPECT_TRUE(CellShowsTile(18 * kCell, 13 * kCell, 4));
}

TEST_F(FileCommands, ACancelledOpenKeepsTheMapAndPutsTheViewBackAtTheOrigin) {
    NewMap(100, 100);
    ScrollMessage(WM_HSCROLL, SB_LINEDOWN);
    ScrollMessage(WM_HSCROLL, SB_LINEDOWN);
    ScrollMessage(WM_VSCROLL, SB_PAGEDOWN);
    Modal().AnswerButton(IDNO);
    Modal().CancelFile();
    Menu(ui::kMenuOpen);
    EXPECT_EQ(Doc().GetWidth(), 100);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(GetScrollPos(harness.View(), SB_HORZ), 0);
    EXPECT_EQ(GetScrollPos(harness.View(), SB_VERT), 0);
    // The view follows its scroll bars, so a click lands where the thumbs say.
    EXPECT_EQ(Scene().GetViewOffset().x, 0.0f);
    EXPECT_EQ(Scene().GetViewOffset().y, 0.0f);
    Press(ui::kFirstModeButton + kModeOneCell);
    Press(ui::KindButton(kKindStone));
    ClickCell(0, 0);
    EXPECT_EQ(Kind(0, 0), kKindStone);
}

struct UnreadableCase {
    const char* what;
    const char* name;
    bool folder;   // made as a folder rather than left missing
};

TEST_F(FileCommands, AnUnreadableFileIsReportedAndTheOpenMapKeptUntilTheExitQuestion) {
    const UnreadableCase cases[] = {{"missing", "missing.qrd", false}, {"a folder", "folder.qrd", true}};
    for (const UnreadableCase& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.folder) {
            ASSERT_TRUE(QDir(DataPath("")).mkdir(c.name));
        }
        Modal().AnswerButton(IDNO);
        MakeModifiedMap();
        Modal().Clear();
        // Open without saving first; the file fails; the exit that follows
        // asks again, and Cancel keeps the editor running with the map.
        Modal().AnswerButton(IDNO);
        Modal().ChooseFile(DataFile(c.name));
        Modal().AnswerButton(IDOK);
        Modal().AnswerButton(IDCANCEL);
        Menu(ui::kMenuOpen);
        const std::vector<Asked> boxes = MessageBoxes();
        ASSERT_EQ(boxes.size(), 3u);
        EXPECT_EQ(boxes[0].text, texts::kModified);
        EXPECT_EQ(boxes[1].caption, "Open Error");
        EXPECT_EQ(boxes[1].text, std::string(c.name) + " 파일을 열지 못했습니다.");
        EXPECT_EQ(boxes[2].text, texts::kModified);
        EXPECT_FALSE(harness.QuitWaiting());
        EXPECT_TRUE(Doc().IsOpen());
        EXPECT_TRUE(Doc().IsModified());
        EXPECT_EQ(Kind(3, 3), kKindStone);
        EXPECT_EQ(Doc().GetWidth(), 20);
        Modal().Clear();
    }
}

TEST_F(FileCommands, AnUnreadableFileWithNothingUnsavedEndsTheEditor) {
    MakeModifiedMap();
    SaveAs("saved.qrd");
    Modal().Clear();
    Modal().ChooseFile(DataFile("missing.qrd"));
    Modal().AnswerButton(IDOK);
    Menu(ui::kMenuOpen);
    ASSERT_EQ(MessageBoxes().size(), 1u);
    EXPECT_EQ(MessageBoxes()[0].caption, "Open Error");
    EXPECT_TRUE(harness.QuitWaiting());
    EXPECT_EQ(Kind(3, 3), kKindStone) << "the open map was not reset by the failed open";
}

}  // namespace
