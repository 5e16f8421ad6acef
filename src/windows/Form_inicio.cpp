#include "windows/Form_inicio.h"

#include <QTimer>

#include "captions/Textos.h"
#include "state/Variables.h"
#include "ui_Form_inicio.h"
#include "windows/Advertencia_alpha.h"
#include "windows/Idioma.h"
#include "windows/TextosQt.h"
#include "windows/VentanaUnica.h"

Form_inicio::Form_inicio(int demoraMs, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Form_inicio>()), demoraMs_(demoraMs)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(488, 213);
    CentrarEnPantalla(this);
}

Form_inicio::~Form_inicio() = default;

// The pause starts only once the splash is on the screen, so it is always seen
// before the warning covers it. Unlike a busy loop, the timer lets it paint.
void Form_inicio::showEvent(QShowEvent* evento)
{
    QWidget::showEvent(evento);
    if (esperaIniciada_)
        return;
    esperaIniciada_ = true;
    QTimer::singleShot(demoraMs_, this, &Form_inicio::MostrarAdvertencia);
}

void Form_inicio::MostrarAdvertencia()
{
    MostrarVentana<Advertencia_alpha>();
}

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
