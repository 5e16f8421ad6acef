// solve: the channel design window's exact solution from the command line. The
// same solver (ResolverCanal) gives the same numbers as the window's results;
// a refused input names its option, a channel with no answer says why.
#include <cmath>
#include <string>

#include "captions/Numeros.h"
#include "cli/Comandos.h"
#include "engine/Csv.h"
#include "engine/modFuncionesTorvel.h"

namespace {

const char* const kNombres[] = {"q", "depth", "b", "d", "z", "slope", "n"};

const char* NombreDe(Incognita dato)
{
    return kNombres[static_cast<int>(dato)];
}

const char* UnidadDe(const std::string& clave)
{
    static const std::pair<const char*, const char*> kUnidades[] = {
        {"q", "m3/s"},   {"depth", "m"},    {"b", "m"},         {"d", "m"},
        {"z", "H/V"},    {"angle", "deg"},  {"slope", "m/m"},   {"n", "s/m^(1/3)"},
        {"A", "m2"},     {"P", "m"},        {"R", "m"},         {"T", "m"},
        {"V", "m/s"},    {"E", "m"},        {"tau", "Pa"},      {"yc", "m"},
        {"Sc", "m/m"},   {"pct_full", "%"}, {"q_full", "m3/s"}, {"q_max", "m3/s"},
        {"y_qmax", "m"}, {"depth_2", "m"},
    };
    for (const auto& [nombre, unidad] : kUnidades)
        if (clave == nombre)
            return unidad;
    return "";
}

const char* NombreForma(FormaCanal forma)
{
    switch (forma) {
    case FormaCanal::Rectangular: return "rect";
    case FormaCanal::Trapezoidal: return "trap";
    case FormaCanal::Circular: break;
    }
    return "circle";
}

const char* NombreRegimen(Regimen regimen)
{
    switch (regimen) {
    case Regimen::Subcritico: return "subcritical";
    case Regimen::Critico: return "critical";
    case Regimen::Supercritico: break;
    }
    return "supercritical";
}

// The option at fault and the text it held: "--q: \"0\"".
std::string Opcion(const Pedido& p, Incognita dato)
{
    const int i = static_cast<int>(dato);
    return p.opcionDe[i] + ": \"" + p.textoDe[i] + "\"";
}

std::string Rango(Incognita dato)
{
    const RangoDato r = RangoDeDato(dato);
    return NumeroExacto(r.minimo) + " to " + NumeroExacto(r.maximo);
}

// Why the solver gave no answer: a usage error for an input at fault (status
// 2), a failed calculation when no value of the unknown fits (status 1).
[[noreturn]] void Rechazar(const Pedido& p, const ResultadoDiseno& r)
{
    const std::string incognita = std::string("--for ") + NombreDe(p.incognita);
    const bool esIncognita = r.dato == p.incognita;
    switch (r.motivo) {
    case MotivoDiseno::TuboNoConduce:
        throw FalloCalculo("solve: " + Opcion(p, Incognita::Caudal) +
                           ": the pipe cannot carry that discharge; its largest discharge is "
                           "q_max = " +
                           NumeroExacto(r.capacidad.qMax) + " m3/s, at a depth of y_qmax = " +
                           NumeroExacto(r.capacidad.yQMax) + " m");
    case MotivoDiseno::SinSolucionEnRango:
        throw FalloCalculo("solve: " + incognita + ": no value of " + NombreDe(r.dato) +
                           " between " + Rango(r.dato) +
                           " gives that discharge with the other inputs");
    case MotivoDiseno::Desbordamiento:
        throw FalloCalculo("solve: " + incognita + ": a result is too large");
    case MotivoDiseno::TuboCasiVacio:
        if (esIncognita)
            throw FalloCalculo("solve: " + incognita +
                               ": the depth would be less than 0.001 times the diameter");
        throw ErrorUso(Opcion(p, r.dato) + " is less than 0.001 times the diameter");
    case MotivoDiseno::TiranteSobreDiametro:
        if (esIncognita)
            throw FalloCalculo("solve: " + incognita +
                               ": the depth would reach the diameter; the pipe would run full");
        throw ErrorUso(Opcion(p, r.dato) +
                       " reaches or exceeds the diameter; the pipe would run full");
    case MotivoDiseno::DatoFueraDeRango:
        if (!esIncognita) {
            std::string motivo = " is outside the admitted range (" + Rango(r.dato) + ")";
            if (p.opcionDe[static_cast<int>(r.dato)] == "--angle")
                motivo = " gives a side slope z = " + NumeroExacto(p.diseno.z) +
                         " outside the admitted range (" + Rango(r.dato) + ")";
            throw ErrorUso(Opcion(p, r.dato) + motivo);
        }
        break;
    case MotivoDiseno::DatoFaltante:
        if (!esIncognita)
            throw ErrorUso(Opcion(p, r.dato) +
                           (r.dato == Incognita::Ancho && p.diseno.forma == FormaCanal::Trapezoidal
                                ? " must be 0 or a number above 0"
                                : " must be a number above 0"));
        break;
    case MotivoDiseno::IncognitaNoAplica:
        throw ErrorUso(incognita + ": the section has no " + NombreDe(r.dato));
    case MotivoDiseno::Ninguno: break;
    }
    throw FalloCalculo("solve: " + incognita + ": the channel could not be solved");
}

}  // namespace

Resultado Resolver(const Pedido& p)
{
    const ResultadoDiseno r = ResolverCanal(p.diseno, p.incognita);
    if (!r.ok)
        Rechazar(p, r);
    const CanalDiseno& c = r.canal;
    const ElementosSeccion& e = r.elementos;
    const bool circular = c.forma == FormaCanal::Circular;
    const bool trapecio = c.forma == FormaCanal::Trapezoidal;
    const auto siAplica = [](bool aplica, double valor) {
        return aplica ? std::optional<double>(valor) : std::nullopt;
    };
    std::optional<double> angulo;
    if (trapecio) {
        try {
            angulo = TaludAGrados(c.z);
        } catch (const ErrorCalculo&) {
            throw FalloCalculo(std::string("solve: --for ") + NombreDe(p.incognita) +
                               ": the side angle of z = " + NumeroExacto(c.z) +
                               " cannot be computed");
        }
    }
    const std::pair<const char*, std::optional<double>> numeros[] = {
        {"value", r.valor},
        {"b", siAplica(!circular, c.b)},
        {"d", siAplica(circular, c.d)},
        {"z", siAplica(trapecio, c.z)},
        {"angle", angulo},
        {"slope", c.pendiente},
        {"n", c.n},
        {"q", c.caudal},
        {"depth", c.tirante},
        {"A", e.area},
        {"P", e.perimetro},
        {"R", e.radioHidraulico},
        {"T", e.anchoSup},
        {"V", e.velocidad},
        {"Fr", e.froude},
        {"E", e.energia},
        {"tau", e.tension},
        {"yc", r.tiranteCritico},
        {"Sc", r.pendienteCritica},
        {"pct_full", siAplica(circular, r.pctLleno)},
        {"q_full", siAplica(circular, r.capacidad.qLleno)},
        {"q_max", siAplica(circular, r.capacidad.qMax)},
        {"y_qmax", siAplica(circular, r.capacidad.yQMax)},
        {"depth_2", circular ? r.segundoTirante : std::nullopt},
    };
    // A figure that is not finite is never given as an answer.
    for (const auto& [nombre, valor] : numeros)
        if (valor && !std::isfinite(*valor))
            throw FalloCalculo(std::string("solve: --for ") + NombreDe(p.incognita) +
                               ": a result is too large");

    const bool texto = p.formato == Formato::Texto;
    Resultado salida;
    auto poner = [&](const std::string& clave, const char* unidad, Celda celda) {
        std::string nombre = clave;
        if (texto && unidad[0] != '\0')
            nombre += std::string(" (") + unidad + ")";
        salida.campos.push_back({nombre, std::move(celda)});
    };
    auto numero = [&](const char* clave, const std::optional<double>& valor) {
        const char* unidad = std::string(clave) == "value" ? UnidadDe(NombreDe(p.incognita))
                                                           : UnidadDe(clave);
        if (!valor) {
            poner(clave, unidad, Celda());
        } else if (texto) {
            // As the window shows it: four decimals, or four figures for a small value.
            const double x = *valor;
            const QString legible = x != 0 && std::fabs(x) < 0.001 ? NumeroATexto(x, 4)
                                                                   : TextoRedondeado(x, 4);
            poner(clave, unidad, Celda::Texto(legible.toStdString()));
        } else {
            poner(clave, unidad, Celda::Numero(*valor));
        }
    };
    poner("unknown", "", Celda::Texto(NombreDe(p.incognita)));
    numero("value", r.valor);
    poner("shape", "", Celda::Texto(NombreForma(c.forma)));
    for (const auto& [nombre, valor] : numeros) {
        if (std::string(nombre) == "value")
            continue;
        const std::string clave = nombre;
        if (!circular && (clave == "pct_full" || clave == "q_full" || clave == "q_max" ||
                          clave == "y_qmax" || clave == "depth_2"))
            continue;
        if (clave == "depth_2" && !valor)
            continue;
        numero(nombre, valor);
        if (clave == "Sc")
            poner("regime", "", Celda::Texto(NombreRegimen(r.regimen)));
    }
    poner("warning", "",
          r.casiCritico ? Celda::Texto("the Froude number is close to 1 (|Fr - 1| < 0.1); the "
                                       "surface will be unstable and wavy")
                        : Celda());
    return salida;
}
