#include "plot/EjesGrafico.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "captions/TextoFijo.h"

namespace ejes {

namespace {

constexpr int kMaximoMarcas = 40;  // far more than any axis shows
// A legend entry: a pen sample, a gap, the name; a wider gap between entries (px).
constexpr double kMuestra = 30, kSeparacion = 6, kEntreEntradas = 22;

double AnchoEntrada(const QFontMetricsF& metricas, const EntradaLeyenda& e)
{
    return kMuestra + kSeparacion + metricas.horizontalAdvance(e.nombre);
}

// The entries in rows no wider than the area inside its blank border; an entry
// wider than that has a row of its own.
std::vector<std::vector<const EntradaLeyenda*>>
FilasLeyenda(const QFontMetricsF& metricas, const QRectF& area,
             const std::vector<EntradaLeyenda>& entradas)
{
    const double ancho = area.width() - 2 * kRelleno;
    std::vector<std::vector<const EntradaLeyenda*>> filas;
    double usado = 0;
    for (const EntradaLeyenda& e : entradas) {
        const double w = AnchoEntrada(metricas, e);
        if (filas.empty() || usado + kEntreEntradas + w > ancho) {
            filas.emplace_back();
            usado = -kEntreEntradas;
        }
        filas.back().push_back(&e);
        usado += kEntreEntradas + w;
    }
    return filas;
}

}  // namespace

Marcas MarcasRedondas(double desde, double hasta, double largo, double pixelesPorMarca)
{
    Marcas marcas;
    const int objetivo = std::clamp(int(largo / pixelesPorMarca), 2, 12);
    const double bruto = (hasta - desde) / objetivo;
    if (!(bruto > 0) || !std::isfinite(bruto))
        return marcas;
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    const double f = bruto / potencia;
    const double paso = (f < 1.5 ? 1 : f < 3 ? 2 : f < 7 ? 5 : 10) * potencia;
    marcas.decimales = std::max(0, int(-std::floor(std::log10(paso) + 1e-9)));
    double k = std::ceil(desde / paso);
    for (int n = 0; n < kMaximoMarcas && k * paso <= hasta + paso * 1e-9; ++n, ++k)
        marcas.valores.push_back(k * paso);
    return marcas;
}

QFont FuenteDelGrafico(QFont fuente)
{
    fuente.setPixelSize(12);
    return fuente;
}

QRectF AreaDeDatos(const QFontMetricsF& metricas, const QRectF& area, const Rango& rango,
                   const std::vector<EntradaLeyenda>& leyenda)
{
    // The vertical extent first: the value labels it allows set the left margin.
    const double renglon = metricas.height();
    const double filas = std::max<double>(1, FilasLeyenda(metricas, area, leyenda).size());
    QRectF datos = area.adjusted(0, kRelleno + renglon * (filas + 1), 0,
                                 -(kRelleno + renglon * 2 + kMarca + 4));
    const Marcas marcasY = MarcasRedondas(rango.abajo, rango.arriba, datos.height(), 45);
    double anchoRotulos = 0;
    for (double y : marcasY.valores)
        anchoRotulos =
            std::max(anchoRotulos, metricas.horizontalAdvance(TextoFijo(y, marcasY.decimales)));
    datos.setLeft(area.left() + kRelleno + renglon + 6 + anchoRotulos + kMarca + 3);
    datos.setRight(area.right() - kRelleno - 24);
    if (datos.width() < 20 || datos.height() < 20)
        return {};
    return datos;
}

void PintarEjes(QPainter& pintor, const QRectF& datos, const Rango& rango, const QString& tituloX,
                const QString& tituloY)
{
    const QFontMetricsF metricas(pintor.font());
    const Marcas marcasX = MarcasRedondas(rango.izquierda, rango.derecha, datos.width(), 90);
    const Marcas marcasY = MarcasRedondas(rango.abajo, rango.arriba, datos.height(), 45);

    pintor.setPen(QPen(kRejilla, 1));
    for (double x : marcasX.valores) {
        const double px = rango.APixel(datos, x, 0).x();
        pintor.drawLine(QPointF(px, datos.top()), QPointF(px, datos.bottom()));
    }
    for (double y : marcasY.valores) {
        const double py = rango.APixel(datos, 0, y).y();
        pintor.drawLine(QPointF(datos.left(), py), QPointF(datos.right(), py));
    }

    pintor.setPen(QPen(kMarco, 1));
    pintor.drawRect(datos);
    for (double x : marcasX.valores) {
        const double px = rango.APixel(datos, x, 0).x();
        pintor.drawLine(QPointF(px, datos.bottom()), QPointF(px, datos.bottom() + kMarca));
        const QString texto = TextoFijo(x, marcasX.decimales);
        const double ancho = metricas.horizontalAdvance(texto);
        pintor.drawText(QPointF(px - ancho / 2, datos.bottom() + kMarca + 2 + metricas.ascent()),
                        texto);
    }
    for (double y : marcasY.valores) {
        const double py = rango.APixel(datos, 0, y).y();
        pintor.drawLine(QPointF(datos.left() - kMarca, py), QPointF(datos.left(), py));
        const QString texto = TextoFijo(y, marcasY.decimales);
        const double ancho = metricas.horizontalAdvance(texto);
        pintor.drawText(QPointF(datos.left() - kMarca - 3 - ancho,
                                py + (metricas.ascent() - metricas.descent()) / 2),
                        texto);
    }

    pintor.setPen(Qt::black);
    const double anchoTituloX = metricas.horizontalAdvance(tituloX);
    pintor.drawText(QPointF(datos.center().x() - anchoTituloX / 2,
                            datos.bottom() + kMarca + 4 + metricas.height() + metricas.ascent()),
                    tituloX);
    pintor.save();
    pintor.translate(kRelleno + metricas.ascent(), datos.center().y());
    pintor.rotate(-90);
    pintor.drawText(QPointF(-metricas.horizontalAdvance(tituloY) / 2, 0), tituloY);
    pintor.restore();
}

void PintarLeyenda(QPainter& pintor, const QRectF& area,
                   const std::vector<EntradaLeyenda>& entradas)
{
    const QFontMetricsF metricas(pintor.font());
    double base = area.top() + kRelleno + metricas.ascent();
    for (const auto& fila : FilasLeyenda(metricas, area, entradas)) {
        double total = -kEntreEntradas;
        for (const EntradaLeyenda* e : fila)
            total += kEntreEntradas + AnchoEntrada(metricas, *e);
        double x = area.center().x() - total / 2;
        const double medio = base - (metricas.ascent() - metricas.descent()) / 2;
        for (const EntradaLeyenda* e : fila) {
            pintor.setPen(e->pluma);
            pintor.drawLine(QPointF(x, medio), QPointF(x + kMuestra, medio));
            x += kMuestra + kSeparacion;
            pintor.setPen(Qt::black);
            pintor.drawText(QPointF(x, base), e->nombre);
            x += metricas.horizontalAdvance(e->nombre) + kEntreEntradas;
        }
        base += metricas.height();
    }
}

}  // namespace ejes
