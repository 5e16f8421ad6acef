#include "engine/Evaluador.h"

#include <cmath>

#include "engine/Aritmetica.h"
#include "engine/modFuncionesTorvel.h"

using aritmetica::Comprobador;

namespace {

constexpr double kMinimo = 1e-15;
constexpr double kMaximo = 1e15;

// False for NaN as well.
bool Acotado(double x)
{
    return std::abs(x) <= kMaximo;
}

bool EnRango(double x)
{
    return x >= kMinimo && x <= kMaximo;
}

}  // namespace

Evaluador::Evaluador(Variables& v) : v_(v)
{
    const double Q = v.caudal;
    const double n = v.nManning;
    bool acotado = false;
    if (v.esRectangular) {
        forma_ = Forma::Rectangular;
        acotado = Acotado(v.ancho);
    } else if (v.esTrapezoidal) {
        forma_ = Forma::Trapezoidal;
        z_ = 1 / std::tan(v.anguloTalud);
        raizZ_ = std::sqrt(std::pow(z_, 2) + 1);
        acotado = Acotado(v.anchoFondo) && Acotado(z_);
    } else if (v.esCircular) {
        forma_ = Forma::Circular;
        d2_ = std::pow(v.diametro, 2);
        acotado = Acotado(v.diametro);
    }
    if (!(acotado && Acotado(Q) && Acotado(n)))
        forma_ = Forma::Ninguna;
    q2_ = std::pow(Q, 2);
    n2q2_ = std::pow(n, 2) * std::pow(Q, 2);
    // ResiduoNormal's 1/n * S^0.5, where neither factor fails.
    const double inverso = 1 / n;
    const double raizS = std::pow(v.pendiente, 0.5);
    conduccion_ = inverso * raizS;
    normalRapido_ = n != 0 && std::isfinite(inverso) && std::isfinite(raizS);
}

// Area, perimeter and top width as ElementosHidraulicos computes them; false
// where the quick evaluation does not apply.
[[gnu::always_inline]] inline bool Evaluador::CalcularSeccion(double y, Seccion& s) const
{
    if (!EnRango(y))
        return false;
    switch (forma_) {
    case Forma::Ninguna: return false;
    case Forma::Rectangular: {
        const double b = v_.ancho;
        s.area = b * y;
        s.anchoSup = b;
        s.perimetro = (y + y) + b;
        break;
    }
    case Forma::Trapezoidal: {
        const double b = v_.anchoFondo;
        const double z = z_;
        s.area = (z * y + b) * y;
        s.perimetro = (y + y) * raizZ_ + b;
        s.anchoSup = (z + z) * y + b;
        break;
    }
    case Forma::Circular: {
        // SemiAnguloCircular, where the root is of a positive number.
        const double D = v_.diametro;
        const double t = 1 - (y + y) / D;
        const double r = 1 - t * t;
        if (!(r > 0))
            return false;
        const double theta = kPiCircular / 2 - std::atan(t / std::sqrt(r));
        const double seno = std::sin(theta);
        const double coseno = std::cos(theta);
        s.area = d2_ * (theta - coseno * seno) / 4;
        s.perimetro = D * theta;
        s.anchoSup = D * seno;
        break;
    }
    }
    return EnRango(s.area) && EnRango(s.perimetro) && EnRango(s.anchoSup);
}

void Evaluador::AlDia()
{
    const Completa atrasada = atrasada_;
    atrasada_ = Completa::Ninguna;
    if (atrasada == Completa::Elementos)
        ElementosHidraulicos(v_, yAtrasada_);
    else if (atrasada == Completa::Pendiente)
        ::PendienteSuperficie(v_, yAtrasada_);
}

// The full evaluation, on a state brought up to date first.
template <class Funcion>
double Evaluador::EnCompleto(Funcion completa)
{
    AlDia();
    return completa();
}

void Evaluador::Rapida(double y, Completa completa)
{
    atrasada_ = completa;
    yAtrasada_ = y;
}

double Evaluador::ResiduoCritico(double y)
{
    Seccion s{};
    if (!CalcularSeccion(y, s)) {
        return EnCompleto([this, y] {
            ElementosHidraulicos(v_, y);
            const Comprobador c(Operacion::BarridoTirantes, y);
            return c.finito(c.potencia(v_.froude, 2) - 1);
        });
    }
    const double A = s.area;
    const double froude = std::sqrt(q2_ * s.anchoSup / (std::pow(A, 3) * 9.81));
    Rapida(y, Completa::Elementos);
    return std::pow(froude, 2) - 1;
}

double Evaluador::ResiduoNormal(double y)
{
    Seccion s{};
    if (normalRapido_ && CalcularSeccion(y, s)) {
        const double R = s.area / s.perimetro;
        const double conduccion = std::pow(R, 2.0 / 3.0) * conduccion_;
        const double residuo = v_.caudal / s.area - conduccion;
        if (std::isfinite(residuo)) {
            Rapida(y, Completa::Elementos);
            return residuo;
        }
    }
    return EnCompleto([this, y] { return ::ResiduoNormal(v_, y); });
}

double Evaluador::PendienteSuperficie(double y)
{
    if (atrasada_ == Completa::Pendiente && y == yAtrasada_)
        return pendienteAtrasada_;
    Seccion s{};
    if (CalcularSeccion(y, s)) {
        const double A = s.area;
        const double R = A / s.perimetro;
        const double froude = std::sqrt(q2_ * s.anchoSup / (std::pow(A, 3) * 9.81));
        const double Sf = n2q2_ / std::pow(A, 2) / std::pow(R, 4.0 / 3.0);
        const double divisor = 1 - std::pow(froude, 2);
        const double pendiente = (v_.pendiente - Sf) / divisor;
        if (divisor != 0 && std::isfinite(pendiente)) {
            Rapida(y, Completa::Pendiente);
            pendienteAtrasada_ = pendiente;
            return pendiente;
        }
    }
    return EnCompleto([this, y] { return ::PendienteSuperficie(v_, y); });
}
