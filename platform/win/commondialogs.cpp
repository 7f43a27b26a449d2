// Message boxes and the open and save file dialogs, over Qt's own widgets,
// or over the test hook when one is installed.

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <cstring>

#include "messagequeue.h"
#include "modalhook.h"
#include "winapi.h"
#include "windowobject.h"

namespace {

ModalAnswerHook answerHook;
DWORD lastDialogError = 0;

QString FromAnsi(LPCSTR text) { return text == nullptr ? QString() : QString::fromUtf8(text); }
std::string Text(LPCSTR text) { return text == nullptr ? std::string() : std::string(text); }

QWidget* OwnerWidget(HWND owner) { return IsLiveWindow(owner) ? owner->outer->window() : nullptr; }

struct ButtonChoice {
    QMessageBox::StandardButton button;
    int id;
};

std::vector<ButtonChoice> ButtonsFor(UINT buttons) {
    switch (buttons) {
    case MB_OKCANCEL: return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_ABORTRETRYIGNORE:
        return {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
    case MB_YESNOCANCEL: return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO: return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case MB_RETRYCANCEL: return {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
    default: return {{QMessageBox::Ok, IDOK}};
    }
}

QMessageBox::Icon IconFor(UINT icon) {
    switch (icon) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONASTERISK: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int ShowMessageBox(const ModalRequest& request) {
    QMessageBox box(IconFor(request.icon), QString::fromStdString(request.caption),
                    QString::fromStdString(request.text), QMessageBox::NoButton, OwnerWidget(request.owner));
    const std::vector<ButtonChoice> choices = ButtonsFor(request.buttons);
    QMessageBox::StandardButtons buttons;
    for (const ButtonChoice& choice : choices) buttons |= choice.button;
    box.setStandardButtons(buttons);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    for (const ButtonChoice& choice : choices) {
        if (clicked != nullptr && clicked == box.button(choice.button)) return choice.id;
    }
    // Closed without a button: Cancel where there is one, else the only button.
    return choices.size() == 1 ? choices.front().id : IDCANCEL;
}

// The filter's pairs, "description\0pattern\0...\0", joined by '|'.
std::string FilterText(LPCSTR filter) {
    std::string joined;
    if (filter == nullptr) return joined;
    for (LPCSTR at = filter; *at != '\0'; at += std::strlen(at) + 1) {
        if (!joined.empty()) joined += '|';
        joined += at;
    }
    return joined;
}

// Qt's filter lines for the pairs. The pattern matches either letter case,
// as file names on the platform do.
QStringList QtFilters(LPCSTR filter) {
    QStringList lines;
    if (filter == nullptr) return lines;
    for (LPCSTR at = filter; *at != '\0';) {
        QString description = FromAnsi(at);
        at += std::strlen(at) + 1;
        if (*at == '\0') break;
        const QString pattern = FromAnsi(at);
        at += std::strlen(at) + 1;
        QStringList patterns;
        for (const QString& one : pattern.split(u';', Qt::SkipEmptyParts)) {
            patterns << one.toLower() << one.toUpper();
        }
        patterns.removeDuplicates();
        const qsizetype paren = description.lastIndexOf(u'(');
        if (paren > 0 && description.endsWith(u')')) description = description.left(paren).trimmed();
        lines << QStringLiteral("%1 (%2)").arg(description, patterns.join(u' '));
    }
    return lines;
}

QString StartFolder(LPCSTR initialDir) {
    QString folder = FromAnsi(initialDir);
    folder.replace(u'\\', u'/');
    return QDir::current().absoluteFilePath(folder.isEmpty() ? QStringLiteral(".") : folder);
}

QString RunQtFileDialog(const OPENFILENAMEA& request, bool save) {
    QFileDialog dialog(OwnerWidget(request.hwndOwner), FromAnsi(request.lpstrTitle), StartFolder(request.lpstrInitialDir));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Without the must-exist and overwrite-prompt flags neither dialog insists or warns.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(QtFilters(request.lpstrFilter));
    if (request.lpstrDefExt != nullptr) dialog.setDefaultSuffix(FromAnsi(request.lpstrDefExt));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().front();
}

bool Fits(const QByteArray& text, LPSTR buffer, DWORD capacity) {
    return buffer == nullptr || static_cast<DWORD>(text.size()) + 1 <= capacity;
}

void CopyInto(const QByteArray& text, LPSTR buffer) {
    if (buffer == nullptr) return;
    std::memcpy(buffer, text.constData(), static_cast<size_t>(text.size()));
    buffer[text.size()] = '\0';
}

// Completes a choice as the platform's dialog does: the default extension is
// added to a name without one, the working directory moves to the file's
// folder, and the caller receives the full path and the bare name.
BOOL FinishChoice(OPENFILENAMEA* request, QString path) {
    QFileInfo info(QDir::cleanPath(QDir(StartFolder(request->lpstrInitialDir)).absoluteFilePath(path)));
    if (info.suffix().isEmpty() && request->lpstrDefExt != nullptr && *request->lpstrDefExt != '\0') {
        info = QFileInfo(info.absoluteFilePath() + u'.' + FromAnsi(request->lpstrDefExt));
    }
    const QByteArray full = QFile::encodeName(info.absoluteFilePath());
    const QByteArray bare = QFile::encodeName(info.fileName());
    if (!Fits(full, request->lpstrFile, request->nMaxFile) ||
        !Fits(bare, request->lpstrFileTitle, request->nMaxFileTitle)) {
        lastDialogError = FNERR_BUFFERTOOSMALL;
        return FALSE;
    }
    QDir::setCurrent(info.absolutePath());
    CopyInto(full, request->lpstrFile);
    CopyInto(bare, request->lpstrFileTitle);
    request->nFileOffset = static_cast<WORD>(full.size() - bare.size());
    const qsizetype dot = bare.lastIndexOf('.');
    request->nFileExtension = static_cast<WORD>(dot < 0 ? full.size() : request->nFileOffset + dot + 1);
    return TRUE;
}

BOOL ChooseFile(OPENFILENAMEA* request, bool save) {
    lastDialogError = 0;
    if (request == nullptr || request->lpstrFile == nullptr || request->nMaxFile == 0) return FALSE;
    ModalScope modal;
    QString path;
    if (answerHook) {
        DeliverWaitingMessages();
        ModalRequest asked;
        asked.kind = save ? ModalRequest::Kind::SaveFile : ModalRequest::Kind::OpenFile;
        asked.owner = request->hwndOwner;
        asked.title = Text(request->lpstrTitle);
        asked.filter = FilterText(request->lpstrFilter);
        asked.initialDir = Text(request->lpstrInitialDir);
        asked.defaultExtension = Text(request->lpstrDefExt);
        const ModalReply reply = answerHook(asked);
        if (reply.chosen) path = QString::fromStdString(reply.path);
    } else {
        path = RunQtFileDialog(*request, save);
    }
    if (path.isEmpty()) return FALSE;
    return FinishChoice(request, path);
}

}  // namespace

void SetModalAnswerHook(ModalAnswerHook hook) { answerHook = std::move(hook); }

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    ModalRequest request;
    request.kind = ModalRequest::Kind::MessageBox;
    request.owner = owner;
    request.text = Text(text);
    request.caption = caption == nullptr ? std::string("Error") : std::string(caption);
    request.buttons = type & MB_TYPEMASK;
    request.icon = type & MB_ICONMASK;
    ModalScope modal;
    if (answerHook) {
        DeliverWaitingMessages();
        return answerHook(request).button;
    }
    return ShowMessageBox(request);
}

BOOL GetOpenFileNameA(OPENFILENAMEA* request) { return ChooseFile(request, false); }
BOOL GetSaveFileNameA(OPENFILENAMEA* request) { return ChooseFile(request, true); }
DWORD CommDlgExtendedError() { return lastDialogError; }
