// Gradually varied profile by fourth-order Runge-Kutta integration of
// dy/dx = (S0 - Sf) / (1 - F^2), from the boundary (xBorde, tiranteBorde) to
// xBuscado in puntosPerfil equal steps.
//
//   PendienteSuperficie  dy/dx at a depth
//   PasoRungeKutta       one classical RK4 step of length pasoX
//   ZonaTirante          zone 1, 2 or 3 of a depth relative to yn and yc
//   NuevaTablaPerfil     a zeroed profile table, rows 0 to N + 2
//   IntegrarPerfil       the march itself, filling the table and plot ranges
//   CalcularPerfil       step, table and march together; sets tiranteFinal
//
// Where the surface is steep the "intelligent step" replaces one step by a
// thousand steps a thousand times shorter. The march stops early when a step,
// or one of the shorter steps, would take the depth out of the zone it started
// in or out of the section (to the bed, or a pipe's crown): the profile then
// ends at the last point inside, which is the last row of the table and the
// depth returned. It also stops when the depth turns back; that depth is
// returned (and widens the plot range) but is not stored in the table. How the
// march ended is left in v.perfil.
#include "engine/modFuncionesTorvel.h"

#include <cmath>
#include <cstdlib>
#include <optional>

#include "engine/Aritmetica.h"
#include "engine/Evaluador.h"

using aritmetica::Comprobador;
using aritmetica::FilaPerfil;
using aritmetica::Redondear;
using aritmetica::Signo;
using aritmetica::Sumar16;

namespace {

constexpr Operacion kPerfil = Operacion::PerfilRungeKutta;

// Slope evaluations one profile may make: under a second of work. A profile
// of the default 100 points uses at most some 400,000 even when every step is
// refined; only well over a thousand refined steps come near it.
constexpr long kEvaluacionesMaximas = 6'000'000;

// Whether the depth y' (at row i, direction s) turns back against the two
// points stored before it. The first rows in the direction of the march are
// exempt, because the look-back rows still hold zeros there.
bool Invierte(Variables& v, int i, int s, double yNuevo)
{
    const double anterior = FilaPerfil(v, i - s, kPerfil)[2];
    const int d1 = Signo(anterior - FilaPerfil(v, i - 2 * s, kPerfil)[2]);
    const int d2 = Signo(yNuevo - anterior);
    if (d1 == d2)
        return false;
    return s == 1 ? i > 3 : std::abs(i - v.puntosPerfil) > 3;
}

// One classical RK4 step of length pasoX from depth y, with dy/dx given by
// pendiente(y).
template <class Pendiente>
double PasoRK(Variables& v, double y, Pendiente pendiente)
{
    const double h = v.pasoX;
    const Comprobador c(kPerfil, y);
    // Intermediate stages at a depth of zero or below contribute nothing.
    const double k1 = c.finito(pendiente(y) * h);
    const double k2 = y + k1 / 2 > 0 ? c.finito(pendiente(y + k1 / 2) * h) : 0;
    const double k3 = y + k2 / 2 > 0 ? c.finito(pendiente(y + k2 / 2) * h) : 0;
    const double k4 = y + k3 > 0 ? c.finito(pendiente(y + k3) * h) : 0;
    return c.finito(y + (((2 * k2 + k1) + 2 * k3) + k4) / 6);
}

// Whether depth y lies inside the section: above the bed and below a pipe's crown.
bool DentroDeSeccion(const Variables& v, double y)
{
    return y > 0 && !(v.esCircular != 0 && y >= v.diametro);
}

// Why a depth cannot belong to the profile: it left the section or its zone.
std::optional<FinPerfil> Fuera(const Variables& v, double y)
{
    if (!DentroDeSeccion(v, y))
        return FinPerfil::FueraDeSeccion;
    if (ZonaTirante(v, y) != v.zonaInicial)
        return FinPerfil::FueraDeZona;
    return std::nullopt;
}

// Where one step of the march ended. fin: set when one of the shorter steps
// left the zone or the section, and (x, y) is then the last point inside.
struct Paso {
    double y;
    double x = 0;
    std::optional<FinPerfil> fin;
};

// One step of the march from depth y at abscissa x: a plain RK4 step, or a
// thousand shorter ones where |dy/dx| exceeds the threshold.
Paso Avanzar(Variables& v, Evaluador& evaluador, double x, double y, long& evaluaciones)
{
    const Comprobador c(kPerfil, y);
    auto pendiente = [&evaluador](double y) { return evaluador.PendienteSuperficie(y); };
    evaluaciones += 1;
    if (v.pasoInteligente != 0 && std::abs(pendiente(y)) > v.umbralPasoInteligente) {
        v.pasoX = v.pasoX / 1000;
        const double paso = v.pasoX;
        const double limite = c.finito(x + 999.5 * paso);
        Paso resultado{y, 0, std::nullopt};
        for (double xi = x; paso > 0 ? xi <= limite : xi >= limite; xi = xi + paso) {
            if (xi + paso == xi)  // the abscissa is too large for a step this short
                c.fallar(TipoError::OperacionInvalida);
            const double yFino = PasoRK(v, resultado.y, pendiente);
            evaluaciones += 4;
            if ((resultado.fin = Fuera(v, yFino))) {
                resultado.x = xi;
                break;
            }
            resultado.y = yFino;
        }
        v.pasoX = v.pasoX * 1000;
        return resultado;
    }
    evaluaciones += 4;
    return {PasoRK(v, y, pendiente), 0, std::nullopt};
}

// The march of IntegrarPerfil from row i in direction s; returns the last depth.
double Marchar(Variables& v, Evaluador& evaluador, int i, int s)
{
    const double x0 = v.xBorde;
    const double y0 = v.tiranteBorde;
    const double xf = v.xBuscado;
    const Comprobador c(kPerfil, y0);
    double y = y0;
    const double H = v.pasoX;
    const double L = c.finito(xf - v.pasoX / 2);
    if (H == 0)  // equal abscissas: the march would never move
        c.fallar(TipoError::OperacionInvalida);
    long evaluaciones = 0;
    v.perfil = {MetodoPerfil::RungeKutta, FinPerfil::Alcanzado, xf};
    // The abscissa of the table's last row.
    double xUltima = x0;
    for (double x = x0; H > 0 ? x <= L : x >= L; x = x + H) {
        if (x + H == x)  // the abscissas are too large for steps this short
            c.fallar(TipoError::OperacionInvalida);
        i = Sumar16(i, s, kPerfil);
        const Paso paso = Avanzar(v, evaluador, x, y, evaluaciones);
        if (evaluaciones > kEvaluacionesMaximas)
            throw ErrorCalculo(TipoError::PasoDemasiadoFino, kPerfil);
        const double yNuevo = paso.y;
        const std::optional<FinPerfil> fuera = paso.fin ? paso.fin : Fuera(v, yNuevo);
        if (fuera) {
            // The profile ends at its last point inside: the row before, or the
            // last of the shorter steps, which becomes a row of its own.
            if (paso.fin && paso.x != x) {
                xUltima = Redondear(paso.x, 4);
                FilaPerfil(v, i, kPerfil)[1] = xUltima;
                FilaPerfil(v, i, kPerfil)[2] = yNuevo;
                y = yNuevo;
                if (yNuevo > v.yMaxGraf)
                    v.yMaxGraf = yNuevo;
                if (yNuevo < v.yMinGraf)
                    v.yMinGraf = yNuevo;
            }
            v.zonaActual = ZonaTirante(v, y);
            v.perfil.fin = *fuera;
            v.perfil.xFin = xUltima;
            break;
        }
        y = yNuevo;

        v.zonaActual = ZonaTirante(v, yNuevo);
        const bool invierte = Invierte(v, i, s, yNuevo);
        if (yNuevo > v.yMaxGraf)
            v.yMaxGraf = yNuevo;
        if (yNuevo < v.yMinGraf)
            v.yMinGraf = yNuevo;
        if (invierte) {
            v.perfil.fin = FinPerfil::Inversion;
            v.perfil.xFin = c.finito(x + v.pasoX);
            break;
        }
        xUltima = Redondear(c.finito(x + v.pasoX), 4);
        FilaPerfil(v, i, kPerfil)[1] = xUltima;
        FilaPerfil(v, i, kPerfil)[2] = yNuevo;
    }
    return y;
}

}  // namespace

double PendienteSuperficie(Variables& v, double y)
{
    ElementosHidraulicos(v, y);
    const Comprobador c(kPerfil, y);
    const double Sf = c.dividir(
        c.dividir(c.potencia(v.nManning, 2) * c.potencia(v.caudal, 2), c.potencia(v.area, 2)),
        c.potencia(v.radioHidraulico, 4.0 / 3.0));
    v.pendFriccion = Sf;
    return c.dividir(v.pendiente - Sf, 1 - c.potencia(v.froude, 2));
}

double PasoRungeKutta(Variables& v, double y)
{
    return PasoRK(v, y, [&v](double y) { return PendienteSuperficie(v, y); });
}

int16_t ZonaTirante(const Variables& v, double y)
{
    const double yn = v.tiranteNormal;
    const double yc = v.tiranteCritico;
    double superior = yc;
    double inferior = yc;
    if (v.pendiente > 0) {
        superior = yn >= yc ? yn : yc;
        inferior = yn >= yc ? yc : yn;
    }
    if (superior != inferior) {
        if (y >= superior)
            return 1;
        return y < inferior ? 3 : 2;
    }
    return y > superior ? 1 : 2;
}

void NuevaTablaPerfil(Variables& v)
{
    const int16_t ultima = Sumar16(v.puntosPerfil, 2, kPerfil);
    if (ultima < 2)  // a negative number of points has no table
        throw ErrorCalculo(TipoError::OperacionInvalida, kPerfil, v.puntosPerfil);
    v.tablaPerfil.assign(static_cast<size_t>(ultima) + 1, {0.0, 0.0, 0.0});
}

double IntegrarPerfil(Variables& v)
{
    const double x0 = v.xBorde;
    const double y0 = v.tiranteBorde;
    const double xf = v.xBuscado;
    v.yMaxGraf = -99999;
    v.yMinGraf = 0;
    v.zonaInicial = ZonaTirante(v, y0);

    int i;
    int s;
    if (x0 < xf) {
        i = 1;
        s = 1;
        v.xMinGraf = x0;
        v.xMaxGraf = xf;
    } else {
        i = Sumar16(v.puntosPerfil, 1, kPerfil);
        s = -1;
        v.xMinGraf = xf;
        v.xMaxGraf = x0;
    }
    FilaPerfil(v, i, kPerfil)[1] = x0;
    FilaPerfil(v, i, kPerfil)[2] = y0;

    Evaluador evaluador(v);
    double y;
    try {
        y = Marchar(v, evaluador, i, s);
    } catch (...) {
        evaluador.AlDia();
        throw;
    }
    evaluador.AlDia();
    return y;
}

void CalcularPerfil(Variables& v)
{
    const Comprobador c(kPerfil, v.xBuscado);
    v.pasoX = c.dividir(c.finito(v.xBuscado - v.xBorde), static_cast<double>(v.puntosPerfil));
    NuevaTablaPerfil(v);
    v.tiranteFinal = IntegrarPerfil(v);
}
