// Each command asks the calculation layer what the matching panel of the main
// window asks, and returns every number the panel shows, unrounded. A refusal
// names the option at fault.
#include "cli/Comandos.h"

#include <algorithm>
#include <map>

#include "calc/Calculos.h"
#include "captions/ExplicarError.h"
#include "captions/Textos.h"
#include "engine/Csv.h"
#include "engine/modFuncionesTorvel.h"

using calculo::Dato;
using calculo::Rechazo;

namespace {

Campo Numero(const char* nombre, double valor)
{
    return {nombre, Celda::Numero(valor)};
}

Campo Opcional(const char* nombre, const std::optional<double>& valor)
{
    return {nombre, valor ? Celda::Numero(*valor) : Celda()};
}

// yn, shown as the window shows it for a pipe that cannot carry Q.
Celda CeldaNormal(const calculo::ResultadoUniforme& f)
{
    Celda celda = Celda::Numero(f.yn);
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
    case FinPerfil::FueraDeSeccion: return "section";
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
                {Celda::Numero(v.tablaPerfil[fila][1]), Celda::Numero(v.tablaPerfil[fila][2])});
    }
}

}  // namespace

FalloCalculo::FalloCalculo(const QString& queFallo, const ErrorCalculo& e)
    : std::runtime_error(
          (queFallo + QStringLiteral(": ") + ExplicarError(e) + QStringLiteral(".")).toStdString())
{
}

std::string QueFalta(const Rechazo& rechazo, const std::string& nombre, double valor)
{
    static const std::map<Dato, const char*> kQue = {
        {Dato::Pendiente, "the bed slope"},
        {Dato::Manning, "Manning's n"},
        {Dato::Caudal, "the discharge"},
        {Dato::ErrorAdmisible, "the admissible error"},
        {Dato::PuntosPerfil, "the number of points"},
        {Dato::TiranteBorde, "the depth"},
        {Dato::Tirante, "the depth"},
        {Dato::TiranteBuscado, "the depth"},
        {Dato::XBuscado, "the abscissa"},
    };
    std::string motivo = "is missing data: ";
    switch (rechazo.motivo) {
    case Rechazo::Motivo::Cero:
        motivo += std::string(kQue.at(rechazo.dato)) + " must not be 0";
        break;
    case Rechazo::Motivo::NoPositivo:
        motivo += std::string(kQue.at(rechazo.dato)) + " must be positive";
        break;
    case Rechazo::Motivo::IgualAlBorde: motivo += "it must differ from --x0"; break;
    case Rechazo::Motivo::ZonasDistintas:
    case Rechazo::Motivo::SinAvance: break;
    }
    return nombre + ": \"" + NumeroExacto(valor) + "\" " + motivo;
}

double ValorDe(const Variables& v, Dato dato)
{
    switch (dato) {
    case Dato::Pendiente: return v.pendiente;
    case Dato::Manning: return v.nManning;
    case Dato::Caudal: return v.caudal;
    case Dato::ErrorAdmisible: return v.errorAdmisible;
    case Dato::PuntosPerfil: return v.puntosPerfil;
    case Dato::TiranteBorde: return v.tiranteBorde;
    case Dato::XBuscado: return v.xBuscado;
    case Dato::TiranteBuscado: return v.tiranteBuscado;
    case Dato::Tirante: return v.tirante;
    }
    return 0;
}

const char* OpcionDe(Dato dato)
{
    switch (dato) {
    case Dato::Pendiente: return "--slope";
    case Dato::Manning: return "--n";
    case Dato::Caudal: return "--q";
    case Dato::ErrorAdmisible: return "--error";
    case Dato::PuntosPerfil: return "--points";
    case Dato::TiranteBorde: return "--y0";
    case Dato::XBuscado: return "--xf";
    case Dato::TiranteBuscado: return "--yf";
    case Dato::Tirante: return "--depth";
    }
    return "";
}

// A refused calculation as a usage error naming its option. y: the depth the
// calculation was given besides the channel, for a refusal of that depth.
template <class T>
[[noreturn]] void Rechazar(const calculo::Calculo<T>& c, double y = 0)
{
    const Rechazo& r = c.rechazo();
    const double valor = r.dato == Dato::Tirante ? y : ValorDe(c.estado, r.dato);
    throw ErrorUso(QueFalta(r, OpcionDe(r.dato), valor));
}

std::vector<Campo> CamposUniforme(const calculo::ResultadoUniforme& f, bool circular)
{
    std::vector<Campo> campos = {
        Numero("yc", f.yc),
        {"yn", CeldaNormal(f)},
        {"yn_found", Celda::Logico(f.yn != 0)},
        Opcional("Sc", f.sc),
        {"slope_type", Celda::Texto(f.tipo)},
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
    const auto c =
        Calcular(capFalloFlujoUniforme, [&] { return calculo::FlujoUniforme(p.canal, p.metodo); });
    if (!c.hecho())
        Rechazar(c);
    return {CamposUniforme(*c, p.canal.esCircular != 0), {}, {}, {}, false};
}

Resultado Elementos(const Pedido& p)
{
    const double y = *p.tirante;
    const auto c = Calcular(capFalloParametros, [&] { return calculo::Elementos(p.canal, y); });
    if (!c.hecho())
        Rechazar(c, y);
    return {CamposElementos(c.estado), {}, {}, {}, false};
}

Resultado Alterno(const Pedido& p)
{
    Resultado r;
    if (p.tirante) {
        const auto c = Calcular(capFalloAlterno,
                                [&] { return calculo::AlternoDeTirante(p.canal, *p.tirante); });
        r.campos.push_back(Numero("alt_depth", c->tirante));
    } else {
        const auto c = Calcular(capFalloAlterno,
                                [&] { return calculo::AlternosDeEnergia(p.canal, *p.energia); });
        r.campos.push_back(Numero("alt_sup", c->superior));
        r.campos.push_back(Numero("alt_inf", c->inferior));
    }
    return r;
}

Resultado Conjugado(const Pedido& p)
{
    const auto c =
        Calcular(capFalloConjugado, [&] { return calculo::Conjugado(p.canal, *p.tirante); });
    return {{Numero("conj_depth", c->tirante)}, {}, {}, {}, false};
}

Resultado Perfil(const Pedido& p)
{
    Variables v = p.canal;
    v.xBorde = p.x0;
    v.tiranteBorde = p.y0;
    Resultado r;
    const bool rungeKutta = p.xf.has_value();
    if (rungeKutta)
        v.xBuscado = *p.xf;
    const auto c =
        rungeKutta
            ? Calcular(capFalloRungeKutta, [&] { return calculo::PerfilRungeKutta(v); })
            : Calcular(capFalloPasoDirecto, [&] { return calculo::PerfilPasoDirecto(v, *p.yf); });
    if (!c.hecho()) {
        switch (c.rechazo().motivo) {
        case Rechazo::Motivo::IgualAlBorde:
            if (c.rechazo().dato == Dato::TiranteBuscado)
                throw FalloCalculo(capFalloPasoDirecto.toStdString() + ": " +
                                   capPasoDirectoIguales.toStdString());
            break;
        case Rechazo::Motivo::SinAvance: {
            const std::optional<double> yc = calculo::BordeEnCritico(v);
            const QString motivo =
                yc ? capMotivoBordeCritico.arg(QString::fromStdString(NumeroExacto(*yc)))
                   : capMotivoPasoLargo;
            throw FalloCalculo(
                (capFalloRungeKutta + QStringLiteral(": ") + motivo + QStringLiteral("."))
                    .toStdString());
        }
        case Rechazo::Motivo::ZonasDistintas:
            throw FalloCalculo(capFalloPasoDirecto.toStdString() +
                               ": the boundary depth and the depth sought lie in different "
                               "zones of the profile (Yo & Yf incorrectos).");
        default: break;
        }
        Rechazar(c);
    }
    if (rungeKutta)
        r.campos = {{"method", Celda::Texto("rk")}, Numero("yf", c->tiranteFinal)};
    else
        r.campos = {{"method", Celda::Texto("direct")}, Numero("xf", c->xFinal)};
    r.campos.push_back(Numero("E", c->energia));
    r.campos.push_back({"type", Celda::Texto(TipoPerfil(c.estado))});
    r.campos.push_back({"end", Celda::Texto(NombreFin(c.estado.perfil.fin))});
    r.campos.push_back(Numero("x_end", c.estado.perfil.xFin));
    if (p.tabla)
        TablaPerfil(c.estado, r);
    return r;
}

// y_i = A + i * (B - A) / K, as the diagrams window computes its depths; by
// default its range too, from 0.05 yc to 2.5 times the larger of yc and yn (in a
// pipe, at most 0.999 D) in 199 steps.
Resultado CurvaEspecifica(const Pedido& p)
{
    const bool energia = p.archivo == "energy";
    double desde = p.desde.value_or(0), hasta = p.hasta.value_or(0);
    if (!p.desde) {
        const auto u =
            Calcular(capFalloFlujoUniforme, [&] { return calculo::FlujoUniforme(p.canal); });
        if (!u.hecho())
            Rechazar(u);
        desde = 0.05 * u->yc;
        hasta = 2.5 * std::max(u->yc, u->yn);
        if (p.canal.esCircular)
            hasta = std::min(hasta, p.canal.diametro * 0.999);
    }
    Resultado r;
    r.nombreTabla = "rows";
    r.columnas = {"y", energia ? "E" : "M"};
    for (long i = 0; i <= p.pasos; ++i) {
        const double y = desde + i * (hasta - desde) / p.pasos;
        if (p.canal.esCircular && y >= p.canal.diametro)
            break;  // the pipe is full
        const auto c = Calcular(capFalloParametros, [&] { return calculo::Elementos(p.canal, y); });
        if (!c.hecho())
            Rechazar(c, y);
        r.filas.push_back({Celda::Numero(y),
                           Celda::Numero(energia ? c.estado.energia : c.estado.cantMovimiento)});
    }
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
        const QString queFallo = capFalloFlujoUniforme + QStringLiteral(" for Q = ") +
                                 QString::fromStdString(NumeroExacto(v.caudal));
        const auto c = Calcular(queFallo, [&] { return calculo::FlujoUniforme(v, p.metodo); });
        if (!c.hecho()) {
            const Dato dato = c.rechazo().dato;
            const char* opcion = dato != Dato::Caudal ? OpcionDe(dato) : i == 0 ? "--q-from" : "Q";
            throw ErrorUso(QueFalta(c.rechazo(), opcion, ValorDe(v, dato)));
        }
        const calculo::ResultadoUniforme& f = *c;
        auto celda = [](const std::optional<double>& x) { return x ? Celda::Numero(*x) : Celda(); };
        std::vector<Celda> fila = {Celda::Numero(v.caudal),
                                   Celda::Numero(f.yc),
                                   CeldaNormal(f),
                                   celda(f.sc),
                                   celda(f.ec),
                                   celda(f.en),
                                   celda(f.velocidad),
                                   celda(f.froude)};
        if (alFila)
            alFila(r, std::move(fila));
        else
            r.filas.push_back(std::move(fila));
    }
    return r;
}
