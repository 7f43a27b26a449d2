#pragma once
// The common open and save dialogs as the editor uses them: one filter, a
// start folder relative to the working directory, a default extension, and
// the chosen file handed back as a bare name that fits a name field.

#include "mapdocument.h"
#include "wintypes.h"

struct FileChooserSettings {
    const char* filter;            // "Description\0*.ext\0"
    const char* initialFolder;     // ".\\data"
    const char* title;
    const char* defaultExtension;  // without the dot
    bool save;                     // the save dialog rather than the open dialog
};

// True with the bare name in `name` when the user chose a file. False when
// the dialog was cancelled or failed, or when the name does not fit `name`
// (then `reportTooLong` tells the user; a name is never cut); `name` is then
// left as it was.
bool ChooseBareFileName(HWND owner, const FileChooserSettings& settings, char (&name)[kNameSize],
                        void (*reportTooLong)());
