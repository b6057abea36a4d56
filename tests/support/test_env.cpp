#include "test_env.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTest>

#include "common/text_file.h"

TestEnv::TestEnv() : context{prompts, clock, Paths::below(root.path())}
{
    QDir().mkpath(context.paths.dataDir);
    QDir().mkpath(context.paths.progDir);
}

void TestEnv::writeData(const QString& name, const QByteArray& bytes) const
{
    writeFileBytes(dataFile(name), bytes);
}

QByteArray TestEnv::readData(const QString& name) const
{
    return readFileBytes(dataFile(name));
}

void writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        QTest::qFail(qPrintable(QStringLiteral("cannot write fixture %1").arg(path)), __FILE__,
                     __LINE__);
}

QByteArray readFileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray ansi(const QString& text)
{
    return encodeText(text);
}

void prepareTestApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("tarvo"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}
