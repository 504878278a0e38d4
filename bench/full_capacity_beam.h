#pragma once

// The beam both benchmarks run: every kind at full capacity.

#include <random>
#include <utility>

#include "engine/results.h"
#include "model/beam_model.h"

namespace spanrix::bench {

// 50 point loads, 50 distributed loads, 50 moments and 20 supports (cantilevers at both
// ends), placed at random over the span with a fixed seed.
inline BeamModel fullCapacityBeam()
{
    std::mt19937_64 rng(20240611);
    const double L = 480.0;
    std::uniform_real_distribution<double> along(0.0, L);
    std::uniform_real_distribution<double> load(-2000.0, 2000.0);
    std::uniform_real_distribution<double> intensity(-50.0, 50.0);
    std::uniform_real_distribution<double> couple(-20000.0, 20000.0);

    BeamModel m;
    m.beamLength = L;
    m.modulusE = 29e6f;
    m.momentOfInertia = 100.0f;
    m.fiberDistance = 5.0f;
    m.resolution = static_cast<float>(kMaxResolution);
    auto support = [&](double at, const char* type) {
        const int k = appendFeature(m, FeatureKind::Support, "lb", "in");
        m.supportLoc[k] = at;
        m.supportType[k] = type;
    };
    support(0.0, "cant");
    for (int i = 0; i < kMaxPointLoads; ++i) {
        const int k = appendFeature(m, FeatureKind::PointLoad, "lb", "in");
        m.pointLoadMag[k] = load(rng);
        m.pointLoadLoc[k] = along(rng);
    }
    for (int i = 0; i < kMaxDistLoads; ++i) {
        double a = along(rng), b = along(rng);
        if (a > b) std::swap(a, b);
        const int k = appendFeature(m, FeatureKind::DistLoad, "pi", "in");
        m.distLoadStart[k] = a;
        m.distLoadEnd[k] = b + 1.0 > L ? L : b + 1.0;
        m.distLoadStartMag[k] = intensity(rng);
        m.distLoadEndMag[k] = intensity(rng);
    }
    for (int i = 0; i < kMaxMoments; ++i) {
        const int k = appendFeature(m, FeatureKind::Moment, "pi", "in");
        m.momentMag[k] = couple(rng);
        m.momentLoc[k] = along(rng);
    }
    std::uniform_real_distribution<double> within(0.1, 0.9);
    for (int i = 1; i <= kMaxSupports - 2; ++i)
        support(L * (i + within(rng)) / (kMaxSupports - 1), "simp");
    support(L, "cant");
    return m;
}

}  // namespace spanrix::bench
