// Every control of the main dialog (133) and the new-map dialog (140): its
// pixel rectangle from dialog units, its exact label and its kind.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QGlyphRun>
#include <QTextLayout>

#include "dialogtemplate.h"
#include "recordingdialog.h"
#include "windowsystem.h"

namespace {

// Dialog units to pixels, rounding halves up: base units 6 x 13.
int PixelsX(int units) { return (units * 6 + 2) / 4; }
int PixelsY(int units) { return (units * 13 + 4) / 8; }

enum class Kind { Static, Group, PushRadio, Radio, Push, PushCheck, Edit };

struct Expected {
    int id;       // -1: found by label
    Kind kind;
    const char* label;
    int x, y, w, h;
    bool group = false;
    bool tabStop = false;
    bool border = false;
};

const Expected kMainDialog[] = {
    {-1, Kind::Static, "View  (32 x 25)", 7, 7, 49, 8},
    {1030, Kind::Group, "그리기 모드", 540, 14, 113, 32},
    {150, Kind::PushRadio, "포인트", 546, 23, 26, 10, true, true},
    {151, Kind::PushRadio, "한칸", 574, 23, 20, 10, false, true},
    {152, Kind::PushRadio, "채우기", 596, 23, 28, 10, false, true},
    {153, Kind::PushRadio, "도배", 626, 23, 20, 10, false, true},
    {1060, Kind::Push, "뒤로가기 (UNDO)", 545, 34, 101, 10, false, true},
    {-1, Kind::Group, "하단 레이어", 540, 48, 114, 75},
    {360, Kind::Radio, "빈 공간", 546, 58, 42, 10, true},
    {361, Kind::Radio, "한지", 599, 58, 32, 10},
    {362, Kind::Radio, "돌덩이", 546, 68, 40, 10},
    {363, Kind::Radio, "진흙덩이", 599, 68, 48, 10},
    {364, Kind::Radio, "웜 홀", 546, 78, 34, 10},
    {365, Kind::Radio, "음식", 599, 78, 32, 10},
    {366, Kind::Radio, "오물", 546, 88, 32, 10},
    {1026, Kind::Radio, "게이트", 599, 88, 40, 10},
    {368, Kind::Radio, "일방통행", 546, 98, 48, 10},
    {369, Kind::Radio, "지뢰", 599, 98, 32, 10},
    {370, Kind::Radio, "함정", 546, 108, 32, 10},
    {1038, Kind::Group, "상위 레이어 (물체)", 539, 124, 116, 152},
    {1043, Kind::Push, "Load", 544, 258, 24, 14},
    {1002, Kind::PushCheck, "Eraser", 571, 258, 27, 14},
    {1044, Kind::Push, "Clear", 601, 258, 22, 14},
    {1042, Kind::Push, "Empty", 625, 258, 25, 14},
    {-1, Kind::Group, "사용 한도 설정(횟수)", 539, 279, 116, 64},
    {-1, Kind::Static, "파기", 545, 290, 17, 8},
    {-1, Kind::Static, "돌", 548, 303, 9, 8},
    {-1, Kind::Static, "진흙", 545, 317, 17, 8},
    {-1, Kind::Static, "음식", 545, 329, 17, 8},
    {-1, Kind::Static, "오물", 586, 291, 17, 8},
    {-1, Kind::Static, "일방", 586, 303, 17, 8},
    {-1, Kind::Static, "지뢰", 586, 316, 17, 8},
    {1053, Kind::Edit, "", 564, 289, 18, 12, true, true, true},
    {1054, Kind::Edit, "", 564, 302, 18, 12, false, true, true},
    {1055, Kind::Edit, "", 564, 314, 18, 12, false, true, true},
    {1056, Kind::Edit, "", 564, 327, 18, 12, false, true, true},
    {1057, Kind::Edit, "", 605, 289, 18, 12, false, true, true},
    {1058, Kind::Edit, "", 605, 301, 18, 12, false, true, true},
    {1059, Kind::Edit, "", 605, 314, 18, 12, false, true, true},
    {1009, Kind::Push, "Assign", 626, 289, 25, 50, false, true},
    {-1, Kind::Static, "(0~100)", 590, 329, 28, 8},
    {-1, Kind::Group, "Start Point", 539, 343, 115, 24},
    {-1, Kind::Static, "X", 546, 353, 8, 8},
    {1049, Kind::Edit, "", 554, 352, 18, 12, false, true},
    {-1, Kind::Static, "Y", 578, 353, 8, 8},
    {1050, Kind::Edit, "", 586, 352, 18, 12, false, true},
    {1007, Kind::Push, "Assign", 612, 352, 35, 12, false, true},
    {-1, Kind::Group, "End Point", 539, 367, 115, 24},
    {-1, Kind::Static, "X", 547, 377, 8, 8},
    {1051, Kind::Edit, "", 555, 376, 18, 12, false, true},
    {-1, Kind::Static, "Y", 579, 377, 8, 8},
    {1052, Kind::Edit, "", 587, 376, 18, 12, false, true},
    {1008, Kind::Push, "Assign", 613, 376, 35, 12, false, true},
};

const Expected kNewMapDialog[] = {
    {1, Kind::Push, "확인", 133, 7, 50, 14},
    {2, Kind::Push, "취소", 133, 24, 50, 14},
    {-1, Kind::Static, "Max X", 13, 14, 20, 8},
    {-1, Kind::Static, "Max Y", 49, 14, 19, 8},
    {-1, Kind::Static, "(10~100)", 81, 15, 32, 8},
    {-1, Kind::Group, "New", 7, 7, 121, 33},
    {1032, Kind::Edit, "", 12, 22, 21, 14, true, true, true},
    {1036, Kind::Edit, "", 48, 22, 21, 14, false, true, true},
};

const char* KindName(Kind kind) {
    switch (kind) {
    case Kind::Static: return "static";
    case Kind::Group: return "group";
    case Kind::PushRadio: return "push radio";
    case Kind::Radio: return "radio";
    case Kind::Push: return "push";
    case Kind::PushCheck: return "push check";
    case Kind::Edit: return "edit";
    }
    return "?";
}

// What the widget is, from the widget alone.
Kind KindOf(QWidget* widget, const DialogItemTemplate& item) {
    if (qobject_cast<QLabel*>(widget)) return Kind::Static;
    if (qobject_cast<QGroupBox*>(widget)) return Kind::Group;
    if (qobject_cast<QLineEdit*>(widget)) return Kind::Edit;
    if (qobject_cast<QRadioButton*>(widget)) return Kind::Radio;
    if (auto* push = qobject_cast<QPushButton*>(widget)) {
        if (!push->isCheckable()) return Kind::Push;
        return (item.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON ? Kind::PushRadio : Kind::PushCheck;
    }
    return Kind::Static;
}

QString Label(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* box = qobject_cast<QGroupBox*>(widget)) return box->title();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    return {};
}

class TemplateGeometry : public RecordingDialogTest {
protected:
    // Checks the created dialog against the expectations, in template order.
    void Check(int templateId, std::span<const Expected> expected) {
        HWND dialog = Create(templateId);
        ASSERT_NE(dialog, nullptr);
        const DialogTemplate* form = FindDialogTemplate(templateId);
        ASSERT_NE(form, nullptr);
        ASSERT_EQ(form->items.size(), expected.size());
        QWidget* client = ClientWidget(dialog);
        const QList<QWidget*> widgets = client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        ASSERT_EQ(static_cast<size_t>(widgets.size()), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            const Expected& e = expected[i];
            const DialogItemTemplate& item = form->items[i];
            QWidget* widget = widgets[static_cast<qsizetype>(i)];
            SCOPED_TRACE(testing::Message() << "control " << i << " \"" << e.label << "\" id " << e.id);
            if (e.id != -1) {
                EXPECT_EQ(WindowWidget(GetDlgItem(dialog, e.id)), widget);
            }
            EXPECT_EQ(Label(widget).toStdString(), e.label);
            EXPECT_STREQ(KindName(KindOf(widget, item)), KindName(e.kind));
            EXPECT_EQ(widget->geometry(), QRect(PixelsX(e.x), PixelsY(e.y), PixelsX(e.w), PixelsY(e.h)));
            EXPECT_EQ((item.style & WS_GROUP) != 0, e.group);
            EXPECT_EQ((item.style & WS_TABSTOP) != 0, e.tabStop);
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                EXPECT_EQ(edit->hasFrame(), e.border);
                EXPECT_NE(edit->validator(), nullptr) << "digits only";
            }
        }
    }
};

TEST_F(TemplateGeometry, MainDialogControls) { Check(133, kMainDialog); }
TEST_F(TemplateGeometry, NewMapDialogControls) { Check(140, kNewMapDialog); }

TEST_F(TemplateGeometry, DialogClientSizesAndCaptions) {
    HWND main = Create(133);
    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 1004);    // 669 x 6 / 4 = 1003.5
    EXPECT_EQ(client.bottom, 655);    // 403 x 13 / 8 = 654.875
    HWND newMap = Create(140, main);
    GetClientRect(newMap, &client);
    EXPECT_EQ(client.right, 285);
    EXPECT_EQ(client.bottom, 76);     // 47 x 13 / 8 = 76.375
    EXPECT_EQ(WindowWidget(newMap)->windowTitle().toStdString(), "QRD 파일 새로 만들기~");
    EXPECT_EQ(GetParent(newMap), main);
}

TEST_F(TemplateGeometry, KoreanLabelsHaveRealGlyphs) {
    // Changed pixels would pass for missing-glyph boxes; glyph index 0 is the box.
    HWND main = Create(133);
    QWidget* label = WindowWidget(GetDlgItem(main, 363));
    QTextLayout layout(QStringLiteral("진흙덩이 그리기 모드"), label->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int glyphs = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (quint32 index : run.glyphIndexes()) {
            ++glyphs;
            EXPECT_NE(index, 0u);
        }
    }
    EXPECT_GT(glyphs, 0);
}

TEST_F(TemplateGeometry, UnknownTemplateMakesNoWindow) {
    EXPECT_EQ(Create(999), nullptr);
    EXPECT_EQ(Create(134), nullptr) << "a child template needs a parent";
}

}  // namespace
