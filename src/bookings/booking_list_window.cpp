#include "bookings/booking_list_window.h"

#include "bookings/booking_file.h"
#include "common/guarded.h"
#include "common/prompts.h"

#include <QHeaderView>
#include <QShortcut>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kHelpTopic = 80;

struct ColumnLayout {
    const char* caption;
    Qt::Alignment alignment;
    int width;
};

// Left to right: an empty narrow column, then number, date, category, amount, km.
const ColumnLayout kColumns[BookingColumn::Count] = {
    {"", Qt::AlignLeft, 2},         {"BuchNr.", Qt::AlignRight, 60},
    {"Datum", Qt::AlignRight, 80},  {"         Kostenart", Qt::AlignLeft, 150},
    {"Betrag", Qt::AlignRight, 80}, {"Kmstand", Qt::AlignRight, 100},
};

QStringList cellsOf(const BuchRecord& r)
{
    return {QString(), r.BuchNr, r.Datum, r.Kostenart, r.Betrag, r.Km};
}

} // namespace

TFormBuchListe::TFormBuchListe(Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_list(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("TFormBuchListe"));
    setWindowTitle(QStringLiteral("Buchungsliste"));
    auto* bar = new QToolBar(this);
    buildToolbar(bar);
    buildTable();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar);
    layout->addWidget(m_list);
    // A fixed frame: the table is as wide as its columns.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { m_prompts.showHelp(this, kHelpTopic); });
}

void TFormBuchListe::buildToolbar(QToolBar* bar)
{
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const auto add = [this, bar](const char* name, const char* text, QStyle::StandardPixmap icon) {
        QAction* act = bar->addAction(style()->standardIcon(icon), QString::fromUtf8(text));
        act->setObjectName(QString::fromLatin1(name));
        act->setToolTip(QString::fromUtf8(text));
        if (QWidget* button = bar->widgetForAction(act))
            button->setAccessibleName(act->text());
        return act;
    };
    QAction* take = add("ToolTake", "Buchung übernehmen", QStyle::SP_DialogApplyButton);
    m_print = add("ToolPrint", "Liste drucken", QStyle::SP_FileDialogDetailedView);
    QAction* close = add("ToolClose", "Schliessen", QStyle::SP_DialogCloseButton);
    m_print->setEnabled(false);
    connect(take, &QAction::triggered, this, [this] { takeBooking(); });
    connect(m_print, &QAction::triggered, this, [this] {
        if (m_printHandler)
            m_printHandler(*this);
    });
    connect(close, &QAction::triggered, this, &QDialog::reject);
}

void TFormBuchListe::buildTable()
{
    m_list->setObjectName(QStringLiteral("MyList"));
    m_list->setAccessibleName(QStringLiteral("Buchungsliste"));
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setColumnCount(BookingColumn::Count);
    m_list->setHeaderLabels(captions());
    QHeaderView* header = m_list->header();
    header->setStretchLastSection(false);
    header->setSectionsClickable(true);
    header->setMinimumSectionSize(1);
    int tableWidth = 0;
    for (int c = 0; c < BookingColumn::Count; ++c) {
        m_list->setColumnWidth(c, kColumns[c].width);
        m_list->headerItem()->setTextAlignment(c, kColumns[c].alignment | Qt::AlignVCenter);
        tableWidth += kColumns[c].width;
    }
    const int frame = 2 * m_list->frameWidth();
    m_list->setFixedSize(tableWidth + frame + style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                         320);
    connect(header, &QHeaderView::sectionClicked, this,
            [this](int column) { sortByColumn(column); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { takeBooking(); });
}

void TFormBuchListe::setBookings(const QStringList& lines)
{
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    for (const QString& line : lines) {
        if (IsBlankLine(line))
            continue;
        auto* item = new QTreeWidgetItem(cellsOf(ParseBooking(line)));
        for (int c = 0; c < BookingColumn::Count; ++c)
            item->setTextAlignment(c, kColumns[c].alignment | Qt::AlignVCenter);
        items << item;
    }
    m_list->addTopLevelItems(items);
}

QList<QStringList> TFormBuchListe::rows() const
{
    QList<QStringList> rows;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_list->topLevelItem(i);
        QStringList cells;
        for (int c = 0; c < BookingColumn::Count; ++c)
            cells << item->text(c);
        rows << cells;
    }
    return rows;
}

QStringList TFormBuchListe::captions() const
{
    QStringList captions;
    for (const ColumnLayout& column : kColumns)
        captions << QString::fromLatin1(column.caption);
    return captions;
}

QList<int> TFormBuchListe::columnWidths() const
{
    QList<int> widths;
    for (const ColumnLayout& column : kColumns)
        widths << column.width;
    return widths;
}

void TFormBuchListe::setPrintHandler(std::function<void(TFormBuchListe&)> print)
{
    m_printHandler = std::move(print);
    m_print->setEnabled(bool(m_printHandler));
}

void TFormBuchListe::showEvent(QShowEvent* event)
{
    m_buchungsNr = -1;
    m_sort.reset();
    QDialog::showEvent(event);
}

void TFormBuchListe::sortByColumn(int column)
{
    m_sort.click(column);
    runGuarded(m_prompts, this, [this] {
        QStringList cells;
        for (int i = 0; i < m_list->topLevelItemCount(); ++i)
            cells << m_list->topLevelItem(i)->text(m_sort.column());
        const QList<int> order =
            SortOrder(cells, KindOfColumn(m_sort.column()), m_sort.descending());
        // The selection stays with its booking wherever that moves.
        QTreeWidgetItem* selected = m_list->selectedItems().value(0);
        QList<QTreeWidgetItem*> items;
        while (m_list->topLevelItemCount() > 0)
            items << m_list->takeTopLevelItem(0);
        for (int i : order)
            m_list->addTopLevelItem(items[i]);
        if (selected)
            m_list->setCurrentItem(selected);
    });
}

void TFormBuchListe::takeBooking()
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    runGuarded(m_prompts, this, [this, &selected] {
        if (!selected.isEmpty())
            m_buchungsNr = strToInt(selected.first()->text(BookingColumn::BuchNr));
        accept();
    });
}
