/*
 * The window base of the program's small window framework. A CWnd either
 * creates its window from the framework's own window class or attaches to
 * a system control or dialog by subclassing it; in both cases `this` sits
 * in a window property of the framework's own name (GWLP_USERDATA stays free
 * for the window's class) and every message reaches the virtual
 * HandleMessage, which derived classes override with one line per message.
 * What they do
 * not handle goes to CWnd::HandleMessage, which reflects owner-draw,
 * command and colour messages to the child control object that sent them
 * (so a skinned button draws itself), routes menu owner-draw messages to
 * the menu object, and passes the rest to the default procedure.
 */
#pragma once

#include <windows.h>

namespace q5::win {

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The framework object attached to a window of this process, or null.
    static CWnd* FromHandle(HWND hwnd);
    // The window property that holds a window's object. A property of the
    // framework's own name, not GWLP_USERDATA: windows of other code in the
    // process (the menu library's, a system dialog's) keep their own values
    // there, and the message loop asks every window it meets for its object.
    static constexpr wchar_t kObjectProperty[] = L"Q5Framework.CWnd";

    // Creates a window. With a null class name the framework's own window
    // class is used; a system class (L"BUTTON", L"STATIC", ...) is created
    // and then subclassed, so its messages reach HandleMessage too.
    bool CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                  const RECT& rect, CWnd* parent, UINT id);
    // Attaches to an existing window (a template's control, a dialog).
    bool SubclassWindow(HWND hwnd);
    void DestroyWindow();

    // Called by the message loop, from the message's window up to its
    // top-level window, before dispatch; true when the message was consumed.
    virtual BOOL PreTranslateMessage(MSG* msg);

    // Owner-draw callbacks, reached through reflection from the parent.
    virtual void DrawItem(DRAWITEMSTRUCT* item);
    virtual void MeasureItem(MEASUREITEMSTRUCT* item);

    // Thin wrappers of the window calls the program uses.
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) {
        ::MoveWindow(m_hWnd, x, y, width, height, repaint);
    }
    RECT GetClientRect() const;
    RECT GetWindowRect() const;
    void SetWindowTextW(const wchar_t* text) { ::SetWindowTextW(m_hWnd, text); }
    BOOL EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
    LONG_PTR GetStyle() const { return ::GetWindowLongPtrW(m_hWnd, GWL_STYLE); }
    void ModifyStyle(LONG_PTR remove, LONG_PTR add);
    void ModifyStyleEx(LONG_PTR remove, LONG_PTR add);
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse) { return ::SetTimer(m_hWnd, id, elapse, nullptr); }
    BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
    BOOL PostMessageW(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::PostMessageW(m_hWnd, msg, wParam, lParam);
    }
    LRESULT SendMessageW(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::SendMessageW(m_hWnd, msg, wParam, lParam);
    }
    // The owner, or else the parent.
    HWND GetOwnerOrParent() const;

protected:
    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // The default procedure of this window: the subclassed control's own
    // procedure, or DefWindowProcW.
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);

    // WM_COMMAND after reflection; true when handled.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // A message reflected from the parent (WM_COMMAND, WM_CTLCOLOR*); true
    // when handled, with the result for the parent in `result`.
    virtual BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void OnTimer(UINT_PTR id);
    // After the window is gone (WM_NCDESTROY).
    virtual void PostNcDestroy() {}

    HWND m_hWnd = nullptr;

private:
    friend class CDialog;
    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static const wchar_t* RegisterFrameworkClass();
    void Attach(HWND hwnd);
    void Detach();
    LRESULT ReflectDrawItem(DRAWITEMSTRUCT* item);
    LRESULT ReflectMeasureItem(WPARAM wParam, MEASUREITEMSTRUCT* item);

    WNDPROC m_superProc = nullptr;
};

// The module whose resources the framework loads.
HINSTANCE AppInstance();

}  // namespace q5::win
