#pragma once
// The texture cache: each image file is loaded once and shared by a small
// index; names are matched ignoring letter case.

#include "d3dx.h"
#include "singleton.h"

constexpr int MAX_TEXTURES = 50;
constexpr int MAX_TEXTURE_NAME = 260;   // bytes, with the terminating zero

struct TextureEntry {
    char name[MAX_TEXTURE_NAME];
    IDirect3DTexture9* texture;
};

class TextureManager : public Singleton<TextureManager> {
public:
    TextureManager();
    ~TextureManager() override;

    bool Init();
    // Releases every texture and entry; the indexes handed out become empty.
    void Release();

    // The index of the texture for `name`, loading the file the first time;
    // −1 (with one trace line) when the file cannot be loaded, when the name
    // does not fit an entry, or when all slots are taken by other names.
    int Load(const char* name);
    // The texture in slot `index`, or null for an index outside the slots or an empty slot.
    IDirect3DTexture9* GetTexture(int index) const;
    int Count() const { return count; }

private:
    int Find(const char* name) const;

    int count = 0;
    TextureEntry* textureSlots[MAX_TEXTURES] = {};
};

inline TextureManager* GetTextureManager() { return TextureManager::Instance(); }
