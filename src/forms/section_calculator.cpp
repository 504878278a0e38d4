#include "forms/section_calculator.h"

#include <algorithm>
#include <cmath>

#include "model/number_format.h"

namespace spanrix {

namespace {

std::optional<double> dimension(const std::string& text)
{
    if (text.empty()) return std::nullopt;
    return parseNumber(text);
}

// Whether a box the chosen section reads holds text other than a number.
bool typo(const SectionDimensions& d)
{
    auto bad = [](const std::string& text) { return !text.empty() && !parseNumber(text); };
    if (d.round) return bad(d.outerDiameter) || (d.tube && bad(d.innerDiameter));
    return bad(d.width) || bad(d.height) || (d.tube && bad(d.wall));
}

double rectangle(double width, double height) { return width * std::pow(height, 3) / 12; }

double disc(double diameter) { return std::pow(diameter / 2, 4) * kSectionPi / 4; }

}  // namespace

std::optional<SectionProperties> sectionProperties(const SectionDimensions& dims)
{
    if (dims.round) {
        const auto od = dimension(dims.outerDiameter);
        if (!od) return std::nullopt;
        if (!dims.tube) return SectionProperties{disc(*od), *od / 2};
        const auto id = dimension(dims.innerDiameter);
        if (!id || !(*od > *id)) return std::nullopt;
        return SectionProperties{disc(*od) - disc(*id), *od / 2};
    }
    const auto w = dimension(dims.width);
    const auto h = dimension(dims.height);
    if (!w || !h) return std::nullopt;
    if (!dims.tube) return SectionProperties{rectangle(*w, *h), *h / 2};
    const auto t = dimension(dims.wall);
    if (!t || !(*w > 2 * *t) || !(*h > 2 * *t)) return std::nullopt;
    return SectionProperties{rectangle(*w, *h) - rectangle(*w - 2 * *t, *h - 2 * *t), *h / 2};
}

SectionCalculation calculateSection(const SectionDimensions& dims, int sigFigs)
{
    if (typo(dims)) return {std::nullopt, std::string(kNotANumberMessage)};
    const auto p = sectionProperties(dims);
    // Dimensions so large that I overflows give nothing the beam properties could store.
    if (!p || !std::isfinite(p->inertia)) return {std::nullopt, std::string(kInvalidDimensions)};
    return {SectionResultTexts{displayText(p->inertia, std::max(sigFigs, kMinInertiaFigures)),
                               numberText(p->fiber)},
            {}};
}

}  // namespace spanrix
