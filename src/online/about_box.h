#pragma once
// The About box: product name, release, the maker's address and logo as links.
// A click on a link opens the maker's home page and closes the box; "Ok" and a
// click on the box's background close it too.

#include <QDialog>

class Prompts;
class QLabel;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(Prompts& prompts, QWidget* parent = nullptr);

    // The program version shown after "Release", set before each showing.
    void setVersion(const QString& version);

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void buildForm();
    void openHomePageAndClose();

    Prompts& m_prompts;
    QLabel* m_version = nullptr;
};
