#include "evaluation/evaluation_window.h"

#include "bookings/booking_file.h"
#include "bookings/year_chooser.h"
#include "common/gradient_widget.h"
#include "common/guarded.h"
#include "common/safe_names.h"
#include "common/text_file.h"
#include "evaluation/caption_bracket.h"
#include "evaluation/cost_grid_delegate.h"
#include "evaluation/evaluation_print_job.h"
#include "evaluation/fleet_files.h"
#include "evaluation/grid_look.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString kOneVehicleLabel = QStringLiteral("Fahzeug");
const QString kFleetLabel = QStringLiteral("Fahrzeuge");
constexpr int kHelpTopic = 90;

} // namespace

TFormAuswertung::TFormAuswertung(AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_yearChooser(new TFormJahre(context.prompts, this))
{
    setObjectName(QStringLiteral("TFormAuswertung"));
    setWindowTitle(QStringLiteral("Auswertung"));
    buildForm();
    buildMenu();
    showResults();
}

void TFormAuswertung::buildForm()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* background = new GradientWidget(QColor(0xEA, 0xEA, 0xEA), QColor(0xBD, 0xBF, 0xCA), this);
    outer->addWidget(background);

    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(8);
    figures->setVerticalSpacing(2);
    const auto addBox = [this, figures](int column, QLabel* label, const QString& objectName) {
        QLineEdit* box = addFigureBox(objectName);
        label->setBuddy(box);
        box->setAccessibleName(label->text());
        figures->addWidget(label, 1, column);
        figures->addWidget(box, 2, column);
        return box;
    };
    m_vehicleLabel = new QLabel(kOneVehicleLabel, background);
    m_vehicleLabel->setObjectName(QStringLiteral("Label1"));
    m_kennzeichen = addBox(0, m_vehicleLabel, QStringLiteral("EditKennzeichen"));
    m_jahr = addBox(1, new QLabel(QStringLiteral("Jahr"), background), QStringLiteral("EditJahr"));
    m_diffKm = addBox(2, new QLabel(QStringLiteral("Gefahrene Km"), background),
                      QStringLiteral("EditDiffKm"));
    m_kostenKm = addBox(3, new QLabel(QStringLiteral("Kosten/Km €"), background),
                        QStringLiteral("EditKostenKm"));
    m_verbrauch = addBox(4, new QLabel(QStringLiteral("Verbr L/100 Km"), background),
                         QStringLiteral("EditVerbrauch"));
    m_literpreis = addBox(5, new QLabel(QStringLiteral("Literpreis €"), background),
                          QStringLiteral("EditLiterpreis"));
    m_literMax = addBox(6, new QLabel(QStringLiteral("Verbrauch L total"), background),
                        QStringLiteral("EditLiterMax"));
    figures->addWidget(new CaptionBracket(QStringLiteral("Kraftstoff"), background), 0, 4, 1, 3);

    // The CO2 unit stands right of the caption and changes with the figure.
    auto* co2Caption = new QWidget(background);
    auto* co2CaptionLayout = new QHBoxLayout(co2Caption);
    co2CaptionLayout->setContentsMargins(0, 0, 0, 0);
    auto* co2Label = new QLabel(QStringLiteral("CO2 gesamt"), co2Caption);
    m_co2Unit = new QLabel(m_evaluation.co2Unit(), co2Caption);
    m_co2Unit->setObjectName(QStringLiteral("LabelCO2"));
    co2CaptionLayout->addWidget(co2Label);
    co2CaptionLayout->addWidget(m_co2Unit);
    co2CaptionLayout->addStretch();
    m_co2 = addFigureBox(QStringLiteral("EditCO2"));
    co2Label->setBuddy(m_co2);
    m_co2->setAccessibleName(co2Label->text());
    figures->addWidget(co2Caption, 1, 7);
    figures->addWidget(m_co2, 2, 7);

    // 17 pixels either side leave the grid the window's width less 34.
    auto* content = new QVBoxLayout(background);
    content->setContentsMargins(17, 8, 17, 8);
    content->setSpacing(10);
    content->addLayout(figures);
    m_grid = buildGrid();
    content->addWidget(m_grid, 1);
}

QLineEdit* TFormAuswertung::addFigureBox(const QString& objectName)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(objectName);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    box->setStyleSheet(QStringLiteral("QLineEdit { color: #800000; background: #E4E4E4; }"));
    box->setMinimumWidth(60);
    return box;
}

QTableWidget* TFormAuswertung::buildGrid()
{
    auto* grid = new QTableWidget(kGridSize, kGridSize, this);
    grid->setObjectName(QStringLiteral("StringGrid1"));
    grid->setAccessibleName(kCornerLabel);
    // Arial's narrow digits let a four-digit total fit a 50-pixel column; where
    // Arial is missing, a metric twin or a condensed face takes its place.
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setPixelSize(11);
    grid->setFont(font);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setMinimumSectionSize(1);
    grid->verticalHeader()->setMinimumSectionSize(1);
    grid->horizontalHeader()->setDefaultSectionSize(50);
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->setColumnWidth(0, kLabelColumnWidth);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFrameShape(QFrame::NoFrame);
    // Below the last row the window's gradient shows through.
    grid->setStyleSheet(QStringLiteral("QTableWidget { background: transparent; }"));
    grid->setItemDelegate(new CostGridDelegate(grid));
    for (int row = 0; row < kGridSize; ++row)
        for (int column = 0; column < kGridSize; ++column) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            grid->setItem(row, column, item);
        }
    return grid;
}

void TFormAuswertung::buildMenu()
{
    auto* menuBar = new QMenuBar(this);
    layout()->setMenuBar(menuBar);
    QMenu* menu = menuBar->addMenu(QStringLiteral("Datei"));
    const auto add = [this, menu](const QString& objectName, const QString& text,
                                  void (TFormAuswertung::*command)()) {
        if (!menu->isEmpty())
            menu->addSeparator();
        QAction* entry = menu->addAction(text);
        entry->setObjectName(objectName);
        connect(entry, &QAction::triggered, this, command);
        return entry;
    };
    add(QStringLiteral("ActionJahrLaden"), QStringLiteral("Jahr laden"),
        &TFormAuswertung::loadYear);
    add(QStringLiteral("ActionFuhrpark"), QStringLiteral("Fuhrpark"),
        &TFormAuswertung::evaluateFleet);
    add(QStringLiteral("ActionReifen"), QStringLiteral("Reifen"), &TFormAuswertung::openTyres)
        ->setEnabled(false);
    add(QStringLiteral("ActionExportieren"), QStringLiteral("Daten exportieren..."),
        &TFormAuswertung::exportData);
    add(QStringLiteral("ActionDrucken"), QStringLiteral("Drucken"), &TFormAuswertung::printGrid);
    add(QStringLiteral("ActionBeenden"), QStringLiteral("Beenden"), &TFormAuswertung::reject);
}

QAction* TFormAuswertung::action(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

void TFormAuswertung::setTyreOpener(TyreOpener opener)
{
    m_tyreOpener = std::move(opener);
    action(QStringLiteral("ActionReifen"))->setEnabled(bool(m_tyreOpener));
}

void TFormAuswertung::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        startOpening();
}

// Every opening starts afresh on the current year of the vehicle handed over.
void TFormAuswertung::startOpening()
{
    m_evaluation.restartMonth();
    showVehicleLabels();
    m_year = QString::number(m_context.clock.today().year());
    m_jahr->setText(m_year);
    resize(kOpeningWidth, kOpeningHeight);
    if (const QScreen* shownOn = screen())
        move(shownOn->availableGeometry().center() - rect().center());
    runVehicle();
}

void TFormAuswertung::showVehicleLabels()
{
    m_vehicleLabel->setText(kOneVehicleLabel);
    m_kennzeichen->setAccessibleName(kOneVehicleLabel);
    m_kennzeichen->setText(FKennzeich);
    action(QStringLiteral("ActionReifen"))->setEnabled(bool(m_tyreOpener));
}

void TFormAuswertung::runVehicle()
{
    // A number or year that could lead out of the data folder has no bookings.
    const bool safeName = isSafeFileNamePart(FNr) && isSafeFileNamePart(m_year);
    const PassSource source{safeName ? ExistingBookingFile(DatenDir, m_year, FNr) : QString(), CO2};
    runGuarded(m_context.prompts, this, [this, &source] { m_evaluation.runVehicle(source); });
    showResults();
}

void TFormAuswertung::showResults()
{
    for (int row = 0; row < kGridSize; ++row)
        for (int column = 0; column < kGridSize; ++column)
            m_grid->item(row, column)->setText(m_evaluation.cell(column, row));
    const EvaluationFigures& figures = m_evaluation.figures();
    m_diffKm->setText(figures.km);
    m_kostenKm->setText(figures.costPerKm);
    m_verbrauch->setText(figures.consumption);
    m_literpreis->setText(figures.litrePrice);
    m_literMax->setText(figures.litres);
    m_co2->setText(figures.co2);
    m_co2Unit->setText(m_evaluation.co2Unit());
}

void TFormAuswertung::loadYear()
{
    const QString chosen = m_yearChooser->chooseBookingYear(DatenDir, FNr);
    if (chosen.isEmpty())
        return;
    m_year = chosen;
    m_jahr->setText(m_year);
    // After a fleet run the window returns to its own vehicle.
    showVehicleLabels();
    runVehicle();
}

void TFormAuswertung::evaluateFleet()
{
    action(QStringLiteral("ActionReifen"))->setEnabled(false);
    const QList<PassSource> sources = fleetSources(DatenDir, m_year);
    const bool done =
        runGuarded(m_context.prompts, this, [this, &sources] { m_evaluation.runFleet(sources); });
    showResults();
    if (!done)
        return;
    const QString label = sources.isEmpty() ? kOneVehicleLabel : kFleetLabel;
    m_vehicleLabel->setText(label);
    m_kennzeichen->setAccessibleName(label);
    m_kennzeichen->setText(QString::number(sources.size()));
}

void TFormAuswertung::openTyres()
{
    if (m_tyreOpener)
        m_tyreOpener(FNr.trimmed(), m_evaluation.aktKm(), DatenDir);
}

EvaluationBoxes TFormAuswertung::shownBoxes() const
{
    return {m_kennzeichen->text(),
            m_jahr->text(),
            {m_diffKm->text(), m_kostenKm->text(), m_verbrauch->text(), m_literpreis->text(),
             m_literMax->text(), m_co2->text()}};
}

void TFormAuswertung::exportData()
{
    const QString path = m_context.prompts.saveFileName(
        this, QString(), evaluationExportPath(DatenDir, m_year, FNr), QString());
    if (path.trimmed().isEmpty())
        return;
    QString reason;
    if (!writeTextLines(path, evaluationExportLines(m_evaluation, shownBoxes()),
                        m_evaluation.lastReadEncoding(), &reason))
        m_context.prompts.error(this, createFileErrorMessage(path, reason));
}

void TFormAuswertung::printGrid()
{
    QList<int> columnWidths;
    for (int column = 0; column < kGridSize; ++column)
        columnWidths << m_grid->columnWidth(column);
    printEvaluation(
        m_context, this,
        evaluationPrintout(m_evaluation, shownBoxes(), m_co2Unit->text(), columnWidths));
}

void TFormAuswertung::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    const int columnWidth = valueColumnWidth(width());
    for (int column = 1; column < kGridSize; ++column)
        m_grid->setColumnWidth(column, columnWidth);
    m_grid->verticalHeader()->setDefaultSectionSize(gridRowHeight(height()));
}

void TFormAuswertung::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        m_context.prompts.showHelp(this, kHelpTopic);
        return;
    }
    QDialog::keyPressEvent(event);
}
