#include "calculators/residual_window.h"

#include "calculators/calculator_files.h"
#include "calculators/calculator_form.h"
#include "calculators/focus_watch.h"
#include "calculators/power_conversion.h"
#include "calculators/residual_value.h"
#include "common/guarded.h"
#include "common/number_format.h"
#include "common/safe_names.h"
#include "common/text_file.h"
#include "printing/print_job.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kEmissionFree = QStringLiteral("Emmissionsfrei");
const QString kElectric = QStringLiteral("Elektro");

} // namespace

TFormrestwert::TFormrestwert(AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_dataDir(context.paths.dataDir)
{
    setObjectName(QStringLiteral("TFormrestwert"));
    setWindowTitle(QStringLiteral("Restwert kalkulieren"));
    buildForm();
    wireReactions();
}

void TFormrestwert::buildForm()
{
    auto* layout = new QVBoxLayout(this);
    const CalculatorMenu menu = addCalculatorMenu(*this, *layout, false);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    const auto used = CaptionStyle::Used;
    const auto euro = [this] { return makeCaption(this, QStringLiteral("€")); };

    m_plate =
        addLineEdit(*grid, 0, 0, QStringLiteral("EditKennzeichen"), QStringLiteral("Kennzeichen"));
    const RegistrationFields registration = addRegistrationDate(*grid, 1);
    m_month = registration.month;
    m_year = registration.year;
    m_maker =
        addLineEdit(*grid, 2, 0, QStringLiteral("EditHersteller"), QStringLiteral("Hersteller"));
    m_model = addLineEdit(*grid, 3, 0, QStringLiteral("EditTyp"), QStringLiteral("Typ"));
    m_odometer = addLineEdit(*grid, 4, 0, QStringLiteral("EditKmStand"), QStringLiteral("Kmstand"));
    m_emissionClass = addComboBox(
        *grid, 5, 0, QStringLiteral("ComboBox2"), QStringLiteral("Abgasnorm"),
        {QStringLiteral("Euro1"), QStringLiteral("Euro2"), QStringLiteral("Euro3"),
         QStringLiteral("Euro4"), QStringLiteral("Euro5"), QStringLiteral("Euro6"), kEmissionFree},
        true);
    auto* power = new QGridLayout;
    grid->addWidget(makeCaption(this, QStringLiteral("Leistung")), 6, 0);
    grid->addLayout(power, 6, 1);
    m_kw = addLineEdit(*power, 0, 0, QStringLiteral("EditKW"), QStringLiteral("KW"));
    m_ps = addLineEdit(*power, 0, 2, QStringLiteral("EditPS"), QStringLiteral("PS"));
    m_fuel = addComboBox(*grid, 7, 0, QStringLiteral("ComboBox1"), QStringLiteral("Kraftstoffart"),
                         {QStringLiteral("Benzin"), QStringLiteral("Super E5"),
                          QStringLiteral("Super E10"), QStringLiteral("Diesel"),
                          QStringLiteral("Autogas"), kElectric},
                         true);
    m_newPrice = addLineEdit(*grid, 8, 0, QStringLiteral("EditNeupreis"),
                             QStringLiteral("Neupreis inkl. Extras"), used, euro());
    m_technical = addComboBox(
        *grid, 9, 0, QStringLiteral("ComboBoxTechnik"), QStringLiteral("Zustand Technik"),
        {QStringLiteral("Topzustand"), QStringLiteral("Leichte Mängel"),
         QStringLiteral("Erhebliche Mängel"), QStringLiteral("Zum Ausschlachten")},
        true, used);
    m_visual = addComboBox(
        *grid, 10, 0, QStringLiteral("ComboBoxOptik"), QStringLiteral("Zustand Optik"),
        {QStringLiteral("Topzustand"), QStringLiteral("Leichte Mängel"),
         QStringLiteral("Erhebliche Mängel"), QStringLiteral("Schwere Rost-/Unfallschäden")},
        true, used);
    m_result = addLineEdit(*grid, 11, 0, QStringLiteral("EditErgebnis"), QStringLiteral("Restwert"),
                           CaptionStyle::Plain, euro());
    m_result->setAlignment(Qt::AlignRight);
    auto* calculateButton =
        makeCalculateButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Restwert berechnen"));
    grid->addWidget(calculateButton, 11, 2);

    auto* buttons = new QHBoxLayout;
    auto* saveButton = makeButton(this, QStringLiteral("BitBtn3"), QStringLiteral("Speichern"));
    auto* closeButton = makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Schliessen"));
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    connect(calculateButton, &QToolButton::clicked, this, [this] { calculate(); });
    connect(saveButton, &QPushButton::clicked, this, [this] { saveInputs(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(menu.quit, &QAction::triggered, this, &QDialog::reject);
    connect(menu.open, &QAction::triggered, this, [this] { openInputs(); });
    connect(menu.save, &QAction::triggered, this, [this] { saveInputs(); });
    connect(menu.print, &QAction::triggered, this, [this] { printSheet(); });
    connect(menu.help, &QAction::triggered, this,
            [this] { m_context.prompts.showHelp(this, kCalculatorHelpTopic); });
    addHelpKey(*this, m_context.prompts, kCalculatorHelpTopic);
}

void TFormrestwert::wireReactions()
{
    connect(m_fuel, &QComboBox::activated, this, [this] { fuelChosen(); });
    FocusWatch::onLeave(m_kw, [this] { convertPower(m_kw, m_ps, kPsPerKw); });
    FocusWatch::onLeave(m_ps, [this] { convertPower(m_ps, m_kw, kKwPerPs); });
}

void TFormrestwert::fuelChosen()
{
    if (m_fuel->currentText() == kElectric)
        m_emissionClass->setCurrentText(kEmissionFree);
    else if (m_emissionClass->currentText() == kEmissionFree)
        m_emissionClass->setCurrentText(QString());
}

void TFormrestwert::convertPower(QLineEdit* source, QLineEdit* target, float factor)
{
    if (source->text().trimmed().isEmpty())
        return;
    runGuarded(m_context.prompts, this,
               [&] { target->setText(convertedPower(source->text(), factor)); });
}

void TFormrestwert::takeVehicle(const KfzRecord& vehicle, const QString& dataDir)
{
    m_plate->setText(vehicle[KfzField::Kennzeichen]);
    m_month->setText(vehicle[KfzField::ErstzulMonat]);
    m_year->setText(vehicle[KfzField::ErstzulJahr]);
    m_maker->setText(vehicle[KfzField::Hersteller]);
    m_model->setText(vehicle[KfzField::Typ]);
    m_odometer->setText(vehicle[KfzField::AktuellerKm]);
    m_fuel->setCurrentText(vehicle[KfzField::Kraftstoff]);
    m_kw->setText(vehicle[KfzField::LeistungKW]);
    m_ps->setText(vehicle[KfzField::LeistungPS]);
    QString emissionClass = vehicle[KfzField::Abgasnorm];
    m_emissionClass->setCurrentText(emissionClass.remove(u' '));
    m_kfzNr = vehicle[KfzField::KfzNr].trimmed();
    m_dataDir = dataDir;
}

void TFormrestwert::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        m_fileName.clear();
        m_newPrice->clear();
        m_technical->setCurrentText(QString());
        m_visual->setCurrentText(QString());
        m_result->clear();
    }
    QDialog::showEvent(event);
}

void TFormrestwert::calculate()
{
    const ResidualOutcome outcome = calculateResidualValue(
        {m_newPrice->text(), m_year->text(), m_month->text(), m_odometer->text(),
         m_emissionClass->currentText(), m_technical->currentText(), m_visual->currentText()},
        m_context.clock.today());
    if (outcome.refusal)
        showCalculationMessage(m_context.prompts, this, *outcome.refusal);
    else
        m_result->setText(format2(outcome.value));
}

QString TFormrestwert::proposedFileName() const
{
    const QString name = QStringLiteral("RestWert") + m_kfzNr + QStringLiteral(".txt");
    return m_dataDir + (isSafeFileNamePart(name) ? name : QString());
}

void TFormrestwert::saveInputs()
{
    if (m_plate->text().trimmed().isEmpty()) {
        m_context.prompts.error(this, QStringLiteral("Keine Daten angegeben!"));
        return;
    }
    // Once a file is open or saved, "Speichern" writes to it again without asking.
    if (m_fileName.isEmpty()) {
        const QString path = m_context.prompts.saveFileName(this, QStringLiteral("Speichern unter"),
                                                            proposedFileName(), QString());
        if (path.isEmpty())
            return;
        m_fileName = path;
    }
    writeInputs(m_fileName);
}

void TFormrestwert::writeInputs(const QString& path)
{
    const ResidualCalculatorData data{m_plate->text(),
                                      m_month->text(),
                                      m_year->text(),
                                      m_maker->text(),
                                      m_model->text(),
                                      m_odometer->text(),
                                      m_kw->text(),
                                      m_newPrice->text(),
                                      m_fuel->currentText(),
                                      m_emissionClass->currentText(),
                                      m_technical->currentText(),
                                      m_visual->currentText(),
                                      m_ps->text()};
    if (writeTextLines(path, residualCalculatorLines(data)))
        m_context.prompts.information(this, QStringLiteral("Datei %1 gespeichert.").arg(path));
    else
        m_context.prompts.error(this,
                                QStringLiteral("Fehler beim Speichern der Datei:%1!").arg(path));
}

void TFormrestwert::openInputs()
{
    const QString path = m_context.prompts.openFileName(
        this, QStringLiteral("Öffnen"), proposedFileName(), QStringLiteral("text (*.txt)"));
    if (path.isEmpty())
        return;
    m_fileName = path;
    TextFile file;
    QString reason;
    if (!readTextFile(path, file, &reason)) {
        m_context.prompts.error(
            this, QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(path, reason));
        return;
    }
    if (file.lines.size() < kMinCalculatorFileLines)
        return;
    const ResidualCalculatorData data = parseResidualCalculatorLines(file.lines);
    m_plate->setText(data.plate);
    m_month->setText(data.month);
    m_year->setText(data.year);
    m_maker->setText(data.maker);
    m_model->setText(data.model);
    m_odometer->setText(data.odometer);
    m_newPrice->setText(data.newPrice);
    m_fuel->setCurrentText(data.fuel);
    m_emissionClass->setCurrentText(data.emissionClass);
    m_technical->setCurrentText(data.technical);
    m_visual->setCurrentText(data.visual);
    m_kw->setText(data.kw);
    m_ps->setText(QStringLiteral(" "));
    m_result->clear();
    if (!data.newPrice.trimmed().isEmpty() && !data.technical.trimmed().isEmpty() &&
        !data.visual.trimmed().isEmpty())
        calculate();
    convertPower(m_kw, m_ps, kPsPerKw);
}

RecordSheet TFormrestwert::recordSheet() const
{
    auto row = [](const char* caption, const QString& value) {
        return QStringList{QString::fromUtf8(caption) + u':', value};
    };
    return kfzdatenSheet(QStringLiteral("Restwertkalkulation"),
                         {row("Kennzeichen", m_plate->text()),
                          row("Erstzulassung", m_month->text() + u'/' + m_year->text()),
                          row("Hersteller", m_maker->text()), row("Typ", m_model->text()),
                          row("Kmstand", m_odometer->text()),
                          row("Abgasnorm", m_emissionClass->currentText()), row("KW", m_kw->text()),
                          row("PS", m_ps->text()), row("Kraftstoffart", m_fuel->currentText()),
                          row("Neupreis inkl. Extras", m_newPrice->text() + QStringLiteral(" €")),
                          row("Zustand Technik", m_technical->currentText()),
                          row("Zustand Optik", m_visual->currentText()),
                          row("Restwert", m_result->text() + QStringLiteral(" €"))});
}

void TFormrestwert::printSheet()
{
    PrintRecordSheet(m_context, this, recordSheet());
}
