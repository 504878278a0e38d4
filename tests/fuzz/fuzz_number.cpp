// Any text through the one number parser, checked against the C library's strtod, and the
// general number text of whatever it accepts read back to the same text.

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/resolution.h"
#include "fuzz_check.h"
#include "model/number_format.h"

using namespace spanrix;

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// What strtod (in the "C" locale) makes of the whole trimmed text, or NAN when it does not
// take all of it.
double strtodValue(std::string text)
{
    while (!text.empty() && isBlank(text.back())) text.pop_back();
    size_t start = 0;
    while (start < text.size() && isBlank(text[start])) ++start;
    const char* begin = text.c_str() + start;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(begin, &end);
    if (end == begin || *end != '\0') return NAN;
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (text.find('\0') != std::string::npos) return 0;  // strtod would stop there
    const auto value = parseNumber(text);
    (void)readSigFigsReply(text);
    (void)readResolutionReply(text, 10000.0f);
    if (!value) return 0;

    // Accepted text is text strtod reads, to the same double; underflow reads as zero,
    // and nothing beyond the range is accepted.
    FUZZ_CHECK(std::isfinite(*value));
    const double reference = strtodValue(text);
    FUZZ_CHECK(!std::isnan(reference));
    FUZZ_CHECK(std::isfinite(reference));
    FUZZ_CHECK(*value == reference || (*value == 0 && std::abs(reference) < 1e-300));

    for (int figures = kMinSigFigs; figures <= kMaxSigFigs; ++figures) (void)displayText(*value, figures);
    (void)toInt16(*value);
    (void)numberText(static_cast<float>(*value));

    // The general number text reads back to itself, unless it rounds past the range.
    const std::string written = numberText(*value);
    if (const auto again = parseNumber(written)) FUZZ_CHECK(numberText(*again) == written);
    else FUZZ_CHECK(std::abs(*value) > 1.79769313486231e308);
    return 0;
}
