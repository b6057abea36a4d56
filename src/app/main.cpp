#include "app/program_setup.h"
#include "app/tarvo_app.h"
#include "common/qt_prompts.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    setUpProgram(app);
    QtPrompts prompts;
    SystemClock clock;
    AppContext context{prompts, clock, Paths::standard()};
    TarvoApp tarvo(context);
    tarvo.show();
    return app.exec();
}
