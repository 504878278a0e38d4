#include "ui/calc/calc_commands.h"

namespace spanrix {

void installCalcCommands(LoadingWindow&, AppContext&) {}

}  // namespace spanrix
