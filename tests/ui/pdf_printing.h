#pragma once

#include <QPrinter>
#include <QProcess>
#include <QString>

#include "ui/report/print_dialog.h"

namespace spanrix::testing {

// Prints to a PDF file instead of asking for a printer.
class PdfChooser : public PrinterChooser {
public:
    explicit PdfChooser(QString file) : file_(std::move(file)) {}
    bool choose(QPrinter& printer, QWidget*) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file_);
        return true;
    }

private:
    QString file_;
};

// The text of a PDF, laid out as printed.
inline QString pdfText(const QString& pdf)
{
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    if (!text.waitForFinished(30000)) return {};
    return QString::fromUtf8(text.readAllStandardOutput());
}

}  // namespace spanrix::testing
