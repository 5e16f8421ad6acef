// The picture of the main window that shows the last computed free-surface
// profile, with the critical depth, the normal depth and its conjugate, and that
// reads the coordinates of a pressed point into a label.
#pragma once

#include <QImage>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>

#include "plot/EscalaUsuario.h"

class QLabel;
struct Variables;

class GraficoPerfil : public QWidget {
    Q_OBJECT
public:
    explicit GraficoPerfil(QWidget* parent = nullptr);

    // Redraws the whole picture from the calculation state alone.
    void DibujarPerfil(const Variables& v);
    // The label that shows the coordinates while a mouse button is held (lblXY).
    void setEtiquetaLectura(QLabel* etiqueta);
    // The user-scale point of a widget position (pixels before the first drawing).
    QPointF aEscalaUsuario(const QPointF& posicion) const;
    // The drawing as it stands (for tests and screenshots).
    QImage imagen() const;

signals:
    // After every drawing, so that the windows that show the profile follow it.
    void perfilDibujado();
    // A double click (its press still shows the read-out).
    void dobleClic();

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;

private:
    // What was drawn stays here until the next drawing, so covering or
    // minimising the window never loses it.
    QImage imagen_;
    // None until the first drawing: the read-out then reports pixels.
    std::optional<EscalaUsuario> escala_;
    QPointer<QLabel> etiqueta_;
};

// The read-out text: "x = " and x to 1 decimal, " , y = " and y to 2 decimals.
QString TextoLectura(float x, float y);
