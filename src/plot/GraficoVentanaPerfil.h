// The large profile plot of the profile window: axes in metres with round tick
// values, a light grid, the profile in blue, yc, yn and yn* named in a legend,
// and the point under the mouse read out in metres.
//
// Everything is painted by Pintar on any QPainter, so the screen, the PNG and
// SVG files and the printed report show the same drawing.
#pragma once

#include <QImage>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <vector>

#include "plot/EjesGrafico.h"

struct Variables;

class GraficoVentanaPerfil : public QWidget {
    Q_OBJECT
public:
    explicit GraficoVentanaPerfil(QWidget* parent = nullptr);

    // Takes what it draws from the state: the filled rows of the profile table,
    // the reference depths and the plot ranges. Nothing when there is no profile.
    void MostrarPerfil(const Variables& v);
    bool hayPerfil() const { return hayPerfil_; }
    // Depths (the default) or elevations: the bed z = S·(x_max − x), lowest at
    // 0, with the surface z + y, the energy line z + y + V²/2g, z + yc and z + yn.
    void FijarVistaCotas(bool cotas);
    bool vistaCotas() const { return cotas_; }

    // Paints the whole plot into area (logical pixels) and returns the rectangle
    // of the data inside it, between the axes.
    QRectF Pintar(QPainter& pintor, const QRectF& area) const;
    // The plot as a picture of the given logical size, at escala device pixels
    // per logical pixel.
    QImage Imagen(const QSize& tamano, qreal escala) const;

signals:
    // "x = … m, y = … m" while the pointer is over the data, empty when it leaves.
    void lectura(const QString& texto);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void leaveEvent(QEvent* evento) override;

private:
    std::vector<ejes::EntradaLeyenda> Leyenda() const;
    void PrepararCotas(const Variables& v);
    double Cota(double x) const;
    ejes::Rango RangoActual() const;

    bool hayPerfil_ = false;
    // Runs of consecutive filled rows; an unfilled row (depth 0) splits the chain.
    std::vector<QPolygonF> tramos_;
    double xMin_ = 0, xMax_ = 0;                                   // the profile's x extent
    double izquierda_ = 0, derecha_ = 0, abajo_ = 0, arriba_ = 0;  // with the margins
    double yc_ = 0, yn_ = 0, ynConj_ = 0;
    bool hayNormal_ = false, hayConjugado_ = false;
    // The elevation view.
    bool cotas_ = false;
    std::vector<QPolygonF> fondo_, superficie_, energia_;
    double pendiente_ = 0, xCotaMin_ = 0, xCotaMax_ = 0, zBase_ = 0;
    double abajoCotas_ = 0, arribaCotas_ = 1;
    // Where the data were last painted on screen, for the read-out.
    QRectF datosEnPantalla_;
};
