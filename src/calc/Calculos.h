// What a user can ask for, one function per calculation, for every front end:
// the main window's panels, the parameters-of-interest window, torvel-calc's
// commands and its batch rows.
//
// All in namespace calculo, beside the engine's operations of similar names.
//
//   FlujoUniforme     yc, yn, Sc, the slope type and the two energies, by the
//                     desktop's scans or by the exact solver of Diseno.h
//   Elementos         every section element at a given depth
//   AlternoDeTirante  the alternate depth of a given depth
//   AlternosDeEnergia the two depths of a given specific energy
//   Conjugado         the conjugate (sequent) depth of a given depth
//   PerfilRungeKutta  the depth yf at a given abscissa xf
//   PasoDirecto       the abscissa xf of a given depth yf
//
// Each takes the channel and calculation parameters as the front end read them
// (a Variables holding the inputs) and gives either its results, together with
// the whole state the calculation left (inputs included, so a result can
// always be described with what it was computed from), or a refusal naming the
// input at fault. The missing-data rules of every panel live here, once. Faults
// of the engine are thrown as ErrorCalculo, for the front end to explain.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "engine/ErrorCalculo.h"
#include "state/Variables.h"

namespace calculo {

// The inputs a refusal can name.
enum class Dato {
    Pendiente,
    Manning,
    Caudal,
    ErrorAdmisible,
    PuntosPerfil,
    TiranteBorde,
    XBuscado,  // the abscissa sought, equal to the boundary's
    TiranteBuscado,
    Tirante,  // the depth of the elements
};

struct Rechazo {
    // Cero, NoPositivo and an xf equal to x0 are missing data to the user; the
    // others are explained in a message.
    enum class Motivo {
        Cero,            // the input is 0
        NoPositivo,      // the input is 0 or negative
        IgualAlBorde,    // xf or yf equals the boundary's x or depth
        ZonasDistintas,  // the boundary and the depth sought lie in different zones
        SinAvance,       // the first step already leaves the zone or the section: the
                         // boundary is at yc (TiranteBorde) or the steps are too long (XBuscado)
    };
    Motivo motivo;
    Dato dato;
};

// A calculation's results, or why it was refused. estado is the state the
// calculation left: its inputs and, when it ran, every intermediate result
// (the profile's table, the elements of the last depth evaluated).
template <class T>
struct Calculo {
    std::variant<T, Rechazo> salida;
    Variables estado;

    bool hecho() const { return std::holds_alternative<T>(salida); }
    const T& operator*() const { return std::get<T>(salida); }
    const T* operator->() const { return &std::get<T>(salida); }
    const Rechazo& rechazo() const { return std::get<Rechazo>(salida); }
};

struct ResultadoUniforme {
    double yc = 0, yn = 0;  // 0: not found by the scans
    bool qLleno = false;    // a pipe that cannot carry Q: nothing follows
    std::optional<double> sc, ec, en, pct, velocidad, froude;
    std::string tipo;  // "M", "S", or "" when Sc equals the bed slope or is missing
};
// How yc and yn are found: by the engine's scans, as the main window finds
// them (grid points of the admissible error), or by the exact roots of the
// channel design solver. A channel the exact solver does not take (an input
// outside RangoDeDato, a bed slope below 0, a side angle of 90 degrees or more)
// is scanned as before.
enum class Metodo { Barrido, Exacto };
Calculo<ResultadoUniforme> FlujoUniforme(const Variables& entrada, Metodo metodo = Metodo::Barrido);

// The elements themselves are in estado (area, perimetro, ...).
struct ResultadoElementos {
    double tirante = 0;
};
Calculo<ResultadoElementos> Elementos(const Variables& entrada, double y);

struct ResultadoAlterno {
    double tirante = 0;
};
Calculo<ResultadoAlterno> AlternoDeTirante(const Variables& entrada, double y0);

struct ResultadoAlternos {
    double superior = 0, inferior = 0;  // subcritical and supercritical
};
Calculo<ResultadoAlternos> AlternosDeEnergia(const Variables& entrada, double E0);

struct ResultadoConjugado {
    double tirante = 0;  // -1 when the momentum at y1 is not positive
};
Calculo<ResultadoConjugado> Conjugado(const Variables& entrada, double y1);

// Both profiles: the profile itself is estado.tablaPerfil, described by
// estado.perfil; yc, yn and yn* are in estado as well.
struct ResultadoPerfil {
    double tiranteFinal = 0;  // yf (Runge-Kutta) or the depth sought (direct step)
    double xFinal = 0;        // xf sought (Runge-Kutta) or found (direct step)
    double energia = 0;       // at the final depth
};
// From (xBorde, tiranteBorde) to xBuscado, all taken from entrada.
Calculo<ResultadoPerfil> PerfilRungeKutta(const Variables& entrada);
// From (xBorde, tiranteBorde) to the depth yf.
Calculo<ResultadoPerfil> PerfilPasoDirecto(const Variables& entrada, double yf);

// Whether the boundary depth is, to the four decimals shown, the critical depth
// of the channel, where dy/dx has no value and no profile can start; the value
// is that critical depth. Empty when it is not, or yc cannot be computed.
std::optional<double> BordeEnCritico(const Variables& entrada);

}  // namespace calculo
