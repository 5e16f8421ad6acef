#include "plot/Lienzo.h"
#include "plot/GraficoVentanaPerfil.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <utility>

#include "captions/TextoFijo.h"
#include "plot/EjesGrafico.h"
#include "captions/Textos.h"
#include "engine/modFuncionesTorvel.h"
#include "state/Variables.h"

namespace {

const QColor kAzul(0, 0, 255);
// yc, yn and yn* keep the dash styles of the main window's plot; a dark colour
// each tells them apart where they lie close together.
const QColor kColorYc(170, 0, 0);
const QColor kColorYn(0, 120, 0);
const QColor kColorConjugado(110, 0, 140);
const QColor kColorEnergia(200, 110, 0);

// Splits the rows into runs of consecutive filled rows (depth not 0); each
// point is (x, valor(row)).
template <class Valor>
std::vector<QPolygonF> Tramos(const Variables& v, Valor valor)
{
    std::vector<QPolygonF> tramos;
    QPolygonF tramo;
    const auto& tabla = v.tablaPerfil;
    for (size_t i = 1; i < tabla.size(); ++i) {
        if (tabla[i][2] != 0) {
            tramo << QPointF(tabla[i][1], valor(tabla[i][1], tabla[i][2]));
        } else if (!tramo.isEmpty()) {
            tramos.push_back(std::exchange(tramo, QPolygonF()));
        }
    }
    if (!tramo.isEmpty())
        tramos.push_back(tramo);
    return tramos;
}

void PintarTramos(QPainter& pintor, const QRectF& datos, const ejes::Rango& rango,
                  const std::vector<QPolygonF>& tramos)
{
    for (const QPolygonF& tramo : tramos) {
        QPolygonF enPixeles;
        enPixeles.reserve(tramo.size());
        for (const QPointF& p : tramo)
            enPixeles << rango.APixel(datos, p.x(), p.y());
        if (enPixeles.size() == 1)
            pintor.drawPoint(enPixeles.front());
        else
            pintor.drawPolyline(enPixeles);
    }
}

}  // namespace

GraficoVentanaPerfil::GraficoVentanaPerfil(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 200);
}

void GraficoVentanaPerfil::MostrarPerfil(const Variables& v)
{
    tramos_ = Tramos(v, [](double, double y) { return y; });

    xMin_ = v.xMinGraf;
    xMax_ = v.xMaxGraf;
    // A little room around the data, so that the curve and the lines do not
    // touch the frame; the ticks are rounded within it.
    constexpr double kMargenDatos = 0.05;
    const double dx = std::fabs(v.xMaxGraf - v.xMinGraf);
    const double dy = std::fabs(v.yMaxGraf - v.yMinGraf);
    izquierda_ = v.xMinGraf - dx * kMargenDatos;
    derecha_ = v.xMaxGraf + dx * kMargenDatos;
    abajo_ = v.yMinGraf - dy * kMargenDatos;
    arriba_ = v.yMaxGraf + dy * kMargenDatos;
    yc_ = v.tiranteCritico;
    yn_ = v.tiranteNormal;
    ynConj_ = v.tiranteNormalConj;
    // The same rules as the main window's plot: without yn neither line is drawn.
    hayNormal_ = yn_ > 0;
    hayConjugado_ = hayNormal_ && ynConj_ != 0;
    hayPerfil_ = v.perfil.metodo != MetodoPerfil::Ninguno && !tramos_.empty() && dx > 0 && dy > 0 &&
                 std::isfinite(derecha_ - izquierda_) && std::isfinite(arriba_ - abajo_);
    PrepararCotas(v);
    update();
}

// The elevation view: the bed z = S·(x_max − x), shifted so that its lowest
// point is at 0, with the surface z + y and the energy line z + E above it.
void GraficoVentanaPerfil::PrepararCotas(const Variables& v)
{
    fondo_.clear();
    superficie_.clear();
    energia_.clear();
    if (!hayPerfil_)
        return;
    double xPrimero = tramos_.front().front().x(), xUltimo = xPrimero;
    for (const QPolygonF& tramo : tramos_) {
        for (const QPointF& p : tramo) {
            xPrimero = std::min(xPrimero, p.x());
            xUltimo = std::max(xUltimo, p.x());
        }
    }
    pendiente_ = v.pendiente;
    xCotaMax_ = xUltimo;
    // The lowest bed point: at x_max for a falling bed, at x_min for a rising one.
    zBase_ = std::min(0.0, pendiente_ * (xUltimo - xPrimero));
    xCotaMin_ = xPrimero;
    Variables copia = v;
    superficie_ = Tramos(v, [this](double x, double y) { return Cota(x) + y; });
    energia_ = Tramos(v, [&](double x, double y) {
        try {
            ElementosHidraulicos(copia, y);
            return Cota(x) + copia.energia;
        } catch (const ErrorCalculo&) {
            return Cota(x) + y;
        }
    });
    fondo_ = {QPolygonF({QPointF(xPrimero, Cota(xPrimero)), QPointF(xUltimo, Cota(xUltimo))})};
    double alto = 0;
    for (const auto* serie : {&superficie_, &energia_})
        for (const QPolygonF& tramo : *serie)
            for (const QPointF& p : tramo)
                if (std::isfinite(p.y()))
                    alto = std::max(alto, p.y());
    alto = std::max({alto, Cota(xPrimero) + yc_, Cota(xUltimo) + yc_});
    if (hayNormal_)
        alto = std::max({alto, Cota(xPrimero) + yn_, Cota(xUltimo) + yn_});
    abajoCotas_ = -alto * 0.1;
    arribaCotas_ = alto * 1.15;
    if (!(alto > 0) || !std::isfinite(alto)) {
        abajoCotas_ = -1;
        arribaCotas_ = 1;
    }
}

double GraficoVentanaPerfil::Cota(double x) const
{
    return pendiente_ * (xCotaMax_ - x) - zBase_;
}

void GraficoVentanaPerfil::FijarVistaCotas(bool cotas)
{
    if (cotas == cotas_)
        return;
    cotas_ = cotas;
    update();
}

ejes::Rango GraficoVentanaPerfil::RangoActual() const
{
    return cotas_ ? ejes::Rango{izquierda_, derecha_, abajoCotas_, arribaCotas_}
                  : ejes::Rango{izquierda_, derecha_, abajo_, arriba_};
}

QRectF GraficoVentanaPerfil::Pintar(QPainter& pintor, const QRectF& area) const
{
    pintor.save();
    pintor.fillRect(area, Qt::white);
    if (!hayPerfil_) {
        pintor.restore();
        return {};
    }
    pintor.setRenderHint(QPainter::Antialiasing, true);
    const QFont fuente = ejes::FuenteDelGrafico(font());
    pintor.setFont(fuente);
    const ejes::Rango rango = RangoActual();
    const std::vector<ejes::EntradaLeyenda> leyenda = Leyenda();
    const QRectF datos = ejes::AreaDeDatos(QFontMetricsF(fuente), area, rango, leyenda);
    if (datos.isEmpty()) {
        pintor.restore();
        return {};
    }

    ejes::PintarEjes(pintor, datos, rango, capEjeX, cotas_ ? capEjeCota : capEjeY);
    ejes::PintarLeyenda(pintor, area, leyenda);

    pintor.save();
    pintor.setClipRect(datos);
    auto linea = [&](double x0, double y0, double x1, double y1, Qt::PenStyle estilo,
                     const QColor& color) {
        pintor.setPen(QPen(color, 1.2, estilo));
        pintor.drawLine(rango.APixel(datos, x0, y0), rango.APixel(datos, x1, y1));
    };
    if (cotas_) {
        const double a = xCotaMin_, b = xCotaMax_;
        pintor.setPen(QPen(Qt::black, 1.6));
        PintarTramos(pintor, datos, rango, fondo_);
        linea(a, Cota(a) + yc_, b, Cota(b) + yc_, Qt::DashDotLine, kColorYc);
        if (hayNormal_)
            linea(a, Cota(a) + yn_, b, Cota(b) + yn_, Qt::DashLine, kColorYn);
        pintor.setPen(QPen(kColorEnergia, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        PintarTramos(pintor, datos, rango, energia_);
        pintor.setPen(QPen(kAzul, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        PintarTramos(pintor, datos, rango, superficie_);
    } else {
        linea(xMin_, 0, xMax_, 0, Qt::SolidLine, Qt::black);
        linea(xMin_, yc_, xMax_, yc_, Qt::DashDotLine, kColorYc);
        if (hayNormal_)
            linea(xMin_, yn_, xMax_, yn_, Qt::DashLine, kColorYn);
        if (hayConjugado_)
            linea(xMin_, ynConj_, xMax_, ynConj_, Qt::DashDotDotLine, kColorConjugado);
        pintor.setPen(QPen(kAzul, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        PintarTramos(pintor, datos, rango, tramos_);
    }
    pintor.restore();
    pintor.restore();
    return datos;
}

// The profile first, then yc, yn and yn* (in elevations: the bed, the energy
// line, z + yc and z + yn).
std::vector<ejes::EntradaLeyenda> GraficoVentanaPerfil::Leyenda() const
{
    std::vector<ejes::EntradaLeyenda> entradas = {{capLeyendaPerfil, QPen(kAzul, 2)}};
    const QString yc = QStringLiteral("yc = %1 m").arg(TextoFijo(yc_, 4));
    const QString yn = QStringLiteral("yn = %1 m").arg(TextoFijo(yn_, 4));
    if (cotas_) {
        entradas.push_back({capLeyendaFondo, QPen(Qt::black, 1.6)});
        entradas.push_back({capLeyendaLineaEnergia, QPen(kColorEnergia, 1.4)});
        entradas.push_back({QStringLiteral("z + ") + yc, QPen(kColorYc, 1.2, Qt::DashDotLine)});
        if (hayNormal_)
            entradas.push_back({QStringLiteral("z + ") + yn, QPen(kColorYn, 1.2, Qt::DashLine)});
    } else {
        entradas.push_back({yc, QPen(kColorYc, 1.2, Qt::DashDotLine)});
        if (hayNormal_)
            entradas.push_back({yn, QPen(kColorYn, 1.2, Qt::DashLine)});
        if (hayConjugado_)
            entradas.push_back({QStringLiteral("yn* = %1 m").arg(TextoFijo(ynConj_, 4)),
                                QPen(kColorConjugado, 1.2, Qt::DashDotDotLine)});
    }
    return entradas;
}

QImage GraficoVentanaPerfil::Imagen(const QSize& tamano, qreal escala) const
{
    return ImagenDe([this](QPainter& pintor, const QRectF& area) { Pintar(pintor, area); }, tamano,
                    escala);
}

void GraficoVentanaPerfil::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    datosEnPantalla_ = Pintar(pintor, rect());
}

void GraficoVentanaPerfil::mouseMoveEvent(QMouseEvent* evento)
{
    const QPointF p = evento->position();
    if (!hayPerfil_ || !datosEnPantalla_.contains(p)) {
        emit lectura(QString());
        return;
    }
    const QRectF& d = datosEnPantalla_;
    const ejes::Rango r = RangoActual();
    const double x = r.izquierda + (p.x() - d.left()) / d.width() * (r.derecha - r.izquierda);
    const double y = r.abajo + (d.bottom() - p.y()) / d.height() * (r.arriba - r.abajo);
    // Where the decimal separator is a comma, a semicolon parts x from the other.
    const bool coma = QLocale::system().decimalPoint() == QStringLiteral(",");
    const QString separador = coma ? QStringLiteral("; ") : QStringLiteral(", ");
    emit lectura(
        (cotas_ ? QStringLiteral("x = %1 m%3z = %2 m") : QStringLiteral("x = %1 m%3y = %2 m"))
            .arg(TextoFijo(x, 2), TextoFijo(y, 3), separador));
}

void GraficoVentanaPerfil::leaveEvent(QEvent*)
{
    emit lectura(QString());
}
