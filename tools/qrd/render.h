#pragma once
// qrd render: the whole map drawn into a PNG by the editor's own scene code
// and drawing layer, as the editor shows it with no object slot selected.

#include <cstdio>

struct RenderRequest {
    const char* mapFile;
    const char* pngFile;
    bool withObjects;
};

// Exit codes as every qrd subcommand: 0 drawn (missing images are warned
// about and left out), 2 when the map cannot be read or the image not written.
int RunRender(const RenderRequest& request, std::FILE* err);
