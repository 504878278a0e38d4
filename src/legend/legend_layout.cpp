#include "legend/legend_layout.h"

#include <algorithm>
#include <cmath>

namespace spanrix {

namespace {

// Positions computed from the sketch scale carry rounding: an overlap or a remainder
// thinner than this share of a label's height is that, not a label in the way.
constexpr double kSlack = 1e-6;

bool inTheWay(const LabelRect& label, const LabelRect& other)
{
    const double depth = std::min(label.top + label.height, other.top + other.height) -
                         std::max(label.top, other.top);
    return overlaps(label, other) && depth > kSlack * label.height;
}

}  // namespace

bool overlaps(const LabelRect& a, const LabelRect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

std::vector<double> clearedTops(std::span<const LabelRect> labels)
{
    std::vector<LabelRect> placed;
    placed.reserve(labels.size());
    std::vector<double> tops;
    tops.reserve(labels.size());
    for (LabelRect label : labels) {
        if (label.height > 0.0 && label.width > 0.0) {
            // Each step clears at least the label it jumps past, which never comes back
            // into the way: the label only moves down.
            for (bool moved = true; moved;) {
                moved = false;
                for (const LabelRect& other : placed) {
                    if (!inTheWay(label, other)) continue;
                    const double steps =
                        std::ceil((other.top + other.height - label.top) / label.height - kSlack);
                    const double below = label.top + std::max(1.0, steps) * label.height;
                    // Far off the screen a step can vanish in rounding; stay put there.
                    if (!(below > label.top)) break;
                    label.top = below;
                    moved = true;
                }
            }
        }
        placed.push_back(label);
        tops.push_back(label.top);
    }
    return tops;
}

}  // namespace spanrix
