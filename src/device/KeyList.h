/*
 * The key list of the driver channel: the 24 key-combination values that
 * the driver is told to report as events. A zero entry is free; entries keep
 * their places, so a removal leaves a hole that the next addition fills.
 */
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace q5 {

class KeyList {
public:
    static constexpr std::size_t kCapacity = 24;
    using Entries = std::array<std::uint32_t, kCapacity>;

    // Stores the value in the first free entry unless it is already listed.
    // Fails, changing nothing, when it is not listed and no entry is free.
    bool Add(std::uint32_t value);
    // Clears the first entry equal to the value, if there is one.
    void Remove(std::uint32_t value);
    bool Contains(std::uint32_t value) const;

    const Entries& entries() const { return entries_; }

private:
    Entries entries_{};
};

}  // namespace q5
