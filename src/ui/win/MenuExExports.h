/*
 * The two entry points of the menu library MenuEx.dll, as the program calls
 * them and as the library defines them (plain names, no decoration).
 */
#pragma once

#include <windows.h>

namespace q5::win {

inline constexpr wchar_t kMenuLibraryFileName[] = L"MenuEx.dll";
inline constexpr char kCreateMenuExName[] = "CreateMenuEx";
inline constexpr char kDestroyMenuExName[] = "DestroyMenuEx";
// The class of the library's menu windows, one per open level; each keeps
// its level (0 for the top menu) in GWLP_USERDATA.
inline constexpr wchar_t kMenuExWindowClass[] = L"Q5MenuExPopup";

// CreateMenuEx(owner, textIndent, screenPoint, flags, frameColour,
// highlightColour, eight image paths, item records, item count): opens the
// menu and returns at once; every argument is read during the call only.
using CreateMenuExFn = void(WINAPI*)(HWND, int, const POINT*, int, COLORREF, COLORREF,
                                     const wchar_t*, const wchar_t*, const wchar_t*, const wchar_t*,
                                     const wchar_t*, const wchar_t*, const wchar_t*, const wchar_t*,
                                     const void*, int);
// DestroyMenuEx(): closes the menu if one is open.
using DestroyMenuExFn = void(WINAPI*)();

}  // namespace q5::win
