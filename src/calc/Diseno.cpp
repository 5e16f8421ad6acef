// Channel design: Manning's uniform flow solved exactly for one unknown.
//
//   Section geometry   the engine's formulas for A, P and T, one function per shape
//   Checking inputs    which inputs a shape uses, their ranges, the refusals
//   Roots              bracketing from a guess, then TOMS 748 (Boost.Math)
//   One solver per unknown, then the elements, critical depth and pipe figures
//
// Divisions are guarded where they are written: by a section that is only used
// when A, P and T are positive and finite, by inputs checked to be above 0, or
// by an explicit test of the divisor.
#include "calc/Diseno.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <utility>

#include <boost/math/policies/policy.hpp>
#include <boost/math/tools/roots.hpp>

#include "engine/modFuncionesTorvel.h"

namespace {

constexpr double kTope = 1e4;  // upper end of the search for y, b, D and z (m)
// The smallest depth of a pipe, times D. Below it the area's theta - sin·cos
// cancels away more than the last three digits, and the section no longer
// gives Q to 12 digits.
constexpr double kLlenadoMinimo = 1e-3;
constexpr int kPasosAcotar = 1100;  // halvings or doublings while bracketing a root
constexpr std::uintmax_t kIteraciones = 100;
const double kInfinito = std::numeric_limits<double>::infinity();

bool Finito(double x)
{
    return std::isfinite(x);
}

// --- Section geometry ------------------------------------------------------------

struct Seccion {
    double A = 0, P = 0, T = 0;
    bool valida = false;  // A, P and T positive and finite: safe to divide by
};

Seccion Cerrar(double A, double P, double T)
{
    const bool valida = A > 0 && P > 0 && T > 0 && Finito(A) && Finito(P) && Finito(T);
    return {A, P, T, valida};
}

Seccion SeccionRectangular(double b, double y)
{
    return Cerrar(b * y, (y + y) + b, b);
}

Seccion SeccionTrapezoidal(double b, double z, double y)
{
    return Cerrar((z * y + b) * y, (y + y) * std::sqrt(std::pow(z, 2) + 1) + b, (z + z) * y + b);
}

// The engine's half angle, pi/2 taken as 3.14159/2 minus atan(t/s). Where s is
// 0 (at the crown, or a depth too small to move t off 1) it is the limit the
// formula takes there, so a full pipe has a value the engine cannot compute.
double SemiAngulo(double D, double y)
{
    const double t = 1 - (y + y) / D;  // D > 0: an input checked above 0
    const double s = std::sqrt(std::max(1 - t * t, 0.0));
    const double cociente = s > 0 ? t / s : (t > 0 ? kInfinito : -kInfinito);
    return 3.14159 / 2 - std::atan(cociente);
}

// Depths in (0, D]; the crown itself is the full pipe.
Seccion SeccionCircular(double D, double y)
{
    if (!(y > 0 && y <= D))
        return {};
    const double theta = SemiAngulo(D, y);
    const double seno = std::sin(theta);
    const double coseno = std::cos(theta);
    return Cerrar(std::pow(D, 2) * (theta - coseno * seno) / 4, D * theta, D * seno);
}

Seccion SeccionDe(const CanalDiseno& c, double y)
{
    switch (c.forma) {
    case FormaCanal::Rectangular: return SeccionRectangular(c.b, y);
    case FormaCanal::Trapezoidal: return SeccionTrapezoidal(c.b, c.z, y);
    case FormaCanal::Circular: return SeccionCircular(c.d, y);
    }
    return {};
}

// A·R^(2/3), the conveyance times n/S^(1/2).
double Conduccion(const Seccion& s)
{
    return s.A * std::pow(s.A / s.P, 2.0 / 3.0);
}

// Manning's Q; S and n are inputs checked above 0. An invalid section carries nothing.
double Manning(const Seccion& s, double S, double n)
{
    return s.valida ? Conduccion(s) * std::sqrt(S) / n : 0;
}

double CaudalEn(const CanalDiseno& c, double y)
{
    return Manning(SeccionDe(c, y), c.pendiente, c.n);
}

// The elements in the engine's order of evaluation, so they agree to the bit.
std::optional<ElementosSeccion> Elementos(const Seccion& s, double y, double Q, double n)
{
    const double cuboA = std::pow(s.A, 3) * 9.81;
    if (!s.valida || !(cuboA > 0))
        return std::nullopt;
    ElementosSeccion e;
    e.area = s.A;
    e.perimetro = s.P;
    e.anchoSup = s.T;
    e.radioHidraulico = s.A / s.P;
    const double Q2 = std::pow(Q, 2);
    e.froude = std::sqrt(Q2 * s.T / cuboA);
    e.velocidad = Q / s.A;
    e.energia = Q2 / (std::pow(s.A, 2) * 19.62) + y;
    const double divisor = std::pow(e.radioHidraulico, 4.0 / 3.0);
    if (!(divisor > 0))
        return std::nullopt;
    e.pendFriccion = std::pow(n, 2) * std::pow(e.velocidad, 2) / divisor;
    e.tension = e.radioHidraulico * 9800 * e.pendFriccion;
    for (double x :
         {e.radioHidraulico, e.froude, e.velocidad, e.energia, e.pendFriccion, e.tension})
        if (!Finito(x))
            return std::nullopt;
    return e;
}

// --- Checking inputs ---------------------------------------------------------------

struct Falta {
    MotivoDiseno motivo;
    Incognita dato;
};

std::optional<Falta> RevisarDato(double valor, Incognita dato, bool ceroAdmitido)
{
    if (ceroAdmitido && valor == 0)
        return std::nullopt;
    if (!(valor > 0) || !Finito(valor))
        return Falta{MotivoDiseno::DatoFaltante, dato};
    const RangoDato r = RangoDeDato(dato);
    if (valor < r.minimo || valor > r.maximo)
        return Falta{MotivoDiseno::DatoFueraDeRango, dato};
    return std::nullopt;
}

// Checks, in a fixed order, the inputs the shape has and `usa` accepts.
template <class Usa>
std::optional<Falta> Revisar(const CanalDiseno& canal, Usa usa)
{
    CanalDiseno c = canal;
    for (Incognita dato :
         {Incognita::Ancho, Incognita::Diametro, Incognita::Talud, Incognita::Pendiente,
          Incognita::Manning, Incognita::Caudal, Incognita::Tirante}) {
        if (!usa(dato) || !IncognitaAplica(c.forma, dato))
            continue;
        const bool cero = dato == Incognita::Ancho && c.forma == FormaCanal::Trapezoidal;
        if (auto falta = RevisarDato(CampoDe(c, dato), dato, cero))
            return falta;
    }
    return std::nullopt;
}

// The section's own inputs and those listed.
template <class... Otros>
auto GeometriaY(Otros... otros)
{
    return [otros...](Incognita dato) {
        const bool geometria = dato == Incognita::Ancho || dato == Incognita::Diametro ||
                               dato == Incognita::Talud;
        return geometria || ((dato == otros) || ...);
    };
}

std::optional<Falta> RevisarProfundidad(const CanalDiseno& c, double y)
{
    if (auto falta = RevisarDato(y, Incognita::Tirante, false))
        return falta;
    if (c.forma == FormaCanal::Circular && y >= c.d)
        return Falta{MotivoDiseno::TiranteSobreDiametro, Incognita::Tirante};
    if (c.forma == FormaCanal::Circular && y < c.d * kLlenadoMinimo)
        return Falta{MotivoDiseno::TuboCasiVacio, Incognita::Tirante};
    return std::nullopt;
}

// A depth found for the result, kept only where it would be accepted as an input.
std::optional<double> Admisible(const CanalDiseno& c, std::optional<double> y)
{
    return y && !RevisarProfundidad(c, *y) ? y : std::nullopt;
}

// --- Roots -------------------------------------------------------------------------------

struct Punto {
    double x, f;
};

using PoliticaSinExcepciones = boost::math::policies::policy<
    boost::math::policies::domain_error<boost::math::policies::ignore_error>,
    boost::math::policies::evaluation_error<boost::math::policies::ignore_error>>;

// TOMS 748 within a bracket where a.f < 0 < b.f and a.x < b.x, to a relative
// width of 4 epsilon (9e-16).
template <class F>
std::optional<double> Refinar(F f, Punto a, Punto b)
{
    if (a.f == 0)
        return a.x;
    if (b.f == 0)
        return b.x;
    std::uintmax_t iteraciones = kIteraciones;
    const auto [x0, x1] = boost::math::tools::toms748_solve(
        f, a.x, b.x, a.f, b.f, boost::math::tools::eps_tolerance<double>(), iteraciones,
        PoliticaSinExcepciones());
    const double x = x0 + (x1 - x0) / 2;
    return Finito(x) ? std::optional<double>(x) : std::nullopt;
}

// The root of f, rising on (piso, techo.x], where techo.f >= 0: a bracket is
// sought from the guess by doubling its distance to piso or halving it (a
// bounded number of times), then refined.
template <class F>
std::optional<double> RaizCreciente(F f, double piso, Punto techo, double guia)
{
    if (techo.f < 0 || !(techo.x > piso))
        return std::nullopt;
    const double x = (guia > piso && guia < techo.x) ? guia : piso + (techo.x - piso) / 2;
    Punto p{x, f(x)};
    if (p.f < 0) {
        for (int i = 0; i < kPasosAcotar; ++i) {
            const double siguiente = std::min(piso + (p.x - piso) * 2, techo.x);
            if (siguiente >= techo.x)
                return Refinar(f, p, techo);
            const Punto q{siguiente, f(siguiente)};
            if (q.f >= 0)
                return Refinar(f, p, q);
            p = q;
        }
        return Refinar(f, p, techo);
    }
    for (int i = 0; i < kPasosAcotar; ++i) {
        const double anterior = piso + (p.x - piso) / 2;
        if (!(anterior > piso && anterior < p.x))
            break;
        const Punto q{anterior, f(anterior)};
        if (q.f < 0)
            return Refinar(f, q, p);
        p = q;
    }
    return std::nullopt;
}

// --- Pipes ------------------------------------------------------------------------------------

// The half angle of the largest discharge: d(A·R^(2/3))/dy = 0 for the engine's
// formulas is 5·theta·sin²theta = theta - sin(theta)·cos(theta), whatever D is.
// Returned as the depth over the diameter, 0.938...
double FraccionCaudalMaximo()
{
    static const double fraccion = [] {
        auto h = [](double t) {
            const double s = std::sin(t);
            return t - s * std::cos(t) - 5 * t * s * s;  // rises through 0
        };
        const double desde = 3.14159 / 2, hasta = SemiAngulo(1, 1);
        const double theta = Refinar(h, {desde, h(desde)}, {hasta, h(hasta)}).value_or(0);
        // The engine's angle is acos(t) + 3.14159/2 - pi/2.
        const double acosT = theta - (3.14159 / 2 - std::acos(0.0));
        return (1 - std::cos(acosT)) / 2;
    }();
    return fraccion;
}

CapacidadTubo Capacidad(const CanalDiseno& c)
{
    CapacidadTubo k;
    k.qLleno = CaudalEn(c, c.d);
    k.yQMax = c.d * FraccionCaudalMaximo();
    k.qMax = CaudalEn(c, k.yQMax);
    return k;
}

// The lower depth carrying Q (up to yQMax), none where Q exceeds qMax or lies
// below what the pipe carries at kLlenadoMinimo·D.
std::optional<double> TiranteBajo(const CanalDiseno& c, const CapacidadTubo& k)
{
    const double Q = c.caudal;
    if (Q == k.qMax)
        return k.yQMax;
    auto f = [&c, Q](double y) { return CaudalEn(c, y) - Q; };
    const double piso = c.d * kLlenadoMinimo;
    if (!(f(piso) < 0))
        return std::nullopt;
    return RaizCreciente(f, piso, {k.yQMax, k.qMax - Q}, k.yQMax / 2);
}

// The upper depth carrying Q, where qLleno < Q < qMax.
std::optional<double> TiranteAlto(const CanalDiseno& c, const CapacidadTubo& k)
{
    const double Q = c.caudal;
    if (!(Q > k.qLleno && Q < k.qMax))
        return std::nullopt;
    auto f = [&c, Q](double y) { return Q - CaudalEn(c, y); };
    return RaizCreciente(f, k.yQMax, {c.d, Q - k.qLleno}, (k.yQMax + c.d) / 2);
}

// --- One solver per unknown -------------------------------------------------------------

// Where a solver fails, the unknown has no value in its range.
using Solucion = std::optional<double>;

// Q·n/S^(1/2), the A·R^(2/3) the unknown must give.
double ConduccionBuscada(const CanalDiseno& c)
{
    return c.caudal * c.n / std::sqrt(c.pendiente);
}

// A wide rectangle (A·R^(2/3) = b·y^(5/3)) or a triangle (z·y², 2y·(1+z²)^(1/2)),
// whichever needs less depth: a start for the bracket, not an answer.
double GuiaTirante(const CanalDiseno& c)
{
    const double K = ConduccionBuscada(c);
    double guia = c.b > 0 ? std::pow(K / c.b, 0.6) : kInfinito;
    if (c.forma == FormaCanal::Trapezoidal && c.z > 0) {
        const double pared = std::pow(2 * std::sqrt(1 + c.z * c.z), 2.0 / 3.0);
        guia = std::min(guia, std::pow(K * pared / std::pow(c.z, 5.0 / 3.0), 3.0 / 8.0));
    }
    return guia;
}

Solucion TiranteAbierto(const CanalDiseno& c)
{
    auto f = [&c](double y) { return CaudalEn(c, y) - c.caudal; };
    return RaizCreciente(f, 0, {kTope, f(kTope)}, GuiaTirante(c));
}

Solucion AnchoDe(const CanalDiseno& c)
{
    auto f = [&c](double b) {
        CanalDiseno prueba = c;
        prueba.b = b;
        return CaudalEn(prueba, c.tirante) - c.caudal;
    };
    // A triangle that already carries Q leaves no width in (0, 1e4].
    if (c.forma == FormaCanal::Trapezoidal && !(f(0) < 0))
        return std::nullopt;
    const double K = ConduccionBuscada(c), y = c.tirante;
    const double ancha = K / std::pow(y, 5.0 / 3.0);
    const double estrecha = std::pow(K * std::pow(2, 2.0 / 3.0) / y, 0.6);
    return RaizCreciente(f, 0, {kTope, f(kTope)}, std::max(ancha, estrecha));
}

Solucion TaludDe(const CanalDiseno& c)
{
    auto f = [&c](double z) {
        CanalDiseno prueba = c;
        prueba.z = z;
        return CaudalEn(prueba, c.tirante) - c.caudal;
    };
    // z = 0 is the rectangle: if it already carries Q, no side slope does less.
    if (c.b > 0 && !(f(0) < 0))
        return std::nullopt;
    const double guia =
        ConduccionBuscada(c) * std::pow(2, 2.0 / 3.0) / std::pow(c.tirante, 8.0 / 3.0);
    return RaizCreciente(f, 0, {kTope, f(kTope)}, guia);
}

// The depth is fixed, so D runs from y (a full pipe) up to 1e4 m, or to where
// y is the smallest depth of the pipe.
Solucion DiametroDe(const CanalDiseno& c)
{
    const double y = c.tirante;
    auto f = [&c, y](double D) {
        CanalDiseno prueba = c;
        prueba.d = D;
        return CaudalEn(prueba, y) - c.caudal;
    };
    const double lleno = f(y);
    if (!(lleno < 0))
        return std::nullopt;
    // A full pipe's Q grows as D^(8/3).
    const double qLleno = lleno + c.caudal;
    const double guia = qLleno > 0 ? y * std::pow(c.caudal / qLleno, 3.0 / 8.0) : 2 * y;
    const double techo = std::min(kTope, y / kLlenadoMinimo);
    return RaizCreciente(f, y, {techo, f(techo)}, guia);
}

// The engine's closed form for the rectangle.
double CriticoRectangular(double Q, double b)
{
    return std::pow(Q / std::pow(9.81, 0.5) / b, 2.0 / 3.0);
}

std::optional<double> CriticoBuscado(const CanalDiseno& c)
{
    const double Q = c.caudal;
    if (c.forma == FormaCanal::Rectangular) {
        const double yc = CriticoRectangular(Q, c.b);
        return yc <= kTope ? std::optional<double>(yc) : std::nullopt;
    }
    // g·A³ - Q²·T rises with the depth in all three shapes.
    auto r = [&c, Q](double y) {
        const Seccion s = SeccionDe(c, y);
        return s.valida ? std::pow(s.A, 3) * 9.81 - std::pow(Q, 2) * s.T : -1.0;
    };
    if (c.forma == FormaCanal::Trapezoidal) {
        double guia = c.b > 0 ? CriticoRectangular(Q, c.b) : kInfinito;
        guia = std::min(guia, std::pow(2 * Q * Q / (9.81 * c.z * c.z), 0.2));  // the triangle
        return RaizCreciente(r, 0, {kTope, r(kTope)}, guia);
    }
    const double piso = c.d * kLlenadoMinimo;
    if (!(r(piso) < 0))
        return std::nullopt;
    return RaizCreciente(r, piso, {c.d, r(c.d)}, c.d / 2);
}

// The Froude number at depth y, as Elementos has it; 0 where there is no section.
double FroudeEn(const CanalDiseno& c, double y)
{
    const Seccion s = SeccionDe(c, y);
    const double cuboA = std::pow(s.A, 3) * 9.81;
    return s.valida && cuboA > 0 ? std::sqrt(std::pow(c.caudal, 2) * s.T / cuboA) : 0;
}

// Kept where Fr = 1 to 12 digits: just below a pipe's crown T changes so fast
// with the depth that no double is that close.
std::optional<double> CriticoDe(const CanalDiseno& c)
{
    const auto yc = Admisible(c, CriticoBuscado(c));
    return yc && std::abs(FroudeEn(c, *yc) - 1) <= 1e-12 ? yc : std::nullopt;
}

std::optional<double> PendienteCriticaEn(const CanalDiseno& c, double y)
{
    const Seccion s = SeccionDe(c, y);
    if (!s.valida)
        return std::nullopt;
    const double base = c.caudal * c.n / s.A / std::pow(s.A / s.P, 2.0 / 3.0);
    const double Sc = std::pow(base, 2);
    return Finito(Sc) ? std::optional<double>(Sc) : std::nullopt;
}

// --- The result ---------------------------------------------------------------------------

ResultadoDiseno Rechazo(MotivoDiseno motivo, Incognita dato)
{
    ResultadoDiseno r;
    r.motivo = motivo;
    r.dato = dato;
    return r;
}

Regimen RegimenDe(double froude)
{
    if (froude < 1)
        return Regimen::Subcritico;
    return froude > 1 ? Regimen::Supercritico : Regimen::Critico;
}

// Fills everything that follows from the solved channel.
ResultadoDiseno Completar(const CanalDiseno& c, Incognita incognita)
{
    ResultadoDiseno r;
    r.canal = c;
    r.valor = CampoDe(r.canal, incognita);
    const auto e = Elementos(SeccionDe(c, c.tirante), c.tirante, c.caudal, c.n);
    if (!e || !Finito(r.valor))
        return Rechazo(MotivoDiseno::Desbordamiento, incognita);
    r.elementos = *e;
    r.regimen = RegimenDe(e->froude);
    r.casiCritico = std::abs(e->froude - 1) < 0.1;
    r.tiranteCritico = CriticoDe(c);
    if (r.tiranteCritico)
        r.pendienteCritica = PendienteCriticaEn(c, *r.tiranteCritico);
    if (c.forma == FormaCanal::Circular) {
        r.pctLleno = 100 * c.tirante / c.d;
        r.capacidad = Capacidad(c);
        r.segundoTirante = Admisible(c, c.tirante <= r.capacidad.yQMax
                                            ? TiranteAlto(c, r.capacidad)
                                            : TiranteBajo(c, r.capacidad));
    }
    r.ok = true;
    return r;
}

ResultadoDiseno ResolverTiranteTubo(CanalDiseno c)
{
    const CapacidadTubo k = Capacidad(c);
    if (c.caudal > k.qMax) {
        ResultadoDiseno r = Rechazo(MotivoDiseno::TuboNoConduce, Incognita::Caudal);
        r.capacidad = k;
        return r;
    }
    if (!(CaudalEn(c, c.d * kLlenadoMinimo) < c.caudal))
        return Rechazo(MotivoDiseno::TuboCasiVacio, Incognita::Tirante);
    const auto y = TiranteBajo(c, k);
    if (!y || *y < RangoDeDato(Incognita::Tirante).minimo)
        return Rechazo(MotivoDiseno::SinSolucionEnRango, Incognita::Tirante);
    c.tirante = *y;
    return Completar(c, Incognita::Tirante);
}

// The closed forms and the roots, for a channel whose inputs are checked.
ResultadoDiseno Resolver(CanalDiseno c, Incognita incognita)
{
    const Seccion s = SeccionDe(c, c.tirante);
    // Q, S and n in closed form: A·R^(2/3) is positive in a valid section.
    const double K = s.valida ? Conduccion(s) : 0;
    Solucion x;
    switch (incognita) {
    case Incognita::Caudal: x = K * std::sqrt(c.pendiente) / c.n; break;
    case Incognita::Pendiente:
        if (K > 0)
            x = std::pow(c.caudal * c.n / K, 2);
        break;
    case Incognita::Manning: x = K * std::sqrt(c.pendiente) / c.caudal; break;
    case Incognita::Tirante:
        if (c.forma == FormaCanal::Circular)
            return ResolverTiranteTubo(c);
        x = TiranteAbierto(c);
        break;
    case Incognita::Ancho: x = AnchoDe(c); break;
    case Incognita::Talud: x = TaludDe(c); break;
    case Incognita::Diametro: x = DiametroDe(c); break;
    }
    const RangoDato rango = RangoDeDato(incognita);
    if (!x || !(*x >= rango.minimo && *x <= rango.maximo))
        return Rechazo(MotivoDiseno::SinSolucionEnRango, incognita);
    CampoDe(c, incognita) = *x;
    return Completar(c, incognita);
}

}  // namespace

bool IncognitaAplica(FormaCanal forma, Incognita dato)
{
    switch (dato) {
    case Incognita::Ancho: return forma != FormaCanal::Circular;
    case Incognita::Diametro: return forma == FormaCanal::Circular;
    case Incognita::Talud: return forma == FormaCanal::Trapezoidal;
    default: return true;
    }
}

double& CampoDe(CanalDiseno& c, Incognita dato)
{
    switch (dato) {
    case Incognita::Caudal: return c.caudal;
    case Incognita::Tirante: return c.tirante;
    case Incognita::Ancho: return c.b;
    case Incognita::Diametro: return c.d;
    case Incognita::Talud: return c.z;
    case Incognita::Pendiente: return c.pendiente;
    case Incognita::Manning: break;
    }
    return c.n;
}

RangoDato RangoDeDato(Incognita dato)
{
    switch (dato) {
    case Incognita::Caudal: return {1e-9, 1e9};
    case Incognita::Pendiente: return {1e-9, 1e3};
    case Incognita::Manning: return {1e-6, 10};
    default: return {1e-6, kTope};  // depth, width, diameter and side slope
    }
}

ResultadoDiseno ResolverCanal(const CanalDiseno& canal, Incognita incognita)
{
    if (!IncognitaAplica(canal.forma, incognita))
        return Rechazo(MotivoDiseno::IncognitaNoAplica, incognita);
    CanalDiseno c = canal;
    CampoDe(c, incognita) = 0;
    if (auto falta = Revisar(c, [incognita](Incognita dato) { return dato != incognita; }))
        return Rechazo(falta->motivo, falta->dato);
    const bool conTirante = incognita != Incognita::Tirante && incognita != Incognita::Diametro;
    if (conTirante)
        if (auto falta = RevisarProfundidad(c, c.tirante))
            return Rechazo(falta->motivo, falta->dato);
    return Resolver(c, incognita);
}

std::optional<ElementosSeccion> ElementosDiseno(const CanalDiseno& canal, double y)
{
    if (Revisar(canal, GeometriaY(Incognita::Manning, Incognita::Caudal)) ||
        RevisarProfundidad(canal, y))
        return std::nullopt;
    return Elementos(SeccionDe(canal, y), y, canal.caudal, canal.n);
}

std::optional<double> CaudalDeTirante(const CanalDiseno& canal, double y)
{
    if (Revisar(canal, GeometriaY(Incognita::Pendiente, Incognita::Manning)) ||
        RevisarProfundidad(canal, y))
        return std::nullopt;
    const Seccion s = SeccionDe(canal, y);
    return s.valida ? std::optional<double>(Manning(s, canal.pendiente, canal.n)) : std::nullopt;
}

std::optional<double> TiranteCriticoExacto(const CanalDiseno& canal)
{
    if (Revisar(canal, GeometriaY(Incognita::Caudal)))
        return std::nullopt;
    return CriticoDe(canal);
}

std::optional<double> PendienteCriticaExacta(const CanalDiseno& canal, double y)
{
    if (Revisar(canal, GeometriaY(Incognita::Manning, Incognita::Caudal)) ||
        RevisarProfundidad(canal, y))
        return std::nullopt;
    return PendienteCriticaEn(canal, y);
}

std::optional<CapacidadTubo> CapacidadDeTubo(const CanalDiseno& canal)
{
    if (canal.forma != FormaCanal::Circular ||
        Revisar(canal, GeometriaY(Incognita::Pendiente, Incognita::Manning)))
        return std::nullopt;
    return Capacidad(canal);
}

std::optional<double> TaludDeAngulo(double grados)
{
    if (!(grados > 0 && grados <= 90))
        return std::nullopt;
    const double tangente = std::tan(GradosARadianes(grados));
    if (!(tangente > 0))
        return std::nullopt;
    const double z = 1 / tangente;
    return Finito(z) ? std::optional<double>(z) : std::nullopt;
}
