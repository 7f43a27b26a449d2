#include "editorfixture.h"

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QWidget>

#include "ddsreader.h"
#include "graphicsdevice.h"
#include "newmap.h"
#include "windowsystem.h"

namespace {

const QString kExecute = QStringLiteral(QUARROW_SOURCE_DIR "/Execute");

bool CopyInto(const QString& from, const QString& to) { return QFile::copy(from, to); }

}  // namespace

void EditorTest::SetUp() {
    ASSERT_TRUE(folder.isValid());
    const QDir root(folder.path());
    ASSERT_TRUE(root.mkdir(QStringLiteral("data")));
    ASSERT_TRUE(CopyInto(kExecute + "/map.dds", root.filePath("map.dds")));
    ASSERT_TRUE(CopyInto(kExecute + "/cur.dds", root.filePath("cur.dds")));
    ASSERT_TRUE(CopyInto(kExecute + "/data/map.dds", root.filePath("data/map.dds")));
    ASSERT_TRUE(CopyInto(kExecute + "/cur.dds", root.filePath("data/cur.dds")));
    ASSERT_TRUE(CopyInto(kExecute + "/data/" + kObjectImage, root.filePath(QString("data/") + kObjectImage)));
    previousFolder = QDir::currentPath();
    QDir::setCurrent(folder.path());

    // The tile sheet as the view should show it.
    QFile sheet(root.filePath("map.dds"));
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    const QByteArray bytes = sheet.readAll();
    quarrow::d3d::DecodedImage image;
    std::string error;
    ASSERT_TRUE(quarrow::d3d::DecodeDds(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                        static_cast<size_t>(bytes.size()), &image, &error))
        << error;
    sheetPixels = std::move(image.pixels);
    sheetWidth = image.width;

    // Keep the pointer far from the view so its previews stay out of the frame.
    QCursor::setPos(-4000, -4000);
    harness.Start();
    harness.DeliverMessages();
}

void EditorTest::TearDown() {
    // Every question a test did not script is a question the user was not expected to see.
    EXPECT_EQ(Modal().Unexpected(), 0) << "questions asked that the test did not answer";
    EXPECT_EQ(Modal().Unused(), 0u) << "answers scripted for questions never asked";
    QDir::setCurrent(previousFolder);
}

EditorScene& EditorTest::Scene() const {
    EditorScene* scene = GetEditorScene();
    EXPECT_NE(scene, nullptr);
    return *scene;
}

void EditorTest::Menu(int id) {
    PostMessageA(harness.Dialog(), WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), 0), 0);
    harness.DeliverMessages();
}

void EditorTest::Type(HWND dialog, int id, const std::string& text) {
    QWidget* edit = WindowWidget(GetDlgItem(dialog, id));
    ASSERT_NE(edit, nullptr);
    SetDlgItemTextA(dialog, id, "");
    edit->setFocus();
    QTest::keyClicks(edit, QString::fromStdString(text));
}

std::string EditorTest::ObjectButtonText(int slot) const {
    char buffer[16] = {};
    GetWindowTextA(Scene().ObjectButton(slot), buffer, sizeof buffer);
    return buffer;
}

HWND EditorTest::OpenNewMapDialog() {
    const HWND before = NewestNewMapDialog();
    Menu(ui::kMenuNew);
    const HWND now = NewestNewMapDialog();
    return now != before ? now : nullptr;
}

void EditorTest::ClickDialogButton(HWND dialog, int id) {
    QWidget* button = WindowWidget(GetDlgItem(dialog, id));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    harness.DeliverMessages();
}

void EditorTest::NewMap(int width, int height) {
    const HWND dialog = OpenNewMapDialog();
    ASSERT_NE(dialog, nullptr);
    Type(dialog, kNewMapWidthField, std::to_string(width));
    Type(dialog, kNewMapHeightField, std::to_string(height));
    ClickDialogButton(dialog, IDOK);
    ASSERT_FALSE(IsWindow(dialog));
}

void EditorTest::ViewMessage(UINT message, WPARAM wParam, int x, int y) {
    PostMessageA(harness.View(), message, wParam,
                 MAKELPARAM(static_cast<WORD>(static_cast<int16_t>(x)), static_cast<WORD>(static_cast<int16_t>(y))));
    harness.DeliverMessages();
}

void EditorTest::ClickCell(int column, int row) {
    const int x = column * kCell + kCell / 2;
    const int y = row * kCell + kCell / 2;
    LeftDown(x, y);
    LeftUp(x, y);
}

void EditorTest::DragThrough(const std::vector<CellPoint>& cells) {
    if (cells.empty()) return;
    const auto centre = [](int32_t c) { return c * kCell + kCell / 2; };
    LeftDown(centre(cells.front().x), centre(cells.front().y));
    for (size_t i = 1; i < cells.size(); ++i) MoveTo(centre(cells[i].x), centre(cells[i].y));
    LeftUp(centre(cells.back().x), centre(cells.back().y));
}

void EditorTest::ScrollMessage(UINT message, WORD code, WORD thumb) {
    PostMessageA(harness.View(), message, MAKEWPARAM(code, thumb), 0);
    harness.DeliverMessages();
}

int EditorTest::CountKind(int32_t kind) const {
    int count = 0;
    for (int row = 0; row < kGridSize; ++row) {
        for (int column = 0; column < kGridSize; ++column) count += Kind(column, row) == kind;
    }
    return count;
}

std::vector<Asked> EditorTest::MessageBoxes() {
    std::vector<Asked> asked;
    for (const ModalRequest& request : harness.modal().Requests()) {
        if (request.kind == ModalRequest::Kind::MessageBox) asked.push_back({request.caption, request.text});
    }
    return asked;
}

std::vector<ModalRequest> EditorTest::FileDialogs() {
    std::vector<ModalRequest> asked;
    for (const ModalRequest& request : harness.modal().Requests()) {
        if (request.kind != ModalRequest::Kind::MessageBox) asked.push_back(request);
    }
    return asked;
}

uint32_t EditorTest::FramePixel(int x, int y) const {
    return GetGraphicsDevice()->GetDevice()->BackBufferPixel(x, y);
}

uint32_t EditorTest::SheetTexel(int tile, int dx, int dy) const {
    const int x = (tile % 20) * kCell + dx;
    const int y = (tile / 20) * kCell + dy;
    return sheetPixels[static_cast<size_t>(y) * sheetWidth + static_cast<size_t>(x)];
}

bool EditorTest::CellShowsTile(int viewX, int viewY, int tile) {
    harness.RunFrames(1);
    int compared = 0;
    for (int dy = 0; dy < kCell; ++dy) {
        for (int dx = 0; dx < kCell; ++dx) {
            const uint32_t texel = SheetTexel(tile, dx, dy);
            if ((texel >> 24) != 0xFF) continue;  // blended with what lies below
            if (FramePixel(viewX + dx, viewY + dy) != texel) return false;
            ++compared;
        }
    }
    return compared > 0;
}

QString EditorTest::DataPath(const char* name) const { return QDir(folder.path()).filePath(QString("data/") + name); }

bool EditorTest::DataFileExists(const char* name) const { return QFileInfo(DataPath(name)).isFile(); }
