// The one error the hydraulic engine throws. A calculation that cannot go on
// (a zero divisor, the root of a negative number, a result too large, a 16-bit
// count out of range, a march that finds nothing within its bounds) ends by
// throwing ErrorCalculo; the window that started it catches it and explains it.
#pragma once

#include <cmath>
#include <stdexcept>

enum class TipoError {
    DivisionPorCero,    // a divisor was exactly zero
    OperacionInvalida,  // root of a negative number, 0/0, or any other undefined result
    Desbordamiento,     // a result too large for a double
    Desbordamiento16,   // a 16-bit count left the range -32768..32767
    SinResultado,       // a march or scan reached its bound without finding the depth
    PasoDemasiadoFino,  // the admissible error makes a scan too long to run
};

// What the engine was computing when it failed.
enum class Operacion {
    ElementosSeccion,  // the section elements for one depth
    TiranteCritico,    // the closed-form critical depth of a rectangle
    BarridoTirantes,   // the critical and normal depth scans
    MarchaAlterno,     // the alternate-depth marches
    MarchaConjugado,   // the conjugate-depth march
    PerfilRungeKutta,  // the Runge-Kutta profile and its table
    PasoDirecto,       // the direct step profile and its table
    ConversionAngulo,  // a conversion between side slope and angle
};

class ErrorCalculo : public std::runtime_error {
public:
    // valor: the depth at which it failed (m), or for SinResultado the bound
    // reached (m), for PasoDemasiadoFino the scan's upper end (m), for
    // Desbordamiento16 the count concerned. NaN when nothing applies.
    ErrorCalculo(TipoError tipo, Operacion operacion, double valor = std::nan(""));

    TipoError tipo() const { return tipo_; }
    Operacion operacion() const { return operacion_; }
    double valor() const { return valor_; }
    bool tieneValor() const { return !std::isnan(valor_); }

private:
    TipoError tipo_;
    Operacion operacion_;
    double valor_;
};
