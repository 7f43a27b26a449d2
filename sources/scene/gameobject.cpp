#include "gameobject.h"

#include <cmath>

#include "graphicsdevice.h"
#include "texturemanager.h"

void Rect::Set(int32_t x, int32_t y, int32_t w, int32_t h) {
    left = x;
    top = y;
    right = x + w;
    bottom = y + h;
    width = w;
    height = h;
}

void Rect::CopyFrom(const Rect& other) {
    left = other.left;
    top = other.top;
    right = other.right;
    bottom = other.bottom;
    width = right - left;
    height = bottom - top;
}

GameObject::GameObject() {
    D3DXMatrixIdentity(&transform);
}

bool GameObject::Init() {
    return true;
}

void GameObject::Release() {}

bool GameObject::Update() {
    return true;
}

void GameObject::Render() {
    TextureManager* textures = GetTextureManager();
    GraphicsDevice* graphics = GetGraphicsDevice();
    if (!textures || !graphics) return;
    IDirect3DTexture9* texture = textures->GetTexture(textureIndex);
    if (!texture) return;
    const D3DXVECTOR3 at{std::ceil(position.x + drawOffset.x), std::ceil(position.y + drawOffset.y), 0.0f};
    const RECT source = sourceRect.ToRECT();
    graphics->DrawSprite(texture, &at, &source, transform, colour);
}

bool GameObject::LoadTexture(const char* fileName) {
    TextureManager* textures = GetTextureManager();
    textureIndex = textures ? textures->Load(fileName) : -1;
    return textureIndex != -1;
}

void GameObject::SetPosition(float x, float y, float z) {
    position = D3DXVECTOR3{x, y, z};
}

void GameObject::SetColour(D3DCOLOR newColour) {
    colour = newColour;
}

bool SpriteEntity::Update() {
    return GameObject::Update();
}
