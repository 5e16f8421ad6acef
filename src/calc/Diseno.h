// Channel design: the exact uniform-flow solution of a rectangular, trapezoidal
// (a bottom width of 0 is a triangle) or circular channel for any one of Q, y,
// b, D, z, S and n, given the others, by Manning's formula
// Q = A·R^(2/3)·S^(1/2)/n. No Qt, no exceptions: a calculation that cannot be
// done comes back as a refusal that says why and names the input at fault.
//
//   ResolverCanal            solves for one unknown; every element of the result
//   ElementosDiseno          the section elements for one depth
//   CaudalDeTirante          Manning's discharge for one depth
//   TiranteCriticoExacto     the root of Q²·T = g·A³
//   PendienteCriticaExacta   Sc = (Q·n/(A·R^(2/3)))² at a depth
//   CapacidadDeTubo          a pipe's full and largest discharges
//   TaludDeAngulo            a side angle in degrees to z, as the engine converts it
//   RangoDeDato              the values each input may take
//
// The section formulas and constants are those of the engine's
// ElementosHidraulicos (g = 9.81, 2g = 19.62, unit weight 9800 N/m3, pi taken as
// 3.14159 in the half angle of a pipe), so the elements agree with it exactly.
// The depth, width, diameter and side slope are roots found to full double
// precision (relative 1e-15) by TOMS 748 within a bracket.
#pragma once

#include <optional>

enum class FormaCanal { Rectangular, Trapezoidal, Circular };

// The quantity solved for; in a refusal it also names the input at fault.
enum class Incognita { Caudal, Tirante, Ancho, Diametro, Talud, Pendiente, Manning };

// A channel and its flow; the field of the unknown is ignored.
struct CanalDiseno {
    FormaCanal forma = FormaCanal::Rectangular;
    double b = 0;          // width of a rectangle, bottom width of a trapezoid (m)
    double d = 0;          // diameter of a pipe (m)
    double z = 0;          // side slope of a trapezoid, horizontal per unit rise
    double pendiente = 0;  // bed slope S (m/m)
    double n = 0;          // Manning's n
    double caudal = 0;     // discharge Q (m3/s)
    double tirante = 0;    // depth y (m)
};

enum class MotivoDiseno {
    Ninguno,
    DatoFaltante,          // an input is not a finite number above 0 (a trapezoid's b may be 0)
    DatoFueraDeRango,      // an input lies outside RangoDeDato
    IncognitaNoAplica,     // the unknown does not belong to the shape (D of a rectangle)
    TiranteSobreDiametro,  // the depth is at or above the pipe's diameter
    TuboCasiVacio,         // the depth is (or would be) below 0.001 D, see RangoDeDato
    TuboNoConduce,         // Q is above the largest discharge of the pipe (qMax, yQMax)
    SinSolucionEnRango,    // no value of the unknown within its search range gives Q
    Desbordamiento,        // a result too large for a double
};

enum class Regimen { Subcritico, Critico, Supercritico };

// The elements ElementosHidraulicos gives, for one depth.
struct ElementosSeccion {
    double area = 0;             // A (m2)
    double perimetro = 0;        // P (m)
    double radioHidraulico = 0;  // R = A/P (m)
    double anchoSup = 0;         // top width T (m)
    double velocidad = 0;        // V = Q/A (m/s)
    double froude = 0;           // Fr = (Q²·T/(g·A³))^(1/2)
    double energia = 0;          // E = y + V²/2g (m)
    double pendFriccion = 0;     // Sf = n²·V²/R^(4/3)
    double tension = 0;          // tau = 9800·R·Sf (Pa)
};

// A pipe's discharges at the crown and at the depth that carries the most.
struct CapacidadTubo {
    double qLleno = 0;  // discharge as the depth reaches the diameter (m3/s)
    double qMax = 0;    // the largest discharge (m3/s)
    double yQMax = 0;   // the depth that carries it, about 0.938 D (m)
};

struct ResultadoDiseno {
    bool ok = false;
    MotivoDiseno motivo = MotivoDiseno::Ninguno;
    // The input at fault, or the unknown when no value of it gives Q.
    Incognita dato = Incognita::Caudal;

    CanalDiseno canal;  // the channel with the unknown filled in
    double valor = 0;   // the unknown
    ElementosSeccion elementos;
    std::optional<double> tiranteCritico;    // as TiranteCriticoExacto
    std::optional<double> pendienteCritica;  // Sc at tiranteCritico
    Regimen regimen = Regimen::Subcritico;   // by the Froude number at the depth
    bool casiCritico = false;                // |Fr - 1| < 0.1

    // Pipes only. In a TuboNoConduce refusal capacidad is filled in as well.
    double pctLleno = 0;  // depth as a percentage of the diameter
    CapacidadTubo capacidad;
    // The other depth carrying the same Q in the same pipe, where there is one
    // below the crown: between the full and the largest discharge a pipe has
    // two. When solving for the depth the smaller one is the answer.
    std::optional<double> segundoTirante;
};

struct RangoDato {
    double minimo, maximo;
};

// Admissible values of an input (a trapezoid's bottom width may also be 0) and
// of a solved unknown. A pipe's depth must also be at least 0.001 D, where its
// area formula still keeps 13 digits: a diameter is sought up to 1000 y.
RangoDato RangoDeDato(Incognita dato);

ResultadoDiseno ResolverCanal(const CanalDiseno& canal, Incognita incognita);

// Whether the quantity belongs to the shape (a width to a rectangle or a
// trapezoid, a diameter to a pipe, a side slope to a trapezoid).
bool IncognitaAplica(FormaCanal forma, Incognita dato);
// The channel's field that holds the quantity.
double& CampoDe(CanalDiseno& canal, Incognita dato);

// The following take the channel as ResolverCanal does and give nothing where
// it would refuse the inputs they use.

// Section elements at depth y (below the diameter in a pipe).
std::optional<ElementosSeccion> ElementosDiseno(const CanalDiseno& canal, double y);
// Q = A·R^(2/3)·S^(1/2)/n at depth y, ignoring canal.caudal.
std::optional<double> CaudalDeTirante(const CanalDiseno& canal, double y);
// The depth where Q²·T = g·A³ (ignores S, n and the depth); the rectangle's is
// the closed form the engine uses. None outside the depths an input may take,
// or where Fr = 1 does not hold to 12 digits (just below a pipe's crown).
std::optional<double> TiranteCriticoExacto(const CanalDiseno& canal);
// (Q·n/(A·R^(2/3)))² at depth y (ignores S and the depth).
std::optional<double> PendienteCriticaExacta(const CanalDiseno& canal, double y);
// The discharges of a pipe (uses d, S and n).
std::optional<CapacidadTubo> CapacidadDeTubo(const CanalDiseno& canal);
// z = 1/tan(GradosARadianes(grados)), pi as 3.1415, as the engine turns the
// typed side angle into z; none unless the angle lies in (0, 90].
std::optional<double> TaludDeAngulo(double grados);
