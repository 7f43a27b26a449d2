#pragma once
// A dialog made from one of the program's templates whose procedure records
// the messages it receives, for tests of the window layer.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "apptestharness.h"

struct Received {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class RecordingDialogTest : public testing::Test {
public:
    RecordingDialogTest();
    ~RecordingDialogTest() override;

    // Creates template `id` (owner or parent `parent`) with the recording procedure.
    HWND Create(int templateId, HWND parent = nullptr);
    // Delivers what waits in the queue, as the loop would.
    void Deliver();
    std::vector<Received> Commands() const;   // the WM_COMMAND messages only
    std::vector<Received> Of(UINT message) const;

    std::vector<Received> received;
    // Runs inside the procedure for every message, after recording it.
    std::function<INT_PTR(HWND, UINT, WPARAM, LPARAM)> onMessage;
    ModalScript script;

private:
    Watchdog watchdog{std::chrono::seconds(60), "a window-layer test"};
};
