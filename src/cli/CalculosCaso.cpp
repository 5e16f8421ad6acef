// case: every calculation a saved case allows, in the order of the main
// window's panels, each run as its own command runs it with --case.
#include <QString>
#include <sstream>

#include "captions/Caso.h"
#include "captions/ExplicarError.h"
#include "cli/Comandos.h"
#include "engine/Csv.h"
#include "engine/ErrorCalculo.h"

namespace {

// One calculation of the case: its results as its command writes them, or why
// it did not run (the case lacks an input: noCorrio) or failed (falla).
struct Parte {
    std::string nombre;
    std::string texto;
    std::string noCorrio, falla;
};

bool Vacio(const Caso& caso, const char* clave)
{
    return caso.Entrada(QLatin1String(clave)).tipo == ValorCaso::Tipo::Vacio;
}

// The first input of claves the case leaves empty, as the reason not to run.
std::string Falta(const Caso& caso, std::initializer_list<const char*> claves)
{
    for (const char* clave : claves)
        if (Vacio(caso, clave))
            return std::string("the case has no ") + clave;
    return {};
}

std::string FaltaCanal(const Caso& caso)
{
    if (caso.forma == QLatin1String("rect"))
        return Falta(caso, {"width", "slope", "n", "q"});
    if (caso.forma == QLatin1String("circle"))
        return Falta(caso, {"diameter", "slope", "n", "q"});
    std::string falta = Falta(caso, {"bottom_width", "slope", "n", "q"});
    if (falta.empty() && Vacio(caso, "angle") && Vacio(caso, "side_slope"))
        falta = "the case has no angle (nor side_slope)";
    return falta;
}

// Runs one command on the case; its fields go to r.
template <class Comando>
void Correr(Parte& parte, const Caso& caso, QStringList argumentos, Formato formato,
            Comando comando, Resultado* r = nullptr)
{
    try {
        const Pedido pedido = LeerPedido(argumentos, &caso);
        Resultado resultado = comando(pedido);
        std::ostringstream texto;
        Escribir(resultado, formato, texto);
        parte.texto = texto.str();
        if (r)
            *r = std::move(resultado);
    } catch (const ErrorUso& e) {
        parte.falla = e.what();
    } catch (const FalloCalculo& e) {
        parte.falla = e.what();
    } catch (const ErrorCalculo& e) {
        parte.falla = ExplicarError(e).toStdString() + ".";
    }
}

std::string Sangrar(const std::string& texto, const std::string& margen, bool primera)
{
    std::string r;
    bool inicio = primera;
    for (char c : texto) {
        if (inicio && c != '\n')
            r += margen;
        r += c;
        inicio = c == '\n';
    }
    return r;
}

void EscribirParte(const Parte& parte, Formato formato, bool primera, std::ostream& salida)
{
    const std::string motivo = !parte.falla.empty() ? parte.falla : parte.noCorrio;
    const char* clave = !parte.falla.empty() ? "error" : "not_run";
    if (formato == Formato::Json) {
        salida << (primera ? "\n  " : ",\n  ") << "\"" << parte.nombre << "\": ";
        if (motivo.empty()) {
            std::string texto = parte.texto;
            while (!texto.empty() && texto.back() == '\n')
                texto.pop_back();
            salida << Sangrar(texto, "  ", false);
        } else {
            std::ostringstream objeto;
            Escribir({{{clave, Celda::Texto(motivo)}}, {}, {}, {}, false}, Formato::Json, objeto);
            std::string texto = objeto.str();
            texto.pop_back();
            salida << Sangrar(texto, "  ", false);
        }
        return;
    }
    if (formato == Formato::Csv) {
        if (!primera)
            salida << "\n";
        if (!motivo.empty()) {
            salida << LineaCsv({"calculation", clave}) << "\n"
                   << LineaCsv({parte.nombre, motivo}) << "\n";
            return;
        }
        const std::size_t fin = parte.texto.find('\n');
        salida << "calculation," << parte.texto.substr(0, fin + 1) << parte.nombre << ","
               << parte.texto.substr(fin + 1);
        return;
    }
    salida << (primera ? "" : "\n") << "[" << parte.nombre << "]\n";
    if (!motivo.empty())
        salida << "  " << (parte.falla.empty() ? "not run: " : "error: ") << motivo << "\n";
    else
        salida << Sangrar(parte.texto, "  ", true);
}

}  // namespace

int EjecutarCaso(const Pedido& pedido, const Caso& caso, std::ostream& salida)
{
    const QString archivo = QString::fromStdString(pedido.archivo);
    auto orden = [&](const char* comando, QStringList mas = {}) {
        return QStringList{QLatin1String(comando)} + mas;
    };
    const Formato formato = pedido.formato;
    const std::string canal = FaltaCanal(caso);
    std::vector<Parte> partes;

    Parte uniforme{"uniform", {}, canal, {}};
    if (canal.empty())
        Correr(uniforme, caso, orden("uniform"), formato, Uniforme);
    partes.push_back(uniforme);

    const bool porEnergia = caso.modoAlterno == QLatin1String("energy");
    Parte alterno{"alternate", {}, canal, {}};
    if (alterno.noCorrio.empty())
        alterno.noCorrio = Falta(caso, {porEnergia ? "alt_energy" : "alt_depth"});
    if (alterno.noCorrio.empty())
        Correr(alterno, caso, orden("alternate"), formato, Alterno);
    partes.push_back(alterno);

    Parte conjugado{"conjugate", {}, canal, {}};
    if (conjugado.noCorrio.empty())
        conjugado.noCorrio = Falta(caso, {"conj_depth"});
    if (conjugado.noCorrio.empty())
        Correr(conjugado, caso, orden("conjugate"), formato, Conjugado);
    partes.push_back(conjugado);

    // The profiles: the Runge-Kutta one to xf, the direct step to yf.
    Parte rungeKutta{"profile_rk", {}, canal, {}};
    std::optional<double> yRungeKutta;
    if (rungeKutta.noCorrio.empty())
        rungeKutta.noCorrio = Falta(caso, {"x0", "y0", "xf"});
    if (rungeKutta.noCorrio.empty()) {
        Resultado r;
        Correr(rungeKutta, caso,
               orden("profile", {QStringLiteral("--xf=") + *TextoDeCaso(caso, "xf")}), formato,
               Perfil, &r);
        for (const Campo& campo : r.campos)
            if (campo.nombre == "yf")
                yRungeKutta = campo.valor.numero;
    }
    partes.push_back(rungeKutta);

    Parte pasoDirecto{"profile_direct", {}, canal, {}};
    if (pasoDirecto.noCorrio.empty())
        pasoDirecto.noCorrio = Falta(caso, {"x0", "y0", "yf"});
    if (pasoDirecto.noCorrio.empty())
        Correr(pasoDirecto, caso,
               orden("profile", {QStringLiteral("--yf=") + *TextoDeCaso(caso, "yf")}), formato,
               Perfil);
    partes.push_back(pasoDirecto);

    // The elements at the depth the Hydraulics Parameters panel takes.
    Parte elementos{"elements", {}, canal, {}};
    if (elementos.noCorrio.empty()) {
        const bool deRungeKutta = caso.fuenteTirante == QLatin1String("runge_kutta");
        std::optional<QString> y;
        if (!deRungeKutta || yRungeKutta)
            y = TiranteDeCaso(caso, yRungeKutta);
        if (!y)
            elementos.noCorrio =
                deRungeKutta ? "the Runge-Kutta profile gave no depth"
                             : "the case has no " +
                                   std::string(caso.fuenteTirante == QLatin1String("boundary")
                                                   ? "y0"
                                                   : "manual_depth");
        else
            Correr(elementos, caso, orden("elements", {QStringLiteral("--depth=") + *y}), formato,
                   Elementos);
    }
    partes.push_back(elementos);

    bool fallo = false;
    if (formato == Formato::Json)
        salida << "{";
    for (std::size_t i = 0; i < partes.size(); ++i) {
        EscribirParte(partes[i], formato, i == 0, salida);
        fallo = fallo || !partes[i].falla.empty();
    }
    if (formato == Formato::Json)
        salida << "\n}\n";
    return fallo ? 1 : 0;
}
