// The booking window's menu "Jahr": create a year, open another one, return
// to the current calendar year.

#include "bookings/booking_window.h"
#include "bookings/booking_years.h"
#include "bookings/year_chooser.h"
#include "common/conversions.h"
#include "common/safe_names.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

void TFormBuchen::openYearFile(const QString& year)
{
    m_ledger.open(m_datenDir, year, kfzNr());
    m_yearPanel->setText(year);
    readLedger();
    if (m_mode == Mode::Edit)
        if (const auto last = m_ledger.lastBookingIndex())
            showBooking(*last);
}

void TFormBuchen::createYear()
{
    guarded([this] { createYearSteps(); });
}

void TFormBuchen::createYearSteps()
{
    QString year = ProposedNewYear(m_ledger.year());
    if (!m_context.prompts.input(this, QStringLiteral("Neues Buchungsjahr"),
                                 QStringLiteral("Jahr eingeben"), year))
        return;
    // The year becomes part of a file name: only a plain four-digit year is taken.
    if (!isFourDigitYear(year)) {
        m_context.prompts.warning(
            this, QStringLiteral("Bitte geben Sie das Jahr vierstellig ein, zum Beispiel %1!")
                      .arg(m_context.clock.today().year()));
        return;
    }
    if (vehicleNumberUsable() &&
        QFileInfo::exists(ExistingBookingFile(m_datenDir, year, kfzNr()))) {
        plainMessage(QStringLiteral("Jahr bereits vorhanden. Bitte geben Sie ein neues Jahr ein "
                                    "oder wählen Sie den Menüpunkt LADEN!"));
        return;
    }
    if (IsEarlierYear(year, m_ledger.year())) {
        m_kmStand = 0;
        m_altKm = 0;
    }
    m_ledger.open(m_datenDir, year, kfzNr());
    m_yearPanel->setText(year);
    startNewEntry();
}

void TFormBuchen::loadYear()
{
    const QString chosen = m_years->chooseBookingYear(m_datenDir, kfzNr());
    if (chosen.isEmpty())
        return;
    m_datum->setText(StartDateOfLoadedYear(chosen, m_ledger.year()));
    guarded([this, &chosen] {
        openYearFile(chosen);
        startNewEntry();
    });
    // A reading must be typed before the next booking of that year is saved.
    m_km->clear();
}

void TFormBuchen::currentYear()
{
    const QDate today = m_context.clock.today();
    guarded([this, &today] {
        openYearFile(QString::number(today.year()));
        m_datum->setText(formatDate(today));
        startNewEntry();
    });
    m_km->clear();
}
