#include "ui/qt_prompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace spanrix {

namespace {

// Message texts use a carriage return for a line break; Qt wants a line feed.
QString shown(const std::string& text)
{
    QString s = QString::fromStdString(text);
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

}  // namespace

void QtPrompts::message(const std::string& text, const std::string& title)
{
    QMessageBox::information(QApplication::activeWindow(), QString::fromStdString(title), shown(text));
}

void QtPrompts::explainedMessage(const std::string& text, const std::string& informative,
                                 const std::string& title)
{
    QMessageBox box(QMessageBox::Information, QString::fromStdString(title), shown(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setInformativeText(shown(informative));
    box.exec();
}

bool QtPrompts::askYesNo(const std::string& text, const std::string& title)
{
    return QMessageBox::question(QApplication::activeWindow(), QString::fromStdString(title),
                                 shown(text), QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

SaveChoice QtPrompts::askSaveChanges(const std::string& text, const std::string& title)
{
    const auto button = QMessageBox::question(
        QApplication::activeWindow(), QString::fromStdString(title), shown(text),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (button == QMessageBox::Save) return SaveChoice::Save;
    if (button == QMessageBox::Discard) return SaveChoice::Discard;
    return SaveChoice::Cancel;
}

std::optional<std::string> QtPrompts::input(const std::string& prompt, const std::string& title,
                                            const std::string& defaultText)
{
    bool ok = false;
    const QString reply = QInputDialog::getText(QApplication::activeWindow(),
                                                QString::fromStdString(title), shown(prompt),
                                                QLineEdit::Normal,
                                                QString::fromStdString(defaultText), &ok);
    if (!ok) return std::nullopt;
    return reply.toStdString();
}

}  // namespace spanrix
