#include "upperobjects.h"

#include <cstring>

ObjectCommandResult UpperObjects::CheckObjectCommand() const {
    if (!doc_.isOpen) return ObjectCommandResult::kNoDocument;
    if (SelectedSlot() == nullptr) return ObjectCommandResult::kNoSlotSelected;
    return ObjectCommandResult::kDone;
}

bool UpperObjects::ArmObject(const char* imageName) {
    if (imageName == nullptr || imageName[0] == '\0') return false;
    // A name cut to fit would name another file.
    if (std::strlen(imageName) >= static_cast<size_t>(kNameSize)) return false;
    if (SelectedSlot() != nullptr) SetButton("o");
    tools_.objectArmed = true;
    CopyName(tools_.pendingObjectImage, imageName);
    return true;
}

Matter* UpperObjects::SelectedSlot() const {
    const int32_t slot = tools_.selectedMatter;
    if (slot < 0 || slot >= kMatterSlots) return nullptr;
    return &doc_.matters[slot];
}

int32_t UpperObjects::FindOrAddName(const char* name) {
    for (int32_t i = 0; i < doc_.upperShellCount; ++i) {
        if (std::strcmp(doc_.upperShellNames[i], name) == 0) return i;
    }
    if (doc_.upperShellCount >= kUpperShellNames) return -1;
    CopyName(doc_.upperShellNames[doc_.upperShellCount], name);
    return doc_.upperShellCount++;
}

PlaceResult UpperObjects::PlaceObject(int32_t x, int32_t y) {
    Matter* matter = SelectedSlot();
    if (matter == nullptr) return PlaceResult::kNoSlot;
    const int32_t ref = FindOrAddName(tools_.pendingObjectImage);
    if (ref < 0) {
        // Disarmed so that a drag does not repeat the refusal on every move.
        tools_.objectArmed = false;
        return PlaceResult::kNameListFull;
    }
    if (!matter->used) ++doc_.matterCount;
    matter->ref = ref;
    CopyName(matter->imageName, tools_.pendingObjectImage);
    matter->count = 0;
    matter->used = true;
    for (int32_t row = 0; row < kObjectPiecesPerSide; ++row) {
        const int32_t cy = y + row - kObjectCentre;
        if (cy < 0 || cy > doc_.height - 1) continue;
        for (int32_t column = 0; column < kObjectPiecesPerSide; ++column) {
            const int32_t cx = x + column - kObjectCentre;
            if (cx < 0 || cx > doc_.width - 1) continue;
            matter->points[matter->count++] = {static_cast<float>(cx), static_cast<float>(cy),
                                               kObjectPiecesPerSide * row + column};
        }
    }
    tools_.objectArmed = false;
    return PlaceResult::kPlaced;
}

void UpperObjects::EraseObjectPiece(int32_t x, int32_t y) {
    Matter* matter = SelectedSlot();
    if (matter == nullptr) return;
    // Keep every point not on (x, y), in order.
    int32_t kept = 0;
    for (int32_t i = 0; i < matter->count; ++i) {
        const MatterPoint& point = matter->points[i];
        if (point.x == static_cast<float>(x) && point.y == static_cast<float>(y)) continue;
        matter->points[kept++] = point;
    }
    matter->count = kept;
}

ObjectCommandResult UpperObjects::EmptyObjectSlot() {
    const ObjectCommandResult check = CheckObjectCommand();
    if (check != ObjectCommandResult::kDone) return check;
    Matter& matter = *SelectedSlot();
    SetButton("x");
    matter.count = 0;
    if (matter.used) --doc_.matterCount;
    matter.used = false;
    matter.ref = -1;
    return check;
}

ObjectCommandResult UpperObjects::ClearObjectSlot() {
    const ObjectCommandResult check = CheckObjectCommand();
    if (check != ObjectCommandResult::kDone) return check;
    Matter& matter = *SelectedSlot();
    SetButton("o");
    tools_.objectArmed = false;
    matter.count = 0;
    matter.ref = -1;
    return check;
}

void UpperObjects::CancelObject() {
    if (Matter* matter = SelectedSlot()) {
        if (matter->used) --doc_.matterCount;
        matter->used = false;
        SetButton("x");
    }
    tools_.objectArmed = false;
}
