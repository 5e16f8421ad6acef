// The calculations a user can ask for: the missing-data rules first, then the
// engine's operations in the order the results were always computed.
#include "calc/Calculos.h"

#include <cmath>

#include "calc/Diseno.h"
#include "engine/Aritmetica.h"
#include "engine/modFuncionesTorvel.h"

namespace calculo {

namespace {

template <class T>
Calculo<T> Rechazar(const Variables& v, Rechazo::Motivo motivo, Dato dato)
{
    return {Rechazo{motivo, dato}, v};
}

template <class T>
Calculo<T> Cero(const Variables& v, Dato dato)
{
    return Rechazar<T>(v, Rechazo::Motivo::Cero, dato);
}

template <class T>
Calculo<T> NoPositivo(const Variables& v, Dato dato)
{
    return Rechazar<T>(v, Rechazo::Motivo::NoPositivo, dato);
}

// Both profiles plot yc, yn and yn*, so the depth range must hold them.
void AmpliarRangoConReferencias(Variables& v)
{
    for (double referencia : {v.tiranteCritico, v.tiranteNormal, v.tiranteNormalConj}) {
        if (v.yMaxGraf < referencia)
            v.yMaxGraf = referencia;
    }
}

// The channel of the main window as the design solver takes it; the side
// slope z is the one the engine computes from the side angle.
std::optional<CanalDiseno> CanalDeVariables(const Variables& v)
{
    CanalDiseno c;
    if (v.esRectangular) {
        c.forma = FormaCanal::Rectangular;
        c.b = v.ancho;
    } else if (v.esTrapezoidal) {
        c.forma = FormaCanal::Trapezoidal;
        c.b = v.anchoFondo;
        const double t = std::tan(v.anguloTalud);
        if (!(t > 0) || !std::isfinite(t))
            return std::nullopt;
        c.z = 1 / t;
    } else if (v.esCircular) {
        c.forma = FormaCanal::Circular;
        c.d = v.diametro;
    } else {
        return std::nullopt;
    }
    c.pendiente = v.pendiente;
    c.n = v.nManning;
    c.caudal = v.caudal;
    return c;
}

// yc and yn by the exact solver, into v as TirantesCriticoNormal leaves them;
// false when the solver does not take the channel's inputs.
bool TirantesExactos(Variables& v)
{
    const std::optional<CanalDiseno> canal = CanalDeVariables(v);
    if (!canal)
        return false;
    const ResultadoDiseno normal = ResolverCanal(*canal, Incognita::Tirante);
    switch (normal.motivo) {
    case MotivoDiseno::DatoFaltante:
    case MotivoDiseno::DatoFueraDeRango:
    case MotivoDiseno::IncognitaNoAplica: return false;
    default: break;
    }
    v.tiranteCritico = TiranteCriticoExacto(*canal).value_or(0);
    v.normalHallado = normal.ok ? VERDADERO : FALSO;
    v.tiranteNormal = normal.ok ? normal.valor : 0;
    return true;
}

}  // namespace

// A depth that was not found (0) is never evaluated, and a pipe that cannot
// carry Q has no further results.
Calculo<ResultadoUniforme> FlujoUniforme(const Variables& entrada, Metodo metodo)
{
    using R = ResultadoUniforme;
    if (entrada.pendiente == 0)
        return Cero<R>(entrada, Dato::Pendiente);
    if (!(entrada.nManning > 0))
        return NoPositivo<R>(entrada, Dato::Manning);
    if (!(entrada.caudal > 0))
        return NoPositivo<R>(entrada, Dato::Caudal);
    if (entrada.errorAdmisible == 0)
        return Cero<R>(entrada, Dato::ErrorAdmisible);

    Variables v = entrada;
    ResultadoUniforme r;
    if (metodo != Metodo::Exacto || !TirantesExactos(v))
        TirantesCriticoNormal(v);
    r.yc = v.tiranteCritico;
    r.yn = v.tiranteNormal;
    const bool circular = v.esCircular != 0;
    r.qLleno = circular && !v.normalHallado;
    if (r.qLleno)
        return {r, v};
    if (r.yc != 0) {
        r.sc = PendienteCritica(v);  // leaves the elements of yc in the state
        r.ec = v.energia;
        if (*r.sc > v.pendiente)
            r.tipo = "M";
        else if (*r.sc < v.pendiente)
            r.tipo = "S";
    }
    if (r.yn != 0) {
        ElementosHidraulicos(v, r.yn);
        r.en = v.energia;
        r.velocidad = v.velocidad;
        r.froude = v.froude;
    }
    if (circular)
        r.pct = r.yn * 100 / v.diametro;
    return {r, v};
}

Calculo<ResultadoElementos> Elementos(const Variables& entrada, double y)
{
    using R = ResultadoElementos;
    if (!(entrada.nManning > 0))
        return NoPositivo<R>(entrada, Dato::Manning);
    if (!(entrada.caudal > 0))
        return NoPositivo<R>(entrada, Dato::Caudal);
    if (!(y > 0))
        return NoPositivo<R>(entrada, Dato::Tirante);
    Variables v = entrada;
    ElementosHidraulicos(v, y);
    return {ResultadoElementos{y}, v};
}

Calculo<ResultadoAlterno> AlternoDeTirante(const Variables& entrada, double y0)
{
    Variables v = entrada;
    const double y = TiranteAlterno(v, y0);
    return {ResultadoAlterno{y}, v};
}

Calculo<ResultadoAlternos> AlternosDeEnergia(const Variables& entrada, double E0)
{
    Variables v = entrada;
    TirantesAlternosEnergia(v, E0);
    return {ResultadoAlternos{v.tiranteAlternoSup, v.tiranteAlternoInf}, v};
}

Calculo<ResultadoConjugado> Conjugado(const Variables& entrada, double y1)
{
    Variables v = entrada;
    const double y2 = TiranteConjugado(v, y1);
    return {ResultadoConjugado{y2}, v};
}

Calculo<ResultadoPerfil> PerfilRungeKutta(const Variables& entrada)
{
    using R = ResultadoPerfil;
    if (entrada.tiranteBorde == 0)
        return Cero<R>(entrada, Dato::TiranteBorde);
    if (entrada.xBuscado == entrada.xBorde)
        return Rechazar<R>(entrada, Rechazo::Motivo::IgualAlBorde, Dato::XBuscado);
    if (!(entrada.nManning > 0))
        return NoPositivo<R>(entrada, Dato::Manning);
    if (!(entrada.caudal > 0))
        return NoPositivo<R>(entrada, Dato::Caudal);
    if (entrada.puntosPerfil == 0)
        return Cero<R>(entrada, Dato::PuntosPerfil);

    Variables v = entrada;
    TirantesCriticoNormal(v);
    CalcularPerfil(v);
    // A profile of its boundary alone: no step could be taken.
    const FinPerfil fin = v.perfil.fin;
    if ((fin == FinPerfil::FueraDeZona || fin == FinPerfil::FueraDeSeccion) &&
        v.perfil.xFin == v.xBorde)
        return Rechazar<R>(entrada, Rechazo::Motivo::SinAvance,
                           BordeEnCritico(entrada) ? Dato::TiranteBorde : Dato::XBuscado);
    // Without a normal depth the yn* of an earlier calculation stays.
    if (v.tiranteNormal != 0)
        v.tiranteNormalConj = ConjugadoDeNormal(v);
    AmpliarRangoConReferencias(v);
    // The elements of the depth found, for whatever shows them next.
    ElementosHidraulicos(v, v.tiranteFinal);
    return {ResultadoPerfil{v.tiranteFinal, v.xBuscado, v.energia}, v};
}

// The table is renewed before anything is checked: a refused direct step
// leaves an empty profile, as it always has.
Calculo<ResultadoPerfil> PerfilPasoDirecto(const Variables& entrada, double yf)
{
    using R = ResultadoPerfil;
    Variables v = entrada;
    v.tiranteBuscado = yf;
    NuevaTablaPerfil(v);
    if (!(v.nManning > 0))
        return NoPositivo<R>(v, Dato::Manning);
    if (!(v.caudal > 0))
        return NoPositivo<R>(v, Dato::Caudal);
    if (!(v.tiranteBorde > 0))
        return NoPositivo<R>(v, Dato::TiranteBorde);
    if (v.puntosPerfil == 0)
        return Cero<R>(v, Dato::PuntosPerfil);
    if (v.tiranteBuscado == v.tiranteBorde)
        return Rechazar<R>(v, Rechazo::Motivo::IgualAlBorde, Dato::TiranteBuscado);

    Variables calculado = v;
    TirantesCriticoNormal(calculado);
    const std::optional<double> x = ::PerfilPasoDirecto(calculado);
    if (!x)
        return Rechazar<R>(calculado, Rechazo::Motivo::ZonasDistintas, Dato::TiranteBuscado);
    ElementosHidraulicos(calculado, calculado.tiranteBuscado);
    return {ResultadoPerfil{calculado.tiranteBuscado, *x, calculado.energia}, calculado};
}

std::optional<double> BordeEnCritico(const Variables& entrada)
{
    Variables v = entrada;
    try {
        TirantesCriticoNormal(v);
    } catch (const ErrorCalculo&) {
        return std::nullopt;
    }
    // Compared as the boxes show both depths.
    if (aritmetica::Redondear(v.tiranteBorde, 4) != aritmetica::Redondear(v.tiranteCritico, 4))
        return std::nullopt;
    return v.tiranteCritico;
}

}  // namespace calculo
