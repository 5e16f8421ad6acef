#include <QApplication>
#include <cstdio>

#include "app/Inicio.h"
#include "windows/VentanaUnica.h"

int main(int argc, char* argv[])
{
    if (!HayPantalla()) {
        std::fputs("torvel: no display found; run it in a desktop session, or headless with "
                   "xvfb-run ./build/torvel\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);

    app.setWindowIcon(IconoAplicacion());

    IniciarAplicacion();
    return app.exec();
}
