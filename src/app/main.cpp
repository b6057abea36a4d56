#include "app/program_setup.h"
#include "app/single_instance.h"
#include "app/tarvo_app.h"
#include "common/qt_prompts.h"
#include "ui/vehicle_window.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    setUpProgram(app);
    // Before anything touches a file: a second start on this desktop only
    // raises the running instance's window.
    SingleInstance instance(desktopKey());
    if (!instance.claim())
        return 0;
    QtPrompts prompts;
    SystemClock clock;
    AppContext context{prompts, clock, Paths::standard()};
    TarvoApp tarvo(context);
    QObject::connect(&instance, &SingleInstance::activationRequested, &tarvo,
                     [&tarvo] { bringToFront(tarvo.vehicleWindow()); });
    tarvo.show();
    return app.exec();
}
