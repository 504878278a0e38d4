// Any bytes as a load file, in both layouts, read over a beam that no input matches: a
// failed read leaves that beam exactly as it was, and a beam that was read writes, reads
// and writes again to the same text.

#include <cstddef>
#include <cstdint>
#include <string>

#include "files/load_file.h"
#include "fuzz_check.h"

using namespace spanrix;

namespace {

BeamModel beamBefore()
{
    BeamModel m;
    m.beamLength = 321.0;
    m.editingFeature = true;
    m.resolution = 1234.0f;
    const int k = appendFeature(m, FeatureKind::Moment, "pi", "in");
    m.momentMag[k] = -77.0;
    m.momentLoc[k] = 12.5;
    m.maxMomentMag = 77.0;
    return m;
}

void checkRead(const std::string& text, FileLayout layout)
{
    static const BeamModel before = beamBefore();
    BeamModel current = before;
    const OpenOutcome outcome = readLoadText(text, layout, current);
    if (!outcome.ok()) {
        FUZZ_CHECK(current == before);
        FUZZ_CHECK(outcome.legendRows.empty());
        return;
    }
    FUZZ_CHECK(current.editingFeature);  // not in the file: kept
    FUZZ_CHECK(static_cast<int>(outcome.legendRows.size()) == current.numFeatures);
    for (const LegendRow& row : outcome.legendRows) {
        if (row.kind == FeatureKind::None) continue;
        FUZZ_CHECK(row.index >= 1 && row.index <= featureCount(current, row.kind));
    }

    // A beam the writer refuses is one a save reports as not saved.
    const auto written = savableLoadFileText(current);
    if (!written) return;
    BeamModel again = before;
    FUZZ_CHECK(readLoadText(*written, FileLayout::Current, again).ok());
    FUZZ_CHECK(loadFileText(again) == *written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    checkRead(text, FileLayout::Current);
    checkRead(text, FileLayout::Version1);
    return 0;
}
