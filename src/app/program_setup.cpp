#include "app/program_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <algorithm>

namespace {

// The program and its files are German: a system locale of another language
// would write "65.50" into files that expect "65,50".
QLocale programLocale()
{
    const QLocale system = QLocale::system();
    return system.language() == QLocale::German ? system
                                                : QLocale(QLocale::German, QLocale::Germany);
}

// Qt's buttons and standard dialogs ("Ja", "Nein", "Abbrechen") in German: from
// the copy installed beside the program, else from Qt's own folder.
void installGermanQtTexts(QApplication& app)
{
    const QStringList dirs = {QApplication::applicationDirPath() +
                                  QStringLiteral("/../share/tarvolo/translations"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const char* name : {"qtbase_de", "qt_de"}) {
        auto* translator = new QTranslator(&app);
        const bool loaded = std::any_of(dirs.begin(), dirs.end(), [&](const QString& dir) {
            return translator->load(QLatin1String(name), dir);
        });
        if (loaded)
            QApplication::installTranslator(translator);
        else
            delete translator;
    }
}

} // namespace

void setUpProgram(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("tarvo"));
    QApplication::setOrganizationName(QString());
    QApplication::setApplicationVersion(QStringLiteral(TARVO_VERSION));
    QLocale::setDefault(programLocale());
    installGermanQtTexts(app);
}
