#include "windows/Mensajes.h"

QMessageBox::StandardButton MostrarMensaje(QWidget* padre, const QString& texto,
                                           const QString& titulo,
                                           QMessageBox::StandardButtons botones)
{
    QMessageBox caja(QMessageBox::NoIcon, titulo.isEmpty() ? TituloAplicacion() : titulo, texto,
                     botones, padre);
    caja.setObjectName(QStringLiteral("mensaje"));
    return static_cast<QMessageBox::StandardButton>(caja.exec());
}
