// Answers the message boxes a test provokes, as a user would, and remembers
// what they said. Create it before the action; every QMessageBox that opens
// while it lives is answered with the chosen button, and any other modal
// dialog is cancelled.
#pragma once

#include <QtWidgets>

class RespuestaAutomatica : public QObject {
public:
    explicit RespuestaAutomatica(QMessageBox::StandardButton boton = QMessageBox::Ok)
        : boton_(boton)
    {
        connect(&reloj_, &QTimer::timeout, this, &RespuestaAutomatica::responder);
        reloj_.start(10);
    }

    void cambiarBoton(QMessageBox::StandardButton boton) { boton_ = boton; }
    const QStringList& textos() const { return textos_; }
    const QStringList& titulos() const { return titulos_; }
    int cantidad() const { return textos_.size(); }

private:
    void responder()
    {
        QWidget* modal = QApplication::activeModalWidget();
        auto* caja = qobject_cast<QMessageBox*>(modal);
        if (!caja) {
            // Any other dialog (the report's print preview) is cancelled.
            if (auto* dialogo = qobject_cast<QDialog*>(modal))
                dialogo->reject();
            return;
        }
        textos_ << caja->text();
        titulos_ << caja->windowTitle();
        QAbstractButton* b = caja->button(boton_);
        if (!b)
            b = caja->buttons().value(0);
        if (b)
            b->click();
        else
            caja->done(0);
    }

    QMessageBox::StandardButton boton_;
    QTimer reloj_;
    QStringList textos_;
    QStringList titulos_;
};
