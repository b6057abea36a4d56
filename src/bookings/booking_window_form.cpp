// The controls, menus, toolbar and status bar of the booking window.

#include "bookings/booking_file.h"
#include "bookings/booking_window.h"
#include "common/field_validators.h"
#include "common/gradient_widget.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QLineEdit* makeEdit(QWidget* parent, const char* objectName, const char* hint, bool readOnly)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setToolTip(QString::fromUtf8(hint));
    if (readOnly) {
        // Filled by the program: out of the tab chain, greyed like the vehicle number.
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        QPalette pal = edit->palette();
        pal.setColor(QPalette::Base, pal.color(QPalette::Window));
        edit->setPalette(pal);
    } else {
        refuseSemicolon(edit);
    }
    return edit;
}

// A caption before a field; the caption is the field's accessible name.
QLabel* caption(QWidget* parent, const char* text, QWidget* field)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setBuddy(field);
    field->setAccessibleName(label->text());
    return label;
}

} // namespace

void TFormBuchen::buildForm()
{
    auto* form = new GradientWidget(Qt::white, QColor(189, 191, 202), this);
    form->setObjectName(QStringLiteral("FormArea"));

    m_buchNr = makeEdit(form, "EditBuchNr", "Wird automatisch angelegt", true);
    m_yearPanel = new QLabel(form);
    m_yearPanel->setObjectName(QStringLiteral("Panel1"));
    m_yearPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_yearPanel->setAlignment(Qt::AlignCenter);
    m_yearPanel->setMinimumWidth(60);
    m_kennzeichen = makeEdit(form, "EditKennzeichen", "Wird automatisch übernommen", true);
    m_kfzNr = makeEdit(form, "EditKfzNr", "KfzNr wird automatisch übernommen", true);
    m_datum = makeEdit(form, "EditDatum", "Geben Sie ein Datum in der Form TT.MM.JJJJ ein", false);
    m_km = makeEdit(form, "EditKm", "Geben Sie einen Kmstand ein", false);
    m_category = new QComboBox(form);
    m_category->setObjectName(QStringLiteral("ComboBox1"));
    m_category->setToolTip(QStringLiteral("Wählen Sie die Kostenart aus der Liste"));
    m_category->setEditable(true);
    m_category->setInsertPolicy(QComboBox::NoInsert);
    // Typed text stays as typed: a text that is no category is stored as "Sonstiges".
    m_category->setCompleter(nullptr);
    m_category->addItems(CostCategories());
    m_category->setMaxVisibleItems(CostCategories().size());
    refuseSemicolon(m_category);
    m_betrag = makeEdit(form, "EditBetrag", "Bitte Betrag in der Form 10,59 € eingeben", false);
    m_liter = makeEdit(form, "EditLiter", "Geben Sie die Liter in der Form 0,00 an", false);
    m_proLiter = makeEdit(form, "EditProLiter", "Wird automatisch ausgefüllt", true);
    m_comment = makeEdit(form, "EditComment", "Geben Sie einen beliebigen Kommentar ein", false);

    auto* grid = new QGridLayout(form);
    grid->addWidget(caption(form, "BuchungsNr.", m_buchNr), 0, 0);
    grid->addWidget(m_buchNr, 0, 1);
    grid->addWidget(caption(form, "Jahr", m_yearPanel), 0, 3);
    grid->addWidget(m_yearPanel, 0, 4);
    grid->addWidget(caption(form, "Kennzeichen", m_kennzeichen), 1, 0);
    grid->addWidget(m_kennzeichen, 1, 1);
    grid->addWidget(caption(form, "KfzNr", m_kfzNr), 1, 3);
    grid->addWidget(m_kfzNr, 1, 4);
    grid->addWidget(caption(form, "Datum", m_datum), 2, 0);
    grid->addWidget(m_datum, 2, 1);
    grid->addWidget(caption(form, "Kmstand", m_km), 2, 3);
    grid->addWidget(m_km, 2, 4);
    grid->addWidget(caption(form, "Kostenart", m_category), 3, 0);
    grid->addWidget(m_category, 3, 1, 1, 4);
    grid->addWidget(caption(form, "Betrag", m_betrag), 4, 0);
    grid->addWidget(m_betrag, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("€"), form), 4, 2);
    grid->addWidget(caption(form, "Liter", m_liter), 5, 0);
    grid->addWidget(m_liter, 5, 1);
    grid->addWidget(caption(form, "Literpreis", m_proLiter), 5, 3);
    grid->addWidget(m_proLiter, 5, 4);
    grid->addWidget(caption(form, "Kommentar", m_comment), 6, 0);
    grid->addWidget(m_comment, 6, 1, 1, 4);
    grid->setColumnMinimumWidth(2, 16);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);

    // Tab visits the input fields in the order of entry.
    setTabOrder(m_datum, m_category);
    setTabOrder(m_category, m_km);
    setTabOrder(m_km, m_betrag);
    setTabOrder(m_betrag, m_liter);
    setTabOrder(m_liter, m_comment);

    auto* menuBar = new QMenuBar(this);
    buildMenus(menuBar);
    auto* toolBar = new QToolBar(this);
    buildToolbar(toolBar);
    auto* statusBar = new QStatusBar(this);
    buildStatusBar(statusBar);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(toolBar);
    layout->addWidget(form, 1);
    layout->addWidget(statusBar);
}

QAction* TFormBuchen::makeAction(const char* objectName, const char* text,
                                 void (TFormBuchen::*command)())
{
    auto* act = new QAction(QString::fromUtf8(text), this);
    act->setObjectName(QString::fromLatin1(objectName));
    if (command)
        connect(act, &QAction::triggered, this, command);
    return act;
}

void TFormBuchen::buildMenus(QMenuBar* bar)
{
    bar->setObjectName(QStringLiteral("MenuBar"));
    QMenu* buchung = bar->addMenu(QStringLiteral("Buchung"));
    buchung->addAction(makeAction("ActionNeu", "Neu", &TFormBuchen::newEntry));
    buchung->addAction(
        makeAction("ActionBuchungsliste", "Buchungsliste", &TFormBuchen::chooseBooking));
    // The list window prints; this entry opens it.
    buchung->addAction(
        makeAction("ActionListeDrucken", "Liste drucken...", &TFormBuchen::chooseBooking));
    buchung->addAction(makeAction("ActionBeenden", "Beenden", &TFormBuchen::finish));

    QMenu* jahr = bar->addMenu(QStringLiteral("Jahr"));
    jahr->addAction(makeAction("ActionJahrAnlegen", "Anlegen", &TFormBuchen::createYear));
    jahr->addAction(makeAction("ActionJahrLaden", "Laden", &TFormBuchen::loadYear));
    jahr->addAction(makeAction("ActionAktuellesJahr", "Aktuelles Jahr", &TFormBuchen::currentYear));

    QMenu* extras = bar->addMenu(QStringLiteral("Extras"));
    m_tyresAction = makeAction("ActionReifendaten", "Reifendaten", &TFormBuchen::openTyres);
    m_tyresAction->setEnabled(false);
    extras->addAction(m_tyresAction);
    extras->addAction(makeAction("ActionHilfe", "Hilfe", nullptr));
}

void TFormBuchen::buildToolbar(QToolBar* bar)
{
    bar->setObjectName(QStringLiteral("ToolBar"));
    struct Button {
        const char* name;
        const char* tip;
        QStyle::StandardPixmap icon;
        void (TFormBuchen::*command)();
    };
    const Button buttons[] = {
        {"ToolNew", "Neu", QStyle::SP_FileIcon, &TFormBuchen::newEntry},
        {"ToolSave", "Buchung speichern", QStyle::SP_DialogSaveButton, &TFormBuchen::saveBooking},
        {"ToolDelete", "Buchung löschen", QStyle::SP_TrashIcon, &TFormBuchen::deleteBooking},
        {"ToolList", "Buchungsliste anzeigen/Buchung suchen", QStyle::SP_FileDialogDetailedView,
         &TFormBuchen::chooseBooking},
    };
    for (const Button& b : buttons) {
        QAction* act = makeAction(b.name, b.tip, b.command);
        act->setToolTip(act->text());
        act->setIcon(style()->standardIcon(b.icon));
        bar->addAction(act);
        if (QWidget* button = bar->widgetForAction(act))
            button->setAccessibleName(act->toolTip());
    }
}

void TFormBuchen::buildStatusBar(QStatusBar* bar)
{
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    m_status = new QLabel(bar);
    m_status->setObjectName(QStringLiteral("StatusMode"));
    m_status->setMinimumWidth(100);
    bar->addWidget(m_status);
    bar->addWidget(new QLabel(bar), 1);
}
