// Alternate depths (equal specific energy) and conjugate depths (equal
// momentum, the two depths of a hydraulic jump).
//
//   TiranteAlterno           the alternate depth of a given depth
//   TirantesAlternosEnergia  both alternate depths of a given energy
//   TiranteConjugado         the sequent depth of a given depth, or -1
//   ConjugadoDeNormal        the sequent depth of yn for the plot, or 0 for none
//
// All three march from the critical depth in steps of 0.0001 m, away from the
// given depth's side, and stop at the first depth whose energy (or momentum)
// reaches the target. The march is bounded: it never goes more than 50 m from
// the critical depth, above a pipe's crown or down to the bed, so a target far
// beyond the channel's range ends with an error instead of running for hours.
#include "engine/modFuncionesTorvel.h"

#include <cmath>

#include "engine/Aritmetica.h"

namespace {

constexpr double kPaso = 0.0001;
constexpr long kPasosMaximos = 500'000;  // 50 m of march
constexpr double kDistanciaMaxima = kPasosMaximos * kPaso;

double Energia(const Variables& v)
{
    return v.energia;
}
double Momento(const Variables& v)
{
    return v.cantMovimiento;
}

// Marches from yc (where the quantity is 'actual') up or down until
// objetivo <= the quantity, evaluated by ElementosHidraulicos at each step.
// The running depth accumulates the steps.
double Marchar(Variables& v, double yc, double actual, double objetivo, bool haciaArriba,
               double (*cantidad)(const Variables&), Operacion operacion)
{
    double y = yc;
    for (long pasos = 0; !(objetivo <= actual); ++pasos) {
        if (pasos == kPasosMaximos) {
            const double limite = haciaArriba ? yc + kDistanciaMaxima : yc - kDistanciaMaxima;
            throw ErrorCalculo(TipoError::SinResultado, operacion, limite);
        }
        y = haciaArriba ? y + kPaso : y - kPaso;
        if (haciaArriba && v.esCircular && y >= v.diametro)
            throw ErrorCalculo(TipoError::SinResultado, operacion, v.diametro);
        if (!haciaArriba && y <= 0)
            throw ErrorCalculo(TipoError::SinResultado, operacion, 0.0);
        ElementosHidraulicos(v, y);
        actual = cantidad(v);
    }
    return y;
}

// The depth on the other side of yc whose quantity equals that of y0.
double OtroLado(Variables& v, double y0, double objetivo, double (*cantidad)(const Variables&),
                Operacion operacion)
{
    const double yc = v.tiranteCritico;
    ElementosHidraulicos(v, yc);
    const double actual = cantidad(v);
    if (y0 < yc)
        return Marchar(v, yc, actual, objetivo, true, cantidad, operacion);
    if (y0 == yc)
        return yc;
    return Marchar(v, yc, actual, objetivo, false, cantidad, operacion);
}

}  // namespace

double TiranteAlterno(Variables& v, double y0)
{
    TirantesCriticoNormal(v);
    ElementosHidraulicos(v, y0);
    const double objetivo = v.energia;
    return OtroLado(v, y0, objetivo, Energia, Operacion::MarchaAlterno);
}

void TirantesAlternosEnergia(Variables& v, double E0)
{
    TirantesCriticoNormal(v);
    const double yc = v.tiranteCritico;
    ElementosHidraulicos(v, yc);
    const double Ec = v.energia;
    v.tiranteAlternoSup = Marchar(v, yc, Ec, E0, true, Energia, Operacion::MarchaAlterno);
    v.tiranteAlternoInf = Marchar(v, yc, Ec, E0, false, Energia, Operacion::MarchaAlterno);
}

double TiranteConjugado(Variables& v, double y1)
{
    TirantesCriticoNormal(v);
    // A depth at or below the bed has no jump; its section cannot even be
    // evaluated (zero area, or the root of a negative Froude term).
    if (y1 <= 0)
        return -1;
    ElementosHidraulicos(v, y1);
    const double objetivo = v.cantMovimiento;
    if (objetivo <= 0)
        return -1;
    return OtroLado(v, y1, objetivo, Momento, Operacion::MarchaConjugado);
}

double ConjugadoDeNormal(Variables& v)
{
    try {
        return TiranteConjugado(v, v.tiranteNormal);
    } catch (const ErrorCalculo&) {
        return 0;
    }
}
