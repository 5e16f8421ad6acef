// The hydraulic engine. Every operation works on the calculation state passed
// first; the few numbers an operation takes besides it are a depth, an energy,
// or the abscissa and depths of one direct step. Results go back into the state
// unless the operation returns them.
//
// Faults (a zero divisor, the root of a negative number, an overflow, a 16-bit
// count out of range, a march without result within its bounds) are thrown as
// ErrorCalculo; nothing returns NaN or infinity.
//
//   Geometria.cpp           SemiAnguloCircular, ElementosHidraulicos, degree conversions
//   Tirantes.cpp            ResiduoNormal, TirantesCriticoNormal, PendienteCritica
//   Evaluador.cpp           (internal) the scans' and the profile's quick evaluations
//   AlternosConjugados.cpp  TiranteAlterno, TirantesAlternosEnergia, TiranteConjugado,
//                           ConjugadoDeNormal
//   PerfilRungeKutta.cpp    PendienteSuperficie, PasoRungeKutta, ZonaTirante,
//                           NuevaTablaPerfil, IntegrarPerfil, CalcularPerfil
//   PasoDirecto.cpp         PasoDirecto, PerfilPasoDirecto
//   TipoPerfil.cpp          TipoPerfil
//
// Both profile methods leave in v.perfil which method ran and how it ended.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/ErrorCalculo.h"
#include "state/Variables.h"

// --- Section geometry ---------------------------------------------------------

// The two values of pi the results were always computed with: one in the
// half angle of a part-full circle, the other in the side angle's conversions
// between degrees and radians.
constexpr double kPiCircular = 3.14159;
constexpr double kPiAngulos = 3.1415;

// Half central angle (rad) of a circular section filled to depth y.
double SemiAnguloCircular(const Variables& v, double y);
// Every section element for depth y, into the state.
void ElementosHidraulicos(Variables& v, double y);
// The side angle as typed (degrees) in radians, with pi taken as 3.1415.
double GradosARadianes(double grados);
// A side angle in radians back in degrees, with pi taken as 3.1415.
double RadianesAGrados(double radianes);
// The side angle (degrees) of a side slope of z horizontal per unit rise,
// with pi taken as 3.1415, so that GradosARadianes gives back atan(1/z).
double TaludAGrados(double z);

// --- Critical and normal depths -------------------------------------------------

// Manning residual Q/A - R^(2/3)·S^(1/2)/n at depth y: positive below yn.
double ResiduoNormal(Variables& v, double y);
// tiranteCritico, tiranteNormal and normalHallado for the current inputs.
void TirantesCriticoNormal(Variables& v);
// The critical slope Sc = (Q·n / A / R^(2/3))^2 of the critical depth, leaving
// the elements of tiranteCritico in the state.
double PendienteCritica(Variables& v);

// --- Alternate and conjugate depths ---------------------------------------------

double TiranteAlterno(Variables& v, double y0);
// Sets tiranteAlternoSup and tiranteAlternoInf.
void TirantesAlternosEnergia(Variables& v, double E0);
// The sequent depth of y1, or -1 when the momentum at y1 is not positive.
double TiranteConjugado(Variables& v, double y1);
// The conjugate of tiranteNormal for the plot's yn* line, or 0 (no line) when
// it cannot be computed: in a steep pipe it would lie above the crown.
double ConjugadoDeNormal(Variables& v);

// --- Runge-Kutta profile --------------------------------------------------------

// dy/dx of the free surface at depth y (sets pendFriccion).
double PendienteSuperficie(Variables& v, double y);
// The depth one step of pasoX further.
double PasoRungeKutta(Variables& v, double y);
// Zone of a depth: 1 above yn and yc, 2 between, 3 below both.
int16_t ZonaTirante(const Variables& v, double y);
// Re-creates tablaPerfil with rows 0 to puntosPerfil + 2, all zero.
void NuevaTablaPerfil(Variables& v);
// Integrates from the boundary towards xBuscado; returns the last depth.
double IntegrarPerfil(Variables& v);
// pasoX, a new table, IntegrarPerfil; the result goes to tiranteFinal.
void CalcularPerfil(Variables& v);

// --- Direct step ----------------------------------------------------------------

// The abscissa where depth y2 is reached, starting from depth y1 at x.
double PasoDirecto(Variables& v, double x, double y1, double y2);
// The abscissa where tiranteBuscado is reached, filling tablaPerfil; nullopt
// when the boundary and target depths lie in different zones. Expects a fresh
// table (NuevaTablaPerfil) and TirantesCriticoNormal for the current inputs.
std::optional<double> PerfilPasoDirecto(Variables& v);

// --- Describing a profile ---------------------------------------------------------

// "M1" ... "S3", "C1", "C3", "H2", "H3", "A2" or "A3" for the last profile,
// from the bed slope and the zone of its boundary depth; empty when there is
// no profile.
std::string TipoPerfil(const Variables& v);
