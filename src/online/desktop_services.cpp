#include "online/desktop_services.h"

#include "common/prompts.h"
#include "online/program_version.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#ifdef Q_OS_WIN
#include <QDir>
#include <QOperatingSystemVersion>
#include <qt_windows.h>
#include <shellapi.h>
#endif

void OpenWebPage(Prompts& prompts, const QString& address)
{
    prompts.openUrl(QUrl::fromUserInput(address));
}

QString helperFileName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("Install.exe");
#else
    return QStringLiteral("tarvo-helper");
#endif
}

QStringList helperItems(const QString& version, const QString& programFile, const QString& path,
                        const QString& command)
{
    return {QStringLiteral("Tarvolo"), version, programFile, QStringLiteral("0"), path, command};
}

QString helperParameterText(const QStringList& items)
{
    QStringList quoted;
    for (const QString& item : items)
        quoted << u'"' + item + u'"';
    return quoted.join(u' ').trimmed();
}

bool startElevated(const QString& program, const QStringList& items)
{
#ifdef Q_OS_WIN
    // "runas" asks for consent from Vista (major version 6) on; older systems just open.
    const bool hasConsentPrompt = QOperatingSystemVersion::current().majorVersion() > 5;
    const std::wstring verb = hasConsentPrompt ? L"runas" : L"open";
    const std::wstring file = QDir::toNativeSeparators(program).toStdWString();
    const std::wstring parameters = helperParameterText(items).toStdWString();
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(
        nullptr, verb.c_str(), file.c_str(), parameters.c_str(), nullptr, SW_SHOWNORMAL));
    return result > 32;
#else
    // pkexec's exit codes for a refused or failed authorisation.
    constexpr int kPkexecNotAuthorised = 126;
    constexpr int kPkexecAuthFailed = 127;
    const QString pkexec = QStandardPaths::findExecutable(QStringLiteral("pkexec"));
    if (pkexec.isEmpty())
        return QProcess::startDetached(program, items);
    // pkexec tells a refused consent only by its exit code, so it is waited for;
    // the helper's one job is done in a moment once the user has agreed.
    QProcess process;
    process.start(pkexec, QStringList{program} + items);
    if (!process.waitForStarted() || !process.waitForFinished(-1))
        return false;
    const bool refused =
        process.exitStatus() == QProcess::NormalExit &&
        (process.exitCode() == kPkexecNotAuthorised || process.exitCode() == kPkexecAuthFailed);
    return !refused;
#endif
}

void StartHelper(Prompts& prompts, QWidget* parent, const QString& progDir, const QString& path,
                 const QString& command, const ElevatedStarter& start)
{
    const QString helper = progDir + helperFileName();
    if (!QFileInfo(helper).isFile())
        return;
    const QString programFile = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const QStringList items = helperItems(GetFileVersion(), programFile, path, command);
    if (!start(helper, items))
        prompts.error(parent, QStringLiteral("Online update nicht verfügbar!"));
}
