#include "ui/dialogs/dialog_commands.h"

namespace spanrix {

void installDialogCommands(LoadingWindow&, AppContext&) {}

}  // namespace spanrix
