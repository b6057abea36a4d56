// The vehicle window's controls: toolbar, menus and the form of fields.
#include "ui/vehicle_window.h"

#include "common/field_validators.h"
#include "common/gradient_widget.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QLineEdit* makeEdit(const QString& objectName, int maxWidth = 0)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(objectName);
    if (maxWidth > 0)
        edit->setMaximumWidth(maxWidth);
    return edit;
}

QComboBox* makeChoice(const QString& objectName, const QStringList& items)
{
    auto* combo = new QComboBox;
    combo->setObjectName(objectName);
    combo->setEditable(true);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setInsertPolicy(QComboBox::NoInsert);
    refuseSemicolon(combo);
    return combo;
}

} // namespace

TFormKfz::TFormKfz(AppContext& context, QWidget* parent) : QMainWindow(parent), m_context(context)
{
    setObjectName(QStringLiteral("TFormKfz"));
    setWindowTitle(QStringLiteral("Fahrzeugdaten"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(226, 226, 220));
    setPalette(pal);
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    setFont(font);
    m_vehicles.setPath(context.paths.dataDir + QStringLiteral("Kfz.csv"));
    buildToolbar();
    buildMenus();
    buildForm();
    resize(430, 531 + menuBar()->sizeHint().height());
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QAction* TFormKfz::makeAction(const QString& objectName, const QString& text)
{
    auto* act = new QAction(text, this);
    act->setObjectName(objectName);
    return act;
}

QAction* TFormKfz::action(const QString& objectName) const
{
    return findChild<QAction*>(objectName);
}

void TFormKfz::buildToolbar()
{
    auto* bar = addToolBar(QStringLiteral("Werkzeuge"));
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setMovable(false);
    struct Button {
        const char* name;
        const char* tip;
        QStyle::StandardPixmap icon;
        void (TFormKfz::*handler)();
    };
    const Button buttons[] = {
        {"ToolFirst", "Erster Datensatz", QStyle::SP_MediaSkipBackward, &TFormKfz::firstVehicle},
        {"ToolBack", "Zurück", QStyle::SP_MediaSeekBackward, &TFormKfz::previousVehicle},
        {nullptr, nullptr, QStyle::SP_CustomBase, nullptr},
        {"ToolForward", "Vor", QStyle::SP_MediaSeekForward, &TFormKfz::nextVehicle},
        {"ToolLast", "Letzter Datensatz", QStyle::SP_MediaSkipForward, &TFormKfz::lastVehicle},
        {nullptr, nullptr, QStyle::SP_CustomBase, nullptr},
        {"ToolNew", "Neues Kfz anlegen", QStyle::SP_FileIcon, &TFormKfz::newVehicle},
        {"ToolSave", "Daten speichern", QStyle::SP_DialogSaveButton, &TFormKfz::saveCommand},
        {"ToolDelete", "Kfz löschen", QStyle::SP_TrashIcon, &TFormKfz::deleteVehicle},
        {"ToolList", "Kfzliste anzeigen", QStyle::SP_FileDialogDetailedView, nullptr},
    };
    for (const Button& b : buttons) {
        if (!b.name) {
            bar->addSeparator();
            continue;
        }
        QAction* act = makeAction(QString::fromLatin1(b.name), QString::fromUtf8(b.tip));
        act->setToolTip(QString::fromUtf8(b.tip));
        act->setIcon(style()->standardIcon(b.icon));
        if (b.handler)
            connect(act, &QAction::triggered, this, b.handler);
        bar->addAction(act);
        if (QWidget* button = bar->widgetForAction(act)) {
            button->setObjectName(QString::fromLatin1(b.name) + QStringLiteral("Button"));
            button->setAccessibleName(act->toolTip());
        }
    }
}

void TFormKfz::buildMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* daten = bar->addMenu(QStringLiteral("Daten"));
    daten->addAction(makeAction(QStringLiteral("ActionDatenNeu"), QStringLiteral("Neu")));
    daten->addAction(
        makeAction(QStringLiteral("ActionDatenSpeichern"), QStringLiteral("Speichern")));
    daten->addAction(makeAction(QStringLiteral("ActionDatenListe"), QStringLiteral("Liste")));
    daten->addAction(
        makeAction(QStringLiteral("ActionDatensicherung"), QStringLiteral("Datensicherung")));
    daten->addSeparator();
    daten->addAction(
        makeAction(QStringLiteral("ActionDateienFreigeben"), QStringLiteral("Dateien freigeben")));
    daten->addSeparator();
    daten->addAction(
        makeAction(QStringLiteral("ActionDatenDrucken"), QStringLiteral("Drucken...")));
    daten->addSeparator();
    daten->addAction(
        makeAction(QStringLiteral("ActionKfzExport"), QStringLiteral("Kfzdatei exportieren")));
    daten->addSeparator();
    daten->addAction(makeAction(QStringLiteral("ActionBeenden"), QStringLiteral("Beenden")));

    QMenu* buchen = bar->addMenu(QStringLiteral("Buchen"));
    buchen->addAction(makeAction(QStringLiteral("ActionBuchenNeu"), QStringLiteral("Neu")));

    QMenu* auswertung = bar->addMenu(QStringLiteral("Auswertung"));
    auswertung->addAction(
        makeAction(QStringLiteral("ActionAuswertungKosten"), QStringLiteral("Kosten")));
    auswertung->addSeparator();
    auswertung->addAction(
        makeAction(QStringLiteral("ActionAuswertungReifen"), QStringLiteral("Reifen")));
    auswertung->addSeparator();
    auswertung->addAction(
        makeAction(QStringLiteral("ActionRechner"), QStringLiteral("Steuer/CO2-Rechner")));
    auswertung->addAction(makeAction(QStringLiteral("ActionRestwert"), QStringLiteral("Restwert")));

    QMenu* extras = bar->addMenu(QStringLiteral("Extras"));
    extras->addAction(
        makeAction(QStringLiteral("ActionUpdates"), QStringLiteral("Nach Updates suchen")));
    extras->addAction(
        makeAction(QStringLiteral("ActionEinstellungen"), QStringLiteral("Einstellungen")));

    QMenu* hilfe = bar->addMenu(QStringLiteral("Hilfe"));
    hilfe->addAction(makeAction(QStringLiteral("ActionHilfeInhalt"), QStringLiteral("Inhalt")));
    hilfe->addSeparator();
    hilfe->addAction(makeAction(QStringLiteral("ActionUeber"), QStringLiteral("Über...")));

    // Entries whose windows are wired by the application stay disabled until then.
    for (QAction* act : findChildren<QAction*>())
        if (act->objectName().startsWith(QLatin1String("Action")))
            act->setEnabled(false);
    const auto wire = [this](const char* name, void (TFormKfz::*handler)()) {
        QAction* act = action(QString::fromLatin1(name));
        act->setEnabled(true);
        connect(act, &QAction::triggered, this, handler);
    };
    wire("ActionDatenNeu", &TFormKfz::newVehicle);
    wire("ActionDatenSpeichern", &TFormKfz::saveCommand);
    wire("ActionBeenden", &TFormKfz::exitCommand);
    QAction* help = action(QStringLiteral("ActionHilfeInhalt"));
    help->setEnabled(true);
    connect(help, &QAction::triggered, this, [this] { m_context.prompts.showHelp(this, 70); });
}

void TFormKfz::buildForm()
{
    auto* area = new GradientWidget(Qt::white, QColor(189, 191, 202));
    area->setObjectName(QStringLiteral("FieldArea"));
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    m_kfzNr = makeEdit(QStringLiteral("EditKfzNr"), 60);
    m_kfzNr->setReadOnly(true);
    m_kfzNr->setAlignment(Qt::AlignCenter);
    m_kfzNr->setToolTip(QStringLiteral("Wird automatisch angelegt"));
    QPalette grey = m_kfzNr->palette();
    grey.setColor(QPalette::Base, QColor(212, 208, 200));
    m_kfzNr->setPalette(grey);

    auto* kennzeichen = makeEdit(QStringLiteral("EditKennzeichen"));
    auto* monat = makeEdit(QStringLiteral("EditMonat"), 40);
    auto* jahr = makeEdit(QStringLiteral("EditJahr"), 60);
    jahr->setText(QStringLiteral("2000"));
    auto* schl21 = makeEdit(QStringLiteral("EditSchlNr21"));
    auto* schl22 = makeEdit(QStringLiteral("EditSchlNr22"));
    auto* hersteller = makeEdit(QStringLiteral("EditHersteller"));
    auto* typ = makeEdit(QStringLiteral("EditTyp"));
    auto* hubraum = makeEdit(QStringLiteral("MaskEditHubraum"), 60);
    hubraum->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,4}")), hubraum));
    m_kw = makeEdit(QStringLiteral("EditKW"), 60);
    m_ps = makeEdit(QStringLiteral("EditPS"), 60);
    auto* abgas =
        makeChoice(QStringLiteral("ComboAbgasnorm"),
                   {QStringLiteral("Euro 1"), QStringLiteral("Euro 2"), QStringLiteral("Euro 3"),
                    QStringLiteral("Euro 4"), QStringLiteral("Euro 5"), QStringLiteral("Euro 6")});
    auto* co2 = makeEdit(QStringLiteral("EditCO2"));
    auto* fuel = makeChoice(QStringLiteral("ComboFuel"),
                            {QStringLiteral("Benzin"), QStringLiteral("Super E5"),
                             QStringLiteral("Super E10"), QStringLiteral("Diesel"),
                             QStringLiteral("Autogas"), QStringLiteral("Elektro")});
    auto* plakette =
        makeChoice(QStringLiteral("ComboPlakette"),
                   {QStringLiteral("Grün"), QStringLiteral("Gelb"), QStringLiteral("Rot")});
    m_hu = makeEdit(QStringLiteral("EditHU"));
    auto* km = makeEdit(QStringLiteral("EditKmStand"));
    m_wartung = makeEdit(QStringLiteral("EditWartung"));
    auto* startKm = makeEdit(QStringLiteral("EditStartKm"));
    startKm->setParent(area);
    startKm->hide();

    m_fields = {{KfzNr, m_kfzNr},         {Kennzeichen, kennzeichen},
                {ErstzulMonat, monat},    {ErstzulJahr, jahr},
                {SchlNr21, schl21},       {SchlNr22, schl22},
                {Hersteller, hersteller}, {Typ, typ},
                {Hubraum, hubraum},       {LeistungKW, m_kw},
                {LeistungPS, m_ps},       {Abgasnorm, abgas},
                {CO2Emission, co2},       {Kraftstoff, fuel},
                {Plakette, plakette},     {NaechsteHU, m_hu},
                {AktuellerKm, km},        {WartungKm, m_wartung},
                {StartKm, startKm}};

    const auto pair = [](QWidget* first, const QString& caption, QWidget* second) {
        auto* row = new QHBoxLayout;
        row->setContentsMargins(0, 0, 0, 0);
        row->addWidget(first);
        auto* label = new QLabel(caption);
        label->setBuddy(second);
        row->addWidget(label);
        row->addWidget(second);
        row->addStretch();
        return row;
    };
    const auto add = [form](const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption);
        label->setBuddy(field);
        form->addRow(label, field);
        field->setAccessibleName(caption);
    };
    const auto addPair = [form, &pair](const QString& caption, QWidget* first,
                                       const QString& caption2, QWidget* second) {
        auto* label = new QLabel(caption);
        label->setBuddy(first);
        first->setAccessibleName(caption);
        second->setAccessibleName(caption2);
        form->addRow(label, pair(first, caption2, second));
    };
    add(QStringLiteral("Fahrzeugnr."), m_kfzNr);
    add(QStringLiteral("Amtl. Kennzeichen"), kennzeichen);
    addPair(QStringLiteral("Erstzulassung Monat"), monat, QStringLiteral("Jahr"), jahr);
    add(QStringLiteral("Schlüsselnummer 2.1"), schl21);
    add(QStringLiteral("Schlüsselnummer 2.2"), schl22);
    add(QStringLiteral("Hersteller"), hersteller);
    add(QStringLiteral("Typ"), typ);
    add(QStringLiteral("Hubraum ccm"), hubraum);
    addPair(QStringLiteral("Leistung KW"), m_kw, QStringLiteral("PS"), m_ps);
    add(QStringLiteral("Abgasnorm"), abgas);
    add(QStringLiteral("CO2 Emission g/Km"), co2);
    add(QStringLiteral("Kraftstoffart"), fuel);
    add(QStringLiteral("Plakette"), plakette);
    add(QStringLiteral("Nächste HU"), m_hu);
    add(QStringLiteral("Aktueller Kmstand"), km);
    add(QStringLiteral("Nächste Wartung bei Km"), m_wartung);
    startKm->setAccessibleName(QStringLiteral("Start-Kmstand"));

    QPalette navy;
    navy.setColor(QPalette::Text, QColor(0, 0, 128));
    for (auto& [pos, field] : m_fields) {
        field->setPalette(pos == KfzNr ? field->palette() : navy);
        if (auto* edit = qobject_cast<QLineEdit*>(field); edit && pos != Hubraum && pos != KfzNr)
            refuseSemicolon(edit);
        field->installEventFilter(this);
        if (auto* combo = qobject_cast<QComboBox*>(field))
            combo->lineEdit()->installEventFilter(this);
    }

    // Typing into these boxes marks the vehicle as changed; the choices and the
    // displacement do not.
    for (KfzField pos :
         {Kennzeichen, ErstzulMonat, ErstzulJahr, SchlNr21, SchlNr22, Hersteller, Typ, LeistungKW,
          LeistungPS, CO2Emission, NaechsteHU, AktuellerKm, WartungKm, StartKm})
        connect(static_cast<QLineEdit*>(m_fields[pos]), &QLineEdit::textEdited, this,
                [this] { m_dataChanged = true; });

    auto* areaLayout = new QVBoxLayout(area);
    areaLayout->addLayout(form);
    areaLayout->addStretch();

    m_banner = new QLabel;
    m_banner->setObjectName(QStringLiteral("Banner"));
    m_banner->setCursor(Qt::PointingHandCursor);
    m_banner->setAlignment(Qt::AlignCenter);
    m_banner->setMinimumHeight(40);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(area, 1);
    layout->addWidget(m_banner);
    setCentralWidget(central);

    const QList<QWidget*> tabOrder = {kennzeichen, monat,    jahr, schl21, schl22,   hersteller,
                                      typ,         hubraum,  m_kw, m_ps,   abgas,    co2,
                                      fuel,        plakette, m_hu, km,     m_wartung};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}
