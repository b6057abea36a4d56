// The whole program in a process of its own, for the shared-use test: the real
// windows, start-up and close sequences, lock and single-instance rule, with
// message boxes answered at once and written to standard output, and a few
// commands read from standard input. Arguments: the root folder (data below
// it, as tests lay it out) and a name for the desktop the instance runs on.
//
// Commands: "set <field position> <text>", "save" ("Daten" > "Speichern"), "show",
// "close".
// Output: "ready", "message|<kind>|<text>", "shown|<plate>|<read-only or
// editable>", "activated", "second start". Line ends in texts appear as \r \n.

#include "app/program_setup.h"
#include "app/single_instance.h"
#include "app/tarvo_app.h"
#include "common/unattended_prompts.h"
#include "ui/vehicle_window.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace {

void say(const QString& line)
{
    QString escaped = line;
    escaped.replace(u'\r', QStringLiteral("\\r")).replace(u'\n', QStringLiteral("\\n"));
    std::fputs(escaped.toUtf8().append('\n').constData(), stdout);
    std::fflush(stdout);
}

class AnsweringPrompts : public UnattendedPrompts {
public:
    Answer message(QWidget*, MessageKind kind, const QString&, const QString& text,
                   MessageButtons buttons) override
    {
        static const char* const kinds[] = {"Plain", "Information", "Warning", "Error",
                                            "Confirmation"};
        say(QStringLiteral("message|%1|%2").arg(QLatin1String(kinds[int(kind)]), text));
        return buttons == MessageButtons::Ok ? Answer::Ok : Answer::Yes;
    }
    int execModal(QDialog&) override { return QDialog::Rejected; }
};

void runCommand(TFormKfz& kfz, const QString& line)
{
    const QString command = line.section(u' ', 0, 0);
    if (command == QLatin1String("set")) {
        kfz.setFieldText(KfzField(line.section(u' ', 1, 1).toInt()), line.section(u' ', 2));
    } else if (command == QLatin1String("save")) {
        kfz.action(QStringLiteral("ActionDatenSpeichern"))->trigger();
    } else if (command == QLatin1String("show")) {
        say(QStringLiteral("shown|%1|%2")
                .arg(kfz.fieldText(Kennzeichen), kfz.readOnlyMode() ? QStringLiteral("read-only")
                                                                    : QStringLiteral("editable")));
    } else if (command == QLatin1String("close")) {
        kfz.close();
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    setUpProgram(app);
    const QStringList args = QCoreApplication::arguments();
    SingleInstance instance(QStringLiteral("test|") + args.value(2));
    if (!instance.claim()) {
        say(QStringLiteral("second start"));
        return 0;
    }
    AnsweringPrompts prompts;
    SystemClock clock;
    AppContext context{prompts, clock, Paths::below(args.value(1))};
    TarvoApp tarvo(context);
    TFormKfz& kfz = tarvo.vehicleWindow();
    QObject::connect(&instance, &SingleInstance::activationRequested, &kfz, [&kfz] {
        bringToFront(kfz);
        say(QStringLiteral("activated"));
    });

    QSocketNotifier commands(STDIN_FILENO, QSocketNotifier::Read);
    commands.setEnabled(false);
    QByteArray pending;
    QObject::connect(&commands, &QSocketNotifier::activated, &kfz, [&] {
        char buffer[1024];
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got <= 0) {
            commands.setEnabled(false);
            return;
        }
        pending.append(buffer, got);
        for (qsizetype end; (end = pending.indexOf('\n')) >= 0; pending.remove(0, end + 1))
            runCommand(kfz, QString::fromUtf8(pending.left(end)));
    });
    tarvo.show();
    // Queued behind the start-up sequence, which the first showing started.
    QTimer::singleShot(0, &kfz, [&commands] {
        commands.setEnabled(true);
        say(QStringLiteral("ready"));
    });
    return app.exec();
}
