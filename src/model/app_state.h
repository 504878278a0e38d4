#pragma once

#include <string>

#include "model/beam_model.h"
#include "geometry/geometry.h"

namespace spanrix {

// Everything the program keeps besides analysis results: the beam, the display setting,
// the screen geometry and the directory the file windows show first. Owned by the
// application and passed by reference.
struct AppState {
    BeamModel model;
    int sigFigs = 0;  // 0 until the start-up dialog first loads
    ScreenGeometry geometry;
    std::string currentDir;
};

}  // namespace spanrix
