// A plot of any x-y data in the look of the profile window: series of points,
// each with its pen and legend name, labelled marker points, axis titles with
// units, round ticks and grid, and the point under the mouse read out.
// Optionally to scale (one metre the same on both axes), for a section.
//
// Pintar paints on any QPainter, so screen, PNG, SVG and paper agree.
#pragma once

#include <QImage>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

struct SerieXY {
    QPolygonF puntos;
    QPen pluma;
    QString nombre;  // empty: not in the legend
};

struct MarcaXY {
    QPointF punto;
    QString rotulo;  // written beside the point
    QColor color;
};

struct DatosGrafico {
    std::vector<SerieXY> series;
    std::vector<MarcaXY> marcas;
    QString tituloX, tituloY;       // with their units: "Caudal Q (m³/s)"
    QString lecturaX, lecturaY;     // the read-out: "Q = %1 m³/s", "y = %1 m"
    bool aEscala = false;           // the same scale on both axes
    std::optional<double> yMaximo;  // the top of the plot, when the data run further
    bool vacio() const { return series.empty() && marcas.empty(); }
};

class GraficoXY : public QWidget {
    Q_OBJECT
public:
    explicit GraficoXY(QWidget* parent = nullptr);

    // What to draw; empty data leave a blank plot.
    void Mostrar(const DatosGrafico& datos);
    bool hayDatos() const { return hayDatos_; }
    const DatosGrafico& datos() const { return datos_; }

    // Paints the whole plot into area (logical pixels) and returns the rectangle
    // of the data inside it.
    QRectF Pintar(QPainter& pintor, const QRectF& area) const;
    QImage Imagen(const QSize& tamano, qreal escala) const;
    // PNG (at twice the size) or SVG by the file's suffix, into an open device.
    bool Escribir(QIODevice& archivo, const QString& tipo, const QSize& tamano,
                  const QString& titulo) const;

signals:
    void lectura(const QString& texto);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void leaveEvent(QEvent* evento) override;

private:
    DatosGrafico datos_;
    bool hayDatos_ = false;
    double izquierda_ = 0, derecha_ = 1, abajo_ = 0, arriba_ = 1;
    QRectF datosEnPantalla_;
    // The ranges used by the last paint (to scale, they depend on the area).
    mutable double izqPintado_ = 0, derPintado_ = 1, abaPintado_ = 0, arrPintado_ = 1;
};
