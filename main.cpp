#include <QApplication>

#include "mainwindow/RungeKutta.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    RungeKutta ventana;
    ventana.show();
    return app.exec();
}
