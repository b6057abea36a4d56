#pragma once
// What every test of a window needs: a fresh temporary folder for the data,
// a fixed clock, scripted prompts and the context made of them.

#include "common/app_context.h"
#include "fixed_clock.h"
#include "scripted_prompts.h"

#include <QByteArray>
#include <QTemporaryDir>

struct TestEnv {
    TestEnv();
    QTemporaryDir root;
    FixedClock clock;
    ScriptedPrompts prompts;
    AppContext context;

    QString dataFile(const QString& name) const { return context.paths.dataDir + name; }
    void writeData(const QString& name, const QByteArray& bytes) const;
    QByteArray readData(const QString& name) const;
};

void writeFileBytes(const QString& path, const QByteArray& bytes);
QByteArray readFileBytes(const QString& path);
// Windows-1252 bytes of a text, for fixtures written in readable form.
QByteArray ansi(const QString& text);

// German (Germany) for numbers and dates, the application name the paths use.
void prepareTestApplication();

#define TARVO_TEST_MAIN(TestClass)                                                                 \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        QApplication app(argc, argv);                                                              \
        prepareTestApplication();                                                                  \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

#define TARVO_TEST_GUILESS_MAIN(TestClass)                                                         \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        QCoreApplication app(argc, argv);                                                          \
        prepareTestApplication();                                                                  \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
