#pragma once

#include <array>
#include <cstddef>

namespace spanrix {

// The result quantities of a run (their table is engine/result_quantities.h), in the order
// they were added, which spanrix-cli keeps for its JSON keys.
enum class Quantity { Moment, Stress, Slope, Deflection, Shear };
inline constexpr std::size_t kQuantityCount = 5;

// One text, value or pair per quantity.
template <class T>
struct PerQuantity {
    std::array<T, kQuantityCount> items{};
    T& operator[](Quantity q) { return items[static_cast<std::size_t>(q)]; }
    const T& operator[](Quantity q) const { return items[static_cast<std::size_t>(q)]; }
};

}  // namespace spanrix
