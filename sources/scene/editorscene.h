#pragma once
// The editor's whole working state in one object: the map document, the
// palette's tool state, the tools' working storage, the undo history, the 50
// object buttons, the view offset and the worm-hole clock. It draws the open
// map every frame through its GameObject base (its one sprite, re-aimed at
// every tile). Allocated once, at start-up; nothing after that.

#include <cstdint>

#include "dialoglink.h"
#include "drawingtools.h"
#include "fill.h"
#include "gameobject.h"
#include "mapdocument.h"
#include "scene.h"
#include "singleton.h"
#include "toolstate.h"
#include "undo.h"
#include "upperobjects.h"
#include "wintypes.h"

constexpr int kObjectButtonCount = kMatterSlots;
constexpr int kFirstObjectButtonId = 300;
constexpr int kViewColumns = 32;
constexpr int kViewRows = 25;
constexpr int kWormFrames = 5;
constexpr float kWormStepSeconds = 0.2f;
constexpr D3DCOLOR kOpaqueWhite = 0xFFFFFFFF;
constexpr D3DCOLOR kUnselectedObjectColour = 0x80C8FFC8;
constexpr D3DCOLOR kInformationColour = 0xFFFF0000;

struct ViewOffset {
    float x;
    float y;
};

// A block of cells: columns firstColumn up to (not including) endColumn, rows likewise.
struct CellWindow {
    int32_t firstColumn;
    int32_t firstRow;
    int32_t endColumn;
    int32_t endRow;
};

// Shows the document's fields and object-button texts in the main dialog.
class MainDialogLink : public DialogLink {
public:
    explicit MainDialogLink(const HWND (&buttons)[kObjectButtonCount]) : buttons_(buttons) {}
    void SetFieldUnsigned(int controlId, unsigned value) override;
    void SetObjectButtonText(int slot, const char* text) override;

private:
    const HWND (&buttons_)[kObjectButtonCount];
};

class EditorScene : public Singleton<EditorScene>, public Scene, public GameObject {
public:
    EditorScene();
    ~EditorScene() override = default;

    // One override serves both the Scene and the GameObject face.
    bool Init() override;
    void Release() override;
    bool Update() override;
    void Render() override;

    // Draws one tile of the current texture at a map cell.
    void DrawTile(int32_t tile, int32_t column, int32_t row);
    // The open map without the information lines: terrain, hanji edges,
    // objects and markers, for the cells around the view.
    void DrawMap();
    // Terrain and hanji edges of `cells`, then the objects (unless left out)
    // and the markers. Objects and markers are never limited to `cells`.
    void DrawMap(const CellWindow& cells, bool withObjects);
    // The cells a frame visits: the view's plus one on every side, stopped at
    // the grids' edge whatever size a file carried.
    CellWindow VisitedCells() const;
    // Every cell of the open map, stopped at the grids' edge.
    CellWindow MapCells() const;
    // Runs the worm-hole and undo clocks on by one frame of `seconds`.
    void AdvanceClocks(float seconds);

    // --- The document ---
    MapDocument& Document() { return document; }
    const MapDocument& Document() const { return document; }
    bool IsOpen() const { return document.IsOpen(); }
    bool IsModified() const { return document.IsModified(); }
    void SetModified(bool modified) { document.SetModified(modified); }
    int32_t GetWidth() const { return document.GetWidth(); }
    int32_t GetHeight() const { return document.GetHeight(); }
    CellPoint GetStartPoint() const { return document.GetStartPoint(); }
    void SetStartPoint(int32_t x, int32_t y) { document.SetStartPoint(x, y); }
    CellPoint GetEndPoint() const { return document.GetEndPoint(); }
    void SetEndPoint(int32_t x, int32_t y) { document.SetEndPoint(x, y); }
    void SetMaxUse(int32_t dig, int32_t stone, int32_t mud, int32_t food, int32_t dirty, int32_t go,
                   int32_t mine) {
        document.SetMaxUse(dig, stone, mud, food, dirty, go, mine);
    }
    const char* GetFileName() const { return document.GetFileName(); }
    void SetFileName(const char* name) { document.SetFileName(name); }
    // Empties the document; a gate end waiting for its partner goes with it,
    // so nothing of one map pairs with the next.
    void ResetDocument() {
        document.ResetDocument();
        drawing.CancelPendingGate();
    }
    // Opens a map file: the document, the dialog fields and buttons, and a
    // fresh undo history; a waiting gate end is forgotten. False when the
    // file could not be read.
    bool ReadMapFile(const char* fileName);
    // Saves safely (temporary file renamed over the target); false on failure.
    bool WriteMapFile(const char* fileName) const;

    // --- The tool state and the tools ---
    ToolState& Tools() { return tools; }
    const ToolState& Tools() const { return tools; }
    int32_t KindAt(int32_t px, int32_t py) const { return drawing.KindAt(px, py); }
    ToolOutcome ApplyTool(int32_t px, int32_t py, int32_t kindUnderCursor) {
        return drawing.ApplyTool(px, py, kindUnderCursor);
    }
    DrawingTools& Drawing() { return drawing; }
    UpperObjects& Objects() { return objects; }

    // --- Undo ---
    void RecordUndo() { undo.RecordUndo(document); }
    void RestartUndo() { undo.RestartUndo(document); }
    bool Undo() { return undo.Undo(document); }
    UndoHistory& History() { return undo; }

    // --- The view ---
    ViewOffset GetViewOffset() const { return viewOffset; }
    void MoveViewOffset(float dx, float dy) { viewOffset.x += dx; viewOffset.y += dy; }
    void SetViewOffset(float x, float y) { viewOffset = {x, y}; }

    // --- Object buttons and animation, read by the dialog and tests ---
    HWND ObjectButton(int slot) const { return objectButtons[slot]; }
    int32_t ObjectButtonId(int slot) const { return objectButtonIds[slot]; }
    int32_t WormFrame() const { return wormFrame; }

private:
    void CreateObjectButtons(HWND mainDialog);
    void DrawLowerLayer(const CellWindow& cells);
    void DrawHanjiEdges(const CellWindow& cells);
    void DrawObjects();
    void DrawMarkers();
    void DrawInformation();

    MapDocument document;
    ToolState tools;
    FillWorkList fillList;
    UndoHistory undo;
    UpperObjects objects{document, tools};
    DrawingTools drawing{document, tools, fillList, undo, objects};

    int32_t wormFrame = 0;
    float wormClock = 0.0f;
    float wormLastStep = 0.0f;

    HWND objectButtons[kObjectButtonCount] = {};
    int32_t objectButtonIds[kObjectButtonCount] = {};
    MainDialogLink dialogLink{objectButtons};

    ViewOffset viewOffset{0.0f, 0.0f};
};

inline EditorScene* GetEditorScene() { return EditorScene::Instance(); }
