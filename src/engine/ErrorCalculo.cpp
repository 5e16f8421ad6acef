#include "engine/ErrorCalculo.h"

#include <string>

#include "engine/Csv.h"

namespace {

const char* NombreTipo(TipoError tipo)
{
    switch (tipo) {
    case TipoError::DivisionPorCero: return "division by zero";
    case TipoError::OperacionInvalida: return "invalid operation";
    case TipoError::Desbordamiento: return "overflow";
    case TipoError::Desbordamiento16: return "16-bit overflow";
    case TipoError::SinResultado: return "no result within bounds";
    case TipoError::PasoDemasiadoFino: return "admissible error too small";
    }
    return "calculation error";
}

const char* NombreOperacion(Operacion operacion)
{
    switch (operacion) {
    case Operacion::ElementosSeccion: return "section elements";
    case Operacion::TiranteCritico: return "critical depth";
    case Operacion::BarridoTirantes: return "critical and normal depth scan";
    case Operacion::MarchaAlterno: return "alternate depth";
    case Operacion::MarchaConjugado: return "conjugate depth";
    case Operacion::PerfilRungeKutta: return "Runge-Kutta profile";
    case Operacion::PasoDirecto: return "direct step profile";
    case Operacion::ConversionAngulo: return "angle conversion";
    }
    return "calculation";
}

// The figure in full and with ".", whatever the C locale.
std::string Mensaje(TipoError tipo, Operacion operacion, double valor)
{
    std::string texto = std::string(NombreTipo(tipo)) + " in " + NombreOperacion(operacion);
    if (!std::isnan(valor))
        texto += " at " + NumeroExacto(valor);
    return texto;
}

}  // namespace

ErrorCalculo::ErrorCalculo(TipoError tipo, Operacion operacion, double valor)
    : std::runtime_error(Mensaje(tipo, operacion, valor)), tipo_(tipo), operacion_(operacion),
      valor_(valor)
{
}
