#include "calculators/tax_window.h"

#include "calculators/calculator_files.h"
#include "calculators/calculator_form.h"
#include "calculators/co2_emission.h"
#include "calculators/focus_watch.h"
#include "calculators/vehicle_tax.h"
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

const QStringList kFuels{QStringLiteral("Diesel"), QStringLiteral("Benzin"),
                         QStringLiteral("Autogas"), QStringLiteral("Elektro")};
const QStringList kEmissionClasses{QStringLiteral("Euro 1"), QStringLiteral("Euro 2"),
                                   QStringLiteral("Euro 3"), QStringLiteral("Euro 4"),
                                   QStringLiteral("Euro 5"), QStringLiteral("Euro 6")};

QString withoutBlanks(const QString& text)
{
    QString compact = text;
    return compact.remove(u' ');
}

} // namespace

TFormRechner::TFormRechner(AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_dataDir(context.paths.dataDir)
{
    setObjectName(QStringLiteral("TFormRechner"));
    setWindowTitle(QStringLiteral("Steuer/CO2 Rechner"));
    buildForm();
}

void TFormRechner::buildForm()
{
    auto* layout = new QVBoxLayout(this);
    const CalculatorMenu menu = addCalculatorMenu(*this, *layout, true);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    const auto used = CaptionStyle::Used;

    m_plate =
        addLineEdit(*grid, 0, 0, QStringLiteral("EditKennzeichen"), QStringLiteral("Kennzeichen"));
    const RegistrationFields registration = addRegistrationDate(*grid, 1);
    m_month = registration.month;
    m_year = registration.year;
    m_maker =
        addLineEdit(*grid, 2, 0, QStringLiteral("EditHersteller"), QStringLiteral("Hersteller"));
    m_model = addLineEdit(*grid, 3, 0, QStringLiteral("EditTyp"), QStringLiteral("Typ"));
    m_emissionClass = addComboBox(*grid, 4, 0, QStringLiteral("ComboBox2"),
                                  QStringLiteral("Abgasnorm"), kEmissionClasses, false, used);
    m_fuel = addComboBox(*grid, 5, 0, QStringLiteral("ComboBox1"), QStringLiteral("Kraftstoffart"),
                         kFuels, false, used);
    m_displacement =
        addLineEdit(*grid, 6, 0, QStringLiteral("EditCcm"), QStringLiteral("Hubraum ccm"), used);
    m_mileage =
        addLineEdit(*grid, 7, 0, QStringLiteral("EditLauf"), QStringLiteral("Laufleistung/Jahr"),
                    used, makeCaption(this, QStringLiteral("Km")));
    m_weight = addLineEdit(*grid, 8, 0, QStringLiteral("EditGewicht"),
                           QStringLiteral("Zul. Gesamtgewicht Kg"), used);
    m_consumption =
        addLineEdit(*grid, 9, 0, QStringLiteral("EditVerbrauch"), QStringLiteral("(Norm)Verbrauch"),
                    used, makeCaption(this, QStringLiteral("L/100 Km")));
    m_co2Unit = makeCaption(this, QStringLiteral("g"));
    m_co2Unit->setObjectName(QStringLiteral("LabelGramm"));
    m_co2Total = addLineEdit(*grid, 10, 0, QStringLiteral("EditCOtotal"),
                             QStringLiteral("CO2 gesamt"), CaptionStyle::Plain, m_co2Unit);
    m_co2 = addLineEdit(*grid, 11, 0, QStringLiteral("EditCO2"), QStringLiteral("CO2-Emissionen"),
                        used, makeCaption(this, QStringLiteral("g/Km"), used));
    auto* co2Button =
        makeCalculateButton(this, QStringLiteral("BitBtn4"), QStringLiteral("CO2 berechnen"));
    grid->addWidget(co2Button, 11, 2);
    m_tax = addLineEdit(*grid, 12, 0, QStringLiteral("Edit1"), QStringLiteral("Steuer/Jahr"),
                        CaptionStyle::Plain, makeCaption(this, QStringLiteral("€")));
    auto* taxButton =
        makeCalculateButton(this, QStringLiteral("BitBtn1"), QStringLiteral("CO2 berechnen"));
    grid->addWidget(taxButton, 12, 2);

    acceptDigitsOnly(m_month, 2);
    acceptDigitsOnly(m_year, 4);
    acceptDigitsOnly(m_displacement, 4);
    acceptDigitsOnly(m_mileage);
    acceptDigitsOnly(m_weight, 5);
    acceptDigitsOnly(m_co2);
    m_displacement->setText(QStringLiteral("0"));
    m_weight->setText(QStringLiteral("0"));

    auto* buttons = new QHBoxLayout;
    auto* newButton = makeButton(this, QStringLiteral("ButtonNeu"), QStringLiteral("Neu"));
    auto* closeButton = makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Schliessen"));
    buttons->addStretch();
    buttons->addWidget(newButton);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    connect(taxButton, &QToolButton::clicked, this, [this] { calculateTax(); });
    connect(co2Button, &QToolButton::clicked, this, [this] { calculateCo2(); });
    connect(newButton, &QPushButton::clicked, this, [this] { clearResults(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(menu.quit, &QAction::triggered, this, &QDialog::reject);
    connect(menu.open, &QAction::triggered, this, [this] { openInputs(); });
    connect(menu.save, &QAction::triggered, this, [this] { saveInputs(); });
    connect(menu.print, &QAction::triggered, this, [this] { printSheet(); });
    connect(menu.help, &QAction::triggered, this,
            [this] { m_context.prompts.showHelp(this, kCalculatorHelpTopic); });
    addHelpKey(*this, m_context.prompts, kCalculatorHelpTopic);
    FocusWatch::onEnter(m_co2Total, [this] {
        if (m_co2Total->text().isEmpty())
            calculateCo2();
    });
}

void TFormRechner::selectFuel(const QString& text)
{
    const int index = kFuels.indexOf(text);
    if (index >= 0)
        m_fuel->setCurrentIndex(index);
}

void TFormRechner::selectEmissionClass(const QString& compactText)
{
    for (int i = 0; i < kEmissionClasses.size(); ++i) {
        if (withoutBlanks(kEmissionClasses.at(i)) == compactText)
            m_emissionClass->setCurrentIndex(i);
    }
}

void TFormRechner::takeVehicle(const KfzRecord& vehicle, const QString& dataDir)
{
    const QString emissionClass = withoutBlanks(vehicle[KfzField::Abgasnorm]);
    m_plate->setText(vehicle[KfzField::Kennzeichen]);
    m_month->setText(vehicle[KfzField::ErstzulMonat]);
    m_year->setText(vehicle[KfzField::ErstzulJahr]);
    m_maker->setText(vehicle[KfzField::Hersteller]);
    m_model->setText(vehicle[KfzField::Typ]);
    m_dataDir = dataDir;
    m_displacement->setText(vehicle[KfzField::Hubraum].trimmed());
    m_co2->setText(vehicle[KfzField::CO2Emission].trimmed());
    const QString fuel = vehicle[KfzField::Kraftstoff];
    selectFuel(fuel.contains(QStringLiteral("Super"), Qt::CaseInsensitive)
                   ? QStringLiteral("Benzin")
                   : fuel);
    selectEmissionClass(emissionClass);
}

QString TFormRechner::co2Result() const
{
    return m_co2->text().trimmed().isEmpty() ? QString() : m_co2->text();
}

void TFormRechner::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        m_mileage->clear();
        m_consumption->clear();
        m_co2Total->clear();
    }
    QDialog::showEvent(event);
}

void TFormRechner::calculateTax()
{
    runGuarded(m_context.prompts, this, [this] {
        const TaxOutcome outcome = ::calculateTax(
            {m_month->text(), m_year->text(), m_displacement->text(), m_co2->text(),
             m_weight->text(), m_fuel->currentIndex(), m_emissionClass->currentIndex()});
        if (outcome.refusal) {
            showCalculationMessage(m_context.prompts, this, *outcome.refusal);
            return;
        }
        m_tax->setText(format2(double(outcome.euros)));
        if (outcome.note)
            showCalculationMessage(m_context.prompts, this, *outcome.note);
    });
}

void TFormRechner::calculateCo2()
{
    const Co2Outcome outcome =
        ::calculateCo2(m_consumption->text(), m_fuel->currentText(), m_mileage->text());
    if (outcome.perKm)
        m_co2->setText(*outcome.perKm);
    if (outcome.total) {
        m_co2Total->setText(outcome.total->value);
        m_co2Unit->setText(outcome.total->unit);
    }
    if (outcome.refusal)
        showCalculationMessage(m_context.prompts, this, *outcome.refusal);
}

void TFormRechner::clearResults()
{
    m_co2Total->clear();
    m_co2->clear();
    m_tax->clear();
}

void TFormRechner::saveInputs()
{
    const QString stem = withoutBlanks(m_plate->text());
    if (stem.isEmpty()) {
        m_context.prompts.error(this, QStringLiteral("Keine Daten angegeben!"));
        return;
    }
    const QString name = stem + QStringLiteral(".txt");
    const QString proposal = m_dataDir + (isSafeFileNamePart(name) ? name : QString());
    const QString path = m_context.prompts.saveFileName(this, QStringLiteral("Speichern unter"),
                                                        proposal, QString());
    if (path.isEmpty())
        return;
    const TaxCalculatorData data{m_plate->text(),
                                 m_month->text(),
                                 m_year->text(),
                                 m_maker->text(),
                                 m_model->text(),
                                 m_fuel->currentText(),
                                 m_emissionClass->currentText(),
                                 m_consumption->text(),
                                 m_weight->text(),
                                 m_mileage->text(),
                                 m_displacement->text()};
    QString reason;
    if (!writeTextLines(path, taxCalculatorLines(data), TextEncoding::Windows1252, &reason))
        m_context.prompts.error(
            this, QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(path, reason));
}

void TFormRechner::openInputs()
{
    const QString path = m_context.prompts.openFileName(this, QStringLiteral("Öffnen"), m_dataDir,
                                                        QStringLiteral("text (*.txt)"));
    TaxCalculatorData data = parseTaxCalculatorLines({});
    if (!path.isEmpty()) {
        TextFile file;
        QString reason;
        if (!readTextFile(path, file, &reason)) {
            m_context.prompts.error(
                this, QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(path, reason));
            return;
        }
        if (file.lines.size() < kMinCalculatorFileLines)
            return;
        data = parseTaxCalculatorLines(file.lines);
        m_plate->setText(data.plate);
        m_month->setText(data.month);
        m_year->setText(data.year);
        m_maker->setText(data.maker);
        m_model->setText(data.model);
        m_weight->setText(data.weight);
        m_mileage->setText(data.mileage);
        m_displacement->setText(data.displacement);
        m_consumption->setText(data.consumption);
    }
    // Also after a cancelled dialog: the blank lines select nothing, and the
    // CO2 is recalculated for the mileage shown.
    selectFuel(data.fuel);
    selectEmissionClass(withoutBlanks(data.emissionClass));
    if (!m_mileage->text().trimmed().isEmpty())
        calculateCo2();
}

RecordSheet TFormRechner::recordSheet() const
{
    auto row = [](const char* caption, const QString& value) {
        return QStringList{QString::fromUtf8(caption) + u':', value};
    };
    return kfzdatenSheet(QStringLiteral("CO2 Emissionen"),
                         {row("Kennzeichen", m_plate->text()),
                          row("Erstzulassung", m_month->text() + u'/' + m_year->text()),
                          row("Hersteller", m_maker->text()), row("Typ", m_model->text()),
                          row("Abgasnorm", m_emissionClass->currentText()),
                          row("Kraftstoffart", m_fuel->currentText()),
                          row("Hubraum ccm", m_displacement->text()),
                          row("Laufleistung/Jahr", m_mileage->text()),
                          row("Zul. Gesamtgewicht Kg", m_weight->text()),
                          row("(Norm)Verbrauch", m_consumption->text()),
                          row("CO2 gesamt", m_co2Total->text() + u' ' + m_co2Unit->text()),
                          row("CO2-Emissionen", m_co2->text() + QStringLiteral("g/Km")),
                          row("Steuer/Jahr", m_tax->text() + QStringLiteral(" €"))},
                         0.01);
}

void TFormRechner::printSheet()
{
    PrintRecordSheet(m_context, this, recordSheet());
}
