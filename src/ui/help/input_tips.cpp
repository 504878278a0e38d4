#include "ui/help/input_tips.h"

#include <QWidget>

#include "ui/help/help_texts.h"

namespace spanrix {

void explainInputs(QWidget& window)
{
    const QString name = window.objectName();
    for (const InputTip& tip : inputTips()) {
        if (name != QLatin1String(tip.window.data(), qsizetype(tip.window.size()))) continue;
        if (auto* input = window.findChild<QWidget*>(QString::fromUtf8(tip.control)))
            input->setToolTip(QString::fromUtf8(tip.text));
    }
}

}  // namespace spanrix
