// Quick evaluations for the loops that call the section elements tens of
// thousands of times: the depth scans and the Runge-Kutta profile. Internal to
// the engine.
//
// ElementosHidraulicos computes and checks every element and writes them all
// into the state. A scan's test needs only the Froude number or the Manning
// residual, and a profile step only dy/dx, so the Evaluador computes just those,
// with the same operations in the same order (the results are the same to the
// last bit), without writing the state, and with the channel's constants (a
// trapezoid's side slope, Q^2, ...) worked out once per calculation.
//
// It does so only where none of the skipped operations could fail: the
// channel's lengths, discharge and roughness, and the depth, area, perimeter and
// top width, all lie between 1e-15 and 1e15 in magnitude (then every element is
// a finite number and no divisor is zero). Anywhere else it first brings the
// state up to date and then evaluates in full, so that the state left behind
// and any error thrown are exactly those of the full evaluation at every depth.
// AlDia must be called when the loop ends, normally or by an exception, to
// leave in the state the full elements of the last depth evaluated.
#pragma once

#include "state/Variables.h"

class Evaluador {
public:
    explicit Evaluador(Variables& v);

    // froude^2 - 1 after ElementosHidraulicos(y): the critical depth scan's residual.
    double ResiduoCritico(double y);
    // ResiduoNormal(v, y).
    double ResiduoNormal(double y);
    // PendienteSuperficie(v, y).
    double PendienteSuperficie(double y);

    // Writes into the state what the full evaluations would have left there.
    void AlDia();

private:
    struct Seccion {
        double area, perimetro, anchoSup;
    };
    enum class Completa { Ninguna, Elementos, Pendiente };
    enum class Forma { Ninguna, Rectangular, Trapezoidal, Circular };

    bool CalcularSeccion(double y, Seccion& s) const;
    template <class Funcion>
    double EnCompleto(Funcion completa);
    void Rapida(double y, Completa completa);

    Variables& v_;
    Forma forma_ = Forma::Ninguna;  // Ninguna also where the constants forbid quick evaluations
    bool normalRapido_ = false;     // and so does 1/n * S^0.5
    double z_ = 0, raizZ_ = 0, d2_ = 0, q2_ = 0, n2q2_ = 0, conduccion_ = 0;

    // The state lags behind by the full evaluation of this depth.
    Completa atrasada_ = Completa::Ninguna;
    double yAtrasada_ = 0;
    // dy/dx there when it was a quick PendienteSuperficie: a profile step
    // asks for the slope at its starting depth twice.
    double pendienteAtrasada_ = 0;
};
