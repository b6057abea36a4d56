#include "app/tarvo_app.h"

#include "app/data_dir_migration.h"
#include "app/run_settings.h"
#include "app/shared_access.h"
#include "bookings/booking_list_window.h"
#include "bookings/booking_opener.h"
#include "bookings/booking_window.h"
#include "calculators/calculator_openers.h"
#include "calculators/residual_window.h"
#include "calculators/tax_window.h"
#include "evaluation/evaluation_opener.h"
#include "evaluation/evaluation_window.h"
#include "online/online_front.h"
#include "printing/booking_list_print.h"
#include "printing/print_job.h"
#include "printing/vehicle_data_sheet.h"
#include "store/backup_commands.h"
#include "tyres/tyre_openers.h"
#include "tyres/tyre_window.h"
#include "ui/path_info_window.h"
#include "ui/vehicle_list_window.h"
#include "ui/vehicle_window.h"

#include <QAction>
#include <QFile>
#include <QTimer>

TarvoApp::TarvoApp(AppContext& context) : m_context(context)
{
    m_kfz = std::make_unique<TFormKfz>(m_context);
    // The start-up sequence runs once the window is on screen, so its messages
    // have the window to sit on.
    connect(m_kfz.get(), &TFormKfz::firstShown, this,
            [this] { QTimer::singleShot(0, this, &TarvoApp::runStartUp); });
    connect(m_kfz.get(), &TFormKfz::closing, this, &TarvoApp::runClose);
}

void TarvoApp::completeWindows()
{
    // The vehicle window appears first; the other windows are created, in their
    // fixed order, before the start-up sequence reads or asks anything.
    if (m_kfzListe)
        return;
    createWindows();
    wireWindows();
}

TarvoApp::~TarvoApp() = default;

void TarvoApp::createWindows()
{
    m_kfzListe = std::make_unique<TFormKfzListe>(m_context, *m_kfz);
    m_buchen = std::make_unique<TFormBuchen>(m_context, m_kfz.get());
    m_auswertung = std::make_unique<TFormAuswertung>(m_context, m_kfz.get());
    m_settingsWindow = std::make_unique<TFormSettings>(m_context);
    m_restwert = std::make_unique<TFormrestwert>(m_context, m_kfz.get());
    m_reifen = std::make_unique<TFormReifen>(m_context, m_kfz.get());
    m_rechner = std::make_unique<TFormRechner>(m_context, m_kfz.get());
    m_online = std::make_unique<OnlineFront>(m_context, *m_kfz);
    m_settings = std::make_unique<RunSettings>(m_context);
    m_access = std::make_unique<SharedAccess>(m_context, *m_kfz);
}

void TarvoApp::wireWindows()
{
    QAction* release = m_kfz->action(QStringLiteral("ActionDateienFreigeben"));
    release->setEnabled(true);
    connect(release, &QAction::triggered, m_access.get(), &SharedAccess::releaseFiles);
    QAction* settings = m_kfz->action(QStringLiteral("ActionEinstellungen"));
    settings->setEnabled(true);
    connect(settings, &QAction::triggered, this, [this] {
        const Paths& paths = m_context.paths;
        m_kfz->setMultiUser(
            m_settingsWindow->chooseMultiUser(paths.dataDir, paths.progDir, m_kfz->multiUser()));
    });
    for (const auto& [name, command] : {std::pair{"ActionDatensicherung", &runBackup},
                                        std::pair{"ActionKfzExport", &runVehicleExport}}) {
        QAction* act = m_kfz->action(QLatin1String(name));
        act->setEnabled(true);
        connect(act, &QAction::triggered, this,
                [this, command] { command(m_context, m_kfz.get()); });
    }
    QAction* book = m_kfz->action(QStringLiteral("ActionBuchenNeu"));
    book->setEnabled(!m_kfz->readOnlyMode());
    connect(book, &QAction::triggered, this,
            [this] { openBookingWindow(m_context, *m_buchen, *m_kfz); });
    QAction* evaluate = m_kfz->action(QStringLiteral("ActionAuswertungKosten"));
    evaluate->setEnabled(true);
    connect(evaluate, &QAction::triggered, this,
            [this] { openEvaluationWindow(m_context, *m_auswertung, *m_kfz); });
    for (const char* opener : {"ToolList", "ActionDatenListe"}) {
        QAction* act = m_kfz->action(QLatin1String(opener));
        act->setEnabled(true);
        connect(act, &QAction::triggered, this, [this] { m_kfzListe->openList(); });
    }
    QAction* printSheet = m_kfz->action(QStringLiteral("ActionDatenDrucken"));
    printSheet->setEnabled(true);
    connect(printSheet, &QAction::triggered, this, [this] {
        PrintRecordSheet(m_context, m_kfz.get(), vehicleDataSheet(m_kfz->shownRecord()));
    });
    m_buchen->bookingList().setPrintHandler(
        [this](TFormBuchListe& list) { printBookingList(m_context, list); });
    const std::pair<const char*, std::function<void()>> toolWindows[] = {
        {"ActionAuswertungReifen",
         [this] { openTyresFromVehicleWindow(m_context, *m_kfz, *m_reifen); }},
        {"ActionRechner", [this] { openTaxCalculator(m_context, *m_kfz, *m_rechner); }},
        {"ActionRestwert", [this] { openResidualCalculator(m_context, *m_kfz, *m_restwert); }}};
    for (const auto& [name, open] : toolWindows) {
        QAction* act = m_kfz->action(QLatin1String(name));
        act->setEnabled(true);
        connect(act, &QAction::triggered, this, open);
    }
    m_buchen->setTyreOpener([this](const QString& kfzNr, const QString& datenDir, int kmStand) {
        openTyresFromBookings(m_context, *m_reifen, kfzNr, datenDir, kmStand);
    });
    m_auswertung->setTyreOpener([this](const QString& kfzNr, int aktKm, const QString& dataPath) {
        openTyresFromEvaluation(m_context, *m_reifen, kfzNr, aktKm, dataPath);
    });
}

void TarvoApp::show()
{
    m_kfz->show();
}

void TarvoApp::runStartUp()
{
    completeWindows();
    TFormKfz& kfz = *m_kfz;
    kfz.startRun();
    const Paths& paths = m_context.paths;
    QString error;
    switch (prepareDataDir(paths.dataDir, paths.legacyDir, &error)) {
    case DataDirSetup::Ready:
        break;
    case DataDirSetup::CopyFailed:
        m_context.prompts.warning(&kfz,
                                  QStringLiteral("Fehler beim Kopieren des Datenverzeichnisses!"));
        break;
    case DataDirSetup::CreateFailed:
        m_context.prompts.error(&kfz, error);
        return;
    }
    kfz.setMultiUser(m_settings->readAtStartUp());
    m_online->showStartScreen();
    if (!m_access->checkAtStartUp() || !m_access->acquireAtStartUp())
        return;
    kfz.loadVehicles();
    kfz.colourInspection();
    m_online->startUpdateCheck();
}

void TarvoApp::runClose()
{
    completeWindows();
    m_access->releaseAtClose();
    m_kfz->compactVehicleFile();
    m_settings->writeAtClose(m_kfz->multiUser(), m_kfz.get());
    QFile::remove(m_context.paths.tempLeftover);
}
