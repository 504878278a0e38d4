#pragma once

namespace spanrix {

struct AppContext;
class LoadingWindow;

// Wires the loading screen's Add, Edit Feature dispatch and Properties commands to the
// feature and beam dialogs, which are created on first use.
void installDialogCommands(LoadingWindow& loading, AppContext& context);

}  // namespace spanrix
