#include "ui/win/MenuLibrary.h"

#include <algorithm>

#include "platform/win/ProgramLibrary.h"
#include "ui/FunctionMenu.h"
#include "ui/win/WideText.h"

namespace q5::win {
namespace {

// The integer arguments and colours the function menu is opened with.
constexpr int kMenuTextIndent = 26;
constexpr int kMenuFlags = 0;
constexpr COLORREF kMenuFrameColour = 0xCDCDCD;
constexpr COLORREF kMenuHighlightColour = 0x3278E8;

std::wstring WithSeparator(std::wstring folder) {
    std::replace(folder.begin(), folder.end(), L'/', L'\\');
    if (!folder.empty() && folder.back() != L'\\') {
        folder += L'\\';
    }
    return folder;
}

}  // namespace

MenuLibrary::~MenuLibrary() {
    Free();
}

bool MenuLibrary::Load(const std::wstring& programFolder) {
    Free();
    m_module = LoadProgramLibrary(programFolder, kMenuLibraryFileName);
    if (!m_module) {
        return false;
    }
    m_create = LibraryExport<CreateMenuExFn>(m_module, kCreateMenuExName);
    m_destroy = LibraryExport<DestroyMenuExFn>(m_module, kDestroyMenuExName);
    if (!m_create || !m_destroy) {
        Free();
        return false;
    }
    return true;
}

void MenuLibrary::Open(HWND owner, POINT screenPoint, const TextLookup& texts,
                       const std::wstring& programFolder) {
    if (!m_create) {
        return;
    }
    const MenuItemArray items = BuildFunctionMenuItems(texts);
    const std::wstring folder = WithSeparator(programFolder);
    const auto paths = FunctionMenuImagePaths(FromWide(folder.c_str()));
    m_create(owner, kMenuTextIndent, &screenPoint, kMenuFlags, kMenuFrameColour,
             kMenuHighlightColour, Wide(paths[0]), Wide(paths[1]), Wide(paths[2]), Wide(paths[3]),
             Wide(paths[4]), Wide(paths[5]), Wide(paths[6]), Wide(paths[7]), items.data(),
             static_cast<int>(kFunctionMenuItemCount));
}

void MenuLibrary::Destroy() {
    if (m_destroy) {
        m_destroy();
    }
}

void MenuLibrary::Free() {
    if (!m_module) {
        return;
    }
    Destroy();
    ::FreeLibrary(m_module);
    m_module = nullptr;
    m_create = nullptr;
    m_destroy = nullptr;
}

void ShowFunctionMenu(MenuLibrary& menu, CWnd& dialog, const TextLookup& texts,
                      const std::wstring& programFolder) {
    POINT point = kFunctionMenuClientPoint;
    ::ClientToScreen(dialog.GetSafeHwnd(), &point);
    menu.Open(dialog.GetSafeHwnd(), point, texts, programFolder);
}

}  // namespace q5::win
