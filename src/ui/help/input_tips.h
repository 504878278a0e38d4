#pragma once

class QWidget;

namespace spanrix {

// Gives every input of the window the tooltip the help texts hold for it.
void explainInputs(QWidget& window);

}  // namespace spanrix
