#include "online/start_screen.h"

#include "common/gradient_widget.h"
#include "online/desktop_services.h"
#include "online/link_click.h"
#include "online/start_progress.h"
#include "online/web_addresses.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace {

constexpr int kWidth = 340;
constexpr int kHeight = 180;
constexpr int kFrameWidth = 240;
constexpr int kFrameHeight = 18;
constexpr int kCornerDiameter = 40;

QLabel* whiteLabel(const QString& objectName, const QString& text, const QFont& font,
                   QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    return label;
}

QFont fontOf(const QString& family, int pointSize, bool bold = false)
{
    QFont font(family, pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

TFormFreeware::TFormFreeware(Prompts& prompts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_prompts(prompts),
      m_background(QStringLiteral(":/pictures/start_screen.svg"))
{
    setObjectName(QStringLiteral("TFormFreeware"));
    setWindowTitle(QStringLiteral("Freeware"));
    setFixedSize(kWidth, kHeight);
    buildForm();
    cutRoundedCorners();

    m_ticker.setInterval(60);
    connect(&m_ticker, &QTimer::timeout, this, &TFormFreeware::tick);
    m_pause.setSingleShot(true);
    m_pause.setInterval(700);
    connect(&m_pause, &QTimer::timeout, this, &TFormFreeware::finishAfterPause);
}

void TFormFreeware::buildForm()
{
    m_title = whiteLabel(QStringLiteral("LabelTitle"), QString(),
                         fontOf(QStringLiteral("Century Gothic"), 22, true), this);
    auto* freeware = whiteLabel(QStringLiteral("Label2"), QStringLiteral("Freeware"),
                                fontOf(QStringLiteral("Arial"), 11), this);
    QFont linkFont = fontOf(QStringLiteral("Arial"), 9);
    linkFont.setUnderline(true);
    m_link = whiteLabel(QStringLiteral("Label3"), homePageHost(), linkFont, this);
    LinkClick::attach(
        m_link, [this] { OpenWebPage(m_prompts, QStringLiteral("https://") + m_link->text()); });

    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("ProgressFrame"));
    m_frame->setFixedSize(kFrameWidth, kFrameHeight);
    m_frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_frame->setStyleSheet(
        QStringLiteral("QFrame#ProgressFrame { background: rgb(96, 96, 104); }"));
    m_bar = new GradientWidget(QColor(255, 217, 255), QColor(94, 0, 47), m_frame);
    m_bar->setObjectName(QStringLiteral("Balken"));
    m_bar->setGeometry(0, 0, 0, kFrameHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 22, 20, 22);
    layout->setSpacing(2);
    layout->addWidget(m_title);
    layout->addWidget(freeware);
    layout->addWidget(m_link, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addWidget(m_frame, 0, Qt::AlignHCenter);
}

// The corners are cut by a rounded rectangle with 40 × 40 corner ellipses. A
// drop shadow is the window system's to give: Qt has no portable way to ask
// for one, and compositing window managers draw their own.
void TFormFreeware::cutRoundedCorners()
{
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, kWidth, kHeight), kCornerDiameter / 2.0,
                           kCornerDiameter / 2.0);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));
}

void TFormFreeware::setTitle(const QString& title)
{
    m_title->setText(title);
}

void TFormFreeware::setTimings(int tickMs, int pauseMs)
{
    m_ticker.setInterval(tickMs);
    m_pause.setInterval(pauseMs);
}

int TFormFreeware::barWidth() const
{
    return m_bar->width();
}

// Counting starts when the screen is shown rather than when it becomes active:
// without a window manager (or with one that refuses focus to a start-up
// screen) it might never become active and the program would never start.
void TFormFreeware::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    m_counter = 0;
    m_finished = false;
    m_bar->resize(0, kFrameHeight);
    m_pause.stop();
    m_ticker.start();
}

void TFormFreeware::hideEvent(QHideEvent* event)
{
    m_ticker.stop();
    m_pause.stop();
    QDialog::hideEvent(event);
}

void TFormFreeware::tick()
{
    m_counter = qMin(m_counter + 1, kStartScreenTicks);
    if (m_counter < kStartScreenTicks) {
        m_bar->resize(progressBarWidth(m_counter, m_frame->width()), kFrameHeight);
        return;
    }
    m_ticker.stop();
    if (!m_pause.isActive() && !m_finished)
        m_pause.start();
}

void TFormFreeware::finishAfterPause()
{
    m_finished = true;
    accept();
}

// The user cannot close the screen early: F4 (Alt+F4) and Escape are swallowed,
// and a close request from the window system is refused until the end. The
// program itself may still close it.
void TFormFreeware::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F4 || event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormFreeware::closeEvent(QCloseEvent* event)
{
    if (event->spontaneous() && !m_finished)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TFormFreeware::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(128, 128, 128));
    m_background.render(&painter, QRectF(rect()));
}
