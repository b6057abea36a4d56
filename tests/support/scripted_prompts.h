#pragma once
// The prompts seam answered by script. A test queues the prompts it expects,
// in order, with their answers; anything unexpected fails the test at once,
// and finished() tells whether every expected prompt came.

#include "common/prompts.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

class ScriptedPrompts : public Prompts {
public:
    using ModalAction = std::function<void(QDialog&)>;

    // A message box with this kind and exact text; `title` is checked when given.
    ScriptedPrompts& expectMessage(MessageKind kind, const QString& text,
                                   Answer answer = Answer::Ok,
                                   std::optional<QString> title = std::nullopt);
    // The input box with this exact prompt label; nullopt answers Cancel.
    ScriptedPrompts& expectInput(const QString& label, std::optional<QString> answer);
    // File and folder dialogs; an empty answer cancels.
    ScriptedPrompts& expectOpenFile(const QString& answer);
    ScriptedPrompts& expectSaveFile(const QString& answer);
    ScriptedPrompts& expectFolder(const QString& answer);
    // The print dialog: accept with the printer set up by `setup`, or cancel.
    ScriptedPrompts& expectPrinter(bool accept, std::function<void(QPrinter&)> setup = {});
    // A window shown modally, found by objectName; `action` works inside it while
    // it is shown, and the window is closed afterwards if it still is open.
    ScriptedPrompts& expectModal(const QString& objectName, ModalAction action = {});

    // True when every expected prompt came and nothing unexpected did.
    bool finished() const;
    QString problems() const;

    // What was shown, one line per prompt: "kind|title|text".
    QStringList log;
    QStringList openedUrls;
    QList<int> helpTopics;
    // The proposals handed to the last file dialogs and input box.
    QString lastDialogDir;
    QString lastInputValue;

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

private:
    enum class Type { Message, Input, OpenFile, SaveFile, Folder, Printer, Modal };
    struct Expected {
        Type type = Type::Message;
        QString text;
        MessageKind kind = MessageKind::Plain;
        std::optional<QString> title;
        Answer answer = Answer::Ok;
        std::optional<QString> value;
        std::function<void(QPrinter&)> printerSetup;
        ModalAction modalAction;
    };
    std::optional<Expected> next(Type type, const QString& what);
    void fail(const QString& problem);

    std::deque<Expected> m_queue;
    QStringList m_problems;
};

// Fails the test with the list of problems when the script was not played out.
#define QVERIFY_PROMPTS(prompts) QVERIFY2((prompts).finished(), qPrintable((prompts).problems()))
