#include "cli/result_json.h"

#include "engine/result_quantities.h"

namespace spanrix::cli {

namespace {

Json peakJson(double value, double x) { return Json{{"value", value}, {"x", x}}; }

}  // namespace

Json reactionsJson(const BeamModel& m, const ReactionSolution& r)
{
    Json out = Json::array();
    for (int row = 1; row <= m.numFeatures; ++row) {
        if (featureKind(m, row) != FeatureKind::Support) continue;
        const int k = featureIndex(m, row);
        if (!isLive(m, FeatureKind::Support, k)) continue;
        int momentSlot = 0;
        for (int j = 1; j <= r.activeSupportCount; ++j) {
            const int solverRow = r.reactionFeature[static_cast<size_t>(j)];
            const bool cantilever = m.supportType[featureIndex(m, solverRow)] == "cant";
            if (cantilever) ++momentSlot;
            if (solverRow != row) continue;
            Json entry;
            entry["feature"] = row;
            entry["support"] = k;
            entry["type"] = m.supportType[k];
            entry["location"] = static_cast<double>(m.supportLoc[k]);
            entry["force"] = r.supportForce(j);
            entry["moment"] = cantilever ? Json(r.reactionVector[static_cast<size_t>(momentSlot)])
                                         : Json(nullptr);
            out.push_back(entry);
            break;
        }
    }
    return out;
}

Json peaksJson(const PeakValues& p, double ei)
{
    Json out;
    for (const ResultQuantity& q : kResultQuantities) {
        const Peak& at = p.*q.peak;
        out[q.key] = peakJson(internalValue(q, at.value, ei), at.x);
    }
    return out;
}

}  // namespace spanrix::cli
