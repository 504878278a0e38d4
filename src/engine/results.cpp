#include "engine/results.h"

namespace spanrix {

ResultSet::ResultSet()
    : momentAt(kResultSlots + 1, 0.0), stressAt(kResultSlots + 1, 0.0),
      slopeAt(kResultSlots + 1, 0.0), deflectionAt(kResultSlots + 1, 0.0)
{
}

}  // namespace spanrix
