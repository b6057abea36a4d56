#include "ui/path_info_window.h"

#include "common/gradient_widget.h"

#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kFolderHint = QStringLiteral("Neues Datenverzeichnis auswählen");
constexpr int kHelpTopic = 70;
const QColor kCreamTop(255, 253, 232);
const QColor kCreamBottom(240, 232, 200);

} // namespace

TFormSettings::TFormSettings(AppContext& context, QWidget* parent)
    : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("TFormSettings"));
    setWindowTitle(QStringLiteral("Pfadinfo"));
    setFont(QFont(QStringLiteral("Tahoma")));

    auto* area = new GradientWidget(kCreamTop, kCreamBottom);
    auto* form = new QFormLayout(area);
    addFolderRow(form, QStringLiteral("Programmverzeichnis"), m_programBox,
                 QStringLiteral("EditProgrammverzeichnis"),
                 QStringLiteral("ButtonProgrammverzeichnis"));
    addFolderRow(form, QStringLiteral("Datenverzeichnis"), m_dataBox,
                 QStringLiteral("EditDatenverzeichnis"), QStringLiteral("ButtonDatenverzeichnis"));

    auto* usage = new QGroupBox(QStringLiteral("Programmnutzung"));
    usage->setObjectName(QStringLiteral("RadioGroupProgrammnutzung"));
    m_single = new QRadioButton(QStringLiteral("Einzelplatz"));
    m_single->setObjectName(QStringLiteral("RadioEinzelplatz"));
    m_multi = new QRadioButton(QStringLiteral("Multiuser"));
    m_multi->setObjectName(QStringLiteral("RadioMultiuser"));
    m_single->setChecked(true);
    auto* usageRow = new QHBoxLayout(usage);
    usageRow->addWidget(m_single);
    usageRow->addWidget(m_multi);
    usageRow->addStretch();
    form->addRow(usage);

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setToolTip(QStringLiteral("Speichern"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { okClick(); });
    form->addRow(ok);
    form->setAlignment(ok, Qt::AlignHCenter);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(area);
    setMinimumWidth(460);
}

void TFormSettings::addFolderRow(QFormLayout* form, const QString& caption, QLineEdit*& edit,
                                 const QString& editName, const QString& buttonName)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    edit = new QLineEdit;
    edit->setObjectName(editName);
    edit->setReadOnly(true);
    edit->setAccessibleName(caption);
    auto* label = new QLabel(caption);
    label->setBuddy(edit);
    auto* button = new QToolButton;
    button->setObjectName(buttonName);
    button->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    button->setToolTip(kFolderHint);
    button->setAccessibleName(kFolderHint);
    connect(button, &QToolButton::clicked, this, [this] { chooseFolder(); });
    layout->addWidget(edit);
    layout->addWidget(button);
    form->addRow(label, row);
}

void TFormSettings::setChoice(int choice)
{
    (choice == 1 ? m_multi : m_single)->setChecked(true);
}

int TFormSettings::choice() const
{
    return m_multi->isChecked() ? 1 : 0;
}

bool TFormSettings::chooseMultiUser(const QString& dataDir, const QString& progDir, bool multiUser)
{
    DataPath = dataDir;
    Programmpfad = progDir;
    setChoice(multiUser ? 1 : 0);
    m_context.prompts.execModal(*this);
    return choice() == 1;
}

void TFormSettings::showEvent(QShowEvent* event)
{
    m_programBox->setText(Programmpfad);
    m_dataBox->setText(DataPath);
    QDialog::showEvent(event);
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}

void TFormSettings::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        m_context.prompts.showHelp(this, kHelpTopic);
        return;
    }
    QDialog::keyPressEvent(event);
}

// The data folder is fixed for the program's run; the folder chosen here is
// deliberately not taken over anywhere.
void TFormSettings::chooseFolder()
{
    const QString start = QDir(DataPath).exists() ? DataPath : QString();
    m_context.prompts.chooseFolder(this, kFolderHint, start);
}

void TFormSettings::okClick()
{
    DataPath = m_dataBox->text();
    accept();
}
