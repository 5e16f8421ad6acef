#include "plot/Lienzo.h"
#include "plot/DibujoSeccion.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "captions/Numeros.h"
#include "captions/TextoFijo.h"

namespace {

const QColor kContorno(40, 40, 40);
const QColor kAgua(120, 175, 230, 160);
const QColor kSuperficie(20, 90, 180);
const QColor kCritico(200, 60, 40);
const QColor kEjes(90, 90, 90);

// A round step that splits the length into about five parts.
double PasoRedondo(double largo)
{
    const double bruto = largo / 5;
    const double potencia = std::pow(10.0, std::floor(std::log10(bruto)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * potencia >= bruto)
            return factor * potencia;
    return 10 * potencia;
}

QString Metros(const QString& nombre, double valor)
{
    return nombre + QStringLiteral(" = ") + TextoRedondeado(valor, 4) + QStringLiteral(" m");
}

// Half the width of the water surface at depth y, measured from the middle.
double MedioAncho(const CanalDiseno& c, double y)
{
    if (c.forma == FormaCanal::Circular) {
        const double r = c.d / 2, h = std::clamp(y, 0.0, c.d) - r;
        return std::sqrt(std::max(0.0, r * r - h * h));
    }
    return c.b / 2 + (c.forma == FormaCanal::Trapezoidal ? c.z * y : 0);
}

}  // namespace

DibujoSeccion::DibujoSeccion(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(240, 180);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DibujoSeccion::MostrarSeccion(const CanalDiseno& canal, std::optional<double> tiranteCritico)
{
    canal_ = canal;
    critico_ = tiranteCritico;
    update();
}

void DibujoSeccion::Borrar()
{
    canal_.reset();
    critico_.reset();
    update();
}

void DibujoSeccion::Pintar(QPainter& pintor, const QRectF& area) const
{
    pintor.save();
    pintor.fillRect(area, Qt::white);
    pintor.setRenderHint(QPainter::Antialiasing);
    if (!canal_) {
        pintor.restore();
        return;
    }
    const CanalDiseno& c = *canal_;
    const double y = c.tirante;
    const double yc = critico_.value_or(0);
    const bool tubo = c.forma == FormaCanal::Circular;

    // The section in metres: x from the left edge of the top, depth upwards.
    const double alto = tubo ? c.d : std::max(y, yc) * 1.25;
    const double medioSup = MedioAncho(c, tubo ? c.d / 2 : alto);
    const double ancho = 2 * medioSup;
    const double centro = medioSup;

    const QFontMetricsF letras(pintor.font());
    const double renglon = letras.height();
    // Room for the tick labels on the left and below, the dimensions on the right and above.
    const double margenIzq = letras.horizontalAdvance(QStringLiteral("0000.00")) + 14;
    const double margenDer = letras.horizontalAdvance(Metros("yc", y + yc + 1000)) + 16;
    const QRectF caja(area.adjusted(margenIzq, 2.5 * renglon, -margenDer, -3.5 * renglon));
    if (caja.width() <= 0 || caja.height() <= 0 || !(ancho > 0) || !(alto > 0)) {
        pintor.restore();
        return;
    }
    // One scale for both directions, the section in the middle of its room.
    const double escala = std::min(caja.width() / ancho, caja.height() / alto);
    const QPointF origen(caja.center().x() - ancho * escala / 2,
                         caja.center().y() + alto * escala / 2);
    auto P = [&](double x, double h) {
        return QPointF(origen.x() + x * escala, origen.y() - h * escala);
    };

    // Axes in metres just below and left of the section, with round ticks whose
    // labels never overlap.
    pintor.setPen(QPen(kEjes, 0));
    // The x axis leaves room for the label of b or D under the section.
    const double abajo = origen.y() + renglon + 6, izq = origen.x() - 8;
    pintor.drawLine(QPointF(origen.x(), abajo), QPointF(origen.x() + ancho * escala, abajo));
    pintor.drawLine(QPointF(izq, origen.y()), QPointF(izq, origen.y() - alto * escala));
    const double paso = PasoRedondo(std::max(std::min(ancho, alto), std::max(ancho, alto) / 4));
    double libreX = -1e9;
    for (int i = 0; i * paso <= ancho * (1 + 1e-9) && i <= 100; ++i) {
        const double x = origen.x() + i * paso * escala;
        pintor.drawLine(QPointF(x, abajo), QPointF(x, abajo + 4));
        const QString t = NumeroATexto(i * paso, 6);
        const double w = letras.horizontalAdvance(t);
        if (x - w / 2 < libreX)
            continue;
        pintor.drawText(QPointF(x - w / 2, abajo + 4 + renglon), t);
        libreX = x + w / 2 + 6;
    }
    double libreY = 1e9;
    for (int i = 0; i * paso <= alto * (1 + 1e-9) && i <= 100; ++i) {
        const double h = origen.y() - i * paso * escala;
        pintor.drawLine(QPointF(izq - 4, h), QPointF(izq, h));
        if (h + renglon / 2 > libreY)
            continue;
        const QString t = NumeroATexto(i * paso, 6);
        pintor.drawText(QPointF(izq - 6 - letras.horizontalAdvance(t), h + renglon / 3), t);
        libreY = h - renglon / 2;
    }
    pintor.drawText(QPointF(std::max(libreX, origen.x() + ancho * escala + 8), abajo + 4 + renglon),
                    QStringLiteral("x (m)"));
    pintor.drawText(QPointF(izq - letras.horizontalAdvance(QStringLiteral("y (m)")) / 2,
                            origen.y() - alto * escala - renglon / 2),
                    QStringLiteral("y (m)"));

    // The outline, and the water below y.
    QPainterPath contorno, agua;
    if (tubo) {
        contorno.addEllipse(QRectF(P(0, c.d), P(c.d, 0)));
        QPainterPath debajo;
        debajo.addRect(QRectF(P(-1, y), P(c.d + 1, -1)));
        agua = contorno.intersected(debajo);
    } else {
        const double mb = c.b / 2;
        contorno.moveTo(P(centro - medioSup, alto));
        contorno.lineTo(P(centro - mb, 0));
        contorno.lineTo(P(centro + mb, 0));
        contorno.lineTo(P(centro + medioSup, alto));
        const double my = MedioAncho(c, y);
        agua.moveTo(P(centro - my, y));
        agua.lineTo(P(centro - mb, 0));
        agua.lineTo(P(centro + mb, 0));
        agua.lineTo(P(centro + my, y));
        agua.closeSubpath();
    }
    pintor.fillPath(agua, kAgua);
    const double my = MedioAncho(c, y);
    pintor.setPen(QPen(kSuperficie, 1.5));
    pintor.drawLine(P(centro - my, y), P(centro + my, y));
    pintor.setPen(QPen(kContorno, 2));
    pintor.drawPath(contorno);

    // The critical depth, dashed across the section.
    if (critico_ && yc > 0) {
        const double mc = MedioAncho(c, yc);
        pintor.setPen(QPen(kCritico, 1.2, Qt::DashLine));
        pintor.drawLine(P(centro - mc, yc), P(centro + mc, yc));
        const QString textoYc = Metros("yc", yc);
        pintor.drawText(P(centro + mc, yc) + QPointF(-letras.horizontalAdvance(textoYc), -3),
                        textoYc);
    }

    // The dimensions: T over the surface, y beside it, b or D under the section.
    pintor.setPen(kContorno);
    const QString textoT = Metros("T", 2 * my);
    pintor.drawText(P(centro, y) + QPointF(-letras.horizontalAdvance(textoT) / 2, -4), textoT);
    const QPointF arriba = P(centro + medioSup, y) + QPointF(6, 0);
    const QPointF fondo = P(centro + medioSup, 0) + QPointF(6, 0);
    pintor.setPen(QPen(kSuperficie, 0));
    pintor.drawLine(arriba, fondo);
    pintor.drawText((arriba + fondo) / 2 + QPointF(4, renglon / 3), Metros("y", y));
    pintor.setPen(kContorno);
    const QString base = tubo ? Metros("D", c.d) : Metros("b", c.b);
    pintor.drawText(P(centro, 0) + QPointF(-letras.horizontalAdvance(base) / 2, renglon - 2), base);
    pintor.restore();
}

QImage DibujoSeccion::Imagen(const QSize& tamano, qreal escala) const
{
    return ImagenDe([this](QPainter& pintor, const QRectF& area) { Pintar(pintor, area); }, tamano,
                    escala);
}

void DibujoSeccion::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    Pintar(pintor, rect());
}
