#include "ui/vehicle_window.h"

#include "calculators/power_conversion.h"
#include "common/conversions.h"
#include "common/guarded.h"
#include "ui/inspection_colour.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

const QString kReadOnlyWarning =
    QStringLiteral("Datei in Verwendung. Bitte warten oder Datei freigeben!");

QString textOf(const QWidget* field)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(field))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(field))
        return combo->currentText();
    return {};
}

void setTextOf(QWidget* field, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(field))
        combo->setEditText(text);
}

} // namespace

KfzRecord TFormKfz::shownRecord() const
{
    KfzRecord record;
    for (const auto& [pos, field] : m_fields)
        record[pos] = textOf(field);
    return record;
}

QString TFormKfz::fieldText(KfzField pos) const
{
    return textOf(m_fields.at(pos));
}

void TFormKfz::setFieldText(KfzField pos, const QString& text)
{
    setTextOf(m_fields.at(pos), text);
}

void TFormKfz::showRecord(const KfzRecord& record)
{
    for (auto& [pos, field] : m_fields)
        setTextOf(field, record[pos]);
}

void TFormKfz::startRun()
{
    m_dataChanged = false;
    m_readOnly = false;
    m_multiUser = false;
    m_vehicles.setCurrentIndex(0);
    m_vehicles.setNewPending(false);
    const QDate today = m_context.clock.today();
    m_currentYear = today.year();
    m_currentMonth = today.month();
}

void TFormKfz::setReadOnlyMode(bool on)
{
    m_readOnly = on;
    for (const char* name : {"ToolNew", "ToolSave", "ToolDelete", "ActionBuchenNeu"})
        action(QString::fromLatin1(name))->setEnabled(!on);
}

template <typename Operation> void TFormKfz::guarded(Operation&& operation)
{
    runGuarded(m_context.prompts, this, std::forward<Operation>(operation));
}

void TFormKfz::loadVehicles()
{
    if (!m_vehicles.exists()) {
        m_kfzNr->setText(QStringLiteral("1"));
        m_vehicles.setNewPending(true);
        return;
    }
    m_vehicles.read();
    const QString line = m_vehicles.currentLine();
    const KfzRecord record = m_vehicles.parse(line);
    if (!line.isEmpty())
        showRecord(record);
    if (m_kfzNr->text().isEmpty())
        m_kfzNr->setText(QStringLiteral("1"));
    for (KfzField pos : {WartungKm, AktuellerKm})
        if (fieldText(pos).trimmed().isEmpty())
            setFieldText(pos, QStringLiteral("0"));
    colourService();
}

bool TFormKfz::saveVehicle()
{
    bool saved = false;
    guarded([this, &saved] { saved = storeVehicle(); });
    return saved;
}

bool TFormKfz::storeVehicle()
{
    if (m_readOnly)
        return false;
    KfzRecord record = shownRecord();
    applyStartKmRule(record);
    setFieldText(StartKm, record[StartKm]);
    setFieldText(AktuellerKm, record[AktuellerKm]);
    m_vehicles.store(formatVehicleLine(record));
    QString error;
    if (!m_vehicles.write(&error)) {
        m_context.prompts.error(this, error);
        return false;
    }
    m_dataChanged = false;
    if (fieldText(WartungKm).trimmed().isEmpty())
        setFieldText(WartungKm, QStringLiteral("0"));
    colourService();
    return true;
}

void TFormKfz::saveCommand()
{
    if (m_readOnly) {
        m_context.prompts.warning(this, kReadOnlyWarning);
        return;
    }
    guarded([this] {
        storeVehicle();
        colourInspection();
    });
}

void TFormKfz::newVehicle()
{
    guarded([this] {
        if (m_vehicles.count() >= kMaxVehicles) {
            m_context.prompts.message(this, MessageKind::Plain, QString(),
                                      QStringLiteral("Limit von 10 Fahrzeugen erreicht. "),
                                      MessageButtons::Ok);
            return;
        }
        if (m_readOnly) {
            m_context.prompts.warning(this, kReadOnlyWarning);
            return;
        }
        m_vehicles.setNewPending(true);
        const int lastNumber = m_vehicles.scan(QStringLiteral("***")).lastNumber;
        KfzRecord fresh;
        fresh[KfzNr] = QString::number(lastNumber + 1);
        fresh[Kennzeichen] = QStringLiteral("N-EU 111");
        showRecord(fresh);
        storeVehicle();
        colourInspection();
    });
}

void TFormKfz::deleteVehicle()
{
    if (m_readOnly) {
        m_context.prompts.warning(this, kReadOnlyWarning);
        return;
    }
    if (!m_context.prompts.confirm(
            this,
            QStringLiteral(
                "Fahrzeug wirklich löschen? Auf Buchungsdaten kann nicht mehr zugegriffen werden!"),
            QString(), MessageKind::Warning))
        return;
    retireBookingFiles(m_context.paths.dataDir, m_kfzNr->text());
    guarded([this] {
        if (m_vehicles.count() > 0)
            m_vehicles.removeCurrent();
        if (m_vehicles.count() == 0) {
            QFile::remove(m_vehicles.path());
            m_vehicles.setCurrentIndex(0);
            newVehicle();
            return;
        }
        QString error;
        if (!m_vehicles.write(&error))
            m_context.prompts.error(this, error);
        m_vehicles.setCurrentIndex(0);
        loadVehicles();
    });
}

bool TFormKfz::askSaveBeforeStep()
{
    m_vehicles.setNewPending(false);
    if (m_dataChanged &&
        m_context.prompts.confirm(this, QStringLiteral("Geänderte Daten speichern?")))
        storeVehicle();
    return true;
}

void TFormKfz::firstVehicle()
{
    guarded([this] {
        askSaveBeforeStep();
        m_vehicles.setCurrentIndex(0);
        loadVehicles();
        colourInspection();
    });
}

void TFormKfz::previousVehicle()
{
    guarded([this] {
        askSaveBeforeStep();
        if (m_vehicles.currentIndex() < 1)
            m_context.prompts.information(this, QStringLiteral("Erster Datensatz"),
                                          QStringLiteral("Tarvolo"));
        else
            m_vehicles.setCurrentIndex(m_vehicles.currentIndex() - 1);
        loadVehicles();
        colourInspection();
    });
}

void TFormKfz::nextVehicle()
{
    guarded([this] {
        askSaveBeforeStep();
        if (m_vehicles.currentIndex() < m_vehicles.count() - 1)
            m_vehicles.setCurrentIndex(m_vehicles.currentIndex() + 1);
        else
            m_context.prompts.information(this, QStringLiteral("Letzter Datensatz!"),
                                          QStringLiteral("Tarvolo"));
        loadVehicles();
        colourInspection();
    });
}

void TFormKfz::lastVehicle()
{
    guarded([this] {
        askSaveBeforeStep();
        m_vehicles.setCurrentIndex(std::max(0, m_vehicles.count() - 1));
        loadVehicles();
        colourInspection();
    });
}

QList<QStringList> TFormKfz::scanVehicles(const QString& search)
{
    QList<QStringList> rows;
    guarded([this, &search, &rows] {
        const VehicleFile::ScanResult result = m_vehicles.scan(search);
        for (const KfzRecord& r : result.rows)
            rows.append({QString(), r[Kennzeichen], r[Hersteller], r[Typ]});
        if (result.matchIndex >= 0) {
            m_vehicles.setCurrentIndex(result.matchIndex);
            showRecord(m_vehicles.parse(m_vehicles.currentLine()));
        }
    });
    return rows;
}

void TFormKfz::colourInspection()
{
    const bool red = inspectionDue(m_hu->text(), m_currentYear, m_currentMonth);
    QPalette pal = m_hu->palette();
    pal.setColor(QPalette::Text, red ? Qt::red : Qt::black);
    m_hu->setPalette(pal);
}

void TFormKfz::colourService()
{
    const int service = kmValue(fieldText(WartungKm));
    const int current = kmValue(fieldText(AktuellerKm));
    QPalette pal = m_wartung->palette();
    pal.setColor(QPalette::Text, service < current ? QColor(Qt::red)
                                                   : QApplication::palette().color(QPalette::Text));
    m_wartung->setPalette(pal);
}

void TFormKfz::compactVehicleFile()
{
    if (m_readOnly || m_vehicles.count() == 0)
        return;
    m_vehicles.dropBlankLines();
    m_vehicles.write();
}

void TFormKfz::exitCommand()
{
    if (m_dataChanged &&
        m_context.prompts.confirm(this, QStringLiteral("Daten vor dem Beenden speichern?")))
        saveVehicle();
    close();
}

void TFormKfz::convertPower(QLineEdit* target, QLineEdit* source, float factor)
{
    if (source->text().trimmed().isEmpty())
        return;
    guarded([&] { target->setText(convertedPower(source->text(), factor)); });
}

void TFormKfz::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        Q_EMIT firstShown();
    }
}

void TFormKfz::closeEvent(QCloseEvent* event)
{
    Q_EMIT closing();
    QMainWindow::closeEvent(event);
}

void TFormKfz::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        m_context.prompts.showHelp(this, 70);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool TFormKfz::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* field = qobject_cast<QWidget*>(watched);
    if (auto* combo = field ? qobject_cast<QComboBox*>(field->parentWidget()) : nullptr)
        field = combo;
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_kw)
            convertPower(m_kw, m_ps, kKwPerPs);
        else if (watched == m_ps)
            convertPower(m_ps, m_kw, kPsPerKw);
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1) {
            m_context.prompts.showHelp(this, 70);
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            static const std::map<KfzField, KfzField> next = {
                {Kennzeichen, ErstzulMonat}, {ErstzulMonat, ErstzulJahr}, {ErstzulJahr, SchlNr21},
                {SchlNr21, SchlNr22},        {SchlNr22, Hersteller},      {Hersteller, Typ},
                {Typ, LeistungKW},           {LeistungKW, LeistungPS},    {LeistungPS, Abgasnorm},
                {Abgasnorm, CO2Emission},    {CO2Emission, NaechsteHU},   {NaechsteHU, Plakette},
                {Plakette, AktuellerKm},     {Kraftstoff, AktuellerKm},   {AktuellerKm, WartungKm},
                {WartungKm, Kennzeichen}};
            for (const auto& [pos, widget] : m_fields) {
                if (widget != field)
                    continue;
                if (auto it = next.find(pos); it != next.end())
                    m_fields[it->second]->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
