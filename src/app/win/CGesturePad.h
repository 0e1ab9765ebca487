/*
 * The demo's Gesture Pad: a small tool window beside the main window with
 * one button per gesture slot, the zoom mark and the two zooms. A click
 * fires the button's driver event codes through `fire` (the demo queues
 * them at its simulated receiver, which wakes the real worker thread); the
 * status line tells whether the receiver took the last one.
 *
 * Other processes hand it gesture scripts (q5tool gesture) in WM_COPYDATA
 * messages; it answers TRUE when it took the script and plays the events in
 * order from a window timer, so its thread never blocks.
 */
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "app/GesturePadModel.h"
#include "app/PendingGestures.h"
#include "ui/TextLookup.h"
#include "ui/win/CButton.h"
#include "ui/win/CStatic.h"
#include "ui/win/CWnd.h"

namespace q5::win {

class CGesturePad : public CWnd {
public:
    static constexpr const wchar_t* kWindowTitle = L"Gesture Pad";
    using Fire = std::function<bool(std::uint32_t eventCode)>;

    CGesturePad(Fire fire, TextLookup texts);
    ~CGesturePad() override;

    // A small top-level tool window owned by `owner`, placed beside the
    // owner's window and kept on screen; shown without taking activation.
    bool Create(HWND owner);
    // Places the pad beside its owner again (after the owner moved or showed).
    void PlaceBesideOwner();

    const GesturePadModel& model() const { return m_model; }
    // The button of model().buttons()[index], for tests and the tour.
    CButton& Button(std::size_t index) { return *m_buttons.at(index); }
    std::u16string StatusText() const;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnTimer(UINT_PTR id) override;

private:
    LRESULT OnCopyData(const COPYDATASTRUCT* data);
    LRESULT OnEraseBackground(HDC dc);
    LRESULT OnStatusColor(HDC dc);
    void CreateControls();
    void FireCodes(const std::vector<std::uint32_t>& codes);
    void ArmScriptTimer();

    Fire m_fire;
    GesturePadModel m_model;
    PendingGestures m_pending;
    std::vector<std::unique_ptr<CButton>> m_buttons;
    CStatic m_status;
    HFONT m_font = nullptr;
    bool m_timerArmed = false;
};

}  // namespace q5::win
