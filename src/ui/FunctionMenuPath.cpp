#include "ui/FunctionMenuPath.h"

#include <algorithm>

#include "ui/FunctionMenu.h"
#include "ui/PopupMenuModel.h"

namespace q5 {
namespace {

// The items from the top menu down to the item with `code`.
std::vector<int> LineageOf(const PopupMenuModel& menu, std::uint32_t code) {
    std::vector<int> lineage;
    for (std::size_t i = 0; i < menu.ItemCount(); ++i) {
        if (menu.ItemAt(static_cast<int>(i)).code == code) {
            for (int at = static_cast<int>(i); at != PopupMenuModel::kNone;
                 at = menu.ItemAt(at).parent) {
                lineage.insert(lineage.begin(), at);
            }
            break;
        }
    }
    return lineage;
}

}  // namespace

FunctionMenuPath::FunctionMenuPath(std::uint32_t code) {
    const MenuItemArray records = BuildFunctionMenuItems(TextLookup{});
    PopupMenuModel menu(records, kFunctionMenuItemCount);
    const std::vector<int> lineage = LineageOf(menu, code);
    for (std::size_t level = 0; level < lineage.size(); ++level) {
        const std::vector<int>& items = menu.LevelItems(level);
        const auto at = std::find(items.begin(), items.end(), lineage[level]);
        if (at == items.end()) {
            m_positions.clear();
            m_counts.clear();
            return;
        }
        m_positions.push_back(static_cast<int>(at - items.begin()));
        m_counts.push_back(items.size());
        if (level + 1 < lineage.size()) {
            menu.Hover(level, m_positions.back());
        }
    }
}

}  // namespace q5
