// Critical and normal depths by marching scans.
//
//   ResiduoNormal          the Manning residual whose change of sign is yn
//   TirantesCriticoNormal  yc and yn for the current channel
//   PendienteCritica       the slope whose normal depth is yc
//
// Apart from the closed-form critical depth of a rectangle, both depths are
// found the same way: step upwards from 0.001 m by half the admissible error
// and take the first grid point where a residual changes sign. There is no
// refinement, so the result is a grid point just above the root, built by
// repeated addition (the last digits of the results depend on it).
#include "engine/modFuncionesTorvel.h"

#include <cmath>

#include "engine/Aritmetica.h"
#include "engine/Evaluador.h"

using aritmetica::Comprobador;
using aritmetica::Signo;

namespace {

constexpr double kPrimerTirante = 0.001;
constexpr double kTopeAbierto = 50.0;  // upper end for rectangles and trapezoids

// Steps one scan may take: 2,000,000 steps cover 50 m with an admissible
// error of 0.00005 m, or a yn of 1 m with one of 0.000001 m, and take well under
// a second even where every element is evaluated in full.
constexpr long kPasosMaximosBarrido = 2'000'000;

// Scans y = 0.001, 0.001 + h, ... calling hallado(y) at every change of sign of
// residuo; the scan ends when hallado returns true or y passes the upper end.
// A circle's scan stays strictly below its diameter, where the section closes.
// Only a scan that really takes more steps than the budget is refused, as is a
// step that would not advance.
template <class Residuo, class Hallado>
void Barrer(Variables& v, double tope, bool bajoTope, Residuo residuo, Hallado hallado)
{
    const double h = v.errorAdmisible / 2;
    if (!(h > 0) || !std::isfinite(h))
        throw ErrorCalculo(TipoError::PasoDemasiadoFino, Operacion::BarridoTirantes, tope);
    int signoPrevio = Signo(residuo(kPrimerTirante));
    long pasos = 0;
    for (double y = kPrimerTirante; bajoTope ? y < tope : y <= tope; y = y + h) {
        if (++pasos > kPasosMaximosBarrido)
            throw ErrorCalculo(TipoError::PasoDemasiadoFino, Operacion::BarridoTirantes, tope);
        const int signo = Signo(residuo(y));
        if (signo != signoPrevio && hallado(y))
            return;
        signoPrevio = signo;
    }
}

// The scans of TirantesCriticoNormal; the residuals are evaluated by the
// Evaluador, which leaves the state behind until AlDia.
void Escanear(Variables& v, Evaluador& evaluador)
{
    const bool buscarNormal = v.nManning > 0 && v.pendiente > 0;

    auto critico = [&evaluador](double y) { return evaluador.ResiduoCritico(y); };
    auto normal = [&evaluador](double y) { return evaluador.ResiduoNormal(y); };
    auto primerCritico = [&v](double y) {
        v.tiranteCritico = y;
        return true;
    };
    auto primerNormal = [&v](double y) {
        v.tiranteNormal = y;
        return true;
    };

    if (v.esRectangular) {
        const Comprobador c(Operacion::TiranteCritico, v.caudal);
        v.tiranteCritico =
            c.potencia(c.dividir(c.dividir(v.caudal, c.potencia(9.81, 0.5)), v.ancho), 2.0 / 3.0);
        if (buscarNormal)
            Barrer(v, kTopeAbierto, false, normal, primerNormal);
    } else if (v.esTrapezoidal) {
        Barrer(v, kTopeAbierto, false, critico, primerCritico);
        if (buscarNormal)
            Barrer(v, kTopeAbierto, false, normal, primerNormal);
    } else if (v.esCircular) {
        // A part-full pipe can change sign more than once: the critical scan
        // keeps the last change, the normal scan the first, and both run to
        // the crown.
        Barrer(v, v.diametro, true, critico, [&v](double y) {
            v.tiranteCritico = y;
            return false;
        });
        if (buscarNormal) {
            Barrer(v, v.diametro, true, normal, [&v](double y) {
                if (!v.normalHallado) {
                    v.tiranteNormal = y;
                    v.normalHallado = VERDADERO;
                }
                return false;
            });
        }
    }
}

}  // namespace

double ResiduoNormal(Variables& v, double y)
{
    ElementosHidraulicos(v, y);
    const Comprobador c(Operacion::BarridoTirantes, y);
    const double conduccion = c.finito(c.potencia(v.radioHidraulico, 2.0 / 3.0) *
                                       (c.dividir(1, v.nManning) * c.potencia(v.pendiente, 0.5)));
    return c.finito(c.dividir(v.caudal, v.area) - conduccion);
}

void TirantesCriticoNormal(Variables& v)
{
    v.tiranteNormal = 0;
    v.tiranteCritico = 0;
    v.normalHallado = FALSO;
    Evaluador evaluador(v);
    try {
        Escanear(v, evaluador);
    } catch (...) {
        evaluador.AlDia();
        throw;
    }
    evaluador.AlDia();
}

double PendienteCritica(Variables& v)
{
    ElementosHidraulicos(v, v.tiranteCritico);
    const Comprobador c(Operacion::ElementosSeccion, v.tiranteCritico);
    const double base = c.dividir(c.dividir(c.finito(v.caudal * v.nManning), v.area),
                                  c.potencia(v.radioHidraulico, 2.0 / 3.0));
    return c.potencia(base, 2);
}
