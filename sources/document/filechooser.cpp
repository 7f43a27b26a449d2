#include "filechooser.h"

#include <cstring>

#include "winapi.h"

namespace {

// The dialog writes the whole path too; it may be far longer than the name.
constexpr DWORD kPathBufferSize = 4096;
constexpr DWORD kTitleBufferSize = 1024;

}  // namespace

bool ChooseBareFileName(HWND owner, const FileChooserSettings& settings, char (&name)[kNameSize],
                        void (*reportTooLong)()) {
    char path[kPathBufferSize] = {};
    char title[kTitleBufferSize] = {};
    OPENFILENAMEA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = settings.filter;
    request.nFilterIndex = 0;
    request.lpstrFile = path;
    request.nMaxFile = kPathBufferSize;
    request.lpstrFileTitle = title;
    request.nMaxFileTitle = kTitleBufferSize;
    request.lpstrInitialDir = settings.initialFolder;
    request.lpstrTitle = settings.title;
    request.Flags = 0;
    request.lpstrDefExt = settings.defaultExtension;
    const BOOL chosen = settings.save ? GetSaveFileNameA(&request) : GetOpenFileNameA(&request);
    const bool fits = chosen ? std::strlen(title) < sizeof name : CommDlgExtendedError() != FNERR_BUFFERTOOSMALL;
    if (!fits) reportTooLong();
    if (!chosen || !fits) return false;
    std::memcpy(name, title, std::strlen(title) + 1);
    return true;
}
