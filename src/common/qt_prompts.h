#pragma once
// The real dialogs behind the prompts seam.

#include "common/prompts.h"

class QtPrompts : public Prompts {
public:
    Answer message(QWidget* parent, MessageKind kind, const QString& title, const QString& text,
                   MessageButtons buttons) override;
    bool input(QWidget* parent, const QString& title, const QString& label,
               QString& value) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& dir,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& proposal,
                         const QString& filter) override;
    QString chooseFolder(QWidget* parent, const QString& title, const QString& dir) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    void openUrl(const QUrl& url) override;
    void showHelp(QWidget* parent, int topic) override;
    int execModal(QDialog& dialog) override;
};

// The title of message boxes that name none.
inline constexpr const char* kApplicationTitle = "Tarvolo Home";
