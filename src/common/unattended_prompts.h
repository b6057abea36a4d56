#pragma once
// Prompts for a run with no one at the screen (measurements, helper processes
// of tests): every dialog that would ask for a file, folder, printer or text is
// cancelled, web pages and help are not opened. How messages and modal windows
// are handled is left to the run.

#include "common/prompts.h"

class UnattendedPrompts : public Prompts {
public:
    bool input(QWidget*, const QString&, const QString&, QString&) override { return false; }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return {};
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return {};
    }
    QString chooseFolder(QWidget*, const QString&, const QString&) override { return {}; }
    bool choosePrinter(QWidget*, QPrinter&) override { return false; }
    void openUrl(const QUrl&) override {}
    void showHelp(QWidget*, int) override {}
};
