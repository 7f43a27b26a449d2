#pragma once
// The editor's two windows: the main dialog with the menu and palettes, and
// the view inside it that the map is drawn into.

#include "wintypes.h"

class MainWindow {
public:
    MainWindow() = default;
    virtual ~MainWindow() = default;

    // Creates and places both windows; true when the main dialog exists.
    bool Init();
    // The windows stay until the process ends.
    void Release() {}

    HWND GetMainDialog() const { return mainDialog; }
    HWND GetViewWindow() const { return viewWindow; }

private:
    HWND mainDialog = nullptr;
    HWND viewWindow = nullptr;
};

// Where the view sits in the main dialog's client area, and the size of its
// drawing area: 32 x 25 cells of 24 pixels.
constexpr int kViewLeft = 10;
constexpr int kViewTop = 25;
constexpr int kViewClientWidth = 762;    // before the caption-and-frame allowance
constexpr int kViewClientHeight = 568;
