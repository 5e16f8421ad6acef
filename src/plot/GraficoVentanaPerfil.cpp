#include "plot/GraficoVentanaPerfil.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <utility>

#include "captions/TextoFijo.h"
#include "captions/Textos.h"
#include "state/Variables.h"

namespace {

const QColor kAzul(0, 0, 255);
// yc, yn and yn* keep the dash styles of the main window's plot; a dark colour
// each tells them apart where they lie close together.
const QColor kColorYc(170, 0, 0);
const QColor kColorYn(0, 120, 0);
const QColor kColorConjugado(110, 0, 140);
const QColor kRejilla(226, 226, 226);
const QColor kMarco(96, 96, 96);
constexpr double kRelleno = 8;     // blank around the drawing (px)
constexpr double kMarca = 5;       // length of a tick mark (px)
constexpr int kMaximoMarcas = 40;  // far more than any axis shows

struct Marcas {
    std::vector<double> valores;
    int decimales = 0;
};

// Round tick values (1, 2 or 5 times a power of ten) about one every
// pixelesPorMarca pixels of an axis largo pixels long.
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

struct Referencia {
    QString nombre;
    Qt::PenStyle estilo;
    QColor color;
};

}  // namespace

GraficoVentanaPerfil::GraficoVentanaPerfil(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 200);
}

void GraficoVentanaPerfil::MostrarPerfil(const Variables& v)
{
    tramos_.clear();
    QPolygonF tramo;
    const auto& tabla = v.tablaPerfil;
    for (size_t i = 1; i < tabla.size(); ++i) {
        if (tabla[i][2] != 0) {
            tramo << QPointF(tabla[i][1], tabla[i][2]);
        } else if (!tramo.isEmpty()) {
            tramos_.push_back(std::exchange(tramo, QPolygonF()));
        }
    }
    if (!tramo.isEmpty())
        tramos_.push_back(tramo);

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
    update();
}

QPointF GraficoVentanaPerfil::APixel(const QRectF& datos, double x, double y) const
{
    return QPointF(datos.left() + (x - izquierda_) / (derecha_ - izquierda_) * datos.width(),
                   datos.bottom() - (y - abajo_) / (arriba_ - abajo_) * datos.height());
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
    const QFont fuente = FuenteDelGrafico(font());
    pintor.setFont(fuente);
    const QFontMetricsF metricas(fuente);
    const double renglon = metricas.height();

    // The vertical extent first: the depth labels it allows set the left margin.
    QRectF datos =
        area.adjusted(0, kRelleno + renglon * 2, 0, -(kRelleno + renglon * 2 + kMarca + 4));
    const Marcas marcasY = MarcasRedondas(abajo_, arriba_, datos.height(), 45);
    double anchoRotulos = 0;
    for (double y : marcasY.valores)
        anchoRotulos =
            std::max(anchoRotulos, metricas.horizontalAdvance(TextoFijo(y, marcasY.decimales)));
    datos.setLeft(area.left() + kRelleno + renglon + 6 + anchoRotulos + kMarca + 3);
    datos.setRight(area.right() - kRelleno - 24);
    if (datos.width() < 20 || datos.height() < 20) {
        pintor.restore();
        return {};
    }

    PintarEjes(pintor, datos);
    PintarLeyenda(pintor, area);

    pintor.save();
    pintor.setClipRect(datos);
    const double xs[] = {xMin_, xMax_};
    auto lineaHorizontal = [&](double y, Qt::PenStyle estilo, const QColor& color) {
        pintor.setPen(QPen(color, 1.2, estilo));
        pintor.drawLine(APixel(datos, xs[0], y), APixel(datos, xs[1], y));
    };
    lineaHorizontal(0, Qt::SolidLine, Qt::black);
    lineaHorizontal(yc_, Qt::DashDotLine, kColorYc);
    if (hayNormal_)
        lineaHorizontal(yn_, Qt::DashLine, kColorYn);
    if (hayConjugado_)
        lineaHorizontal(ynConj_, Qt::DashDotDotLine, kColorConjugado);
    pintor.setPen(QPen(kAzul, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const QPolygonF& tramo : tramos_) {
        QPolygonF enPixeles;
        enPixeles.reserve(tramo.size());
        for (const QPointF& p : tramo)
            enPixeles << APixel(datos, p.x(), p.y());
        if (enPixeles.size() == 1)
            pintor.drawPoint(enPixeles.front());
        else
            pintor.drawPolyline(enPixeles);
    }
    pintor.restore();
    pintor.restore();
    return datos;
}

// Grid, frame, tick marks with their values, and the two axis titles.
void GraficoVentanaPerfil::PintarEjes(QPainter& pintor, const QRectF& datos) const
{
    const QFontMetricsF metricas(pintor.font());
    const Marcas marcasX = MarcasRedondas(izquierda_, derecha_, datos.width(), 90);
    const Marcas marcasY = MarcasRedondas(abajo_, arriba_, datos.height(), 45);

    pintor.setPen(QPen(kRejilla, 1));
    for (double x : marcasX.valores) {
        const double px = APixel(datos, x, 0).x();
        pintor.drawLine(QPointF(px, datos.top()), QPointF(px, datos.bottom()));
    }
    for (double y : marcasY.valores) {
        const double py = APixel(datos, 0, y).y();
        pintor.drawLine(QPointF(datos.left(), py), QPointF(datos.right(), py));
    }

    pintor.setPen(QPen(kMarco, 1));
    pintor.drawRect(datos);
    for (double x : marcasX.valores) {
        const double px = APixel(datos, x, 0).x();
        pintor.drawLine(QPointF(px, datos.bottom()), QPointF(px, datos.bottom() + kMarca));
        const QString texto = TextoFijo(x, marcasX.decimales);
        const double ancho = metricas.horizontalAdvance(texto);
        pintor.drawText(QPointF(px - ancho / 2, datos.bottom() + kMarca + 2 + metricas.ascent()),
                        texto);
    }
    for (double y : marcasY.valores) {
        const double py = APixel(datos, 0, y).y();
        pintor.drawLine(QPointF(datos.left() - kMarca, py), QPointF(datos.left(), py));
        const QString texto = TextoFijo(y, marcasY.decimales);
        const double ancho = metricas.horizontalAdvance(texto);
        pintor.drawText(QPointF(datos.left() - kMarca - 3 - ancho,
                                py + (metricas.ascent() - metricas.descent()) / 2),
                        texto);
    }

    pintor.setPen(Qt::black);
    const double tituloX = metricas.horizontalAdvance(capEjeX);
    pintor.drawText(QPointF(datos.center().x() - tituloX / 2,
                            datos.bottom() + kMarca + 4 + metricas.height() + metricas.ascent()),
                    capEjeX);
    pintor.save();
    pintor.translate(kRelleno + metricas.ascent(), datos.center().y());
    pintor.rotate(-90);
    pintor.drawText(QPointF(-metricas.horizontalAdvance(capEjeY) / 2, 0), capEjeY);
    pintor.restore();
}

// One row above the data, each line with a sample of its style, centred.
void GraficoVentanaPerfil::PintarLeyenda(QPainter& pintor, const QRectF& area) const
{
    std::vector<Referencia> entradas = {
        {QStringLiteral("yc = %1 m").arg(TextoFijo(yc_, 4)), Qt::DashDotLine, kColorYc}};
    if (hayNormal_)
        entradas.push_back(
            {QStringLiteral("yn = %1 m").arg(TextoFijo(yn_, 4)), Qt::DashLine, kColorYn});
    if (hayConjugado_)
        entradas.push_back({QStringLiteral("yn* = %1 m").arg(TextoFijo(ynConj_, 4)),
                            Qt::DashDotDotLine, kColorConjugado});

    const QFontMetricsF metricas(pintor.font());
    constexpr double muestra = 30, separacion = 6, entreEntradas = 22;
    double total = muestra + separacion + metricas.horizontalAdvance(capLeyendaPerfil);
    for (const Referencia& r : entradas)
        total += entreEntradas + muestra + separacion + metricas.horizontalAdvance(r.nombre);

    double x = area.center().x() - total / 2;
    const double base = area.top() + kRelleno + metricas.ascent();
    const double medio = base - (metricas.ascent() - metricas.descent()) / 2;
    auto entrada = [&](const QString& nombre, const QPen& pluma) {
        pintor.setPen(pluma);
        pintor.drawLine(QPointF(x, medio), QPointF(x + muestra, medio));
        x += muestra + separacion;
        pintor.setPen(Qt::black);
        pintor.drawText(QPointF(x, base), nombre);
        x += metricas.horizontalAdvance(nombre) + entreEntradas;
    };
    entrada(capLeyendaPerfil, QPen(kAzul, 2));
    for (const Referencia& r : entradas)
        entrada(r.nombre, QPen(r.color, 1.2, r.estilo));
}

QImage GraficoVentanaPerfil::Imagen(const QSize& tamano, qreal escala) const
{
    QImage imagen(tamano * escala, QImage::Format_ARGB32_Premultiplied);
    imagen.setDevicePixelRatio(escala);
    imagen.fill(Qt::white);
    QPainter pintor(&imagen);
    Pintar(pintor, QRectF(QPointF(0, 0), QSizeF(tamano)));
    return imagen;
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
    const double x = izquierda_ + (p.x() - d.left()) / d.width() * (derecha_ - izquierda_);
    const double y = abajo_ + (d.bottom() - p.y()) / d.height() * (arriba_ - abajo_);
    // Where the decimal separator is a comma, a semicolon parts x from y.
    const bool coma = QLocale::system().decimalPoint() == QStringLiteral(",");
    const QString formato = coma ? QStringLiteral("x = %1 m; y = %2 m")
                                 : QStringLiteral("x = %1 m, y = %2 m");
    emit lectura(formato.arg(TextoFijo(x, 2), TextoFijo(y, 3)));
}

void GraficoVentanaPerfil::leaveEvent(QEvent*)
{
    emit lectura(QString());
}
