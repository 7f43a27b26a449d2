#pragma once
// The drawables: an integer rectangle that remembers its size, the object
// that draws one sprite per Render, and its extension with a frame rectangle.

#include <cstdint>

#include "d3dtypes.h"

class Rect {
public:
    Rect() = default;
    virtual ~Rect() = default;

    void Set(int32_t x, int32_t y, int32_t w, int32_t h);
    // Copies the edges and derives the size from them.
    void CopyFrom(const Rect& other);
    RECT ToRECT() const { return RECT{left, top, right, bottom}; }

    int32_t left;
    int32_t top;
    int32_t right;    // exclusive
    int32_t bottom;   // exclusive
    int32_t width;
    int32_t height;
};

class GameObject {
public:
    GameObject();
    virtual ~GameObject() = default;

    virtual bool Init();
    virtual void Release();
    virtual bool Update();
    // Draws the source rectangle of the texture at the position plus offset,
    // rounded up to whole pixels; nothing when there is no texture.
    virtual void Render();

    // Aims the object at the texture of `fileName`; false (and no texture)
    // when it cannot be loaded.
    bool LoadTexture(const char* fileName);
    void SetPosition(float x, float y, float z);
    void SetColour(D3DCOLOR newColour);

    int32_t textureIndex = -1;
    D3DXVECTOR3 position{0.0f, 0.0f, 0.0f};
    D3DXVECTOR3 drawOffset{0.0f, 0.0f, 0.0f};
    D3DCOLOR colour = 0xFFFFFFFF;
    D3DXMATRIX transform;
    Rect sourceRect;
};

class SpriteEntity : public GameObject {
public:
    bool Update() override;

    // Owned by the deriving class, which fills it and copies it into sourceRect.
    Rect* frameRect = nullptr;
};
