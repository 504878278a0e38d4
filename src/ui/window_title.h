#pragma once

#include <QString>

namespace spanrix {

// A main window's caption naming the open file: "Spanrix: Loading Screen - beam.lod", or
// the bare caption while no file is open.
inline QString titleNamingFile(const QString& caption, const QString& fileName)
{
    return fileName.isEmpty() ? caption : caption + " - " + fileName;
}

}  // namespace spanrix
