// Message boxes of the application: a text, a title ("Torvel_v13" when the
// message has none of its own), OK or Yes/No, and no icon.
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

inline const QString& TituloAplicacion()
{
    static const QString titulo = QStringLiteral("Torvel_v13");
    return titulo;
}

// Shows the message and waits for the answer; returns the button pressed.
QMessageBox::StandardButton MostrarMensaje(QWidget* padre, const QString& texto,
                                           const QString& titulo = QString(),
                                           QMessageBox::StandardButtons botones = QMessageBox::Ok);
