#pragma once
// Runs the editor in-process for benchmarks, the way its entry point does:
// the window system once per process, an App made, initialised, driven by
// messages and frames, released and deleted.

#include "app.h"

// The Qt application and the program's resources, once. Message boxes are
// answered (and counted) instead of opening: a benchmark has no one to click.
void StartWindowSystem(int& argc, char** argv);
int ModalBoxesAsked();

// Changes the working directory to the run folder (Execute/) or to its
// data/ folder, where the editor finds its images by bare name.
bool EnterRunFolder();
bool EnterDataFolder();

// What the message loop does before a frame: every waiting message, Qt's
// input included, is dispatched. False when WM_QUIT is waiting.
bool DeliverMessages();
// The loop of Run up to and including its first frame.
void RunUntilFirstFrame(App& app);
// Release and delete, as the entry point ends.
void StopApp(App* app);
// What the end of the process does to the windows, so the next App starts
// from a clean window system.
void DestroyWindowsLeftBehind();

// The process's resident memory (VmRSS) in kilobytes; -1 if unknown.
long ResidentKilobytes();
