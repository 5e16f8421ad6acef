// Checked arithmetic for the engine. The formulas are evaluated exactly as
// written (std::pow for every power, left to right), but every division,
// square root and power goes through a Comprobador, which throws ErrorCalculo
// where plain IEEE arithmetic would hand back an infinity or a NaN and let it
// spread silently through the rest of the calculation. Rows of the profile
// table are reached the same way, through FilaPerfil.
#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "engine/ErrorCalculo.h"
#include "state/Variables.h"

namespace aritmetica {

class Comprobador {
public:
    // operacion and valor (usually the depth being evaluated) describe the
    // calculation in the error, should one be thrown.
    Comprobador(Operacion operacion, double valor) : operacion_(operacion), valor_(valor) {}

    double dividir(double a, double b) const
    {
        operandos(a, b);
        if (b == 0)
            fallar(a == 0 ? TipoError::OperacionInvalida : TipoError::DivisionPorCero);
        return finito(a / b);
    }

    double raiz(double a) const
    {
        operandos(a, 0);
        if (a < 0)
            fallar(TipoError::OperacionInvalida);
        return std::sqrt(a);
    }

    double potencia(double base, double exponente) const
    {
        operandos(base, exponente);
        if (base == 0 && exponente < 0)
            fallar(TipoError::DivisionPorCero);
        return finito(std::pow(base, exponente));
    }

    // A sum or product is checked once its result is known: an overflow shows
    // up as an infinity, an undefined result (inf - inf, 0 * inf) as a NaN.
    double finito(double r) const
    {
        if (!EsFinito(r))
            noFinito(r);
        return r;
    }

    // Out of line and marked cold: the checks stay a comparison or two on the
    // path every evaluation takes.
    [[noreturn, gnu::cold, gnu::noinline]] void fallar(TipoError tipo) const
    {
        throw ErrorCalculo(tipo, operacion_, valor_);
    }

private:
    // False for infinities and NaN alike, in one comparison.
    static bool EsFinito(double r) { return std::abs(r) <= std::numeric_limits<double>::max(); }

    [[noreturn, gnu::cold, gnu::noinline]] void noFinito(double r) const
    {
        fallar(std::isnan(r) ? TipoError::OperacionInvalida : TipoError::Desbordamiento);
    }

    // An operand that is already infinite or NaN comes from an overflow that
    // would otherwise be hidden, for example by dividing by it.
    void operandos(double a, double b) const
    {
        if (!EsFinito(a) || !EsFinito(b)) {
            finito(a);
            finito(b);
        }
    }

    Operacion operacion_;
    double valor_;
};

// -1, 0 or +1.
inline int Signo(double x)
{
    return (x > 0) - (x < 0);
}

// a + b in 16-bit signed arithmetic, where leaving -32768..32767 is a fault.
inline int16_t Sumar16(int a, int b, Operacion operacion)
{
    const int suma = a + b;
    if (suma < INT16_MIN || suma > INT16_MAX)
        throw ErrorCalculo(TipoError::Desbordamiento16, operacion, suma);
    return static_cast<int16_t>(suma);
}

// The exact binary value rounded to the given decimals, halves to the even
// digit: to_chars rounds the exact value (and never looks at the C locale),
// from_chars reads the rounded text back as the nearest double.
inline double Redondear(double valor, int decimales)
{
    if (!std::isfinite(valor))
        return valor;
    decimales = std::clamp(decimales, 0, 1100);  // beyond 1074 every double is exact
    std::string texto(decimales + 330, '\0');    // sign, 309 digits, point, decimals
    const auto fin = std::to_chars(texto.data(), texto.data() + texto.size(), valor,
                                   std::chars_format::fixed, decimales)
                         .ptr;
    double resultado = valor;
    std::from_chars(texto.data(), fin, resultado);
    return resultado + 0.0;  // -0 becomes 0
}

// Row fila of the profile table; a row outside it is a fault of the profile
// (operacion) that asked for it, never a read past the end.
inline std::array<double, 3>& FilaPerfil(Variables& v, int fila, Operacion operacion)
{
    if (fila < 0 || fila >= static_cast<int>(v.tablaPerfil.size()))
        throw ErrorCalculo(TipoError::OperacionInvalida, operacion, fila);
    return v.tablaPerfil[fila];
}

}  // namespace aritmetica
