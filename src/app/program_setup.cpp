#include "app/program_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The program and its files are German: a system locale of another language
// would write "65.50" into files that expect "65,50".
QLocale programLocale()
{
    const QLocale system = QLocale::system();
    return system.language() == QLocale::German ? system : QLocale(QLocale::German, QLocale::Germany);
}

// Qt's buttons and standard dialogs ("Ja", "Nein", "Abbrechen") in German.
void installGermanQtTexts(QApplication& app)
{
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase_de", "qt_de"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QLatin1String(name), dir))
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
