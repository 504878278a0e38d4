#pragma once

// The moment-of-inertia calculator: I and c of four simple cross-sections, with the
// dimensions as the user typed them (inches or millimetres).

#include <optional>
#include <string>
#include <string_view>

namespace spanrix {

inline constexpr std::string_view kInvalidDimensions = "Invalid dimensions";

// The calculator's own value of pi.
inline constexpr double kSectionPi = 3.14159265;

struct SectionDimensions {
    bool round = false;  // else rectangular
    bool tube = true;    // else solid
    std::string width;
    std::string height;
    std::string wall;
    std::string outerDiameter;
    std::string innerDiameter;
};

// The two result boxes: I rounded to at least 6 significant figures, c unrounded.
struct SectionResultTexts {
    std::string inertia;
    std::string fiber;

    bool operator==(const SectionResultTexts&) const = default;
};

struct SectionProperties {
    double inertia = 0;
    double fiber = 0;
};

// I and c of the chosen section, or nullopt when a box it needs is empty or not a number,
// or a tube's walls leave no hollow. Zero and negative dimensions are used as typed.
std::optional<SectionProperties> sectionProperties(const SectionDimensions& dims);

// I is shown with at least this many significant figures, c unrounded.
inline constexpr int kMinInertiaFigures = 6;

// The result texts for the display setting sigFigs, or the refusal: kNotANumberMessage
// for a box the section reads that holds other text, else kInvalidDimensions.
struct SectionCalculation {
    std::optional<SectionResultTexts> results;
    std::string refusal;
};
SectionCalculation calculateSection(const SectionDimensions& dims, int sigFigs);

}  // namespace spanrix
