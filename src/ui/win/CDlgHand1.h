/*
 * The gesture picture panel: a child of the main dialog with a picture of
 * each gesture over its name, seven on page 0 and six on page 1. Clicking a
 * picture selects or deselects its slot and tells the parent with message
 * kSlotMessage; the main dialog turns the pages and mirrors its own slot
 * selection here. Each slot has three buttons: the picture, a faded picture
 * at the same place (shown while another slot of the page is selected) and
 * the label. What is shown is decided by ui/GesturePanelState; this window
 * only applies it to its buttons.
 */
#pragma once

#include <array>
#include <string>

#include "ui/GesturePanelState.h"
#include "ui/TextLookup.h"
#include "ui/win/CDialog.h"
#include "ui/win/CGDIBitmapBtn.h"

namespace q5::win {

class CDlgHand1 : public CDialog {
public:
    // Posted to the parent on a click: wParam the slot, lParam the
    // picture's latched state before the click.
    static constexpr UINT kSlotMessage = 0x452;

    explicit CDlgHand1(TextLookup texts, CWnd* parent = nullptr);
    ~CDlgHand1() override;

    // 0 or 1; clears every selection.
    void ShowPage(int page);
    // `slot` 0 to 12, `selected` 0 or 1.
    void SelectSlot(int slot, int selected);
    int CurrentPage() const { return m_state.CurrentPage(); }

    // For tests and the screenshot harness.
    CGDIBitmapBtn& PictureButton(int slot) { return m_pictures.at(Index(slot)); }
    CGDIBitmapBtn& FadedButton(int slot) { return m_faded.at(Index(slot)); }
    CGDIBitmapBtn& LabelButton(int slot) { return m_labels.at(Index(slot)); }
    const GesturePanelState& State() const { return m_state; }

    // The panel has no keyboard handling of its own: its key messages go on
    // to the main window's filter, so keys on a picture do what they do in
    // the main window.
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    // A panel is never ended by IDOK or IDCANCEL; it lives as long as the
    // main window.
    void OnOK() override {}
    void OnCancel() override {}
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    static std::size_t Index(int slot) { return static_cast<std::size_t>(slot); }
    LRESULT OnPaint();
    void LoadBitmaps();
    void FreeBitmaps();
    HBITMAP Bitmap(int id) const;
    void CreateButtons();
    void CreateSlotButtons(int slot);
    void ShowSlot(int slot);
    void Apply(const GesturePanelState::Update& update);

    TextLookup m_texts;
    std::u16string m_mark;  // the line over the pictures
    std::array<HBITMAP, 9> m_bitmaps{};
    std::array<CGDIBitmapBtn, kSlotCount> m_pictures;
    std::array<CGDIBitmapBtn, kSlotCount> m_faded;
    std::array<CGDIBitmapBtn, kSlotCount> m_labels;
    GesturePanelState m_state;
};

}  // namespace q5::win
