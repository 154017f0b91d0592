#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <iterator>
#include <string_view>

namespace ampera::catalogue {

// The row whose projected field equals the key, or nullptr.
template <class Rows, class Key, class Projection>
constexpr auto findRow(const Rows& rows, const Key& key, Projection projection) {
    const auto it = std::ranges::find(rows, key, projection);
    return it == std::ranges::end(rows) ? nullptr : &*it;
}

// The list texts of a table's rows, in row order.
template <class Row, std::size_t N, class Projection>
constexpr std::array<std::string_view, N> textsOf(const Row (&rows)[N], Projection projection) {
    std::array<std::string_view, N> texts{};
    std::ranges::transform(rows, texts.begin(), projection);
    return texts;
}

}  // namespace ampera::catalogue
