#include "cli/Lote.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "calc/Calculos.h"
#include "captions/Textos.h"
#include "cli/Comandos.h"
#include "cli/Salida.h"
#include "engine/modFuncionesTorvel.h"

namespace {

// The columns a row may give, and the ones every row needs.
const char* const kConocidas[] = {"shape", "b", "angle", "z",     "d",
                                  "slope", "n", "q",     "depth", "energy"};
const char* const kObligatorias[] = {"shape", "slope", "n", "q"};
const char* const kUniforme[] = {"yc",         "yn", "yn_found", "Sc",
                                 "slope_type", "Ec", "En",       "pct_diameter"};
const char* const kElementos[] = {"A",  "P", "R", "T",  "D_h", "V",
                                  "Fr", "E", "M", "Sf", "tau", "centroid"};

struct FilaLeida {
    long orden;  // 0 for the first data row
    long linea;  // in the file, the header being line 1
    std::vector<std::string> campos;
};

// A CSV line: fields separated by ",", optionally quoted with doubled quotes.
std::vector<std::string> Campos(const std::string& linea)
{
    std::vector<std::string> campos(1);
    bool citado = false;
    for (std::size_t i = 0; i < linea.size(); ++i) {
        const char c = linea[i];
        if (citado && c == '"' && i + 1 < linea.size() && linea[i + 1] == '"') {
            campos.back() += '"';
            ++i;
        } else if (c == '"') {
            citado = !citado;
        } else if (c == ',' && !citado) {
            campos.emplace_back();
        } else {
            campos.back() += c;
        }
    }
    return campos;
}

std::string Limpio(std::string texto)
{
    const std::size_t inicio = texto.find_first_not_of(" \t");
    if (inicio == std::string::npos)
        return {};
    texto = texto.substr(inicio, texto.find_last_not_of(" \t") - inicio + 1);
    return texto;
}

std::string Minusculas(std::string texto)
{
    for (char& c : texto)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return texto;
}

// The header's columns and what the output holds.
struct Esquema {
    std::vector<std::string> entrada;
    std::map<std::string, std::size_t> indice;  // known column -> position
    bool conTirante = false, conEnergia = false;
    std::vector<std::string> salida;

    explicit Esquema(const std::string& encabezado)
    {
        for (const std::string& campo : Campos(encabezado)) {
            entrada.push_back(Limpio(campo));
            const std::string nombre = Minusculas(entrada.back());
            if (std::find(std::begin(kConocidas), std::end(kConocidas), nombre) ==
                std::end(kConocidas))
                continue;
            if (!indice.emplace(nombre, entrada.size() - 1).second)
                throw ErrorUso("batch: the header names the column \"" + nombre + "\" twice");
        }
        for (const char* nombre : kObligatorias)
            if (!indice.count(nombre))
                throw ErrorUso(std::string("batch: the header lacks the column \"") + nombre +
                               "\"");
        conTirante = indice.count("depth") > 0;
        conEnergia = indice.count("energy") > 0;
        salida = entrada;
        salida.insert(salida.end(), std::begin(kUniforme), std::end(kUniforme));
        if (conTirante) {
            salida.insert(salida.end(), {"alt_depth", "conj_depth"});
            salida.insert(salida.end(), std::begin(kElementos), std::end(kElementos));
        }
        if (conEnergia)
            salida.insert(salida.end(), {"alt_sup", "alt_inf"});
        salida.push_back("error");
    }
};

// One row's calculation: the cells computed so far and the faults met. Each
// part (uniform flow, alternate, conjugate, elements) works on its own copy of
// the row's channel, so a fault in one leaves the others' cells. Only the
// side-slope conversion and the fault explanations read Qt's locale and the
// caption strings; the workers take turns there, under textos.
class CalculoFila {
public:
    CalculoFila(const Esquema& esquema, const FilaLeida& fila, std::mutex& textos)
        : esquema_(esquema), fila_(fila), textos_(textos), celdas_(esquema.salida.size())
    {
        for (std::size_t i = 0; i < fila.campos.size() && i < esquema.entrada.size(); ++i)
            celdas_[i] = Celda::De(fila.campos[i]);
    }

    std::vector<Celda> Calcular(const Variables& parametros)
    {
        Variables v = parametros;
        if (fila_.campos.size() > esquema_.entrada.size())
            Fallo("it has more fields than the header");
        else if (LeerCanal(v))
            Partes(v);
        if (!errores_.empty())
            celdas_.back() = Celda::De(errores_);
        return std::move(celdas_);
    }

    bool Fallida() const { return !errores_.empty(); }

private:
    // What the panels compute for the row's channel, each part with its own
    // refusals, which name the row's column.
    void Partes(const Variables& canal)
    {
        Intentar("uniform", capFalloFlujoUniforme, [&] {
            const auto c = calculo::FlujoUniforme(canal);
            if (!c.hecho())
                Rechazar(c.rechazo(), c.estado);
            for (const Campo& campo : CamposUniforme(*c, canal.esCircular != 0))
                Poner(campo.nombre, campo.valor);
        });
        double y = 0;
        if (esquema_.conTirante && !Texto("depth").empty() && Numero("depth", y)) {
            Intentar("alternate", capFalloAlterno, [&] {
                Poner("alt_depth", Celda::De(calculo::AlternoDeTirante(canal, y)->tirante));
            });
            Intentar("conjugate", capFalloConjugado, [&] {
                Poner("conj_depth", Celda::De(calculo::Conjugado(canal, y)->tirante));
            });
            Intentar("elements", capFalloParametros, [&] {
                const auto c = calculo::Elementos(canal, y);
                if (!c.hecho())
                    Rechazar(c.rechazo(), c.estado, y);
                for (const Campo& campo : CamposElementos(c.estado))
                    Poner(campo.nombre, campo.valor);
            });
        }
        double E = 0;
        if (esquema_.conEnergia && !Texto("energy").empty() && Numero("energy", E)) {
            Intentar("alternate", capFalloAlterno, [&] {
                const auto c = calculo::AlternosDeEnergia(canal, E);
                Poner("alt_sup", Celda::De(c->superior));
                Poner("alt_inf", Celda::De(c->inferior));
            });
        }
    }

    // A refusal names the row's column and the text it held.
    [[noreturn]] void Rechazar(const calculo::Rechazo& r, const Variables& v, double y = 0) const
    {
        using calculo::Dato;
        const char* columna = r.dato == Dato::Tirante     ? "depth"
                              : r.dato == Dato::Pendiente ? "slope"
                              : r.dato == Dato::Manning   ? "n"
                              : r.dato == Dato::Caudal    ? "q"
                                                          : "error";
        const double valor = r.dato == Dato::Tirante     ? y
                             : r.dato == Dato::Pendiente ? v.pendiente
                             : r.dato == Dato::Manning   ? v.nManning
                             : r.dato == Dato::Caudal    ? v.caudal
                                                         : v.errorAdmisible;
        std::string mensaje = QueFalta(r, std::string("column ") + columna, valor);
        if (r.dato == Dato::Tirante) {  // the depth as typed, not the number read from it
            const std::size_t comillas = mensaje.find('"');
            mensaje.replace(comillas + 1, mensaje.find('"', comillas + 1) - comillas - 1,
                            Texto(columna));
        }
        throw ErrorUso(mensaje);
    }

    std::string Texto(const char* columna) const
    {
        const auto it = esquema_.indice.find(columna);
        if (it == esquema_.indice.end() || it->second >= fila_.campos.size())
            return {};
        return Limpio(fila_.campos[it->second]);
    }

    // motivo: "column q: not a number ...", or the explanation of a fault.
    void Fallo(const std::string& motivo)
    {
        errores_ +=
            (errores_.empty() ? "line " + std::to_string(fila_.linea) + ", " : "; ") + motivo;
    }

    bool Numero(const char* columna, double& valor)
    {
        const std::string texto = Texto(columna);
        const std::optional<double> leido = LeerNumero(texto);
        if (!leido) {
            Fallo(std::string("column ") + columna + ": " +
                  (texto.empty() ? "missing value" : "not a number: \"" + texto + "\""));
            return false;
        }
        valor = *leido;
        return true;
    }

    bool LeerCanal(Variables& v)
    {
        const std::string forma = Minusculas(Texto("shape"));
        bool ok = true;
        if (forma == "rect") {
            v.esRectangular = VERDADERO;
            ok = Numero("b", v.ancho);
        } else if (forma == "circle") {
            v.esCircular = VERDADERO;
            ok = Numero("d", v.diametro);
        } else if (forma == "trap") {
            v.esTrapezoidal = VERDADERO;
            ok = Numero("b", v.anchoFondo);
            ok = Talud(v) && ok;
        } else {
            Fallo("column shape: \"" + Texto("shape") + "\" is not rect, trap or circle");
            ok = false;
        }
        ok = Numero("slope", v.pendiente) && ok;
        ok = Numero("n", v.nManning) && ok;
        return Numero("q", v.caudal) && ok;
    }

    // The side angle from the angle column, or from z as the Conv. button does.
    bool Talud(Variables& v)
    {
        const bool conAngulo = !Texto("angle").empty();
        if (conAngulo == !Texto("z").empty()) {
            Fallo("column angle: give exactly one of angle and z");
            return false;
        }
        double valor = 0;
        if (conAngulo) {
            if (!Numero("angle", valor))
                return false;
            v.anguloTalud = GradosARadianes(valor);
            return true;
        }
        if (!Numero("z", valor))
            return false;
        if (!(valor > 0)) {
            Fallo("column z: \"" + Texto("z") + "\" must be positive");
            return false;
        }
        bool ok = false;
        Intentar("column z", capFalloFlujoUniforme, [&] {
            std::lock_guard<std::mutex> turno(textos_);
            v.anguloTalud = AnguloDeTalud(valor);
            ok = true;
        });
        return ok;
    }

    // Runs one part of the row; a fault is noted and the other parts go on.
    template <class Parte>
    void Intentar(const char* parte, const QString& queFallo, Parte calculo)
    {
        try {
            calculo();
        } catch (const ErrorUso& e) {
            Fallo(e.what());
        } catch (const ErrorCalculo& e) {
            std::lock_guard<std::mutex> turno(textos_);
            Fallo(std::string(parte) + ": " + FalloCalculo(queFallo, e).what());
        }
    }

    void Poner(const std::string& columna, const Celda& celda)
    {
        const auto it = std::find(esquema_.salida.begin(), esquema_.salida.end(), columna);
        if (it != esquema_.salida.end())
            celdas_[it - esquema_.salida.begin()] = celda;
    }

    const Esquema& esquema_;
    const FilaLeida& fila_;
    std::mutex& textos_;
    std::vector<Celda> celdas_;
    std::string errores_;
};

// Rows read, computed and written. The reader waits while the window of rows
// not yet written is full; the workers compute rows in any order; the writer
// writes them in input order as soon as the next one is done.
class Canalizacion {
public:
    Canalizacion(const Pedido& pedido, const Esquema& esquema, std::ostream& salida, int hilos)
        : pedido_(pedido), esquema_(esquema), salida_(salida),
          ventana_(static_cast<long>(hilos) * 256)
    {
        for (int i = 0; i < hilos; ++i)
            trabajadores_.emplace_back([this] { Trabajar(); });
        escritor_ = std::thread([this] { Escribir(); });
    }

    void Poner(FilaLeida fila)
    {
        std::unique_lock<std::mutex> cerrojo(m_);
        hayHueco_.wait(cerrojo, [this] { return leidas_ - escritas_ < ventana_; });
        fila.orden = leidas_++;
        tareas_.push_back(std::move(fila));
        hayTarea_.notify_one();
    }

    // Waits for every row to be written; true when any row failed.
    bool Terminar()
    {
        {
            std::lock_guard<std::mutex> cerrojo(m_);
            fin_ = true;
        }
        hayTarea_.notify_all();
        hayResultado_.notify_all();
        for (std::thread& t : trabajadores_)
            t.join();
        escritor_.join();
        return fallidas_ > 0;
    }

private:
    void Trabajar()
    {
        for (;;) {
            FilaLeida fila;
            {
                std::unique_lock<std::mutex> cerrojo(m_);
                hayTarea_.wait(cerrojo, [this] { return !tareas_.empty() || fin_; });
                if (tareas_.empty())
                    return;
                fila = std::move(tareas_.front());
                tareas_.pop_front();
            }
            CalculoFila calculo(esquema_, fila, textos_);
            const std::vector<Celda> celdas = calculo.Calcular(pedido_.canal);
            if (calculo.Fallida())
                ++fallidas_;
            std::string texto;
            {
                // Text output rounds with the locale's number format.
                std::unique_lock<std::mutex> turno(textos_, std::defer_lock);
                if (pedido_.formato == Formato::Texto)
                    turno.lock();
                texto = Fila(esquema_.salida, celdas, pedido_.formato, fila.orden == 0);
            }
            std::lock_guard<std::mutex> cerrojo(m_);
            hechas_.emplace(fila.orden, std::move(texto));
            if (fila.orden == escritas_)
                hayResultado_.notify_one();
        }
    }

    void Escribir()
    {
        std::unique_lock<std::mutex> cerrojo(m_);
        for (;;) {
            hayResultado_.wait(cerrojo, [this] {
                return hechas_.count(escritas_) > 0 || (fin_ && escritas_ == leidas_);
            });
            if (hechas_.count(escritas_) == 0)
                return;
            // Every row ready in order is written in one go, outside the lock.
            std::string bloque;
            long hasta = escritas_;
            for (auto it = hechas_.find(hasta); it != hechas_.end() && it->first == hasta;
                 it = hechas_.erase(it), ++hasta)
                bloque += it->second;
            // Nothing else ready: what is written reaches the reader now.
            const bool esperar = hechas_.empty();
            cerrojo.unlock();
            salida_ << bloque;
            if (esperar)
                salida_.flush();
            cerrojo.lock();
            escritas_ = hasta;
            hayHueco_.notify_one();
        }
    }

    const Pedido& pedido_;
    const Esquema& esquema_;
    std::ostream& salida_;
    const long ventana_;
    std::vector<std::thread> trabajadores_;
    std::thread escritor_;

    std::mutex textos_;
    std::mutex m_;
    std::condition_variable hayTarea_, hayResultado_, hayHueco_;
    std::deque<FilaLeida> tareas_;
    std::map<long, std::string> hechas_;
    long leidas_ = 0, escritas_ = 0;
    bool fin_ = false;
    std::atomic<long> fallidas_{0};
};

}  // namespace

int EjecutarLote(const Pedido& pedido, std::istream& entrada, std::ostream& salida)
{
    std::string linea;
    long numero = 0;
    // The header is the first line that is not blank.
    while (std::getline(entrada, linea)) {
        ++numero;
        if (!linea.empty() && linea.back() == '\r')
            linea.pop_back();
        if (!Limpio(linea).empty())
            break;
        linea.clear();
    }
    if (Limpio(linea).empty())
        throw ErrorUso("batch: the input has no header row");
    if (linea.rfind("\xEF\xBB\xBF", 0) == 0)  // the byte-order mark spreadsheets write
        linea.erase(0, 3);
    const Esquema esquema(linea);

    salida << EncabezadoFilas(esquema.salida, pedido.formato);
    int hilos = pedido.hilos;
    if (hilos <= 0)
        hilos = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    Canalizacion canalizacion(pedido, esquema, salida, hilos);
    while (std::getline(entrada, linea)) {
        ++numero;
        if (!linea.empty() && linea.back() == '\r')
            linea.pop_back();
        if (Limpio(linea).empty())
            continue;
        canalizacion.Poner({0, numero, Campos(linea)});
    }
    const bool algunaFallida = canalizacion.Terminar();
    salida << CierreFilas(pedido.formato);
    salida.flush();
    return algunaFallida ? 1 : 0;
}
