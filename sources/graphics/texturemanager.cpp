#include "texturemanager.h"

#include <strings.h>

#include <cstring>
#include <new>

#include "graphicsdevice.h"

TextureManager::TextureManager() = default;

TextureManager::~TextureManager() {
    Release();
}

bool TextureManager::Init() {
    return true;
}

void TextureManager::Release() {
    for (TextureEntry*& entry : textureSlots) {
        if (!entry) continue;
        if (entry->texture) entry->texture->Release();
        delete entry;
        entry = nullptr;
    }
    count = 0;
}

int TextureManager::Find(const char* name) const {
    for (int i = 0; i < MAX_TEXTURES; ++i) {
        if (textureSlots[i] && strcasecmp(textureSlots[i]->name, name) == 0) return i;
    }
    return -1;
}

int TextureManager::Load(const char* name) {
    if (!name) return -1;
    const int found = Find(name);
    if (found != -1) return found;

    if (std::strlen(name) >= MAX_TEXTURE_NAME) {
        DXTrace(__FILE__, __LINE__, E_INVALIDARG, "texture name too long", FALSE);
        return -1;
    }
    if (count >= MAX_TEXTURES) {
        DXTrace(__FILE__, __LINE__, E_OUTOFMEMORY, "texture cache full", FALSE);
        return -1;
    }
    GraphicsDevice* graphics = GetGraphicsDevice();
    IDirect3DTexture9* texture = nullptr;
    const HRESULT hr = D3DXCreateTextureFromFileExA(graphics ? graphics->GetDevice() : nullptr, name, D3DX_DEFAULT,
                                                    D3DX_DEFAULT, D3DX_DEFAULT, 0, D3DFMT_UNKNOWN, D3DPOOL_DEFAULT,
                                                    D3DX_FILTER_NONE, D3DX_DEFAULT, 0, nullptr, nullptr, &texture);
    if (FAILED(hr)) {
        DXTrace(__FILE__, __LINE__, hr, "", FALSE);
        return -1;
    }
    auto* entry = new (std::nothrow) TextureEntry{};
    if (!entry) {
        texture->Release();
        DXTrace(__FILE__, __LINE__, E_OUTOFMEMORY, "", FALSE);
        return -1;
    }
    std::memcpy(entry->name, name, std::strlen(name) + 1);
    entry->texture = texture;
    textureSlots[count] = entry;
    return count++;
}

IDirect3DTexture9* TextureManager::GetTexture(int index) const {
    if (index < 0 || index >= MAX_TEXTURES || !textureSlots[index]) return nullptr;
    return textureSlots[index]->texture;
}
