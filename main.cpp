#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "windows/Form_inicio.h"

int main(int argc, char* argv[])
{
    if (!HayPantalla()) {
        std::fputs("torvel: no display found; run it in a desktop session, or headless with "
                   "xvfb-run ./build/torvel\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);

    QIcon icono;
    icono.addFile(QStringLiteral(":/torvel/icono-32.png"));
    icono.addFile(QStringLiteral(":/torvel/icono-64.png"));
    app.setWindowIcon(icono);

    IniciarAplicacion();
    return app.exec();
}
