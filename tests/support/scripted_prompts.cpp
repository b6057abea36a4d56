#include "scripted_prompts.h"

#include <QDialog>
#include <QPrinter>
#include <QTest>

namespace {

QString kindName(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information:
        return QStringLiteral("information");
    case MessageKind::Warning:
        return QStringLiteral("warning");
    case MessageKind::Error:
        return QStringLiteral("error");
    case MessageKind::Confirmation:
        return QStringLiteral("confirmation");
    case MessageKind::Plain:
        break;
    }
    return QStringLiteral("plain");
}

} // namespace

ScriptedPrompts& ScriptedPrompts::expectMessage(MessageKind kind, const QString& text,
                                                Answer answer, std::optional<QString> title)
{
    Expected e;
    e.type = Type::Message;
    e.text = text;
    e.kind = kind;
    e.answer = answer;
    e.title = std::move(title);
    m_queue.push_back(std::move(e));
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectInput(const QString& label, std::optional<QString> answer)
{
    Expected e;
    e.type = Type::Input;
    e.text = label;
    e.value = std::move(answer);
    m_queue.push_back(std::move(e));
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectOpenFile(const QString& answer)
{
    Expected e;
    e.type = Type::OpenFile;
    e.text = QStringLiteral("open file");
    e.value = answer;
    m_queue.push_back(std::move(e));
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectSaveFile(const QString& answer)
{
    Expected e;
    e.type = Type::SaveFile;
    e.text = QStringLiteral("save file");
    e.value = answer;
    m_queue.push_back(std::move(e));
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectFolder(const QString& answer)
{
    Expected e;
    e.type = Type::Folder;
    e.text = QStringLiteral("folder");
    e.value = answer;
    m_queue.push_back(std::move(e));
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectPrinter(bool accept, std::function<void(QPrinter&)> setup)
{
    Expected e;
    e.type = Type::Printer;
    e.text = QStringLiteral("printer");
    e.answer = accept ? Answer::Ok : Answer::Cancel;
    e.printerSetup = std::move(setup);
    m_queue.push_back(std::move(e));
    return *this;
}

ScriptedPrompts& ScriptedPrompts::expectModal(const QString& objectName, ModalAction action)
{
    Expected e;
    e.type = Type::Modal;
    e.text = objectName;
    e.modalAction = std::move(action);
    m_queue.push_back(std::move(e));
    return *this;
}

bool ScriptedPrompts::finished() const
{
    return m_queue.empty() && m_problems.isEmpty();
}

QString ScriptedPrompts::problems() const
{
    QStringList all = m_problems;
    for (const Expected& e : m_queue)
        all << QStringLiteral("expected but not shown: %1").arg(e.text);
    all << QStringLiteral("shown: %1").arg(log.join(QStringLiteral(" / ")));
    return all.join(u'\n');
}

void ScriptedPrompts::fail(const QString& problem)
{
    m_problems << problem;
    QTest::qFail(qPrintable(problem), __FILE__, __LINE__);
}

std::optional<ScriptedPrompts::Expected> ScriptedPrompts::next(Type type, const QString& what)
{
    if (m_queue.empty()) {
        fail(QStringLiteral("unexpected prompt: %1").arg(what));
        return std::nullopt;
    }
    Expected e = m_queue.front();
    m_queue.pop_front();
    if (e.type != type) {
        fail(QStringLiteral("expected \"%1\", got \"%2\"").arg(e.text, what));
        return std::nullopt;
    }
    return e;
}

Answer ScriptedPrompts::message(QWidget*, MessageKind kind, const QString& title,
                                const QString& text, MessageButtons buttons)
{
    log << kindName(kind) + u'|' + title + u'|' + text;
    const auto e = next(Type::Message, text);
    const Answer fallback = buttons == MessageButtons::Ok ? Answer::Ok : Answer::No;
    if (!e)
        return fallback;
    if (e->text != text || e->kind != kind)
        fail(QStringLiteral("expected %1 \"%2\", got %3 \"%4\"")
                 .arg(kindName(e->kind), e->text, kindName(kind), text));
    if (e->title && *e->title != title)
        fail(QStringLiteral("expected title \"%1\", got \"%2\"").arg(*e->title, title));
    const bool yesNo = buttons != MessageButtons::Ok;
    if (yesNo !=
        (e->answer == Answer::Yes || e->answer == Answer::No || e->answer == Answer::Cancel))
        fail(QStringLiteral("answer does not fit the buttons of \"%1\"").arg(text));
    return e->answer;
}

bool ScriptedPrompts::input(QWidget*, const QString& title, const QString& label, QString& value)
{
    log << QStringLiteral("input|") + title + u'|' + label;
    lastInputValue = value;
    const auto e = next(Type::Input, label);
    if (!e)
        return false;
    if (e->text != label)
        fail(QStringLiteral("expected input \"%1\", got \"%2\"").arg(e->text, label));
    if (!e->value)
        return false;
    value = *e->value;
    return true;
}

QString ScriptedPrompts::openFileName(QWidget*, const QString& title, const QString& dir,
                                      const QString&)
{
    log << QStringLiteral("open|") + title + u'|' + dir;
    lastDialogDir = dir;
    const auto e = next(Type::OpenFile, QStringLiteral("open file"));
    return e ? e->value.value_or(QString()) : QString();
}

QString ScriptedPrompts::saveFileName(QWidget*, const QString& title, const QString& proposal,
                                      const QString&)
{
    log << QStringLiteral("save|") + title + u'|' + proposal;
    lastDialogDir = proposal;
    const auto e = next(Type::SaveFile, QStringLiteral("save file"));
    return e ? e->value.value_or(QString()) : QString();
}

QString ScriptedPrompts::chooseFolder(QWidget*, const QString& title, const QString& dir)
{
    log << QStringLiteral("folder|") + title + u'|' + dir;
    lastDialogDir = dir;
    const auto e = next(Type::Folder, QStringLiteral("folder"));
    return e ? e->value.value_or(QString()) : QString();
}

bool ScriptedPrompts::choosePrinter(QWidget*, QPrinter& printer)
{
    log << QStringLiteral("printer||");
    const auto e = next(Type::Printer, QStringLiteral("printer"));
    if (!e || e->answer != Answer::Ok)
        return false;
    if (e->printerSetup)
        e->printerSetup(printer);
    return true;
}

void ScriptedPrompts::openUrl(const QUrl& url)
{
    openedUrls << url.toString();
}

void ScriptedPrompts::showHelp(QWidget*, int topic)
{
    helpTopics << topic;
}

int ScriptedPrompts::execModal(QDialog& dialog)
{
    log << QStringLiteral("modal||") + dialog.objectName();
    const auto e = next(Type::Modal, dialog.objectName());
    if (!e)
        return QDialog::Rejected;
    if (e->text != dialog.objectName())
        fail(QStringLiteral("expected window %1, got %2").arg(e->text, dialog.objectName()));
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    if (e->modalAction)
        e->modalAction(dialog);
    if (dialog.isVisible())
        dialog.close();
    return dialog.result();
}
