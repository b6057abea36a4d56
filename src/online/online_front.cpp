#include "online/online_front.h"

#include "online/about_box.h"
#include "online/partner_banner.h"
#include "online/program_version.h"
#include "online/start_screen.h"
#include "online/update_check.h"
#include "ui/vehicle_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>

OnlineFront::OnlineFront(AppContext& context, TFormKfz& kfz)
    : m_context(context), m_about(new TAboutBox(context.prompts, &kfz)),
      m_startScreen(new TFormFreeware(context.prompts, &kfz)),
      m_updateCheck(new UpdateCheck(context.prompts, &kfz, this))
{
    const auto wire = [&kfz, this](const char* name, auto&& command) {
        QAction* act = kfz.action(QLatin1String(name));
        act->setEnabled(true);
        connect(act, &QAction::triggered, this, command);
    };
    wire("ActionUpdates", [this] { Updates1Click(); });
    wire("ActionUeber", [this] { showAboutBox(); });
    if (auto* banner = kfz.findChild<QLabel*>(QStringLiteral("Banner")))
        setUpPartnerBanner(*banner, context.prompts);
}

void OnlineFront::showStartScreen()
{
    m_startScreen->setTitle(QStringLiteral("Tarvolo"));
    m_context.prompts.execModal(*m_startScreen);
}

void OnlineFront::startUpdateCheck()
{
    const QString programFile = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    m_updateCheck->start(GetFileVersion(), programFile);
}

void OnlineFront::Updates1Click()
{
    openHomePage(m_context.prompts);
}

void OnlineFront::showAboutBox()
{
    m_about->setVersion(GetFileVersion());
    m_context.prompts.execModal(*m_about);
}
