/*
 * The way through the function menu, as the program builds it, to the item
 * of one code: the item's position in each menu on the way (its heading's
 * in the top menu, its own in the last) and the number of items in each of
 * those menus. Whoever points at the item of a shown menu (the demo's tour,
 * the program's tests) aims with it.
 */
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace q5 {

class FunctionMenuPath {
public:
    explicit FunctionMenuPath(std::uint32_t code);

    // False when no item of the menu has the code.
    bool found() const { return !m_positions.empty(); }
    // The number of menus on the way: 1 for an item of the top menu.
    std::size_t depth() const { return m_positions.size(); }
    // The position, among the items of the menu at `level` on the way, of
    // the item to point at there.
    int PositionAt(std::size_t level) const { return m_positions.at(level); }
    // The number of items in the menu at `level` on the way.
    std::size_t CountAt(std::size_t level) const { return m_counts.at(level); }

private:
    std::vector<int> m_positions;
    std::vector<std::size_t> m_counts;
};

}  // namespace q5
