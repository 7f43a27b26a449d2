#pragma once
// Inside the window layer: the thread's message queue as the modal boxes and
// the wait functions see it.

#include <cstddef>

#include "wintypes.h"

// Dispatches every waiting message except WM_QUIT, as a modal loop does,
// including messages posted while doing so.
void DeliverWaitingMessages();

// Marks a modal box as open: while any is, posted messages are delivered by
// the box's own event loop. Opening one first delivers what is waiting.
class ModalScope {
public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
};

// Lets Qt turn its pending events into messages, without waiting.
void ProcessWindowSystemEvents();

// Waits until a message is queued or the time runs out (-1: no limit).
// True when a message is waiting.
bool WaitForMessage(int timeoutMs);

std::size_t QueuedMessageCount();
