/*
 * The menu library MenuEx.dll as the main dialog uses it: loaded from the
 * program's own folder by its full path (never through the search order:
 * the program runs with administrator rights), its two entry points
 * resolved, the function menu opened and closed through them.
 */
#pragma once

#include <windows.h>

#include <string>

#include "ui/TextLookup.h"
#include "ui/win/CWnd.h"
#include "ui/win/MenuExExports.h"

namespace q5::win {

class MenuLibrary {
public:
    MenuLibrary() = default;
    MenuLibrary(const MenuLibrary&) = delete;
    MenuLibrary& operator=(const MenuLibrary&) = delete;
    ~MenuLibrary();

    // Loads MenuEx.dll from `programFolder` (absolute, with or without the
    // closing separator); false when the folder is not absolute, the file
    // cannot be loaded or an entry point is missing (nothing stays loaded).
    bool Load(const std::wstring& programFolder);
    bool IsLoaded() const { return m_module != nullptr; }

    // Builds the items and image paths and opens the function menu with its
    // top-left corner at `screenPoint`. Nothing when not loaded.
    void Open(HWND owner, POINT screenPoint, const TextLookup& texts,
              const std::wstring& programFolder);
    // Closes the menu; nothing when not loaded.
    void Destroy();

private:
    void Free();

    HMODULE m_module = nullptr;
    CreateMenuExFn m_create = nullptr;
    DestroyMenuExFn m_destroy = nullptr;
};

// Where the function menu opens, in the dialog's client area.
inline constexpr POINT kFunctionMenuClientPoint{49, 160};

// The function menu of `dialog`, at kFunctionMenuClientPoint.
void ShowFunctionMenu(MenuLibrary& menu, CWnd& dialog, const TextLookup& texts,
                      const std::wstring& programFolder);

}  // namespace q5::win
