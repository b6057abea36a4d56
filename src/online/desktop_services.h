#pragma once
// Small services of the desktop: opening a web page in the default browser and
// starting the program's helper with elevated rights.

#include <QString>
#include <QStringList>
#include <functional>

class Prompts;
class QWidget;

// Hands the address to the desktop's default handler; failures go unreported.
void OpenWebPage(Prompts& prompts, const QString& address);

// The helper executable beside the program: "Install.exe" on Windows,
// "tarvo-helper" elsewhere.
QString helperFileName();

// The six items the helper is started with: product, version, program file
// name, "0", the path and the command.
QStringList helperItems(const QString& version, const QString& programFile, const QString& path,
                        const QString& command);
// The same items as one parameter text, each in double quotes, blanks between.
QString helperParameterText(const QStringList& items);

// Starts a program with administrator rights through the platform's consent
// prompt where there is one. False when it could not be started or the
// elevation was refused.
using ElevatedStarter = std::function<bool(const QString& program, const QStringList& items)>;
bool startElevated(const QString& program, const QStringList& items);

// Starts the helper from `progDir` to carry out `command` on `path`. Nothing
// happens when the helper is missing; a failed start shows
// "Online update nicht verfügbar!".
void StartHelper(Prompts& prompts, QWidget* parent, const QString& progDir, const QString& path,
                 const QString& command, const ElevatedStarter& start = startElevated);
