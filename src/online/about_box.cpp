#include "online/about_box.h"

#include "common/gradient_widget.h"
#include "online/link_click.h"
#include "online/picture.h"
#include "online/update_check.h"
#include "online/web_addresses.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 250;
constexpr int kHeight = 253;

// Labels keep their clicks: only a click on the background itself closes the box.
QLabel* boxLabel(const QString& objectName, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

} // namespace

TAboutBox::TAboutBox(Prompts& prompts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_prompts(prompts)
{
    setObjectName(QStringLiteral("TAboutBox"));
    setFixedSize(kWidth, kHeight);
    buildForm();
}

void TAboutBox::buildForm()
{
    auto* background = new GradientWidget(Qt::white, QColor(205, 214, 232), this);
    background->setObjectName(QStringLiteral("AboutBackground"));
    // A thin grey edge sets the borderless box off from the window behind it.
    QPalette edge = palette();
    edge.setColor(QPalette::Window, QColor(150, 150, 162));
    setPalette(edge);
    setAutoFillBackground(true);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(1, 1, 1, 1);
    outer->addWidget(background);

    auto* logo = boxLabel(QStringLiteral("Image2"), QString(), background);
    logo->setPixmap(renderPicture(QStringLiteral(":/pictures/logo.svg"), QSize(72, 72)));
    logo->setToolTip(homePageHost());
    LinkClick::attach(logo, [this] { openHomePageAndClose(); });

    auto* name = boxLabel(QStringLiteral("Label1"), QStringLiteral("Tarvolo"), background);
    QFont nameFont(QStringLiteral("Century Gothic"), 18, QFont::Bold);
    name->setFont(nameFont);
    name->setStyleSheet(QStringLiteral("color: rgb(79, 0, 79);"));

    auto* release = boxLabel(QStringLiteral("LabelRelease"), QStringLiteral("Release"), background);
    m_version = boxLabel(QStringLiteral("LabelVersion"), QString(), background);
    auto* releaseRow = new QHBoxLayout;
    releaseRow->addStretch();
    releaseRow->addWidget(release);
    releaseRow->addWidget(m_version);
    releaseRow->addStretch();

    auto* link = boxLabel(QStringLiteral("Label5"), homePageHost(), background);
    QFont linkFont = link->font();
    linkFont.setUnderline(true);
    link->setFont(linkFont);
    link->setStyleSheet(QStringLiteral("color: blue;"));
    LinkClick::attach(link, [this] { openHomePageAndClose(); });

    auto* ok = new QPushButton(QStringLiteral("Ok"), background);
    ok->setObjectName(QStringLiteral("ButtonClose"));
    ok->setFlat(true);
    ok->setDefault(true);
    ok->setMinimumWidth(80);
    connect(ok, &QPushButton::clicked, this, &TAboutBox::accept);

    auto* layout = new QVBoxLayout(background);
    layout->setContentsMargins(16, 18, 16, 14);
    layout->addWidget(logo, 0, Qt::AlignHCenter);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    layout->addLayout(releaseRow);
    layout->addStretch();
    layout->addWidget(link, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

void TAboutBox::setVersion(const QString& version)
{
    m_version->setText(version);
}

void TAboutBox::showEvent(QShowEvent* event)
{
    setWindowTitle(QStringLiteral("Über..."));
    if (const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr)
        move(owner->geometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TAboutBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        accept();
    else
        QDialog::mousePressEvent(event);
}

void TAboutBox::openHomePageAndClose()
{
    openHomePage(m_prompts);
    accept();
}
