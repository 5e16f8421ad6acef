#include "plot/EscalaUsuario.h"

#include <cmath>

#include "state/Variables.h"

namespace {

bool EsUtil(float valor)
{
    return std::isfinite(valor) && valor != 0.0f;
}

}  // namespace

EscalaUsuario::EscalaUsuario(float izquierda, float arriba, float ancho, float alto, QSize pixeles)
    : izquierda_(izquierda), arriba_(arriba), ancho_(ancho), alto_(alto), pixeles_(pixeles)
{
}

std::optional<EscalaUsuario> EscalaUsuario::DelPerfil(const Variables& v, QSize pixeles)
{
    const double dx = v.xMaxGraf - v.xMinGraf;
    const double dy = v.yMaxGraf - v.yMinGraf;
    const auto izquierda = static_cast<float>(v.xMinGraf - std::fabs(dx) * 0.2);
    const auto ancho = static_cast<float>(dx * 1.4);
    const auto arriba = static_cast<float>(v.yMaxGraf + std::fabs(dy) * 0.2);
    const auto alto = static_cast<float>(dy * (-1.4));
    // A range that only vanishes once it is single precision (or overflows it)
    // is as unusable as one that is empty to begin with.
    if (!EsUtil(ancho) || !EsUtil(alto) || !std::isfinite(izquierda) || !std::isfinite(arriba) ||
        pixeles.isEmpty()) {
        return std::nullopt;
    }
    return EscalaUsuario(izquierda, arriba, ancho, alto, pixeles);
}

QPointF EscalaUsuario::aPixel(float x, float y) const
{
    const double columna = (double(x) - izquierda_) * pixeles_.width() / ancho_;
    const double fila = (double(y) - arriba_) * pixeles_.height() / alto_;
    return QPointF(std::floor(columna), std::floor(fila));
}

QPointF EscalaUsuario::aUsuario(const QPointF& posicion) const
{
    return QPointF(izquierda_ + posicion.x() * ancho_ / pixeles_.width(),
                   arriba_ + posicion.y() * alto_ / pixeles_.height());
}
