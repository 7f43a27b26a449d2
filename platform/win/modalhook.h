#pragma once
// The seam that lets tests answer message boxes and file dialogs instead of a
// person. With a hook installed no box opens: the hook sees what would have
// been asked and returns the answer. Either way the messages waiting in the
// queue are delivered first, as a modal loop does.

#include <functional>
#include <string>

#include "wintypes.h"

struct ModalRequest {
    enum class Kind { MessageBox, OpenFile, SaveFile };
    Kind kind = Kind::MessageBox;
    HWND owner = nullptr;
    // A message box.
    std::string text;
    std::string caption;
    UINT buttons = MB_OK;          // MB_OK, MB_YESNO, ...
    UINT icon = 0;                 // MB_ICONWARNING, ...
    // A file dialog. The filter is its pairs joined by '|': "QRD Files (*.qrd)|*.qrd".
    std::string title;
    std::string filter;
    std::string initialDir;        // as the program gave it
    std::string defaultExtension;
};

struct ModalReply {
    int button = IDCANCEL;         // a message box's answer
    bool chosen = false;           // a file dialog: false when cancelled
    std::string path;              // the chosen file; relative paths start in the dialog's folder
};

using ModalAnswerHook = std::function<ModalReply(const ModalRequest&)>;

// An empty hook brings the real boxes back.
void SetModalAnswerHook(ModalAnswerHook hook);
