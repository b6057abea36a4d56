#include "bookings/booking_window.h"

#include "bookings/booking_list_window.h"
#include "bookings/booking_values.h"
#include "bookings/year_chooser.h"
#include "common/conversions.h"
#include "common/guarded.h"
#include "common/safe_names.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

namespace {

constexpr int kHelpTopic = 80;

const QString kNewEntryStatus = QStringLiteral("Neueingabe");
const QString kEditStatus = QStringLiteral("Editieren");
const QString kQuestionTitle = QStringLiteral("Buchen");

} // namespace

TFormBuchen::TFormBuchen(AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context), m_list(new TFormBuchListe(context.prompts, this)),
      m_years(new TFormJahre(context.prompts, this))
{
    setObjectName(QStringLiteral("TFormBuchen"));
    setWindowTitle(QStringLiteral("Buchen"));
    buildForm();
    resize(520, sizeHint().height());

    // Enter moves on (and is kept from choosing a category); leaving a number field checks it.
    for (QWidget* field : std::initializer_list<QWidget*>{
             m_datum, m_km, m_category, m_category->lineEdit(), m_betrag, m_liter, m_comment})
        field->installEventFilter(this);
    for (QLineEdit* edit : {m_datum, m_km, m_betrag, m_liter, m_comment})
        connect(edit, &QLineEdit::textEdited, this, [this] { m_changed = true; });
    connect(m_category->lineEdit(), &QLineEdit::textEdited, this, [this] { m_changed = true; });
    connect(m_category, &QComboBox::activated, this, [this](int index) { categoryChosen(index); });
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
            [this] { m_context.prompts.showHelp(this, kHelpTopic); });
    setMode(m_mode);
}

void TFormBuchen::guarded(const std::function<void()>& steps)
{
    runGuarded(m_context.prompts, this, steps);
}

void TFormBuchen::setVehicle(const QString& kfzNr, const QString& kennzeichen,
                             const QString& aktuellerKm)
{
    m_kfzNr->setText(kfzNr);
    m_kennzeichen->setText(kennzeichen);
    m_km->setText(kmDigits(aktuellerKm));
}

int TFormBuchen::bookFor(const QString& kfzNr, const QString& kennzeichen,
                         const QString& aktuellerKm, const QString& datenDir)
{
    setVehicle(kfzNr, kennzeichen, aktuellerKm);
    setDatenDir(datenDir);
    m_context.prompts.execModal(*this);
    return m_kmStand;
}

void TFormBuchen::setTyreOpener(TyreOpener opener)
{
    m_tyreOpener = std::move(opener);
    m_tyresAction->setEnabled(bool(m_tyreOpener));
}

void TFormBuchen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        guarded([this] { openWindow(); });
}

void TFormBuchen::openWindow()
{
    m_ledger.clear();
    m_kmStand = 0;
    openYearFile(QString::number(m_context.clock.today().year()));
    m_datum->setText(formatDate(m_context.clock.today()));
    if (!m_km->text().trimmed().isEmpty())
        m_kmStand = strToInt(m_km->text());
    startNewEntry();
}

QString TFormBuchen::kfzNr() const
{
    return m_kfzNr->text();
}

// The vehicle number becomes part of file names; one that is empty or could
// lead out of the data directory is not used.
bool TFormBuchen::vehicleNumberUsable() const
{
    return !kfzNr().trimmed().isEmpty() && isSafeFileNamePart(kfzNr());
}

void TFormBuchen::setMode(Mode mode)
{
    m_mode = mode;
    m_status->setText(mode == Mode::NewEntry ? kNewEntryStatus : kEditStatus);
}

void TFormBuchen::plainMessage(const QString& text)
{
    m_context.prompts.message(this, MessageKind::Plain, QString(), text, MessageButtons::Ok);
}

void TFormBuchen::readLedger()
{
    QString error;
    if (!vehicleNumberUsable())
        m_ledger.clear();
    else if (!m_ledger.read(&error))
        m_context.prompts.error(this, error);
}

bool TFormBuchen::writeLedger()
{
    QString error;
    if (m_ledger.write(&error))
        return true;
    m_context.prompts.error(this, error);
    return false;
}

void TFormBuchen::showBooking(int index)
{
    m_shown = m_ledger.bookingAt(index);
    m_kfzNr->setText(m_shown.KfzNr);
    m_kennzeichen->setText(m_shown.Kennzeichen);
    m_datum->setText(m_shown.Datum);
    m_category->setEditText(m_shown.Kostenart);
    m_betrag->setText(m_shown.Betrag);
    m_comment->setText(m_shown.Kommentar);
    m_buchNr->setText(m_shown.BuchNr);
    m_liter->setText(m_shown.Liter);
    m_km->setText(m_shown.Km);
}

void TFormBuchen::emptyBookingFields()
{
    m_betrag->clear();
    m_comment->clear();
    m_liter->clear();
    m_proLiter->clear();
    m_category->setEditText(QString());
}

void TFormBuchen::newEntry()
{
    guarded([this] { startNewEntry(); });
}

void TFormBuchen::startNewEntry()
{
    setMode(Mode::NewEntry);
    m_buchNr->setText(QString::number(m_ledger.nextBuchNr()));
    emptyBookingFields();
    m_km->setText(QString::number(m_kmStand));
    m_altKm = m_kmStand;
}

bool TFormBuchen::checkAmount()
{
    const auto amount = CheckedAmount(m_betrag->text());
    if (!amount) {
        m_context.prompts.error(this, QStringLiteral("Ungültige Betragsangabe. Bitte korrigieren, "
                                                     "sonst kann ihre Buchung nicht gespeichert "
                                                     "werden!"));
        return false;
    }
    m_betrag->setText(*amount);
    return true;
}

bool TFormBuchen::checkLitres()
{
    const auto litres = CheckedLitres(m_category->currentText(), m_liter->text());
    if (!litres) {
        m_context.prompts.error(this, QStringLiteral("Ungültige Literangabe. Bitte korrigieren, "
                                                     "sonst kann ihre Buchung nicht gespeichert "
                                                     "werden!"));
        return false;
    }
    m_liter->setText(*litres);
    return true;
}

void TFormBuchen::computeLitrePrice()
{
    if (!checkLitres())
        return;
    const auto price = LitrePrice(m_betrag->text(), m_liter->text());
    if (!price) {
        plainMessage(QStringLiteral("Fehler Literpreisberechnung. Überprüfen Sie ihre Preis - "
                                    "und Literangaben!"));
        return;
    }
    m_proLiter->setText(*price);
}

void TFormBuchen::checkOdometer()
{
    int value = 0;
    if (!tryStrToInt(m_km->text(), value))
        plainMessage(QStringLiteral("Ungültige KM Angabe, Bitte geben Sie nur Ziffern ein"));
}

void TFormBuchen::categoryChosen(int index)
{
    m_changed = true;
    m_betrag->clear();
    const QString category = m_category->itemText(index);
    if (RemembersLastAmount(category) && vehicleNumberUsable())
        if (const auto amount = LoadLastAmount(m_datenDir, category, kfzNr()))
            m_betrag->setText(*amount);
    m_comment->setText(category);
    m_km->setFocus();
}

void TFormBuchen::saveBooking()
{
    guarded([this] { saveSteps(); });
}

void TFormBuchen::saveSteps()
{
    if (!checkAmount() || !checkLitres())
        return;
    const int km = strToInt(m_km->text());
    double amount = 0;
    if (!tryStrToFloat(m_betrag->text(), amount))
        amount = 0;
    const QString category = m_category->currentText();
    if (float(amount) == 0 || category.trimmed().isEmpty() || m_datum->text().trimmed().isEmpty()) {
        m_context.prompts.error(
            this, QStringLiteral("Bitte Buchungsfelder korrekt und vollständig ausfüllen!"));
        return;
    }
    const bool fuel = category == kFuelCategory;
    if (IsLargeMileageJump(km, m_kmStand) &&
        !m_context.prompts.confirm(this,
                                   QStringLiteral("Mehr als 1000 Km Differenz zum alten Kmstand. "
                                                  "Ist diese Angabe korrekt?"),
                                   kQuestionTitle)) {
        startNewEntry();
        return;
    }
    if (km > m_kmStand) {
        m_kmStand = km;
    } else if (fuel && m_mode == Mode::NewEntry &&
               m_context.prompts.confirm(
                   this, QStringLiteral("Wenn Sie den Kmstand nicht aktualisieren, sind keine "
                                        "Verbrauchsberechnungen möglich! Wollen Sie den KmStand "
                                        "jetzt korrigieren?"))) {
        return;
    }
    const QString stored = StoredCategory(category);
    if (!vehicleNumberUsable()) {
        plainMessage(QStringLiteral("Es müssen alle Felder ausgefüllt werden!"));
        m_changed = false;
        startNewEntry();
        return;
    }
    const BuchRecord booking{
        kfzNr(),          m_kennzeichen->text(),
        m_datum->text(),  stored,
        m_betrag->text(), m_comment->text(),
        m_buchNr->text(), m_liter->text(),
        m_km->text(),     m_mode == Mode::NewEntry ? QString::number(m_altKm) : m_shown.AltKm};
    if (m_mode == Mode::NewEntry) {
        // From here on the booking is in the line list: should the write fail,
        // saving again replaces it instead of adding it a second time.
        m_currentLine = m_ledger.append(booking);
        m_shown = booking;
        setMode(Mode::Edit);
    } else {
        m_ledger.replace(m_currentLine, booking);
    }
    if (!writeLedger())
        return;
    QString error;
    if (RemembersLastAmount(stored) &&
        !SaveLastAmount(m_datenDir, stored, kfzNr(), m_betrag->text(), &error))
        m_context.prompts.error(this, error);
    if (stored == kTyreCategory && m_tyreOpener &&
        m_context.prompts.confirm(this, QStringLiteral("Reifendaten bearbeiten?"), kQuestionTitle))
        openTyres();
    m_changed = false;
    startNewEntry();
}

void TFormBuchen::chooseBooking()
{
    guarded([this] { chooseSteps(); });
}

void TFormBuchen::chooseSteps()
{
    const Mode before = m_mode;
    setMode(Mode::Edit);
    m_list->setBookings(m_ledger.lines());
    m_context.prompts.execModal(*m_list);
    const int buchNr = m_list->buchungsNr();
    int index = -1;
    try {
        if (buchNr != -1)
            index = m_ledger.find(buchNr);
    } catch (const ConversionError&) {
        // Nothing is opened, so the window stays with the booking it had.
        setMode(before);
        throw;
    }
    if (index < 0) {
        startNewEntry();
        return;
    }
    m_currentLine = index;
    // A change that could not be written is kept rather than replaced by the file.
    if (!m_ledger.unsaved())
        readLedger();
    showBooking(m_currentLine);
    computeLitrePrice();
}

void TFormBuchen::deleteBooking()
{
    guarded([this] { deleteSteps(); });
}

void TFormBuchen::deleteSteps()
{
    if (!m_context.prompts.confirm(this, QStringLiteral("Buchung wirklich löschen?"), QString(),
                                   MessageKind::Warning))
        return;
    m_betrag->clear();
    m_comment->clear();
    m_category->setEditText(QString());
    if (m_mode != Mode::Edit)
        return;
    m_ledger.remove(m_currentLine);
    if (!writeLedger()) {
        // The edited booking is gone from the line list; go on with a new one.
        startNewEntry();
        return;
    }
    m_currentLine = 0;
    readLedger();
    if (const auto first = m_ledger.firstBookingIndex()) {
        m_currentLine = *first;
        showBooking(m_currentLine);
    } else {
        // The year has no booking left to edit.
        startNewEntry();
    }
}

void TFormBuchen::finish()
{
    if (m_changed && m_context.prompts.confirm(this, QStringLiteral("Buchung speichern?")))
        saveBooking();
    accept();
}

void TFormBuchen::openTyres()
{
    if (m_tyreOpener)
        m_tyreOpener(kfzNr().trimmed(), m_datenDir, m_kmStand);
}

bool TFormBuchen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            enterPressed(watched);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut && isVisible()) {
        // A message box or menu taking the focus is no leaving of the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == m_betrag)
                checkAmount();
            else if (watched == m_liter)
                computeLitrePrice();
            else if (watched == m_km)
                checkOdometer();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormBuchen::enterPressed(QObject* field)
{
    if (field == m_datum || field == m_km)
        m_category->setFocus();
    else if (field == m_betrag)
        (m_category->currentText() == kFuelCategory ? m_liter : m_comment)->setFocus();
    else if (field == m_liter)
        m_comment->setFocus();
    else if (field == m_comment)
        saveBooking();
}
