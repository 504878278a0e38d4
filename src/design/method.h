#pragma once

namespace spanrix::design {

// Strength design (LRFD) or allowable stress design (ASD): the combinations and the
// resistance or safety factors they go with.
enum class Method { Strength, AllowableStress };

}  // namespace spanrix::design
