#pragma once

// Builds models the way the feature dialogs do (tracker raise, append, values), so the
// loading-screen tests need no dialog.

#include <cmath>

#include "model/app_state.h"
#include "geometry/geometry.h"

namespace spanrix::testing {

// The worked example: a 19200 x 10800 twip work area and a 100 ft beam, 3 figures.
inline AppState exampleState()
{
    AppState s;
    s.geometry = screenGeometry(19200, 10800);
    s.model.beamLength = 1200;
    s.sigFigs = 3;
    return s;
}

inline int addPointLoad(BeamModel& m, double mag, double loc, const char* force = "lb",
                        const char* length = "in")
{
    raiseTracker(m, FeatureKind::PointLoad, mag);
    const int k = appendFeature(m, FeatureKind::PointLoad, force, length);
    m.pointLoadMag[k] = mag;
    m.pointLoadLoc[k] = loc;
    return m.numFeatures;
}

inline int addDistLoad(BeamModel& m, double s, double e, double s0, double e0,
                       const char* force = "pi", const char* length = "in")
{
    raiseTracker(m, FeatureKind::DistLoad, std::abs(e) > std::abs(s) ? e : s);
    const int k = appendFeature(m, FeatureKind::DistLoad, force, length);
    m.distLoadStartMag[k] = s;
    m.distLoadEndMag[k] = e;
    m.distLoadStart[k] = s0;
    m.distLoadEnd[k] = e0;
    return m.numFeatures;
}

inline int addMoment(BeamModel& m, double mag, double loc, const char* force = "pi",
                     const char* length = "in")
{
    raiseTracker(m, FeatureKind::Moment, mag);
    const int k = appendFeature(m, FeatureKind::Moment, force, length);
    m.momentMag[k] = mag;
    m.momentLoc[k] = loc;
    return m.numFeatures;
}

inline int addSupport(BeamModel& m, double loc, const char* type = "simp",
                      const char* length = "in")
{
    const int k = appendFeature(m, FeatureKind::Support, "lb", length);
    m.supportLoc[k] = loc;
    m.supportType[k] = type;
    return m.numFeatures;
}

}  // namespace spanrix::testing
