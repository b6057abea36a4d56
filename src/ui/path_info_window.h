#pragma once
// "Pfadinfo": shows where the program and its data live and lets the user
// choose between single-user and shared use of the data.

#include "common/app_context.h"

#include <QDialog>

class QFormLayout;
class QLineEdit;
class QRadioButton;

class TFormSettings : public QDialog {
    Q_OBJECT
public:
    explicit TFormSettings(AppContext& context, QWidget* parent = nullptr);

    // Set by the opener before showing; the boxes show them.
    QString DataPath;
    QString Programmpfad;

    // 0 "Einzelplatz", 1 "Multiuser". The choice holds however the window closes.
    void setChoice(int choice);
    int choice() const;

    // "Extras" > "Einstellungen": shows the run's folders and shared-use choice
    // modally and returns the choice made, whether the window was closed by
    // "OK" or otherwise.
    bool chooseMultiUser(const QString& dataDir, const QString& progDir, bool multiUser);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void addFolderRow(QFormLayout* form, const QString& caption, QLineEdit*& edit,
                      const QString& editName, const QString& buttonName);
    void chooseFolder();
    void okClick();

    AppContext& m_context;
    QLineEdit* m_programBox = nullptr;
    QLineEdit* m_dataBox = nullptr;
    QRadioButton* m_single = nullptr;
    QRadioButton* m_multi = nullptr;
};
