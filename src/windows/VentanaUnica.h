// Every secondary window exists at most once. MostrarVentana shows the open
// instance of a window class, brought forward, or creates and shows a new one.
// Windows are top-level (no parent), so closing the main window leaves them
// open, and they delete themselves when closed.
#pragma once

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

// The open instance of W, or nullptr. A closed window waiting for deletion
// (hidden, with WA_DeleteOnClose) does not count.
template <class W>
W* VentanaAbierta()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* ventana = qobject_cast<W*>(widget)) {
            if (ventana->isVisible())
                return ventana;
        }
    }
    return nullptr;
}

template <class W>
W* MostrarVentana()
{
    W* ventana = VentanaAbierta<W>();
    if (!ventana) {
        ventana = new W();
        ventana->setAttribute(Qt::WA_DeleteOnClose);
    }
    ventana->show();
    ventana->raise();
    ventana->activateWindow();
    return ventana;
}

// Places a top-level window in the middle of its screen's free area; the
// small windows of the application all start centred.
inline void CentrarEnPantalla(QWidget* ventana)
{
    QScreen* pantalla = ventana->screen();
    if (!pantalla)
        return;
    QRect marco = ventana->frameGeometry();
    marco.moveCenter(pantalla->availableGeometry().center());
    ventana->move(marco.topLeft());
}

// Escape closes the window, as its close button does.
inline void CerrarConEscape(QWidget* ventana)
{
    auto* atajo = new QShortcut(QKeySequence(Qt::Key_Escape), ventana);
    QObject::connect(atajo, &QShortcut::activated, ventana, &QWidget::close);
}

// Each frame's border runs through the middle of its title, which interrupts
// it, and the title starts at the frame's top edge: a frame placed right under
// another one writes its title below that frame's border, not over it. The
// borders are dark enough to be seen on the grey window.
inline void DibujarMarcos(QWidget* contenedor)
{
    contenedor->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid rgb(128, 128, 128); margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; top: 1px; }"));
}

// The program's icon, drawn for it, at the sizes window managers ask for.
inline QIcon IconoAplicacion()
{
    QIcon icono;
    icono.addFile(QStringLiteral(":/torvel/icono-32.png"));
    icono.addFile(QStringLiteral(":/torvel/icono-64.png"));
    return icono;
}
