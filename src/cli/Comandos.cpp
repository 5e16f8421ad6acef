// Each command runs the engine the way the matching panel of the main window
// does, with the same checks for missing data, and returns every number the
// panel shows, unrounded.
#include "cli/Comandos.h"

#include "captions/modBelco.h"
#include "engine/Csv.h"
#include "engine/modFuncionesTorvel.h"

namespace {

[[noreturn]] void DatoFaltante(const char* nombre, double valor, const char* motivo)
{
    throw ErrorUso(std::string(nombre) + ": \"" + NumeroExacto(valor) + "\" " + motivo);
}

Campo Numero(const char* nombre, double valor)
{
    return {nombre, Celda::De(valor)};
}

Campo Opcional(const char* nombre, const std::optional<double>& valor)
{
    return {nombre, valor ? Celda::De(*valor) : Celda()};
}

// yn, shown as the window shows it for a pipe that cannot carry Q.
Celda CeldaNormal(const FlujoUniforme& f)
{
    Celda celda = Celda::De(f.yn);
    if (f.qLleno)
        celda.leyenda = "Q LLENO";
    return celda;
}

// Runs a calculation, turning an engine fault into the panel's explanation.
template <class Calculo>
auto Calcular(const QString& queFallo, Calculo calculo)
{
    try {
        return calculo();
    } catch (const ErrorCalculo& e) {
        throw FalloCalculo(queFallo, e);
    }
}

const char* NombreFin(FinPerfil fin)
{
    switch (fin) {
    case FinPerfil::Alcanzado: return "reached";
    case FinPerfil::FueraDeZona: return "zone";
    case FinPerfil::Inversion: return "reversal";
    }
    return "";
}

// The profile's points: rows 1 to N + 2 whose depth is not 0.
void TablaPerfil(const Variables& v, Resultado& r)
{
    r.nombreTabla = "table";
    r.columnas = {"x", "y"};
    r.filasComoListas = true;
    for (std::size_t fila = 1; fila < v.tablaPerfil.size(); ++fila) {
        if (v.tablaPerfil[fila][2] != 0)
            r.filas.push_back(
                {Celda::De(v.tablaPerfil[fila][1]), Celda::De(v.tablaPerfil[fila][2])});
    }
}

// The direct step panel: a refused profile is a fault with its reason.
double PasoDirectoDePanel(Variables& v)
{
    if (v.tiranteBuscado == v.tiranteBorde)
        throw FalloCalculo(capFalloPasoDirecto.toStdString() + ": " +
                           capPasoDirectoIguales.toStdString());
    TirantesCriticoNormal(v);
    const std::optional<double> x = PerfilPasoDirecto(v);
    if (!x)
        throw FalloCalculo(capFalloPasoDirecto.toStdString() +
                           ": the boundary depth and the depth sought lie in different zones "
                           "of the profile (Yo & Yf incorrectos).");
    ElementosHidraulicos(v, v.tiranteBuscado);
    return *x;
}

}  // namespace

FalloCalculo::FalloCalculo(const QString& queFallo, const ErrorCalculo& e)
    : std::runtime_error(
          (queFallo + QStringLiteral(": ") + ExplicarError(e) + QStringLiteral(".")).toStdString())
{
}

void ComprobarUniforme(const Variables& v, const char* pendiente, const char* n, const char* q)
{
    if (v.pendiente == 0)
        DatoFaltante(pendiente, v.pendiente, "is missing data: the bed slope must not be 0");
    if (!(v.nManning > 0))
        DatoFaltante(n, v.nManning, "is missing data: Manning's n must be positive");
    if (!(v.caudal > 0))
        DatoFaltante(q, v.caudal, "is missing data: the discharge must be positive");
}

// As the uniform-flow panel: a depth that was not found (0) is never
// evaluated, and a pipe that cannot carry Q has no further results.
FlujoUniforme CalcularUniforme(Variables v)
{
    FlujoUniforme f;
    TirantesCriticoNormal(v);
    f.yc = v.tiranteCritico;
    f.yn = v.tiranteNormal;
    const bool circular = v.esCircular != 0;
    f.qLleno = circular && !v.normalHallado;
    if (f.qLleno)
        return f;
    if (f.yc != 0) {
        f.sc = PendienteCritica(v);
        f.ec = v.energia;
        if (*f.sc > v.pendiente)
            f.tipo = "M";
        else if (*f.sc < v.pendiente)
            f.tipo = "S";
    }
    if (f.yn != 0) {
        ElementosHidraulicos(v, f.yn);
        f.en = v.energia;
        f.velocidad = v.velocidad;
        f.froude = v.froude;
    }
    if (circular)
        f.pct = f.yn * 100 / v.diametro;
    return f;
}

std::vector<Campo> CamposUniforme(const FlujoUniforme& f, bool circular)
{
    std::vector<Campo> campos = {
        Numero("yc", f.yc),
        {"yn", CeldaNormal(f)},
        {"yn_found", Celda::De(f.yn != 0)},
        Opcional("Sc", f.sc),
        {"slope_type", Celda::De(f.tipo)},
        Opcional("Ec", f.ec),
        Opcional("En", f.en),
    };
    if (circular)
        campos.push_back(Opcional("pct_diameter", f.pct));
    return campos;
}

std::vector<Campo> CamposElementos(const Variables& v)
{
    return {Numero("A", v.area),
            Numero("P", v.perimetro),
            Numero("R", v.radioHidraulico),
            Numero("T", v.anchoSup),
            Numero("D_h", v.profHidraulica),
            Numero("V", v.velocidad),
            Numero("Fr", v.froude),
            Numero("E", v.energia),
            Numero("M", v.cantMovimiento),
            Numero("Sf", v.pendFriccion),
            Numero("tau", v.tension),
            Numero("centroid", v.profCentroide)};
}

Resultado Uniforme(const Pedido& p)
{
    ComprobarUniforme(p.canal, "--slope", "--n", "--q");
    const FlujoUniforme f =
        Calcular(capFalloFlujoUniforme, [&] { return CalcularUniforme(p.canal); });
    return {CamposUniforme(f, p.canal.esCircular != 0), {}, {}, {}, false};
}

Resultado Elementos(const Pedido& p)
{
    Variables v = p.canal;
    const double y = *p.tirante;
    // The parameters-of-interest window asks for these before it calculates.
    if (!(v.nManning > 0))
        DatoFaltante("--n", v.nManning, "is missing data: Manning's n must be positive");
    if (!(v.caudal > 0))
        DatoFaltante("--q", v.caudal, "is missing data: the discharge must be positive");
    if (!(y > 0))
        DatoFaltante("--depth", y, "is missing data: the depth must be positive");
    Calcular(capFalloParametros, [&] { ElementosHidraulicos(v, y); });
    return {CamposElementos(v), {}, {}, {}, false};
}

Resultado Alterno(const Pedido& p)
{
    Variables v = p.canal;
    Resultado r;
    if (p.tirante) {
        const double y = Calcular(capFalloAlterno, [&] { return TiranteAlterno(v, *p.tirante); });
        r.campos.push_back(Numero("alt_depth", y));
    } else {
        Calcular(capFalloAlterno, [&] { TirantesAlternosEnergia(v, *p.energia); });
        r.campos.push_back(Numero("alt_sup", v.tiranteAlternoSup));
        r.campos.push_back(Numero("alt_inf", v.tiranteAlternoInf));
    }
    return r;
}

Resultado Conjugado(const Pedido& p)
{
    Variables v = p.canal;
    const double y = Calcular(capFalloConjugado, [&] { return TiranteConjugado(v, *p.tirante); });
    return {{Numero("conj_depth", y)}, {}, {}, {}, false};
}

Resultado Perfil(const Pedido& p)
{
    Variables v = p.canal;
    v.xBorde = p.x0;
    v.tiranteBorde = p.y0;
    if (!(v.nManning > 0))
        DatoFaltante("--n", v.nManning, "is missing data: Manning's n must be positive");
    if (!(v.caudal > 0))
        DatoFaltante("--q", v.caudal, "is missing data: the discharge must be positive");
    Resultado r;
    if (p.xf) {
        v.xBuscado = *p.xf;
        if (v.tiranteBorde == 0)
            DatoFaltante("--y0", v.tiranteBorde, "is missing data: the depth must not be 0");
        if (v.xBuscado == v.xBorde)
            DatoFaltante("--xf", v.xBuscado, "is missing data: it must differ from --x0");
        Calcular(capFalloRungeKutta, [&] {
            TirantesCriticoNormal(v);
            CalcularPerfil(v);
            ElementosHidraulicos(v, v.tiranteFinal);
        });
        r.campos = {{"method", Celda::De(std::string("rk"))}, Numero("yf", v.tiranteFinal)};
    } else {
        v.tiranteBuscado = *p.yf;
        if (!(v.tiranteBorde > 0))
            DatoFaltante("--y0", v.tiranteBorde, "is missing data: the depth must be positive");
        const double x = Calcular(capFalloPasoDirecto, [&] {
            NuevaTablaPerfil(v);
            return PasoDirectoDePanel(v);
        });
        r.campos = {{"method", Celda::De(std::string("direct"))}, Numero("xf", x)};
    }
    r.campos.push_back(Numero("E", v.energia));
    r.campos.push_back({"type", Celda::De(TipoPerfil(v))});
    r.campos.push_back({"end", Celda::De(std::string(NombreFin(v.perfil.fin)))});
    r.campos.push_back(Numero("x_end", v.perfil.xFin));
    if (p.tabla)
        TablaPerfil(v, r);
    return r;
}

// Q_i = A + i * (B - A) / K; the last row is B itself.
Resultado Curva(const Pedido& p,
                const std::function<void(const Resultado&, std::vector<Celda>)>& alFila)
{
    Resultado r;
    r.nombreTabla = "rows";
    r.columnas = {"Q", "yc", "yn", "Sc", "Ec", "En", "V", "Fr"};
    const double a = p.qDesde;
    const double b = p.qHasta;
    for (long i = 0; i <= p.pasos; ++i) {
        Variables v = p.canal;
        v.caudal = i == p.pasos ? b : a + i * (b - a) / p.pasos;
        ComprobarUniforme(v, "--slope", "--n", i == 0 ? "--q-from" : "Q");
        const QString queFallo = capFalloFlujoUniforme + QStringLiteral(" for Q = ") +
                                 QString::fromStdString(NumeroExacto(v.caudal));
        const FlujoUniforme f = Calcular(queFallo, [&] { return CalcularUniforme(v); });
        auto celda = [](const std::optional<double>& x) { return x ? Celda::De(*x) : Celda(); };
        std::vector<Celda> fila = {Celda::De(v.caudal), Celda::De(f.yc), CeldaNormal(f),
                                   celda(f.sc),         celda(f.ec),     celda(f.en),
                                   celda(f.velocidad),  celda(f.froude)};
        if (alFila)
            alFila(r, std::move(fila));
        else
            r.filas.push_back(std::move(fila));
    }
    return r;
}
