#pragma once
// The document side of the upper-layer objects: arming a slot with an image,
// placing it as a 10 × 10 block of pieces around a cell, erasing pieces, and
// the slot commands. The object buttons' "x"/"o" texts go through doc.dialog;
// the messages and the file chooser belong to the editor.

#include <cstdint>

#include "mapdocument.h"
#include "toolstate.h"

constexpr int kObjectPiecesPerSide = 10;
constexpr int kObjectCentre = 5;  // the clicked cell lies 5 pieces from the block's top-left

// Why a slot command did nothing; the editor turns it into a message.
enum class ObjectCommandResult {
    kDone,
    kNoDocument,       // no map file is open
    kNoSlotSelected,   // no object slot is selected
};

enum class PlaceResult {
    kPlaced,
    kNoSlot,           // no slot selected: nothing happens
    kNameListFull,     // a 51st distinct image name: refused, nothing placed
};

class UpperObjects {
public:
    UpperObjects(MapDocument& doc, ToolState& tools) : doc_(doc), tools_(tools) {}

    // Whether "Load", "Clear" and "Empty" may act, and if not, why.
    ObjectCommandResult CheckObjectCommand() const;
    // The rest of "Load" once the chooser gave `imageName` (a bare name): the
    // selected slot's button shows "o" and the next click places the image.
    // An empty name (cancelled) or one that does not fit a name field
    // changes nothing and gives false.
    bool ArmObject(const char* imageName);
    PlaceResult PlaceObject(int32_t x, int32_t y);
    void EraseObjectPiece(int32_t x, int32_t y);
    ObjectCommandResult EmptyObjectSlot();
    ObjectCommandResult ClearObjectSlot();
    void CancelObject();

private:
    // The selected slot, or null when none (or an impossible index) is selected.
    Matter* SelectedSlot() const;
    // Index of `name` in the document's image names, appending it when new;
    // -1 when it is new and the list is full.
    int32_t FindOrAddName(const char* name);
    void SetButton(const char* text) { doc_.dialog->SetObjectButtonText(tools_.selectedMatter, text); }

    MapDocument& doc_;
    ToolState& tools_;
};
