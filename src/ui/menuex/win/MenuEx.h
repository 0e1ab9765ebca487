/*
 * The two entry points of MenuEx.dll, exported by these names (see
 * MenuEx.def); the program's side is ui/win/MenuExExports.h.
 */
#pragma once

#include <windows.h>

extern "C" {

// Opens the menu with its top-left corner at `screenPoint` and returns at
// once. `textIndent` is the room left of each label (0 for the default),
// `flags` is reserved, `frame` the colour of the menus' frame and
// `highlight` the fill of a hot item where its image is missing. The eight
// paths are the images of a plain item (normal, hot, pressed, fourth state)
// and then of a heading; `items` holds `count` 88-byte item records. All of
// it is copied during the call. A menu already open is closed first.
void WINAPI CreateMenuEx(HWND owner, int textIndent, const POINT* screenPoint, int flags,
                         COLORREF frame, COLORREF highlight, const wchar_t* normal,
                         const wchar_t* over, const wchar_t* down, const wchar_t* fourth,
                         const wchar_t* headingNormal, const wchar_t* headingOver,
                         const wchar_t* headingDown, const wchar_t* headingFourth,
                         const void* items, int count);
// Closes the menu if one is open.
void WINAPI DestroyMenuEx();

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved);

}  // extern "C"
