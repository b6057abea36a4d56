#include "app/program_setup.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    setUpProgram(app);
    QMainWindow w;
    w.setWindowTitle("Fahrzeugdaten");
    w.show();
    return app.exec();
}
