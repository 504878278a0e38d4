#pragma once

namespace spanrix {

struct AppContext;
class LoadingWindow;

// Wires the loading screen's Run Calculations and Change Resolution commands; the
// calculations screen is created on the first run.
void installCalcCommands(LoadingWindow& loading, AppContext& context);

}  // namespace spanrix
