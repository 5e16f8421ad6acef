#include "plot/GraficoPerfil.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <cmath>

#include "captions/Numeros.h"
#include "state/Variables.h"

namespace {

const QColor kNegro(0, 0, 0);
const QColor kAzul(0, 0, 255);

// The profile and its reference lines lie inside the plot ranges, so a point
// farther out than this comes from a table the calculation did not finish
// writing; it is left out rather than handed to the painter.
const QRectF kZonaDibujable(-1.0e6, -1.0e6, 2.0e6, 2.0e6);

// A number printed on the picture keeps a blank in the sign position when it is
// not negative, so that " 0.61" and "-0.61" line up.
QString TextoValor(double valor)
{
    const QString texto = TextoRedondeado(valor, 2);  // never "-0"
    return texto.startsWith(QLatin1Char('-')) ? texto : QLatin1Char(' ') + texto;
}

// Draws on the retained picture in the user coordinates of a scale.
class Lienzo {
public:
    Lienzo(QImage& imagen, const EscalaUsuario& escala, const QFont& fuente)
        : pintor_(&imagen), escala_(escala)
    {
        pintor_.setFont(fuente);
    }

    void Linea(double x1, double y1, double x2, double y2, Qt::PenStyle estilo, const QColor& color)
    {
        const QPointF p = escala_.aPixel(float(x1), float(y1));
        const QPointF q = escala_.aPixel(float(x2), float(y2));
        if (!Dibujable(p) || !Dibujable(q)) {
            return;
        }
        pintor_.setPen(QPen(color, 1, estilo));
        pintor_.drawLine(p, q);
    }

    // The text hangs below the point: the point is its top-left corner.
    void Rotulo(double x, double y, const QString& texto)
    {
        const QPointF p = escala_.aPixel(float(x), float(y));
        if (!Dibujable(p)) {
            return;
        }
        pintor_.setPen(kNegro);
        pintor_.drawText(p + QPointF(0, pintor_.fontMetrics().ascent()), texto);
    }

private:
    static bool Dibujable(const QPointF& p)
    {
        // contains() alone would let a NaN through.
        return std::isfinite(p.x()) && std::isfinite(p.y()) && kZonaDibujable.contains(p);
    }

    QPainter pintor_;
    const EscalaUsuario& escala_;
};

// A conjugate of 0 means there is none: in a steep pipe it would lie above
// the crown, and the profile is drawn without it.
bool HayConjugado(const Variables& v)
{
    return v.tiranteNormalConj != 0;
}

// The axis and the lines of yc and, when there is a normal depth, of yn and yn*.
void DibujarReferencias(Lienzo& lienzo, const Variables& v)
{
    const double desde = v.xMinGraf;
    const double hasta = v.xMaxGraf;
    lienzo.Linea(desde, 0, hasta, 0, Qt::SolidLine, kNegro);
    lienzo.Linea(desde, v.tiranteCritico, hasta, v.tiranteCritico, Qt::DashDotLine, kNegro);
    // Without a normal depth tiranteNormalConj may still hold a value from an
    // earlier channel, so it must not be drawn either.
    if (v.tiranteNormal > 0) {
        lienzo.Linea(desde, v.tiranteNormal, hasta, v.tiranteNormal, Qt::DashLine, kNegro);
        if (HayConjugado(v))
            lienzo.Linea(desde, v.tiranteNormalConj, hasta, v.tiranteNormalConj, Qt::DashDotDotLine,
                         kNegro);
    }
}

// Rows 1 to N + 1 of the table; a row of depth 0 was never reached by the
// calculation, so no segment goes to or from it.
void DibujarCurva(Lienzo& lienzo, const Variables& v)
{
    const auto& tabla = v.tablaPerfil;
    const int filas = static_cast<int>(tabla.size());
    for (int i = 1; i <= v.puntosPerfil && i + 1 < filas; ++i) {
        const auto& punto = tabla[i];
        const auto& siguiente = tabla[i + 1];
        if (punto[2] != 0 && siguiente[2] != 0) {
            lienzo.Linea(punto[1], punto[2], siguiente[1], siguiente[2], Qt::SolidLine, kAzul);
        }
    }
}

// Values in the left margin, names in the right one, each at its line's height.
void DibujarRotulos(Lienzo& lienzo, const Variables& v)
{
    const double dx = v.xMaxGraf - v.xMinGraf;
    const double xValores = v.xMinGraf - dx * 0.12;
    const double xNombres = v.xMaxGraf + dx * 0.08;
    const bool hayNormal = v.tiranteNormal > 0;

    lienzo.Rotulo(xValores, v.tiranteCritico, TextoValor(v.tiranteCritico));
    if (hayNormal) {
        lienzo.Rotulo(xValores, v.tiranteNormal, TextoValor(v.tiranteNormal));
        if (HayConjugado(v))
            lienzo.Rotulo(xValores, v.tiranteNormalConj, TextoValor(v.tiranteNormalConj));
    }
    lienzo.Rotulo(xNombres, v.tiranteCritico, QStringLiteral("yc"));
    if (hayNormal) {
        lienzo.Rotulo(xNombres, v.tiranteNormal, QStringLiteral("yn"));
        if (HayConjugado(v))
            lienzo.Rotulo(xNombres, v.tiranteNormalConj, QStringLiteral("yn*"));
    }
}

}  // namespace

QString TextoLectura(float x, float y)
{
    return QStringLiteral("x = ") + TextoRedondeado(x, 1) + QStringLiteral(" , y = ") +
           TextoRedondeado(y, 2);
}

GraficoPerfil::GraficoPerfil(QWidget* parent) : QWidget(parent)
{
    QFont fuente(QStringLiteral("Arial Narrow"));
    fuente.setPointSizeF(8.25);
    fuente.setWeight(QFont::Normal);
    setFont(fuente);
    // paintEvent covers every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(209, 73);
}

void GraficoPerfil::DibujarPerfil(const Variables& v)
{
    // The picture has as many pixels as the screen shows, so that it is sharp
    // on a scaled screen; the drawing and the scale work in the widget's units.
    const qreal razon = devicePixelRatioF();
    imagen_ = QImage(size() * razon, QImage::Format_RGB32);
    imagen_.setDevicePixelRatio(razon);
    imagen_.fill(Qt::white);
    // An empty or unusable range leaves the picture blank and the read-out in
    // the scale it had, rather than dividing by zero.
    if (const auto escala = EscalaUsuario::DelPerfil(v, size())) {
        escala_ = escala;
        Lienzo lienzo(imagen_, *escala_, font());
        DibujarReferencias(lienzo, v);
        DibujarCurva(lienzo, v);
        DibujarRotulos(lienzo, v);
    }
    update();
    emit perfilDibujado();
}

void GraficoPerfil::setEtiquetaLectura(QLabel* etiqueta)
{
    etiqueta_ = etiqueta;
}

// A position names the pixel whose top-left corner it is; under a user scale
// the centre of that pixel is meant, so that the middle pixel of the picture
// reads the middle of the plot.
QPointF GraficoPerfil::aEscalaUsuario(const QPointF& posicion) const
{
    if (!escala_) {
        return posicion;
    }
    return escala_->aUsuario(posicion + QPointF(0.5, 0.5));
}

QImage GraficoPerfil::imagen() const
{
    if (imagen_.isNull()) {
        QImage blanca(size(), QImage::Format_RGB32);
        blanca.fill(Qt::white);
        return blanca;
    }
    return imagen_;
}

void GraficoPerfil::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    pintor.fillRect(rect(), Qt::white);
    if (!imagen_.isNull()) {
        pintor.drawImage(0, 0, imagen_);
    }
}

void GraficoPerfil::mousePressEvent(QMouseEvent* evento)
{
    if (!etiqueta_) {
        return;
    }
    const QPointF pixel(std::floor(evento->position().x()), std::floor(evento->position().y()));
    const QPointF punto = aEscalaUsuario(pixel);
    etiqueta_->setText(TextoLectura(float(punto.x()), float(punto.y())));
}

// Qt delivers the release to the widget that got the press, wherever the
// pointer is by then.
void GraficoPerfil::mouseReleaseEvent(QMouseEvent*)
{
    if (etiqueta_) {
        etiqueta_->clear();
    }
}

void GraficoPerfil::mouseDoubleClickEvent(QMouseEvent* evento)
{
    mousePressEvent(evento);
    emit dobleClic();
}
