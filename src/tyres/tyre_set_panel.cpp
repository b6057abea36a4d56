#include "tyres/tyre_set_panel.h"

#include "calculators/focus_watch.h"
#include "common/field_validators.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

const TyreSetNames kSummerNames{"EditMarke",   "EditTyp",    "EditSize1", "EditSize2",
                                "EditZoll",    "ComboFelge", "EditDatum", "EditKaufKm",
                                "EditCurKm",   "EditLauf",   "ComboBox1", "LabelSreifen",
                                "ButtonClear", "ButtonCopy"};
const TyreSetNames kWinterNames{"EditMarke2",   "EditTyp2",    "EditSize21", "EditSize22",
                                "EditZoll2",    "ComboFelge2", "EditDatum2", "EditKaufKm2",
                                "EditCurKm2",   "EditLauf2",   "ComboBox2",  "LabelWreifen",
                                "ButtonClear2", "ButtonCopy2"};

namespace {

const QString kDefaultRimKind = QStringLiteral("Stahl");

QLineEdit* makeEdit(QWidget* parent, const char* objectName, const QString& accessibleName)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setAccessibleName(accessibleName);
    return edit;
}

QLabel* captionFor(QWidget* parent, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QToolButton* makeToolButton(QWidget* parent, const char* objectName, QStyle::StandardPixmap icon,
                            const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    return button;
}

} // namespace

TyreSetPanel::TyreSetPanel(const QString& title, const TyreSetNames& n, QWidget* parent)
    : QGroupBox(title, parent)
{
    struct Box {
        TyreField field;
        const char* name;
        const char* caption;
    };
    const Box boxes[] = {{TyreMaker, n.maker, "Hersteller"},
                         {TyreModel, n.model, "Typ"},
                         {TyreSizeFirst, n.sizeFirst, "Reifengrösse"},
                         {TyreSizeSecond, n.sizeSecond, "Reifengrösse"},
                         {TyreRimInches, n.rimInches, "Felge"},
                         {TyrePurchaseDate, n.purchaseDate, "Kaufdatum"},
                         {TyrePurchaseKm, n.purchaseKm, "Kmstand Kfz bei Kauf"}};
    for (const Box& box : boxes) {
        m_edits[size_t(box.field)] = makeEdit(this, box.name, QString::fromUtf8(box.caption));
        refuseSemicolon(edit(box.field));
    }
    edit(TyreRimInches)
        ->setMaximumWidth(edit(TyreRimInches)->fontMetrics().horizontalAdvance(u'0') * 5 + 12);
    m_rimKind = new QComboBox(this);
    m_rimKind->setObjectName(QString::fromLatin1(n.rimKind));
    m_rimKind->setEditable(true);
    m_rimKind->setInsertPolicy(QComboBox::NoInsert);
    m_rimKind->addItems({kDefaultRimKind, QStringLiteral("Alu")});
    m_rimKind->setAccessibleName(QStringLiteral("Felgenart"));
    refuseSemicolon(m_rimKind);
    m_currentKm = makeEdit(this, n.currentKm, QStringLiteral("Akt. Kmstand Kfz"));
    m_currentKm->setReadOnly(true);
    m_mileage = makeEdit(this, n.mileage, QStringLiteral("Laufleistung Reifen"));
    m_selector = new QComboBox(this);
    m_selector->setObjectName(QString::fromLatin1(n.selector));
    m_selector->addItems(
        {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
    m_selector->setAccessibleName(QStringLiteral("Reifennr."));
    m_positionLabel = new QLabel(tyrePositionName(0), this);
    m_positionLabel->setObjectName(QString::fromLatin1(n.positionLabel));

    auto* grid = new QGridLayout(this);
    int row = 0;
    auto addRow = [this, grid, &row](const QString& caption, QWidget* buddy, QLayoutItem* cell) {
        grid->addWidget(captionFor(this, caption, buddy), row, 0);
        grid->addItem(cell, row++, 1);
    };
    auto single = [](QWidget* widget) { return new QWidgetItem(widget); };
    auto pair = [this](QWidget* first, const QString& between, QWidget* second) {
        auto* line = new QHBoxLayout;
        line->addWidget(first);
        if (!between.isEmpty())
            line->addWidget(new QLabel(between, this));
        line->addWidget(second, 1);
        return line;
    };
    addRow(QStringLiteral("Reifennr."), m_selector, pair(m_selector, QString(), m_positionLabel));
    addRow(QStringLiteral("Hersteller"), edit(TyreMaker), single(edit(TyreMaker)));
    addRow(QStringLiteral("Typ"), edit(TyreModel), single(edit(TyreModel)));
    addRow(QStringLiteral("Reifengrösse"), edit(TyreSizeFirst),
           pair(edit(TyreSizeFirst), QStringLiteral("/"), edit(TyreSizeSecond)));
    addRow(QStringLiteral("Felge"), edit(TyreRimInches),
           pair(edit(TyreRimInches), QStringLiteral("\""), m_rimKind));
    addRow(QStringLiteral("Kaufdatum"), edit(TyrePurchaseDate), single(edit(TyrePurchaseDate)));
    addRow(QStringLiteral("Kmstand Kfz bei Kauf"), edit(TyrePurchaseKm),
           single(edit(TyrePurchaseKm)));
    addRow(QStringLiteral("Akt. Kmstand Kfz"), m_currentKm, single(m_currentKm));
    addRow(QStringLiteral("Laufleistung Reifen"), m_mileage, single(m_mileage));

    auto* clear = makeToolButton(this, n.clearButton, QStyle::SP_DialogResetButton,
                                 QStringLiteral("Löschen"));
    auto* copy = makeToolButton(this, n.copyButton, QStyle::SP_ArrowDown,
                                QStringLiteral("Daten für gesamten Reifensatz übernehmen"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(clear);
    buttons->addWidget(copy);
    grid->addLayout(buttons, row, 0, 1, 2);

    connect(clear, &QToolButton::clicked, this, [this] { clearBoxes(); });
    connect(copy, &QToolButton::clicked, this, [this] { Q_EMIT copyRequested(); });
    connect(m_selector, &QComboBox::activated, this, [this](int index) {
        setPosition(index);
        Q_EMIT positionChosen(index);
    });
    FocusWatch::onEnter(m_selector, [this] { Q_EMIT selectorEntered(); });
    FocusWatch::onEnter(m_mileage, [this] { Q_EMIT mileageEntered(); });
}

Tyre TyreSetPanel::shownTyre() const
{
    Tyre tyre;
    for (size_t f = 0; f < tyre.size(); ++f)
        tyre[f] = m_edits[f] ? m_edits[f]->text() : m_rimKind->currentText();
    return tyre;
}

void TyreSetPanel::showTyre(const Tyre& tyre)
{
    for (size_t f = 0; f < tyre.size(); ++f) {
        if (m_edits[f])
            m_edits[f]->setText(tyre[f]);
    }
    m_rimKind->setCurrentText(tyre[TyreRimKind]);
}

int TyreSetPanel::position() const
{
    return m_selector->currentIndex();
}

void TyreSetPanel::setPosition(int position)
{
    m_selector->setCurrentIndex(position);
    m_positionLabel->setText(tyrePositionName(position));
}

QString TyreSetPanel::purchaseKm() const
{
    return edit(TyrePurchaseKm)->text();
}

QString TyreSetPanel::currentKm() const
{
    return m_currentKm->text();
}

void TyreSetPanel::setCurrentKm(const QString& km)
{
    m_currentKm->setText(km);
}

void TyreSetPanel::setMileage(const QString& mileage)
{
    m_mileage->setText(mileage);
}

void TyreSetPanel::clearBoxes()
{
    for (QLineEdit* box : m_edits) {
        if (box)
            box->clear();
    }
    m_currentKm->clear();
    m_mileage->clear();
    m_rimKind->setCurrentText(kDefaultRimKind);
}

QStringList TyreSetPanel::sheetColumn() const
{
    const Tyre tyre = shownTyre();
    return {tyre[TyreMaker],
            tyre[TyreModel],
            tyre[TyreSizeFirst] + u'/' + tyre[TyreSizeSecond],
            tyre[TyreRimInches] + QStringLiteral("\" ") + tyre[TyreRimKind],
            tyre[TyrePurchaseDate],
            tyre[TyrePurchaseKm],
            m_currentKm->text(),
            m_mileage->text()};
}
