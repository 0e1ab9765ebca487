/*
 * The owner-drawn pop-up menu of the notification icon: every item is
 * 75 x 22 pixels with an icon column; the highlighted item is framed and
 * shows its highlighted icon. Each item is appended with MF_OWNERDRAW and
 * the address of its XPMenuItem in place of the text; the records belong to
 * the caller and must outlive the tracking of the menu.
 */
#pragma once

#include <cstdint>
#include <string>

#include "ui/win/CMenu.h"

namespace q5::win {

struct XPMenuItem {
    std::int32_t icon = 0;
    std::int32_t highlightedIcon = 0;
    std::u16string text;
};

class CXPMenu : public CMenu {
public:
    ~CXPMenu() override = default;

    void DrawItem(DRAWITEMSTRUCT* item) override;
    void MeasureItem(MEASUREITEMSTRUCT* item) override;
};

}  // namespace q5::win
