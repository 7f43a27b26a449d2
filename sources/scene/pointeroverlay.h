#pragma once
// Shows where the mouse is in the view and what a click would do there: a
// line with the mouse position, and over the map the half-transparent tile or
// object image about to be placed with the cursor frame around the cell.
// A service of the application, drawn after the scene every frame.

#include <cstdint>

#include "gameobject.h"
#include "scene.h"
#include "singleton.h"
#include "wintypes.h"

struct ToolState;

class PointerOverlay : public SpriteEntity, public InputListener, public Singleton<PointerOverlay> {
public:
    PointerOverlay() = default;
    ~PointerOverlay() override = default;

    bool Init() override;
    void Release() override;
    // Reads the mouse in view-window client pixels.
    bool Update() override;
    void Render() override;

    // Nothing in the editor delivers keys or mouse events through these hooks.
    void OnKey(int32_t eventType, int32_t keyCode) override { (void)eventType; (void)keyCode; }
    void OnMouse(int32_t x, int32_t y, int32_t wheel, int32_t buttons) override {
        (void)x; (void)y; (void)wheel; (void)buttons;
    }

    // The mouse in view-window client pixels, negative left of or above the view.
    POINT mousePoint{0, 0};
    // The brush preview last computed, and the drawing mode it was computed for.
    int32_t lastTile = -1;
    int32_t lastMode = -1;

    static constexpr const char* kTileSheet = "map.dds";
    static constexpr const char* kCursorImage = "cur.dds";
    static constexpr D3DCOLOR kPreviewColour = 0x80FFFFFF;

private:
    void RenderBrush(const ToolState& tools, int32_t cellX, int32_t cellY);
    void RenderObjectTools(const ToolState& tools, int32_t cellX, int32_t cellY);
    void RefreshBrush(const ToolState& tools);

    // The texture rectangle of the brush preview; frameRect points here.
    Rect frame;
};

inline PointerOverlay* GetPointerOverlay() { return PointerOverlay::Instance(); }
