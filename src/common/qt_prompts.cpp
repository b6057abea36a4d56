#include "common/qt_prompts.h"

#include "common/help_window.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

QMessageBox::Icon iconFor(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    case MessageKind::Plain:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsFor(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

Answer QtPrompts::message(QWidget* parent, MessageKind kind, const QString& title,
                          const QString& text, MessageButtons buttons)
{
    QMessageBox box(iconFor(kind), title.isEmpty() ? QString::fromLatin1(kApplicationTitle) : title,
                    text, buttonsFor(buttons), parent);
    // Messages carry the user's data and file contents: never interpret them as markup.
    box.setTextFormat(Qt::PlainText);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return buttons == MessageButtons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

bool QtPrompts::input(QWidget* parent, const QString& title, const QString& label, QString& value)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, label, QLineEdit::Normal, value, &ok);
    if (ok)
        value = text;
    return ok;
}

QString QtPrompts::openFileName(QWidget* parent, const QString& title, const QString& dir,
                                const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, dir, filter);
}

QString QtPrompts::saveFileName(QWidget* parent, const QString& title, const QString& proposal,
                                const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, title, proposal, filter);
}

QString QtPrompts::chooseFolder(QWidget* parent, const QString& title, const QString& dir)
{
    return QFileDialog::getExistingDirectory(parent, title, dir);
}

bool QtPrompts::choosePrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrompts::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

void QtPrompts::showHelp(QWidget* parent, int topic)
{
    HelpWindow::showTopic(parent, topic);
}

int QtPrompts::execModal(QDialog& dialog)
{
    return dialog.exec();
}
