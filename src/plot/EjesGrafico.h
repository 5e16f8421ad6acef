// The parts every large plot of the program shares: round tick values, the
// lettering, the grid and frame with tick values and axis titles, and a
// one-row legend above the data. The profile window's plot and GraficoXY
// draw with them, so they look alike.
#pragma once

#include <QColor>
#include <QFont>
#include <QPen>
#include <QRectF>
#include <QString>
#include <vector>

class QFontMetricsF;
class QPainter;

namespace ejes {

constexpr double kRelleno = 8;  // blank around the drawing (px)
constexpr double kMarca = 5;    // length of a tick mark (px)
const QColor kRejilla(226, 226, 226);
const QColor kMarco(96, 96, 96);

struct Marcas {
    std::vector<double> valores;
    int decimales = 0;
};

// Round tick values (1, 2 or 5 times a power of ten) about one every
// pixelesPorMarca pixels of an axis largo pixels long.
Marcas MarcasRedondas(double desde, double hasta, double largo, double pixelesPorMarca);

// The plots' lettering: the widget's font at 12 px.
QFont FuenteDelGrafico(QFont fuente);

// The data ranges of a plot, with the mapping to pixels of a data rectangle.
struct Rango {
    double izquierda = 0, derecha = 1, abajo = 0, arriba = 1;
    QPointF APixel(const QRectF& datos, double x, double y) const
    {
        return QPointF(datos.left() + (x - izquierda) / (derecha - izquierda) * datos.width(),
                       datos.bottom() - (y - abajo) / (arriba - abajo) * datos.height());
    }
};

struct EntradaLeyenda {
    QString nombre;
    QPen pluma;
};

// The rectangle of the data inside area: room above for the rows of the legend,
// below for the x values and title, at the left for the y values and title.
// Empty when area is too small.
QRectF AreaDeDatos(const QFontMetricsF& metricas, const QRectF& area, const Rango& rango,
                   const std::vector<EntradaLeyenda>& leyenda);

// Grid, frame, tick marks with their values, and the two axis titles.
void PintarEjes(QPainter& pintor, const QRectF& datos, const Rango& rango, const QString& tituloX,
                const QString& tituloY);

// Above the data, each line with a sample of its pen, in centred rows as many
// as the width of area needs.
void PintarLeyenda(QPainter& pintor, const QRectF& area,
                   const std::vector<EntradaLeyenda>& entradas);

}  // namespace ejes
