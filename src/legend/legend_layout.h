#pragma once

// Where legend labels go when their own positions would put one over another.

#include <span>
#include <vector>

namespace spanrix {

// The area a label covers, y downwards, in any one unit.
struct LabelRect {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;

    bool operator==(const LabelRect&) const = default;
};

// Whether the two areas share more than an edge.
bool overlaps(const LabelRect& a, const LabelRect& b);

// Places the labels in order. A label keeps its own top unless it would cover a label
// placed before it; it then moves down by its own height until it is clear. Returns the
// tops, one per label. Labels of no height cover nothing and never move; overlaps of a
// millionth of a label's height are rounding and move nothing.
std::vector<double> clearedTops(std::span<const LabelRect> labels);

// The smallest area holding every label of some height and width; empty for none.
LabelRect boundingRect(std::span<const LabelRect> labels);

// Places groups of labels (each the area of all its lines) in order. A group keeps its own
// top unless it would overlap a group placed before it; it then moves down by the overlap,
// until it is clear of them all. Returns the tops, one per group.
std::vector<double> clearedGroupTops(std::span<const LabelRect> groups);

}  // namespace spanrix
