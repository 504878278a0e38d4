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

LabelRect boundingRect(std::span<const LabelRect> labels)
{
    LabelRect box;
    bool first = true;
    for (const LabelRect& r : labels) {
        if (!(r.height > 0.0 && r.width > 0.0)) continue;
        if (first) {
            box = r;
            first = false;
            continue;
        }
        const double right = std::max(box.left + box.width, r.left + r.width);
        const double bottom = std::max(box.top + box.height, r.top + r.height);
        box.left = std::min(box.left, r.left);
        box.top = std::min(box.top, r.top);
        box.width = right - box.left;
        box.height = bottom - box.top;
    }
    return box;
}

std::vector<double> clearedGroupTops(std::span<const LabelRect> groups)
{
    std::vector<LabelRect> placed;
    placed.reserve(groups.size());
    for (LabelRect group : groups) {
        // Each move puts the group under one placed before it, which it never meets
        // again: it only moves down, at most once past each.
        for (bool moved = group.height > 0.0 && group.width > 0.0; moved;) {
            moved = false;
            for (const LabelRect& other : placed) {
                if (!inTheWay(group, other)) continue;
                const double below = other.top + other.height;
                if (!(below > group.top)) break;  // far off, lost in rounding: stay put
                group.top = below;
                moved = true;
            }
        }
        placed.push_back(group);
    }
    std::vector<double> tops;
    tops.reserve(placed.size());
    for (const LabelRect& group : placed) tops.push_back(group.top);
    return tops;
}

}  // namespace spanrix
