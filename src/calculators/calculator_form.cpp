#include "calculators/calculator_form.h"

#include "common/prompts.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

QLabel* makeCaption(QWidget* parent, const QString& text, CaptionStyle style)
{
    auto* label = new QLabel(text, parent);
    if (style == CaptionStyle::Used) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(0x80, 0x00, 0x00));
        label->setPalette(palette);
    }
    return label;
}

namespace {

void addCaptioned(QGridLayout& grid, int row, int column, QWidget* field, const QString& caption,
                  CaptionStyle style, QLabel* unit = nullptr)
{
    QLabel* label = makeCaption(grid.parentWidget(), caption, style);
    label->setBuddy(field);
    field->setAccessibleName(caption);
    grid.addWidget(label, row, column);
    if (!unit) {
        grid.addWidget(field, row, column + 1);
        return;
    }
    auto* cell = new QHBoxLayout;
    cell->addWidget(field, 1);
    cell->addWidget(unit);
    grid.addLayout(cell, row, column + 1);
}

} // namespace

QLineEdit* addLineEdit(QGridLayout& grid, int row, int column, const QString& objectName,
                       const QString& caption, CaptionStyle style, QLabel* unit)
{
    auto* edit = new QLineEdit(grid.parentWidget());
    edit->setObjectName(objectName);
    addCaptioned(grid, row, column, edit, caption, style, unit);
    return edit;
}

RegistrationFields addRegistrationDate(QGridLayout& grid, int row)
{
    grid.addWidget(makeCaption(grid.parentWidget(), QStringLiteral("Erstzulassung")), row, 0);
    auto* date = new QGridLayout;
    grid.addLayout(date, row, 1);
    RegistrationFields fields{
        addLineEdit(*date, 0, 0, QStringLiteral("EditMonat"), QStringLiteral("Monat")),
        addLineEdit(*date, 0, 2, QStringLiteral("EditJahr"), QStringLiteral("Jahr"))};
    fields.month->setMaximumWidth(fields.month->fontMetrics().horizontalAdvance(u'0') * 4 + 12);
    fields.year->setMaximumWidth(fields.year->fontMetrics().horizontalAdvance(u'0') * 6 + 12);
    date->setColumnStretch(4, 1);
    return fields;
}

QComboBox* addComboBox(QGridLayout& grid, int row, int column, const QString& objectName,
                       const QString& caption, const QStringList& items, bool editable,
                       CaptionStyle style)
{
    auto* combo = new QComboBox(grid.parentWidget());
    combo->setObjectName(objectName);
    combo->setEditable(editable);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    addCaptioned(grid, row, column, combo, caption, style);
    return combo;
}

void acceptDigitsOnly(QLineEdit* edit, int maxLength)
{
    static const QRegularExpression digits(QStringLiteral("[0-9]*"));
    edit->setValidator(new QRegularExpressionValidator(digits, edit));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
}

QToolButton* makeCalculateButton(QWidget* parent, const QString& objectName, const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setIcon(parent->style()->standardIcon(QStyle::SP_MediaPlay));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    return button;
}

QPushButton* makeButton(QWidget* parent, const QString& objectName, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

CalculatorMenu addCalculatorMenu(QDialog& window, QVBoxLayout& layout, bool helpSeparator)
{
    auto* bar = new QMenuBar(&window);
    QMenu* file = bar->addMenu(QStringLiteral("Datei"));
    CalculatorMenu menu{};
    menu.open = file->addAction(QStringLiteral("Öffnen"));
    menu.save = file->addAction(QStringLiteral("Speichern"));
    menu.print = file->addAction(QStringLiteral("Drucken"));
    file->addSeparator();
    menu.quit = file->addAction(QStringLiteral("Beenden"));
    QMenu* help = bar->addMenu(QStringLiteral("Hilfe"));
    menu.help = help->addAction(QStringLiteral("Inhalt"));
    if (helpSeparator)
        help->addSeparator();
    menu.open->setObjectName(QStringLiteral("Oeffnen1"));
    menu.save->setObjectName(QStringLiteral("Speichern1"));
    menu.print->setObjectName(QStringLiteral("Drucken1"));
    menu.quit->setObjectName(QStringLiteral("Beenden1"));
    menu.help->setObjectName(QStringLiteral("Inhalt1"));
    layout.setMenuBar(bar);
    return menu;
}

void addHelpKey(QDialog& window, Prompts& prompts, int topic)
{
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), &window);
    QObject::connect(key, &QShortcut::activated, &window,
                     [&window, &prompts, topic] { prompts.showHelp(&window, topic); });
}

void showCalculationMessage(Prompts& prompts, QWidget* parent, const CalculationMessage& message)
{
    static const MessageKind kinds[] = {MessageKind::Plain, MessageKind::Information,
                                        MessageKind::Warning, MessageKind::Error};
    prompts.message(parent, kinds[int(message.kind)], QString(), message.text, MessageButtons::Ok);
}
