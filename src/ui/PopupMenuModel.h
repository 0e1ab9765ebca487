/*
 * A skinned pop-up menu's state, apart from any window: the tree of items
 * taken from the item records, the chain of open menus (the top menu and
 * the sub-menus opened from it), the hot item of each, and what the mouse
 * and the keyboard do to them. The menu windows only show this state.
 */
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ui/FunctionMenu.h"

namespace q5 {

struct MenuChoice {
    std::uint32_t code = 0;
    std::uint32_t topLevelCode = 0;  // the code of the chosen item's top-level item
    bool operator==(const MenuChoice&) const = default;
};

enum class MenuKey { Up, Down, Left, Right, Enter, Escape };

// What an input did: nothing, a change of what is shown, a choice, or the
// menu closed without a choice.
enum class MenuOutcome { None, Changed, Chosen, Closed };

class PopupMenuModel {
public:
    static constexpr int kNone = -1;

    struct Item {
        std::uint32_t code = 0;
        std::u16string label;
        int parent = kNone;  // index of the parent item, kNone at the top
        std::vector<int> children;
    };

    // Takes the first `count` records (at most as many as there are). A
    // parent index beyond them (255 by convention) puts an item at the top;
    // so does a chain of parents that loops.
    PopupMenuModel(std::span<const MenuItemRecord> records, std::size_t count);

    const Item& ItemAt(int index) const { return m_items.at(static_cast<std::size_t>(index)); }
    std::size_t ItemCount() const { return m_items.size(); }
    bool HasSubMenu(int index) const { return !ItemAt(index).children.empty(); }

    // Open menus: level 0 is the top menu; level k + 1 is the sub-menu of
    // the hot item of level k.
    std::size_t LevelCount() const { return m_levels.size(); }
    // The items shown in a level, in order.
    const std::vector<int>& LevelItems(std::size_t level) const;
    // The item whose sub-menu a level shows (kNone for the top menu).
    int LevelOwner(std::size_t level) const { return m_levels.at(level).owner; }
    // Position of the hot item within its level, kNone when none.
    int Hot(std::size_t level) const { return m_levels.at(level).hot; }

    // The pointer rests on item `position` of `level`: it becomes hot,
    // deeper menus close, and a heading's sub-menu opens.
    MenuOutcome Hover(std::size_t level, int position);
    // A click on item `position` of `level`: a heading opens its sub-menu,
    // any other item is chosen.
    MenuOutcome Click(std::size_t level, int position);
    MenuOutcome Key(MenuKey key);

    // Valid after an outcome of Chosen.
    const MenuChoice& Choice() const { return m_choice; }
    // The code of the top-level item above `index` (itself at the top).
    std::uint32_t TopLevelCode(int index) const;

private:
    struct Level {
        int owner = kNone;
        std::vector<int> items;
        int hot = kNone;
    };

    std::vector<int> ChildrenOf(int owner) const;
    void OpenSubMenu(int item, bool hotFirst);
    void CloseBelow(std::size_t level);
    MenuOutcome Choose(int item);
    MenuOutcome MoveHot(int step);
    bool IsValid(std::size_t level, int position) const;

    std::vector<Item> m_items;
    std::vector<int> m_topItems;
    std::vector<Level> m_levels;
    MenuChoice m_choice;
};

}  // namespace q5
