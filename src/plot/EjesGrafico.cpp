#include "plot/EjesGrafico.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "captions/TextoFijo.h"

namespace ejes {

namespace {
constexpr int kMaximoMarcas = 40;  // far more than any axis shows
}

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

QRectF AreaDeDatos(const QFontMetricsF& metricas, const QRectF& area, const Rango& rango)
{
    // The vertical extent first: the value labels it allows set the left margin.
    const double renglon = metricas.height();
    QRectF datos =
        area.adjusted(0, kRelleno + renglon * 2, 0, -(kRelleno + renglon * 2 + kMarca + 4));
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
    constexpr double muestra = 30, separacion = 6, entreEntradas = 22;
    double total = -entreEntradas;
    for (const EntradaLeyenda& e : entradas)
        total += entreEntradas + muestra + separacion + metricas.horizontalAdvance(e.nombre);

    double x = area.center().x() - total / 2;
    const double base = area.top() + kRelleno + metricas.ascent();
    const double medio = base - (metricas.ascent() - metricas.descent()) / 2;
    for (const EntradaLeyenda& e : entradas) {
        pintor.setPen(e.pluma);
        pintor.drawLine(QPointF(x, medio), QPointF(x + muestra, medio));
        x += muestra + separacion;
        pintor.setPen(Qt::black);
        pintor.drawText(QPointF(x, base), e.nombre);
        x += metricas.horizontalAdvance(e.nombre) + entreEntradas;
    }
}

}  // namespace ejes
