#pragma once
// The program: creates every window once, in a fixed order (the vehicle window
// first, the others as soon as it is on screen), wires the vehicle window's menus
// to the windows they open, and runs the start-up sequence when the vehicle
// window is first shown and the close sequence when it closes.

#include "common/app_context.h"

#include <QObject>
#include <memory>

class OnlineFront;
class RunSettings;
class SharedAccess;
class TFormAuswertung;
class TFormBuchen;
class TFormKfz;
class TFormSettings;
class TFormKfzListe;
class TFormRechner;
class TFormReifen;
class TFormrestwert;

class TarvoApp : public QObject {
    Q_OBJECT
public:
    explicit TarvoApp(AppContext& context);
    ~TarvoApp() override;

    TFormKfz& vehicleWindow() { return *m_kfz; }
    // Shows the vehicle window; the start-up sequence follows from there.
    void show();

    // The two sequences, public so tests can run them directly.
    void runStartUp();
    void runClose();

private:
    void completeWindows();
    void createWindows(); // every window after the vehicle window
    void wireWindows();

    AppContext& m_context;
    std::unique_ptr<TFormKfz> m_kfz;
    std::unique_ptr<TFormKfzListe> m_kfzListe;
    std::unique_ptr<TFormBuchen> m_buchen; // with the booking list and year chooser
    std::unique_ptr<TFormAuswertung> m_auswertung;
    std::unique_ptr<TFormrestwert> m_restwert;
    std::unique_ptr<TFormReifen> m_reifen;
    std::unique_ptr<TFormRechner> m_rechner;
    std::unique_ptr<OnlineFront> m_online; // About box and start screen
    std::unique_ptr<TFormSettings> m_settingsWindow;
    std::unique_ptr<RunSettings> m_settings; // the settings file over the run
    std::unique_ptr<SharedAccess> m_access;  // the lock file of shared use
};
