#include "ui/vehicle_list_window.h"

#include "common/gradient_widget.h"
#include "printing/print_job.h"
#include "ui/vehicle_window.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kHelpTopic = 60;
constexpr int kPlateColumn = 1;
const QColor kCreamTop(255, 253, 232);
const QColor kCreamBottom(240, 232, 200);

} // namespace

TFormKfzListe::TFormKfzListe(AppContext& context, TFormKfz& vehicleWindow, QWidget* parent)
    : QDialog(parent), m_context(context), m_vehicleWindow(vehicleWindow)
{
    setObjectName(QStringLiteral("TFormKfzListe"));
    setWindowTitle(QStringLiteral("Liste"));
    setFont(QFont(QStringLiteral("Arial")));
    setFixedSize(350, 200);

    auto* area = new GradientWidget(kCreamTop, kCreamBottom);
    auto* areaLayout = new QVBoxLayout(area);
    areaLayout->setContentsMargins(4, 2, 4, 4);
    buildToolbar(area);
    buildTable();
    areaLayout->addWidget(m_table);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
}

void TFormKfzListe::buildToolbar(QWidget* area)
{
    auto* toolbar = new QToolBar(area);
    toolbar->setObjectName(QStringLiteral("ToolBar1"));
    toolbar->setIconSize(QSize(20, 20));
    const auto addTool = [this, toolbar](const QString& objectName, const QIcon& icon,
                                         const QString& tip) {
        QAction* action = toolbar->addAction(icon, tip);
        action->setObjectName(objectName);
        action->setToolTip(tip);
        return action;
    };
    connect(addTool(QStringLiteral("ToolShowInMain"),
                    style()->standardIcon(QStyle::SP_DialogApplyButton),
                    QStringLiteral("Im Hauptfenster anzeigen")),
            &QAction::triggered, this, [this] { showInMainClick(); });
    connect(addTool(QStringLiteral("ToolPrint"), QIcon(QStringLiteral(":/icons/print.svg")),
                    QStringLiteral("Liste ausdrucken")),
            &QAction::triggered, this, [this] { printClick(); });
    connect(addTool(QStringLiteral("ToolClose"),
                    style()->standardIcon(QStyle::SP_DialogCloseButton),
                    QStringLiteral("Schliessen")),
            &QAction::triggered, this, [this] { reject(); });
    area->layout()->addWidget(toolbar);
}

void TFormKfzListe::buildTable()
{
    m_table = new QTreeWidget;
    m_table->setObjectName(QStringLiteral("ListView1"));
    m_table->setAccessibleName(QStringLiteral("Fahrzeugliste"));
    m_table->setRootIsDecorated(false);
    m_table->setUniformRowHeights(true);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setHeaderLabels({QString(), QStringLiteral("Kennzeichen"),
                              QStringLiteral("Hersteller"), QStringLiteral("Typ")});
    // The blank first column is only 2 pixels wide, below the header's usual minimum.
    m_table->header()->setMinimumSectionSize(0);
    const int widths[] = {2, 85, 150, 100};
    for (int c = 0; c < 4; ++c)
        m_table->setColumnWidth(c, widths[c]);
    m_table->header()->setStretchLastSection(false);
    m_table->header()->setSectionsClickable(true);
    // The chosen row stays marked while the toolbar has the focus.
    QPalette pal = m_table->palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight,
                 pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::HighlightedText));
    m_table->setPalette(pal);
    connect(m_table->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { headerClick(column); });
}

void TFormKfzListe::openList()
{
    m_table->clear();
    for (const QStringList& row : m_vehicleWindow.scanVehicles(QStringLiteral("***")))
        new QTreeWidgetItem(m_table, row);
    m_context.prompts.execModal(*this);
}

void TFormKfzListe::headerClick(int column)
{
    m_sort.click(column);
    QList<QTreeWidgetItem*> rows;
    while (m_table->topLevelItemCount() > 0)
        rows.append(m_table->takeTopLevelItem(0));
    const bool descending = m_sort.descending();
    std::stable_sort(rows.begin(), rows.end(),
                     [column, descending](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
                         const int order = compareTextAsciiFold(a->text(column), b->text(column));
                         return descending ? order > 0 : order < 0;
                     });
    m_table->addTopLevelItems(rows);
}

void TFormKfzListe::showInMainClick()
{
    const QList<QTreeWidgetItem*> selected = m_table->selectedItems();
    const QString plate = selected.isEmpty() ? QString() : selected.first()->text(kPlateColumn);
    m_vehicleWindow.scanVehicles(plate);
    accept();
}

void TFormKfzListe::printClick()
{
    PrintListview(m_context, this, listTableOf(*m_table), ListKind::Vehicles);
}

void TFormKfzListe::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        m_context.prompts.showHelp(this, kHelpTopic);
        return;
    }
    QDialog::keyPressEvent(event);
}
