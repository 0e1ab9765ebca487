#include "ui/PopupMenuModel.h"

#include <algorithm>

namespace q5 {
namespace {

// Whether following parents from `index` ends at the top within `limit`
// steps (a loop never does).
bool ReachesTop(std::span<const MenuItemRecord> records, std::size_t count, std::size_t index) {
    std::size_t current = index;
    for (std::size_t steps = 0; steps <= count; ++steps) {
        const std::uint32_t parent = records[current].Parent();
        if (parent >= count) {
            return true;
        }
        if (parent == current) {
            return false;
        }
        current = parent;
    }
    return false;
}

}  // namespace

PopupMenuModel::PopupMenuModel(std::span<const MenuItemRecord> records, std::size_t count) {
    count = std::min(count, records.size());
    m_items.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        Item& item = m_items[i];
        item.code = records[i].Code();
        item.label = records[i].Label();
        const std::uint32_t parent = records[i].Parent();
        if (parent < count && ReachesTop(records, count, i)) {
            item.parent = static_cast<int>(parent);
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        const int parent = m_items[i].parent;
        (parent == kNone ? m_topItems : m_items[static_cast<std::size_t>(parent)].children)
            .push_back(static_cast<int>(i));
    }
    m_levels.push_back(Level{kNone, m_topItems, kNone});
}

const std::vector<int>& PopupMenuModel::LevelItems(std::size_t level) const {
    return m_levels.at(level).items;
}

std::uint32_t PopupMenuModel::TopLevelCode(int index) const {
    while (ItemAt(index).parent != kNone) {
        index = ItemAt(index).parent;
    }
    return ItemAt(index).code;
}

bool PopupMenuModel::IsValid(std::size_t level, int position) const {
    return level < m_levels.size() && position >= 0 &&
           static_cast<std::size_t>(position) < m_levels[level].items.size();
}

void PopupMenuModel::CloseBelow(std::size_t level) {
    m_levels.resize(std::min(m_levels.size(), level + 1));
}

void PopupMenuModel::OpenSubMenu(int item, bool hotFirst) {
    m_levels.push_back(Level{item, ItemAt(item).children, hotFirst ? 0 : kNone});
}

MenuOutcome PopupMenuModel::Hover(std::size_t level, int position) {
    if (!IsValid(level, position)) {
        return MenuOutcome::None;
    }
    const int item = m_levels[level].items[static_cast<std::size_t>(position)];
    // Resting again on the hot item keeps whatever is open below it.
    const bool alreadyShown = m_levels[level].hot == position &&
                              (m_levels.size() == level + 1 || m_levels[level + 1].owner == item);
    if (alreadyShown) {
        return MenuOutcome::None;
    }
    m_levels[level].hot = position;
    CloseBelow(level);
    if (HasSubMenu(item)) {
        OpenSubMenu(item, false);
    }
    return MenuOutcome::Changed;
}

MenuOutcome PopupMenuModel::Click(std::size_t level, int position) {
    if (!IsValid(level, position)) {
        return MenuOutcome::None;
    }
    const int item = m_levels[level].items[static_cast<std::size_t>(position)];
    if (HasSubMenu(item)) {
        return Hover(level, position);
    }
    return Choose(item);
}

MenuOutcome PopupMenuModel::Choose(int item) {
    m_choice = MenuChoice{ItemAt(item).code, TopLevelCode(item)};
    return MenuOutcome::Chosen;
}

MenuOutcome PopupMenuModel::MoveHot(int step) {
    Level& level = m_levels.back();
    const int size = static_cast<int>(level.items.size());
    if (size == 0) {
        return MenuOutcome::None;
    }
    if (level.hot == kNone) {
        level.hot = step > 0 ? 0 : size - 1;
    } else {
        level.hot = (level.hot + step + size) % size;
    }
    return MenuOutcome::Changed;
}

MenuOutcome PopupMenuModel::Key(MenuKey key) {
    Level& deepest = m_levels.back();
    const int hotItem =
        deepest.hot == kNone ? kNone : deepest.items[static_cast<std::size_t>(deepest.hot)];
    switch (key) {
        case MenuKey::Down:
            return MoveHot(1);
        case MenuKey::Up:
            return MoveHot(-1);
        case MenuKey::Right:
            if (hotItem == kNone || !HasSubMenu(hotItem)) {
                return MenuOutcome::None;
            }
            OpenSubMenu(hotItem, true);
            return MenuOutcome::Changed;
        case MenuKey::Left:
            if (m_levels.size() == 1) {
                return MenuOutcome::None;
            }
            m_levels.pop_back();
            return MenuOutcome::Changed;
        case MenuKey::Enter:
            if (hotItem == kNone) {
                return MenuOutcome::None;
            }
            if (HasSubMenu(hotItem)) {
                OpenSubMenu(hotItem, true);
                return MenuOutcome::Changed;
            }
            return Choose(hotItem);
        case MenuKey::Escape:
            if (m_levels.size() == 1) {
                return MenuOutcome::Closed;
            }
            m_levels.pop_back();
            return MenuOutcome::Changed;
    }
    return MenuOutcome::None;
}

}  // namespace q5
