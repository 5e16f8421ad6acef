// Every secondary window exists at most once. MostrarVentana shows the open
// instance of a window class, brought forward, or creates and shows a new one.
// Windows are top-level (no parent), so closing the main window leaves them
// open, and they delete themselves when closed.
#pragma once

#include <QApplication>
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
