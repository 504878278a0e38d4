#include "ui/save_name.h"

#include <QFileDialog>

namespace spanrix {

SaveNameChooser platformSaveDialog()
{
    return [](const SaveNameRequest& r) -> std::optional<std::string> {
        const QString name = QFileDialog::getSaveFileName(r.parent, r.caption, r.suggested, r.filter);
        if (name.isEmpty()) return std::nullopt;
        return name.toStdString();
    };
}

SaveNameChooser platformOpenDialog()
{
    return [](const SaveNameRequest& r) -> std::optional<std::string> {
        const QString name = QFileDialog::getOpenFileName(r.parent, r.caption, r.suggested, r.filter);
        if (name.isEmpty()) return std::nullopt;
        return name.toStdString();
    };
}

}  // namespace spanrix
