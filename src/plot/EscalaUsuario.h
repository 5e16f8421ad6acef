// The coordinate system of the profile picture: which metres each pixel stands for.
//
// Kept apart from the widget so that positions can be checked without drawing.
// The four scale values are single precision and every coordinate is converted
// to float before it is mapped: the picture has always been drawn that way, and
// a point near a pixel boundary must keep landing on the same side of it.
#pragma once

#include <QPointF>
#include <QSize>
#include <optional>

struct Variables;

class EscalaUsuario {
public:
    // left, top: user coordinates of the top-left corner of the picture;
    // width, height: user extent of the whole picture (height is negative when
    // the depth grows upwards); pixeles: size of the picture in pixels.
    EscalaUsuario(float izquierda, float arriba, float ancho, float alto, QSize pixeles);

    // The scale of a profile drawing: a margin of 20 % of each range on every
    // side, depth upwards. None when a range is empty or not finite, or the
    // picture has no pixels, since such a scale cannot map anything.
    static std::optional<EscalaUsuario> DelPerfil(const Variables& v, QSize pixeles);

    float izquierda() const { return izquierda_; }
    float arriba() const { return arriba_; }
    float ancho() const { return ancho_; }
    float alto() const { return alto_; }

    // The pixel (column, row) that contains the user point; may lie outside the
    // picture. Non-finite input gives non-finite output, which callers skip.
    QPointF aPixel(float x, float y) const;

    // The user point of a position in continuous pixel coordinates: (0, 0) is
    // the top-left corner of the picture, (width, height) its bottom-right one.
    QPointF aUsuario(const QPointF& posicion) const;

private:
    float izquierda_;
    float arriba_;
    float ancho_;
    float alto_;
    QSize pixeles_;
};
