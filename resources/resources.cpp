#include "resources.h"

#include <array>

namespace {

// Control kinds as the dialog manager knows them.
constexpr DWORD kStatic = SS_LEFT;
constexpr DWORD kGroup = BS_GROUPBOX;
constexpr DWORD kPush = BS_PUSHBUTTON;
constexpr DWORD kDefaultPush = BS_DEFPUSHBUTTON;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;
constexpr DWORD kPushRadio = BS_AUTORADIOBUTTON | BS_PUSHLIKE;
constexpr DWORD kPushCheck = BS_AUTOCHECKBOX | BS_PUSHLIKE;
constexpr DWORD kEdit = ES_LEFT | ES_NUMBER | ES_AUTOHSCROLL;
constexpr int kNone = -1;

// Main dialog (133): the palettes, the object frame and the point and limit fields.
constexpr std::array mainDialogItems{
    DialogItemTemplate{"static", "View  (32 x 25)", kNone, kStatic, 7, 7, 49, 8},
    DialogItemTemplate{"button", "그리기 모드", 1030, kGroup, 540, 14, 113, 32},
    DialogItemTemplate{"button", "포인트", 150, kPushRadio | WS_GROUP | WS_TABSTOP, 546, 23, 26, 10},
    DialogItemTemplate{"button", "한칸", 151, kPushRadio | WS_TABSTOP, 574, 23, 20, 10},
    DialogItemTemplate{"button", "채우기", 152, kPushRadio | WS_TABSTOP, 596, 23, 28, 10},
    DialogItemTemplate{"button", "도배", 153, kPushRadio | WS_TABSTOP, 626, 23, 20, 10},
    DialogItemTemplate{"button", "뒤로가기 (UNDO)", 1060, kPush | WS_TABSTOP, 545, 34, 101, 10},
    DialogItemTemplate{"button", "하단 레이어", kNone, kGroup, 540, 48, 114, 75},
    DialogItemTemplate{"button", "빈 공간", 360, kRadio | WS_GROUP, 546, 58, 42, 10},
    DialogItemTemplate{"button", "한지", 361, kRadio, 599, 58, 32, 10},
    DialogItemTemplate{"button", "돌덩이", 362, kRadio, 546, 68, 40, 10},
    DialogItemTemplate{"button", "진흙덩이", 363, kRadio, 599, 68, 48, 10},
    DialogItemTemplate{"button", "웜 홀", 364, kRadio, 546, 78, 34, 10},
    DialogItemTemplate{"button", "음식", 365, kRadio, 599, 78, 32, 10},
    DialogItemTemplate{"button", "오물", 366, kRadio, 546, 88, 32, 10},
    DialogItemTemplate{"button", "게이트", 1026, kRadio, 599, 88, 40, 10},
    DialogItemTemplate{"button", "일방통행", 368, kRadio, 546, 98, 48, 10},
    DialogItemTemplate{"button", "지뢰", 369, kRadio, 599, 98, 32, 10},
    DialogItemTemplate{"button", "함정", 370, kRadio, 546, 108, 32, 10},
    DialogItemTemplate{"button", "상위 레이어 (물체)", 1038, kGroup, 539, 124, 116, 152},
    DialogItemTemplate{"button", "Load", 1043, kPush, 544, 258, 24, 14},
    DialogItemTemplate{"button", "Eraser", 1002, kPushCheck, 571, 258, 27, 14},
    DialogItemTemplate{"button", "Clear", 1044, kPush, 601, 258, 22, 14},
    DialogItemTemplate{"button", "Empty", 1042, kPush, 625, 258, 25, 14},
    DialogItemTemplate{"button", "사용 한도 설정(횟수)", kNone, kGroup, 539, 279, 116, 64},
    DialogItemTemplate{"static", "파기", kNone, kStatic, 545, 290, 17, 8},
    DialogItemTemplate{"static", "돌", kNone, kStatic, 548, 303, 9, 8},
    DialogItemTemplate{"static", "진흙", kNone, kStatic, 545, 317, 17, 8},
    DialogItemTemplate{"static", "음식", kNone, kStatic, 545, 329, 17, 8},
    DialogItemTemplate{"static", "오물", kNone, kStatic, 586, 291, 17, 8},
    DialogItemTemplate{"static", "일방", kNone, kStatic, 586, 303, 17, 8},
    DialogItemTemplate{"static", "지뢰", kNone, kStatic, 586, 316, 17, 8},
    DialogItemTemplate{"edit", "", 1053, kEdit | WS_BORDER | WS_GROUP | WS_TABSTOP, 564, 289, 18, 12},
    DialogItemTemplate{"edit", "", 1054, kEdit | WS_BORDER | WS_TABSTOP, 564, 302, 18, 12},
    DialogItemTemplate{"edit", "", 1055, kEdit | WS_BORDER | WS_TABSTOP, 564, 314, 18, 12},
    DialogItemTemplate{"edit", "", 1056, kEdit | WS_BORDER | WS_TABSTOP, 564, 327, 18, 12},
    DialogItemTemplate{"edit", "", 1057, kEdit | WS_BORDER | WS_TABSTOP, 605, 289, 18, 12},
    DialogItemTemplate{"edit", "", 1058, kEdit | WS_BORDER | WS_TABSTOP, 605, 301, 18, 12},
    DialogItemTemplate{"edit", "", 1059, kEdit | WS_BORDER | WS_TABSTOP, 605, 314, 18, 12},
    DialogItemTemplate{"button", "Assign", 1009, kPush | WS_TABSTOP, 626, 289, 25, 50},
    DialogItemTemplate{"static", "(0~100)", kNone, kStatic, 590, 329, 28, 8},
    DialogItemTemplate{"button", "Start Point", kNone, kGroup, 539, 343, 115, 24},
    DialogItemTemplate{"static", "X", kNone, kStatic, 546, 353, 8, 8},
    DialogItemTemplate{"edit", "", 1049, kEdit | WS_TABSTOP, 554, 352, 18, 12},
    DialogItemTemplate{"static", "Y", kNone, kStatic, 578, 353, 8, 8},
    DialogItemTemplate{"edit", "", 1050, kEdit | WS_TABSTOP, 586, 352, 18, 12},
    DialogItemTemplate{"button", "Assign", 1007, kPush | WS_TABSTOP, 612, 352, 35, 12},
    DialogItemTemplate{"button", "End Point", kNone, kGroup, 539, 367, 115, 24},
    DialogItemTemplate{"static", "X", kNone, kStatic, 547, 377, 8, 8},
    DialogItemTemplate{"edit", "", 1051, kEdit | WS_TABSTOP, 555, 376, 18, 12},
    DialogItemTemplate{"static", "Y", kNone, kStatic, 579, 377, 8, 8},
    DialogItemTemplate{"edit", "", 1052, kEdit | WS_TABSTOP, 587, 376, 18, 12},
    DialogItemTemplate{"button", "Assign", 1008, kPush | WS_TABSTOP, 613, 376, 35, 12},
};

// New map (140): the column and row counts.
constexpr std::array newMapItems{
    DialogItemTemplate{"button", "확인", IDOK, kDefaultPush, 133, 7, 50, 14},
    DialogItemTemplate{"button", "취소", IDCANCEL, kPush, 133, 24, 50, 14},
    DialogItemTemplate{"static", "Max X", kNone, kStatic, 13, 14, 20, 8},
    DialogItemTemplate{"static", "Max Y", kNone, kStatic, 49, 14, 19, 8},
    DialogItemTemplate{"static", "(10~100)", kNone, kStatic, 81, 15, 32, 8},
    DialogItemTemplate{"button", "New", kNone, kGroup, 7, 7, 121, 33},
    DialogItemTemplate{"edit", "", 1032, kEdit | WS_BORDER | WS_TABSTOP | WS_GROUP, 12, 22, 21, 14},
    DialogItemTemplate{"edit", "", 1036, kEdit | WS_BORDER | WS_TABSTOP, 48, 22, 21, 14},
};

constexpr DWORD kFixedSysFont = DS_SETFONT | DS_FIXEDSYS;

constexpr std::array dialogs{
    DialogTemplate{kMainDialogTemplate,
                   WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | kFixedSysFont,
                   0, 0, 669, 403, "Quarrow. ver 0.6   -   by Velmoran.", kMainMenu, "MS Shell Dlg", 8,
                   mainDialogItems},
    // The view: no caption, no frame, not visible until placed; the map is drawn into it.
    DialogTemplate{kViewWindowTemplate, WS_CHILD | WS_HSCROLL | WS_VSCROLL | WS_SYSMENU | kFixedSysFont,
                   0, 0, 272, 275, nullptr, 0, "MS Shell Dlg", 8, {}},
    DialogTemplate{kNewMapTemplate,
                   WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
                   50, 50, 190, 47, "QRD 파일 새로 만들기~", 0, "MS Shell Dlg", 8, newMapItems},
};

constexpr std::array fileMenu{
    MenuItemTemplate{"새로 만들기(&N)", 139, {}},
    MenuItemTemplate{"열기(&O)", 136, {}},
    MenuItemTemplate{"저장(&S)", 138, {}},
    MenuItemTemplate{"닫기(&C)", 137, {}},
    MenuItemTemplate{"끝내기(&X)", 105, {}},
};

constexpr std::array helpMenu{
    MenuItemTemplate{"정보(&A)...", 104, {}},
};

constexpr std::array mainMenuBar{
    MenuItemTemplate{"파일(&F)", 0, fileMenu},
    MenuItemTemplate{"도움말(&H)", 0, helpMenu},
};

constexpr std::array menus{
    MenuTemplate{kMainMenu, mainMenuBar},
};

constexpr ResourceSet resourceSet{dialogs, menus};

}  // namespace

const ResourceSet& QuarrowResources() { return resourceSet; }
