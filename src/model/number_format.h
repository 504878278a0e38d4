#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace spanrix {

// The general number text every number is shown and written in: the shortest text of the
// value rounded to 15 significant digits (a double) or 7 (a float); "." as the decimal
// separator whatever the locale; plain form for decimal exponents -4..14 (double) or
// -4..6 (float), otherwise mantissa, "E", sign and at least two exponent digits.
std::string numberText(double x);
std::string numberText(float x);

// Rounds x to sigFigs significant figures, working on its 15-digit text as the display
// does, with exact halves going to the even digit. Display only: never store the result.
double roundSigFigs(double x, int sigFigs);

// The general number text of roundSigFigs(x, sigFigs): what every label shows.
std::string displayText(double x, int sigFigs);

// The longest text displayText gives at sigFigs figures, sign included: a negative value
// in exponent form with a three-digit exponent, or in plain form at either end of its
// range, whichever is longer. Boxes that show such numbers are sized from it.
std::string longestDisplayText(int sigFigs);

// A float as the display reads it: the value of its 7-digit general number text, so a
// section property typed as 0.1 is shown as 0.1 at any number of figures.
double floatDisplayValue(float x);

// Rounds to the nearest whole number, an exact half going to the even one.
double roundHalfEven(double x);

// The one strict number parser for user text and file items: blanks trimmed, optional
// sign, digits with an optional "." and an optional exponent; nothing else. Locale-free.
std::optional<double> parseNumber(std::string_view text);
// What every box that takes a number says to text the parser refuses. Numbers that break
// a box's own rule get that box's message instead.
inline constexpr std::string_view kNotANumberMessage = "Enter a number, such as 1000 or 1.5E3.";

// Whole-number conversions, halves to even; refused when out of the 16-bit range.
std::optional<int16_t> toInt16(double x);

inline constexpr int kMinSigFigs = 1;
inline constexpr int kMaxSigFigs = 15;
inline constexpr int kDefaultSigFigs = 3;

// The significant-figures prompt.
inline constexpr std::string_view kSigFigsTitle = "Display Significant Figures";
std::string sigFigsPromptText(int sigFigs);
inline constexpr std::string_view kSigFigsRefusal =
    "Enter a whole number of significant figures from 1 to 15.";

// Reading a reply to that prompt: nullopt for an empty reply (nothing happens); otherwise
// either the new count or the refusal message (and the count stays as it was).
struct SigFigsReply {
    std::optional<int> newSigFigs;
    std::optional<std::string> refusal;
};
std::optional<SigFigsReply> readSigFigsReply(std::string_view reply);

}  // namespace spanrix
