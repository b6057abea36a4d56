#pragma once
// The vehicle window's online front: the About box and the start screen
// (created in this order, the last windows of the program), the update check,
// the partner banner, and the menu items "Nach Updates suchen" and "Über...".

#include "common/app_context.h"

#include <QObject>

class TAboutBox;
class TFormFreeware;
class TFormKfz;
class UpdateCheck;

class OnlineFront : public QObject {
    Q_OBJECT
public:
    // The windows become children of the vehicle window.
    OnlineFront(AppContext& context, TFormKfz& kfz);

    // Start-up: the start screen, shown modally until it closes by itself.
    void showStartScreen();
    // End of start-up: the check for a newer version, answered in the background.
    void startUpdateCheck();
    // "Über...": the About box with the program version.
    void showAboutBox();
    // "Nach Updates suchen": the maker's home page in the browser.
    void Updates1Click();

    TAboutBox& aboutBox() { return *m_about; }
    TFormFreeware& startScreen() { return *m_startScreen; }
    UpdateCheck& updateCheck() { return *m_updateCheck; }

private:
    AppContext& m_context;
    TAboutBox* m_about;
    TFormFreeware* m_startScreen;
    UpdateCheck* m_updateCheck;
};
