#include "ui/help/input_tips.h"

#include <QWidget>

#include "ui/help/help_texts.h"

namespace spanrix {

void explainInputs(QWidget& window)
{
    const QString name = window.objectName();
    for (const InputTip& tip : inputTips()) {
        if (name != QLatin1String(tip.window.data(), qsizetype(tip.window.size()))) continue;
        const QString control = QString::fromUtf8(tip.control.data(), qsizetype(tip.control.size()));
        if (auto* input = window.findChild<QWidget*>(control))
            input->setToolTip(QString::fromUtf8(tip.text.data(), qsizetype(tip.text.size())));
    }
}

}  // namespace spanrix
