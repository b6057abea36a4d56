#include "tyres/tyre_window.h"

#include "common/guarded.h"
#include "printing/print_job.h"
#include "tyres/tyre_set_panel.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

constexpr int kHelpTopic = 140;
constexpr int kHelpContentsTopic = 120;
const QString kCsvFilter = QStringLiteral("CSV (*.csv)");

} // namespace

TFormReifen::TFormReifen(AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_dataPath(context.paths.dataDir)
{
    setObjectName(QStringLiteral("TFormReifen"));
    setWindowTitle(QStringLiteral("Reifen"));
    auto* layout = new QVBoxLayout(this);
    buildMenu(*layout);
    auto* sets = new QHBoxLayout;
    m_sets[0] = new TyreSetPanel(QStringLiteral("Sommerreifen"), kSummerNames, this);
    m_sets[1] = new TyreSetPanel(QStringLiteral("Winterrreifen"), kWinterNames, this);
    for (int set = 0; set < kTyreSetCount; ++set) {
        sets->addWidget(m_sets[size_t(set)]);
        wireSet(set);
    }
    layout->addLayout(sets);
    buildButtons(*layout);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
            [this] { m_context.prompts.showHelp(this, kHelpTopic); });
}

void TFormReifen::buildMenu(QVBoxLayout& layout)
{
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("Datei"));
    auto add = [this](QMenu* menu, const char* objectName, const QString& text, auto handler) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(objectName));
        connect(action, &QAction::triggered, this, handler);
    };
    add(file, "Oeffnen1", QStringLiteral("Öffnen"), [this] { openFile(); });
    add(file, "Speichern1", QStringLiteral("Speichern"), [this] { save(); });
    add(file, "SpeichernUnter1", QStringLiteral("Speichern unter..."), [this] { saveAs(); });
    file->addSeparator();
    add(file, "Drucken1", QStringLiteral("Drucken..."), [this] { printSheet(); });
    file->addSeparator();
    add(file, "Beenden1", QStringLiteral("Beenden"), [this] { reject(); });
    QMenu* help = bar->addMenu(QStringLiteral("Hilfe"));
    add(help, "Inhalt1", QStringLiteral("Inhalt"),
        [this] { m_context.prompts.showHelp(this, kHelpContentsTopic); });
    layout.setMenuBar(bar);
}

void TFormReifen::buildButtons(QVBoxLayout& layout)
{
    auto* row = new QHBoxLayout;
    auto* saveButton = new QPushButton(QStringLiteral("Speichern"), this);
    saveButton->setObjectName(QStringLiteral("ButtonSave"));
    saveButton->setToolTip(QStringLiteral("Speichern und schliessen"));
    auto* closeButton = new QPushButton(QStringLiteral("Schliessen"), this);
    closeButton->setObjectName(QStringLiteral("ButtonClose"));
    for (QPushButton* button : {saveButton, closeButton})
        button->setAutoDefault(false);
    row->addStretch();
    row->addWidget(saveButton);
    row->addWidget(closeButton);
    layout.addLayout(row);
    connect(saveButton, &QPushButton::clicked, this, [this] { save(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormReifen::wireSet(int set)
{
    TyreSetPanel* panel = m_sets[size_t(set)];
    connect(panel, &TyreSetPanel::selectorEntered, this, [this, set] { storeShown(set); });
    connect(panel, &TyreSetPanel::positionChosen, this,
            [this, set](int position) { display(set, position); });
    connect(panel, &TyreSetPanel::copyRequested, this, [this, set] { copyToWholeSet(set); });
    connect(panel, &TyreSetPanel::mileageEntered, this, [this, set] {
        runGuarded(m_context.prompts, this, [this, set] { showMileage(set); });
    });
}

void TFormReifen::setVehicle(const QString& kfzNr, const QString& dataPath)
{
    m_kfzNr = kfzNr;
    m_dataPath = dataPath;
}

void TFormReifen::setCurrentKm(const QString& km)
{
    for (TyreSetPanel* panel : m_sets)
        panel->setCurrentKm(km);
}

void TFormReifen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        openWindow();
}

void TFormReifen::openWindow()
{
    m_record = ReifenRecord{};
    m_encoding = TextEncoding::Windows1252;
    for (int set = 0; set < kTyreSetCount; ++set) {
        m_sets[size_t(set)]->setMileage(QString());
        display(set, 0);
    }
    const QString name = tyreFileName(m_kfzNr);
    m_tyreFile = name.isEmpty() ? QString() : m_dataPath + name;
    load(m_tyreFile);
}

void TFormReifen::load(const QString& path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    TextFile file;
    QString reason;
    if (!readTextFile(path, file, &reason)) {
        m_context.prompts.error(
            this, QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(path, reason));
        return;
    }
    m_encoding = file.encoding;
    m_record = parseTyreLines(file.lines);
    for (int set = 0; set < kTyreSetCount; ++set)
        display(set, 0);
}

void TFormReifen::display(int set, int position)
{
    TyreSetPanel* panel = m_sets[size_t(set)];
    panel->setPosition(position);
    panel->showTyre(m_record.sets[size_t(set)][size_t(position)]);
    runGuarded(m_context.prompts, this, [this, set] { showMileage(set); });
}

void TFormReifen::showMileage(int set)
{
    TyreSetPanel* panel = m_sets[size_t(set)];
    // Without both readings there is no mileage; an old value would belong to another tyre.
    const std::optional<qint64> mileage = tyreMileage(panel->purchaseKm(), panel->currentKm());
    panel->setMileage(mileage ? QString::number(*mileage) : QString());
}

void TFormReifen::storeShown(int set)
{
    TyreSetPanel* panel = m_sets[size_t(set)];
    m_record.sets[size_t(set)][size_t(panel->position())] = panel->shownTyre();
}

void TFormReifen::copyToWholeSet(int set)
{
    const Tyre shown = m_sets[size_t(set)]->shownTyre();
    for (Tyre& tyre : m_record.sets[size_t(set)])
        tyre = shown;
}

bool TFormReifen::writeLines(const QString& path, const QStringList& lines)
{
    if (!path.isEmpty() && writeTextLines(path, lines, m_encoding))
        return true;
    m_context.prompts.warning(this, QStringLiteral("Fehler beim Speichern der Datei:") + path);
    return false;
}

void TFormReifen::save()
{
    for (int set = 0; set < kTyreSetCount; ++set)
        storeShown(set);
    if (!writeLines(m_tyreFile, formatTyreLines(m_record)))
        return;
    // A km that is not a number ends the update quietly; the message came when it was shown.
    try {
        for (int set = 0; set < kTyreSetCount; ++set)
            showMileage(set);
    } catch (const ConversionError&) {
    }
}

void TFormReifen::saveAs()
{
    for (int set = 0; set < kTyreSetCount; ++set)
        storeShown(set);
    const QStringList lines = formatTyreLines(m_record);
    QString path =
        m_context.prompts.saveFileName(this, QStringLiteral("Speichern unter"),
                                       m_dataPath + QFileInfo(m_tyreFile).fileName(), kCsvFilter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    writeLines(path, lines);
}

void TFormReifen::openFile()
{
    const QString path =
        m_context.prompts.openFileName(this, QStringLiteral("Öffnen"), m_dataPath, kCsvFilter);
    if (path.isEmpty())
        return;
    m_tyreFile = path;
    load(path);
}

RecordSheet TFormReifen::recordSheet() const
{
    static const char* const labels[] = {"Hersteller",   "Typ",         "Reifengrösse",
                                         "Felge",        "Kaufdatum",   "Kmstand bei Kauf",
                                         "Akt. Kmstand", "Laufleistung"};
    const QStringList summer = m_sets[0]->sheetColumn();
    const QStringList winter = m_sets[1]->sheetColumn();
    QList<QStringList> rows;
    for (int r = 0; r < summer.size(); ++r)
        rows.append({QString::fromUtf8(labels[r]), summer.at(r), winter.at(r)});
    return tyreSheet(rows);
}

void TFormReifen::printSheet()
{
    PrintRecordSheet(m_context, this, recordSheet());
}
