#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace spanrix {

// What a command asks the platform's save dialog: its caption, the name it suggests (a
// path) and its filters in the dialog's "Name (*.ext);;..." form.
struct SaveNameRequest {
    QWidget* parent = nullptr;
    QString caption;
    QString suggested;
    QString filter;
};

// Asks for the name of a file to write (or, from an open dialog, to read); nullopt when the user cancels. Commands take one
// of these, so tests put a scripted answer in the place of the modal dialog.
using SaveNameChooser = std::function<std::optional<std::string>(const SaveNameRequest&)>;

// The platform's own save dialog, which also asks before replacing a file.
SaveNameChooser platformSaveDialog();

// The same for a file to read: the platform's own open dialog.
SaveNameChooser platformOpenDialog();

}  // namespace spanrix
