#pragma once
// The year chooser "Jahr": lists the years for which a vehicle has booking
// files and hands back the one the user picks. Used by the booking window and
// the evaluation window.

#include <QDialog>

class Prompts;
class QListWidget;

class TFormJahre : public QDialog {
    Q_OBJECT
public:
    explicit TFormJahre(Prompts& prompts, QWidget* parent = nullptr);

    // Where to search (the data directory, ending with "/") and the file name
    // pattern, for example "buch*kfz3.csv"; read when the chooser is shown.
    void setSearch(const QString& datenPfad, const QString& maske);
    // The chosen year; empty when nothing was chosen.
    QString buchJahr() const { return m_buchJahr; }

    // Searches the booking files of a vehicle, shows the chooser modally and
    // returns the chosen year (empty when none was chosen).
    QString chooseBookingYear(const QString& dataDir, const QString& kfzNr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void takeSelection();

    Prompts& m_prompts;
    QListWidget* m_years;
    QString m_datenPfad;
    QString m_maske;
    QString m_buchJahr;
};
