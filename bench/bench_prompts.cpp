#include "bench_prompts.h"

#include "online/start_screen.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

Answer BenchPrompts::message(QWidget*, MessageKind, const QString&, const QString& text,
                             MessageButtons buttons)
{
    // A message in a measured run is worth knowing about: it may cost time.
    std::fprintf(stderr, "message: %s\n", qPrintable(text));
    return buttons == MessageButtons::Ok ? Answer::Ok : Answer::No;
}

int BenchPrompts::execModal(QDialog& dialog)
{
    if (auto* startScreen = qobject_cast<TFormFreeware*>(&dialog)) {
        startScreen->setTimings(0, 0);
        return dialog.exec();
    }
    QTimer::singleShot(0, &dialog, [this, &dialog] {
        QCoreApplication::processEvents();
        if (whenShown)
            whenShown(dialog);
        dialog.done(QDialog::Rejected);
    });
    return dialog.exec();
}
