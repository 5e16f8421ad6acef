// One painting routine, three surfaces: every plot paints itself on a
// rectangle of any QPainter, so the screen, a PNG picture and an SVG drawing
// show the same thing.
#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>

class QIODevice;
class QPainter;

using Pintura = std::function<void(QPainter& pintor, const QRectF& area)>;

// A white picture of tamano (logical pixels) at escala device pixels each.
QImage ImagenDe(const Pintura& pintura, const QSize& tamano, qreal escala);
// The picture as PNG (twice the size) or the drawing as SVG, by tipo ("png"
// or "svg"); false when it could not be written.
bool EscribirPintura(QIODevice& archivo, const QString& tipo, const QSize& tamano,
                     const QString& titulo, const Pintura& pintura);
