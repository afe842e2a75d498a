// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The search every code's circuit check makes: each criterion finds the smallest size that
// meets it; the largest of those minimums is the answer, set by the first criterion (in the
// code's order) that asks for it; a size given instead fails each criterion whose minimum is
// larger. A code supplies the sizes and what "meets" is; the search is the same.

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace ferrovolt {

// The smallest size from `first` up to, not including, `count` that meets the criterion.
template <class Meets>
std::optional<int> smallestMeeting(int first, int count, Meets meets) {
    for (int size = first; size < count; ++size)
        if (meets(size)) return size;
    return std::nullopt;
}

// The criterion (an index into `minimums`) whose minimum is the largest, the first of equal
// ones; a criterion not applied has none.
inline std::size_t governingCriterion(std::span<const std::optional<int>> minimums) {
    std::size_t top = 0;
    for (std::size_t c = 0; c < minimums.size(); ++c)
        if (minimums[c] && (!minimums[top] || *minimums[c] > *minimums[top])) top = c;
    return top;
}

// The criteria a given size does not meet, in order.
inline std::vector<std::size_t> failedCriteria(std::span<const std::optional<int>> minimums,
                                               int size) {
    std::vector<std::size_t> failed;
    for (std::size_t c = 0; c < minimums.size(); ++c)
        if (minimums[c] && *minimums[c] > size) failed.push_back(c);
    return failed;
}

}  // namespace ferrovolt
