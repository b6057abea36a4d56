#pragma once
// The start screen "Freeware": shown modally during start-up, it runs its
// progress bar for 100 ticks of 60 ms, waits 700 ms and closes by itself.

#include <QDialog>
#include <QSvgRenderer>
#include <QTimer>

class Prompts;
class QFrame;
class QLabel;

class TFormFreeware : public QDialog {
    Q_OBJECT
public:
    explicit TFormFreeware(Prompts& prompts, QWidget* parent = nullptr);

    // The product name shown large ("Tarvolo"), set by the caller before showing.
    void setTitle(const QString& title);
    // 60 ms and 700 ms unless a test drives the ticks itself.
    void setTimings(int tickMs, int pauseMs);
    // One step of the progress; the timer calls it.
    void tick();
    int counter() const { return m_counter; }
    int barWidth() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildForm();
    void cutRoundedCorners();
    void finishAfterPause();

    Prompts& m_prompts;
    QSvgRenderer m_background;
    QLabel* m_title = nullptr;
    QLabel* m_link = nullptr;
    QFrame* m_frame = nullptr;
    QWidget* m_bar = nullptr;
    QTimer m_ticker;
    QTimer m_pause;
    int m_counter = 0;
    bool m_finished = false;
};
