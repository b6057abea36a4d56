#include "bookings/year_chooser.h"

#include "bookings/booking_years.h"
#include "common/prompts.h"

#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
constexpr int kHelpTopic = 70;
}

TFormJahre::TFormJahre(Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_years(new QListWidget(this))
{
    setObjectName(QStringLiteral("TFormJahre"));
    setWindowTitle(QStringLiteral("Jahr"));
    m_years->setObjectName(QStringLiteral("ListBoxJahre"));
    m_years->setAccessibleName(QStringLiteral("Jahr"));

    auto* open = new QPushButton(QStringLiteral("Öffnen"), this);
    open->setObjectName(QStringLiteral("ButtonOpen"));
    open->setToolTip(QStringLiteral("Auswahl übernehmen"));
    open->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    cancel->setToolTip(QStringLiteral("Abbrechen"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(open);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_years);
    layout->addLayout(buttons);
    // A fixed frame: the chooser keeps the size its contents ask for.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(open, &QPushButton::clicked, this, [this] { takeSelection(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { m_prompts.showHelp(this, kHelpTopic); });
}

void TFormJahre::setSearch(const QString& datenPfad, const QString& maske)
{
    m_datenPfad = datenPfad;
    m_maske = maske;
}

QString TFormJahre::chooseBookingYear(const QString& dataDir, const QString& kfzNr)
{
    setSearch(dataDir, BookingYearMask(kfzNr));
    m_prompts.execModal(*this);
    return m_buchJahr;
}

void TFormJahre::showEvent(QShowEvent* event)
{
    m_buchJahr.clear();
    m_years->clear();
    m_years->addItems(FindBookingYears(m_datenPfad, m_maske));
    QDialog::showEvent(event);
}

void TFormJahre::takeSelection()
{
    if (const QListWidgetItem* item = m_years->currentItem(); item && item->isSelected())
        m_buchJahr = item->text();
    accept();
}
