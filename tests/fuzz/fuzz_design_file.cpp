// Any bytes as a design file, read over a beam that no input matches: a failed read leaves
// that beam exactly as it was, and a beam that was read writes, reads and writes again to
// the same text.

#include <cstddef>
#include <cstdint>
#include <string>

#include "files/design_file.h"
#include "fuzz_check.h"

using namespace spanrix;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    BeamModel before;
    before.beamLength = 321.0;
    before.editingFeature = true;
    before.design.sectionName = "W8 X 10";
    const std::string text(reinterpret_cast<const char*>(data), size);

    BeamModel current = before;
    const OpenOutcome outcome = readDesignText(text, current);
    if (!outcome.ok()) {
        FUZZ_CHECK(current == before);
        return 0;
    }
    FUZZ_CHECK(current.editingFeature);  // not in the file: kept
    FUZZ_CHECK(static_cast<int>(outcome.legendRows.size()) == current.numFeatures);
    const std::string written = designFileText(current);
    BeamModel again = before;
    if (!readDesignText(written, again).ok()) return 0;  // a value JSON cannot hold: not saved
    FUZZ_CHECK(designFileText(again) == written);
    return 0;
}
