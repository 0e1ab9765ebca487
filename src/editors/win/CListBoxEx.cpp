#include "editors/win/CListBoxEx.h"

#include <algorithm>
#include <vector>

#include "editors/ListItemLook.h"
#include "ui/win/GdiPlus.h"
#include "ui/win/SkinFont.h"

namespace q5::win {
namespace {

constexpr int kFontHeight = 14;
constexpr int kFontWeight = 400;
constexpr int kTextLimit = 4095;
constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | ES_WANTRETURN;
constexpr UINT kItemFormat =
    DT_VCENTER | DT_WORDBREAK | DT_SINGLELINE | DT_NOCLIP | DT_END_ELLIPSIS;

std::wstring WindowText(HWND hwnd) {
    std::vector<wchar_t> buffer(kTextLimit + 1);
    const int length = ::GetWindowTextW(hwnd, buffer.data(), kTextLimit + 1);
    return std::wstring(buffer.data(), static_cast<std::size_t>(std::max(length, 0)));
}

void Fill(HDC dc, const RECT& rect, COLORREF color) {
    HBRUSH brush = ::CreateSolidBrush(color);
    ::FillRect(dc, &rect, brush);
    ::DeleteObject(brush);
}

}  // namespace

CListBoxEx::CListBoxEx(std::wstring skinFolder)
    : m_skinFolder(std::move(skinFolder)),
      m_font(CreateSkinFont(kFontHeight, kFontWeight)),
      m_disabledBrush(::GetSysColorBrush(COLOR_INACTIVEBORDER)) {}

CListBoxEx::~CListBoxEx() {
    if (s_editOwner == this) {
        s_editOwner = nullptr;
    }
    DestroyWindow();
    ::DeleteObject(m_font);
    if (m_background) {
        ::DeleteObject(m_background);
    }
}

bool CListBoxEx::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    if (!CListBox::Create(style, rect, parent, id)) {
        return false;
    }
    m_editedItem = -1;
    m_edit = nullptr;
    m_iconWidth = m_iconHeight = 16;
    m_editable = false;
    m_itemHeight = 20;
    m_selectedText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    m_text = ::GetSysColor(COLOR_WINDOWTEXT);
    m_selectedBackground = ::GetSysColor(COLOR_HIGHLIGHT);
    SendMessageW(WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
    return true;
}

std::wstring CListBoxEx::ItemText(int index) {
    const auto length = SendMessageW(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length == LB_ERR) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void CListBoxEx::AddItem(const std::wstring& text, int kind) {
    if (m_edit) {
        m_editedItem = -1;
        CloseEdit();
    }
    const int index = AddString(text.c_str());
    if (index >= 0) {
        SetItemData(index, kind);
    }
    SetCurSel(index);
}

void CListBoxEx::MeasureItem(MEASUREITEMSTRUCT* item) {
    item->itemHeight = static_cast<UINT>(m_itemHeight);
}

void CListBoxEx::DrawItem(DRAWITEMSTRUCT* item) {
    HDC dc = item->hDC;
    const RECT& r = item->rcItem;
    const bool hasItem = item->itemID != static_cast<UINT>(-1);
    ListItemState state;
    state.kind = hasItem ? static_cast<int>(GetItemData(static_cast<int>(item->itemID))) : 0;
    state.selected = (item->itemState & ODS_SELECTED) != 0;
    state.focused = (item->itemState & ODS_FOCUS) != 0;
    state.disabled = (item->itemState & ODS_DISABLED) != 0;
    state.selectionChanged = (item->itemAction & ODA_SELECT) != 0;
    state.focusChanged = (item->itemAction & ODA_FOCUS) != 0;
    const ListItemLook look = ChooseListItemLook(state, m_iconWidth);

    if (look.fill == ItemFill::Selected) {
        Fill(dc, r, m_selectedBackground);
    } else if (look.fill == ItemFill::Background && m_background) {
        ::FillRect(dc, &r, m_background);
    }
    if (!hasItem) {
        return;
    }
    const COLORREF color = look.text == ItemText::Selected   ? m_selectedText
                           : look.text == ItemText::Disabled ? ::GetSysColor(COLOR_BTNSHADOW)
                                                             : m_text;
    std::wstring text = ItemText(static_cast<int>(item->itemID));
    ::SetTextColor(dc, color);
    ::SetBkMode(dc, TRANSPARENT);
    SelectedObject font(dc, m_font);
    if (!look.icon.empty()) {
        DrawIcon(dc, look.icon, r);
    }
    RECT textRect{r.left + look.textLeft, r.top, r.right, r.bottom};
    ::DrawTextW(dc, text.data(), -1, &textRect, kItemFormat);
}

void CListBoxEx::DrawIcon(HDC dc, const std::wstring_view& file, const RECT& item) const {
    // Read afresh for every draw: the skin may change under a running program.
    const std::wstring path = m_skinFolder + L"skins\\macro\\" + std::wstring(file);
    Gdiplus::GpImage* image = nullptr;
    if (Gdiplus::DllExports::GdipLoadImageFromFile(path.c_str(), &image) != Gdiplus::Ok) {
        return;
    }
    Gdiplus::GpGraphics* graphics = nullptr;
    if (Gdiplus::DllExports::GdipCreateFromHDC(dc, &graphics) == Gdiplus::Ok) {
        Gdiplus::DllExports::GdipDrawImageRectI(graphics, image, item.left + kListIconLeft,
                                                item.top + kListIconTop, m_iconWidth, m_iconHeight);
        Gdiplus::DllExports::GdipDeleteGraphics(graphics);
    }
    Gdiplus::DllExports::GdipDisposeImage(image);
}

LRESULT CListBoxEx::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ENABLE) {
        const LRESULT result = CListBox::HandleMessage(msg, wParam, lParam);
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        return result;
    }
    return CListBox::HandleMessage(msg, wParam, lParam);
}

BOOL CListBoxEx::OnChildNotify(UINT msg, WPARAM wParam, LPARAM, LRESULT* result) {
    if (msg == WM_CTLCOLORLISTBOX) {
        const bool enabled = ::IsWindowEnabled(m_hWnd);
        *result =
            reinterpret_cast<LRESULT>(enabled && m_background ? m_background : m_disabledBrush);
        return TRUE;
    }
    if (msg != WM_COMMAND) {
        return FALSE;
    }
    switch (HIWORD(wParam)) {
        case LBN_DBLCLK:
            if (m_editable) {
                OpenEdit();
            }
            return FALSE;
        case LBN_SELCHANGE:
            ::PostMessageW(::GetParent(m_hWnd), kSelectionChanged, ControlId(), 0);
            return FALSE;
        default:
            return FALSE;
    }
}

void CListBoxEx::OpenEdit() {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(m_hWnd, &cursor);
    const auto hit =
        static_cast<DWORD>(SendMessageW(LB_ITEMFROMPOINT, 0, MAKELPARAM(cursor.x, cursor.y)));
    const int index = static_cast<int>(LOWORD(hit));
    if (m_edit || s_editOwner || GetCount() <= 0 || index >= GetCount()) {
        return;
    }
    RECT rect{};
    SendMessageW(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    ::InvalidateRect(m_hWnd, &rect, TRUE);
    const std::wstring text = ItemText(index).substr(0, kTextLimit);
    m_editedItem = index;
    m_edit = ::CreateWindowExW(0, L"edit", text.c_str(), kEditStyle, rect.left, rect.top,
                               rect.right - rect.left, rect.bottom - rect.top, m_hWnd, nullptr,
                               AppInstance(), nullptr);
    if (!m_edit) {
        m_editedItem = -1;
        return;
    }
    ::SendMessageW(m_edit, EM_LIMITTEXT, kEditLimit, 0);
    ::SendMessageW(m_edit, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);
    ::SendMessageW(m_edit, EM_SETSEL, 0, -1);
    ::SetFocus(m_edit);
    s_editProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
        m_edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CListBoxEx::EditProc)));
    s_editOwner = this;
}

LRESULT CALLBACK CListBoxEx::EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = s_editProc;
    CListBoxEx* owner = s_editOwner;
    if (owner && owner->m_edit == hwnd && owner->m_editedItem >= 0) {
        if ((msg == WM_KEYUP && wParam == VK_RETURN) || msg == WM_KILLFOCUS) {
            owner->CommitEdit();
        } else if (msg == WM_KEYUP && wParam == VK_ESCAPE) {
            owner->CancelEdit();
        }
    }
    if (!::IsWindow(hwnd) || !previous) {
        return 0;
    }
    return ::CallWindowProcW(previous, hwnd, msg, wParam, lParam);
}

void CListBoxEx::CommitEdit() {
    const int position = m_editedItem;
    const std::wstring text = WindowText(m_edit);
    DeleteString(position);
    InsertString(position, text.c_str());
    SetCurSel(position);
    CloseEdit();
    ::PostMessageW(::GetParent(m_hWnd), kEditCommitted, ControlId(), position);
    m_editedItem = -1;
}

void CListBoxEx::CancelEdit() {
    SetCurSel(m_editedItem);
    m_editedItem = -1;
    CloseEdit();
}

void CListBoxEx::CloseEdit() {
    // Forgotten before it goes, so the focus it loses on the way commits
    // nothing a second time.
    HWND edit = m_edit;
    m_edit = nullptr;
    if (s_editOwner == this) {
        s_editOwner = nullptr;
    }
    const bool hadFocus = ::GetFocus() == edit;
    ::DestroyWindow(edit);
    if (hadFocus) {
        ::SetFocus(m_hWnd);
    }
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

}  // namespace q5::win
