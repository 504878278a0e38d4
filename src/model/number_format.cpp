#include "model/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace spanrix {

namespace {

// Writes |x| rounded to `digits` significant digits as the general number text, with the
// plain form for decimal exponents from -4 to maxPlainExponent.
template <typename T>
std::string generalText(T x, int digits, int maxPlainExponent)
{
    if (x == 0) return "0";  // negative zero included
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x < 0 ? "-Infinity" : "Infinity";

    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific,
                                      digits - 1);
    const std::string_view sci(buf, static_cast<size_t>(result.ptr - buf));
    const bool negative = sci.front() == '-';
    const size_t ePos = sci.find('e');
    std::string mantissa;
    for (char c : sci.substr(negative ? 1 : 0, ePos - (negative ? 1 : 0)))
        if (c != '.') mantissa += c;
    const int exponent = std::atoi(std::string(sci.substr(ePos + 1)).c_str());
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= -4 && exponent <= maxPlainExponent) {
        if (exponent < 0) {
            out.append("0.").append(static_cast<size_t>(-exponent - 1), '0').append(mantissa);
        } else {
            const size_t intDigits = static_cast<size_t>(exponent) + 1;
            if (mantissa.size() <= intDigits) {
                out.append(mantissa).append(intDigits - mantissa.size(), '0');
            } else {
                out.append(mantissa, 0, intDigits).append(".").append(mantissa, intDigits);
            }
        }
        return out;
    }
    out += mantissa.substr(0, 1);
    if (mantissa.size() > 1) out.append(".").append(mantissa, 1);
    const int absExp = std::abs(exponent);
    out += exponent < 0 ? "E-" : "E+";
    if (absExp < 10) out += '0';
    out += std::to_string(absExp);
    return out;
}

// Rounds v to n decimal places, exact halves to even, as the display rounding does.
double roundDecimals(double v, int n)
{
    const double scale = std::pow(10.0, n);
    return roundHalfEven(v * scale) / scale;
}

// The decimal exponent of the first significant digit of a validated unsigned number
// ("0.05" gives -2, "120e3" gives 5); all zeros count as below any range. Saturates far
// beyond the range of doubles, so every digit count and exponent fits.
long long decimalExponent(std::string_view text)
{
    constexpr long long kFarBeyond = 1'000'000'000;
    const size_t ePos = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, ePos);
    long long exponent = 0;
    if (ePos != std::string_view::npos) {
        size_t i = ePos + 1;
        const bool negative = text[i] == '-';
        if (text[i] == '-' || text[i] == '+') ++i;
        for (; i < text.size() && exponent < kFarBeyond; ++i) exponent = exponent * 10 + (text[i] - '0');
        if (negative) exponent = -exponent;
    }
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return -kFarBeyond;
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const auto digitsBefore = static_cast<long long>(point) - static_cast<long long>(first);
    return exponent + (first < point ? digitsBefore - 1 : digitsBefore);
}

double textValue(std::string_view text)
{
    return parseNumber(text).value_or(0.0);
}

}  // namespace

std::string numberText(double x) { return generalText(x, 15, 14); }
std::string numberText(float x) { return generalText(x, 7, 6); }

double roundHalfEven(double x) { return std::nearbyint(x); }

double roundSigFigs(double x, int sigFigs)
{
    const int s = sigFigs < kMinSigFigs ? kMinSigFigs : sigFigs;
    std::string t = numberText(x);
    if (!std::isfinite(x)) return x;
    double sign = 1.0;
    if (!t.empty() && t.front() == '-') {
        sign = -1.0;
        t.erase(0, 1);
    }
    const size_t e = t.find('E');
    if (t.front() == '0') {
        int z = 0;
        for (size_t i = 2; i < t.size() && t[i] == '0'; ++i) ++z;
        return sign * roundDecimals(textValue(t), z + s);
    }
    if (e != std::string::npos) {
        const int k = std::atoi(t.c_str() + e + 1);  // "+15" or "-07"
        const double m = textValue(std::string_view(t).substr(0, e));
        return roundDecimals(m, s - 1) * sign * std::pow(10.0, k);
    }
    const size_t point = t.find('.');
    const int d = static_cast<int>(point == std::string::npos ? t.size() : point);
    const double scale = std::pow(10.0, d);
    return roundDecimals(textValue(t) / scale, s) * sign * scale;
}

std::string displayText(double x, int sigFigs) { return numberText(roundSigFigs(x, sigFigs)); }

std::string longestDisplayText(int sigFigs)
{
    std::string longest;
    // Eights: no digit rounds up into a shorter text, and none is wider in common fonts.
    for (double x : {-8.88888888888888e-300, -0.000888888888888888, -888888888888888.0}) {
        std::string text = displayText(x, sigFigs);
        if (text.size() > longest.size()) longest = std::move(text);
    }
    return longest;
}

double floatDisplayValue(float x)
{
    if (!std::isfinite(x)) return x;  // shown as it is rather than as 0
    return parseNumber(numberText(x)).value_or(0.0);
}

std::optional<double> parseNumber(std::string_view text)
{
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);

    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Validate the whole shape first: from_chars would also take "inf", "nan" and prefixes.
    size_t i = 0;
    size_t digits = 0;
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    while (i < text.size() && isDigit(text[i])) { ++i; ++digits; }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) { ++i; ++digits; }
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        size_t expDigits = 0;
        while (i < text.size() && isDigit(text[i])) { ++i; ++expDigits; }
        if (expDigits == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;

    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Underflow reads as zero; overflow is refused.
        if (decimalExponent(text) < 0) return negative ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    if (!std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

std::optional<int16_t> toInt16(double x)
{
    if (!std::isfinite(x)) return std::nullopt;
    const double r = roundHalfEven(x);
    if (r < std::numeric_limits<int16_t>::min() || r > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(r);
}

std::string sigFigsPromptText(int sigFigs)
{
    return "Current number of display significant figures is " + std::to_string(sigFigs) +
           ".  Enter desired number of significant figures." + "\r" +
           "This control is for display only and " + "does not affect internal calculations.";
}

std::optional<SigFigsReply> readSigFigsReply(std::string_view reply)
{
    if (reply.empty()) return std::nullopt;
    SigFigsReply out;
    const auto value = parseNumber(reply);
    const auto whole = value ? toInt16(*value) : std::nullopt;
    if (!whole || *whole < kMinSigFigs || *whole > kMaxSigFigs) {
        out.refusal = std::string(kSigFigsRefusal);
    } else {
        out.newSigFigs = *whole;
    }
    return out;
}

}  // namespace spanrix
