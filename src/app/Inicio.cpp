// The start-up sequence, in one place: the windows it shows know nothing of
// one another, each says when it is done.
#include "app/Inicio.h"

#include <QByteArray>

#include "captions/Textos.h"
#include "mainwindow/RungeKutta.h"
#include "state/Variables.h"
#include "windows/Advertencia_alpha.h"
#include "windows/Form_inicio.h"
#include "windows/Idioma.h"
#include "windows/TextosQt.h"
#include "windows/VentanaUnica.h"

void IniciarAplicacion(int demoraMs)
{
    if (VentanaAbierta<Form_inicio>())
        return;
    // The captions are filled now, before any window, so that the company window
    // opened from the start-up warning has its texts. An unreadable stored
    // language falls back to English here; the main window reports it when it
    // loads and reads the language again.
    LeerIdioma(estado());
    CargarTextos(estado().idioma);
    AplicarIdiomaQt(estado().idioma);

    auto* inicio = new Form_inicio(demoraMs);
    inicio->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(inicio, &Form_inicio::esperaCumplida, [] {
        const bool nueva = !VentanaAbierta<Advertencia_alpha>();
        auto* aviso = MostrarVentana<Advertencia_alpha>();
        if (nueva)
            QObject::connect(aviso, &Advertencia_alpha::aceptada,
                             [] { MostrarVentana<RungeKutta>(); });
    });
    inicio->show();
}

bool HayPantalla()
{
    const QByteArray plataforma = qgetenv("QT_QPA_PLATFORM");
    if (!plataforma.isEmpty() && !plataforma.startsWith("xcb") && !plataforma.startsWith("wayland"))
        return true;  // offscreen, vnc and the like need no display
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}
