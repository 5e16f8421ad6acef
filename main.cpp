#include <QApplication>
#include <QIcon>

#include "windows/Form_inicio.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    QIcon icono;
    icono.addFile(QStringLiteral(":/torvel/icono-32.png"));
    icono.addFile(QStringLiteral(":/torvel/icono-64.png"));
    app.setWindowIcon(icono);

    IniciarAplicacion();
    return app.exec();
}
