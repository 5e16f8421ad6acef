#include "plot/Lienzo.h"
#include "plot/GraficoXY.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "captions/TextoFijo.h"
#include "plot/EjesGrafico.h"

GraficoXY::GraficoXY(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 200);
}

void GraficoXY::Mostrar(const DatosGrafico& datos)
{
    datos_ = datos;
    double x0 = INFINITY, x1 = -INFINITY, y0 = INFINITY, y1 = -INFINITY;
    auto incluir = [&](const QPointF& p) {
        if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
            return;
        x0 = std::min(x0, p.x());
        x1 = std::max(x1, p.x());
        y0 = std::min(y0, p.y());
        y1 = std::max(y1, p.y());
    };
    for (const SerieXY& s : datos_.series)
        for (const QPointF& p : s.puntos)
            incluir(p);
    for (const MarcaXY& m : datos_.marcas)
        incluir(m.punto);
    hayDatos_ = std::isfinite(x1 - x0) && std::isfinite(y1 - y0);
    if (hayDatos_) {
        const double dx = x1 > x0 ? x1 - x0 : std::max(std::fabs(x0), 1.0);
        const double dy = y1 > y0 ? y1 - y0 : std::max(std::fabs(y0), 1.0);
        izquierda_ = x0 - dx * 0.05;
        derecha_ = x1 + dx * 0.05;
        abajo_ = y0 - dy * 0.05;
        arriba_ = y1 + dy * 0.12;  // room for the labels above the top points
        if (datos_.yMaximo && *datos_.yMaximo > abajo_ && *datos_.yMaximo < arriba_) {
            arriba_ = *datos_.yMaximo;
            abajo_ = y0 - (arriba_ - y0) * 0.05;
        }
    }
    update();
}

QRectF GraficoXY::Pintar(QPainter& pintor, const QRectF& area) const
{
    pintor.save();
    pintor.fillRect(area, Qt::white);
    if (!hayDatos_) {
        pintor.restore();
        return {};
    }
    pintor.setRenderHint(QPainter::Antialiasing, true);
    const QFont fuente = ejes::FuenteDelGrafico(font());
    pintor.setFont(fuente);
    const QFontMetricsF metricas(fuente);
    ejes::Rango rango{izquierda_, derecha_, abajo_, arriba_};
    std::vector<ejes::EntradaLeyenda> leyenda;
    for (const SerieXY& s : datos_.series)
        if (!s.nombre.isEmpty())
            leyenda.push_back({s.nombre, s.pluma});
    QRectF datos = ejes::AreaDeDatos(metricas, area, rango, leyenda);
    if (datos.isEmpty()) {
        pintor.restore();
        return {};
    }
    if (datos_.aEscala) {
        // Widen the range of the axis with room to spare, about its middle.
        const double porPixelX = (derecha_ - izquierda_) / datos.width();
        const double porPixelY = (arriba_ - abajo_) / datos.height();
        const double porPixel = std::max(porPixelX, porPixelY);
        const double cx = (izquierda_ + derecha_) / 2, cy = (abajo_ + arriba_) / 2;
        rango = {cx - porPixel * datos.width() / 2, cx + porPixel * datos.width() / 2,
                 cy - porPixel * datos.height() / 2, cy + porPixel * datos.height() / 2};
        datos = ejes::AreaDeDatos(metricas, area, rango, leyenda);
        if (datos.isEmpty()) {
            pintor.restore();
            return {};
        }
    }
    izqPintado_ = rango.izquierda;
    derPintado_ = rango.derecha;
    abaPintado_ = rango.abajo;
    arrPintado_ = rango.arriba;

    ejes::PintarEjes(pintor, datos, rango, datos_.tituloX, datos_.tituloY);
    ejes::PintarLeyenda(pintor, area, leyenda);

    pintor.save();
    pintor.setClipRect(datos);
    for (const SerieXY& s : datos_.series) {
        QPolygonF enPixeles;
        enPixeles.reserve(s.puntos.size());
        for (const QPointF& p : s.puntos)
            enPixeles << rango.APixel(datos, p.x(), p.y());
        pintor.setPen(s.pluma);
        if (enPixeles.size() == 1)
            pintor.drawPoint(enPixeles.front());
        else
            pintor.drawPolyline(enPixeles);
    }
    for (const MarcaXY& m : datos_.marcas) {
        const QPointF p = rango.APixel(datos, m.punto.x(), m.punto.y());
        pintor.setPen(QPen(m.color, 1.5));
        pintor.setBrush(Qt::white);
        pintor.drawEllipse(p, 4, 4);
        pintor.setBrush(Qt::NoBrush);
        pintor.setPen(m.color);
        pintor.drawText(p + QPointF(7, -5), m.rotulo);
    }
    pintor.restore();
    pintor.restore();
    return datos;
}

QImage GraficoXY::Imagen(const QSize& tamano, qreal escala) const
{
    return ImagenDe([this](QPainter& pintor, const QRectF& area) { Pintar(pintor, area); }, tamano,
                    escala);
}

bool GraficoXY::Escribir(QIODevice& archivo, const QString& tipo, const QSize& tamano,
                         const QString& titulo) const
{
    return EscribirPintura(archivo, tipo, tamano, titulo,
                           [this](QPainter& pintor, const QRectF& area) { Pintar(pintor, area); });
}

void GraficoXY::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    datosEnPantalla_ = Pintar(pintor, rect());
}

void GraficoXY::mouseMoveEvent(QMouseEvent* evento)
{
    const QPointF p = evento->position();
    if (!hayDatos_ || !datosEnPantalla_.contains(p)) {
        emit lectura(QString());
        return;
    }
    const QRectF& d = datosEnPantalla_;
    const double x = izqPintado_ + (p.x() - d.left()) / d.width() * (derPintado_ - izqPintado_);
    const double y = abaPintado_ + (d.bottom() - p.y()) / d.height() * (arrPintado_ - abaPintado_);
    emit lectura(datos_.lecturaX.arg(TextoFijo(x, 3)) + QStringLiteral(", ") +
                 datos_.lecturaY.arg(TextoFijo(y, 3)));
}

void GraficoXY::leaveEvent(QEvent*)
{
    emit lectura(QString());
}
