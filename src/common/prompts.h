#pragma once
// Everything that stops and asks the user goes through this seam: message
// boxes, the input box, file and folder dialogs, the print dialog, web pages,
// help topics and modal windows. Production uses QtPrompts; tests answer by script.

#include <QString>
#include <QUrl>

class QDialog;
class QPrinter;
class QWidget;

enum class MessageKind { Plain, Information, Warning, Error, Confirmation };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

class Prompts {
public:
    virtual ~Prompts() = default;

    virtual Answer message(QWidget* parent, MessageKind kind, const QString& title,
                           const QString& text, MessageButtons buttons) = 0;
    // The input box; returns false when cancelled, otherwise `value` holds the text.
    virtual bool input(QWidget* parent, const QString& title, const QString& label,
                       QString& value) = 0;
    // Empty result: cancelled.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& dir,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& proposal,
                                 const QString& filter) = 0;
    virtual QString chooseFolder(QWidget* parent, const QString& title, const QString& dir) = 0;
    // The print dialog; false when cancelled. The printer is set up by the dialog.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
    virtual void openUrl(const QUrl& url) = 0;
    virtual void showHelp(QWidget* parent, int topic) = 0;
    // Shows a window modally and returns its result code.
    virtual int execModal(QDialog& dialog) = 0;

    // Shorthands for the four kinds of message the program uses.
    void information(QWidget* parent, const QString& text, const QString& title = QString())
    {
        message(parent, MessageKind::Information, title, text, MessageButtons::Ok);
    }
    void warning(QWidget* parent, const QString& text, const QString& title = QString())
    {
        message(parent, MessageKind::Warning, title, text, MessageButtons::Ok);
    }
    void error(QWidget* parent, const QString& text, const QString& title = QString())
    {
        message(parent, MessageKind::Error, title, text, MessageButtons::Ok);
    }
    bool confirm(QWidget* parent, const QString& text, const QString& title = QString(),
                 MessageKind kind = MessageKind::Confirmation)
    {
        return message(parent, kind, title, text, MessageButtons::YesNo) == Answer::Yes;
    }
};
