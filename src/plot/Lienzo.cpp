#include "plot/Lienzo.h"

#include <QPainter>
#include <QSvgGenerator>

QImage ImagenDe(const Pintura& pintura, const QSize& tamano, qreal escala)
{
    QImage imagen(tamano * escala, QImage::Format_ARGB32_Premultiplied);
    imagen.setDevicePixelRatio(escala);
    imagen.fill(Qt::white);
    QPainter pintor(&imagen);
    pintura(pintor, QRectF(QPointF(0, 0), QSizeF(tamano)));
    return imagen;
}

bool EscribirPintura(QIODevice& archivo, const QString& tipo, const QSize& tamano,
                     const QString& titulo, const Pintura& pintura)
{
    if (tipo == QLatin1String("png"))
        return ImagenDe(pintura, tamano, 2).save(&archivo, "PNG");
    QSvgGenerator svg;
    svg.setOutputDevice(&archivo);
    svg.setSize(tamano);
    svg.setViewBox(QRect(QPoint(0, 0), tamano));
    svg.setResolution(96);
    svg.setTitle(titulo);
    QPainter pintor(&svg);
    pintura(pintor, QRectF(QPointF(0, 0), QSizeF(tamano)));
    return pintor.end();
}
