#pragma once

// Beams the engine tests build, through the model's own append operation.

#include <random>

#include "model/beam_model.h"

namespace spanrix::test_beams {

inline BeamModel emptyBeam(double length, bool metric = false)
{
    BeamModel m;
    m.metricUnits = metric;
    m.beamLength = length;
    m.modulusE = metric ? 200e9f : 29e6f;
    m.momentOfInertia = metric ? 8e-5f : 100.0f;
    m.fiberDistance = metric ? 0.15f : 5.0f;
    return m;
}

inline int addPointLoad(BeamModel& m, double magnitude, double at)
{
    const int k = appendFeature(m, FeatureKind::PointLoad, m.metricUnits ? "N" : "lb",
                                m.metricUnits ? "m" : "in");
    m.pointLoadMag[k] = magnitude;
    m.pointLoadLoc[k] = at;
    return m.numFeatures;
}

inline int addDistLoad(BeamModel& m, double from, double to, double w0, double w1)
{
    const int k = appendFeature(m, FeatureKind::DistLoad, m.metricUnits ? "N" : "pi",
                                m.metricUnits ? "m" : "in");
    m.distLoadStart[k] = from;
    m.distLoadEnd[k] = to;
    m.distLoadStartMag[k] = w0;
    m.distLoadEndMag[k] = w1;
    return m.numFeatures;
}

inline int addMoment(BeamModel& m, double magnitude, double at)
{
    const int k = appendFeature(m, FeatureKind::Moment, m.metricUnits ? "N" : "pi",
                                m.metricUnits ? "m" : "in");
    m.momentMag[k] = magnitude;
    m.momentLoc[k] = at;
    return m.numFeatures;
}

// Returns the feature row of the new support.
inline int addSupport(BeamModel& m, double at, bool cantilever = false)
{
    const int k = appendFeature(m, FeatureKind::Support, m.metricUnits ? "N" : "lb",
                                m.metricUnits ? "m" : "in");
    m.supportLoc[k] = at;
    m.supportType[k] = cantilever ? "cant" : "simp";
    return m.numFeatures;
}

// Fixed at the left end, propped at the right, under a uniform load w.
inline BeamModel proppedCantilever(double length, double w)
{
    BeamModel m = emptyBeam(length);
    addSupport(m, 0, true);
    addSupport(m, length);
    addDistLoad(m, 0, length, w, w);
    return m;
}

// A beam at full capacity: 50 point loads, 50 distributed loads, 50 moments and 20
// supports (cantilevers at both ends), all placed at random over the span.
inline BeamModel fullCapacityBeam(unsigned seed, float resolution = 200000.0f)
{
    std::mt19937_64 rng(seed);
    const double L = 480.0;
    std::uniform_real_distribution<double> along(0.0, L);
    std::uniform_real_distribution<double> load(-2000.0, 2000.0);
    std::uniform_real_distribution<double> intensity(-50.0, 50.0);
    std::uniform_real_distribution<double> couple(-20000.0, 20000.0);

    BeamModel m = emptyBeam(L);
    m.resolution = resolution;
    addSupport(m, 0.0, true);
    for (int i = 0; i < kMaxPointLoads; ++i) addPointLoad(m, load(rng), along(rng));
    for (int i = 0; i < kMaxDistLoads; ++i) {
        double a = along(rng), b = along(rng);
        if (a > b) std::swap(a, b);
        addDistLoad(m, a, b + 1.0 > L ? L : b + 1.0, intensity(rng), intensity(rng));
    }
    for (int i = 0; i < kMaxMoments; ++i) addMoment(m, couple(rng), along(rng));
    // 18 simple supports spread over the span, one per stretch so none coincide.
    std::uniform_real_distribution<double> within(0.1, 0.9);
    for (int i = 1; i <= kMaxSupports - 2; ++i)
        addSupport(m, L * (i + within(rng)) / (kMaxSupports - 1));
    addSupport(m, L, true);
    return m;
}

}  // namespace spanrix::test_beams
