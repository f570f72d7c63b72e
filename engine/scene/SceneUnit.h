#pragma once
// The scene unit's part of the toolkit's start-up and shut-down, which runs last at start-up and
// first at shut-down, and the window system's optional layered-window functions that it looks up
// in user32.dll. Each part runs at most once per process.
#include "classlib/desktop/Win32.h"

using TvgSetLayeredWindowAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
using TvgUpdateLayeredWindow = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*,
                                             DWORD);
using TvgPrintWindow = BOOL(WINAPI*)(HWND, HDC, UINT);

// nullptr when the library or the function is missing, before start-up and after shut-down.
extern TvgSetLayeredWindowAttributes vgSetLayeredWindowAttributes;
extern TvgUpdateLayeredWindow vgUpdateLayeredWindow;
extern TvgPrintWindow vgPrintWindow;

// Registers the tree's and the scene's classes, looks the functions up and initialises OLE.
void vgInitializeSceneUnit();
// Unloads the library, clears the functions, releases the process-wide lists and OLE.
void vgFinalizeSceneUnit();
