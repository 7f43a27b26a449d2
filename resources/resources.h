#pragma once
// The program's dialog templates (133 main dialog, 134 view window, 140 new
// map) and its menu (109), as data for the window layer.

#include "dialogtemplate.h"

constexpr int kMainDialogTemplate = 133;
constexpr int kViewWindowTemplate = 134;
constexpr int kNewMapTemplate = 140;
constexpr int kMainMenu = 109;

const ResourceSet& QuarrowResources();
