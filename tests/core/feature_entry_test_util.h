#pragma once

#include <string>

#include "model/beam_model.h"
#include "forms/feature_entry.h"

namespace spanrix::testing {

// A fresh English beam, 100 ft long (1200 in).
inline BeamModel englishBeam(double length = 1200.0)
{
    BeamModel m;
    m.beamLength = length;
    return m;
}

inline BeamModel metricBeam(double length = 10.0)
{
    BeamModel m = englishBeam(length);
    m.metricUnits = true;
    return m;
}

inline FeatureEntry pointLoad(std::string magnitude, std::string location, bool feet = false,
                              bool kg = false)
{
    FeatureEntry e;
    e.magnitude = std::move(magnitude);
    e.location = std::move(location);
    e.options.feet = feet;
    e.options.kg = kg;
    return e;
}

inline FeatureEntry distLoad(std::string startMag, std::string endMag, std::string start,
                             std::string end, bool perFoot = false, bool feet = false)
{
    FeatureEntry e;
    e.magnitude = std::move(startMag);
    e.endMagnitude = std::move(endMag);
    e.location = std::move(start);
    e.endLocation = std::move(end);
    e.options.perFoot = perFoot;
    e.options.feet = feet;
    return e;
}

inline FeatureEntry support(std::string location, bool cantilever = false, bool feet = false)
{
    FeatureEntry e;
    e.location = std::move(location);
    e.cantilever = cantilever;
    e.options.feet = feet;
    return e;
}

}  // namespace spanrix::testing
