#include "cli/Lote.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <condition_variable>
#include <deque>
#include <exception>
#include <map>
#include <mutex>
#include <new>
#include <string>
#include <thread>
#include <vector>

#include "calc/Calculos.h"
#include "captions/Textos.h"
#include "cli/Comandos.h"
#include "cli/Salida.h"
#include "engine/Csv.h"
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

// The rows read and not yet written hold at most about this many bytes.
constexpr std::size_t kMaxBytesEnVuelo = 16'000'000;

// A record of the input and its place among the data rows.
struct FilaLeida : RegistroCsv {
    long orden = 0;  // 0 for the first data row
};

std::size_t Tamano(const FilaLeida& fila)
{
    std::size_t bytes = sizeof fila + fila.falla.size();
    for (const std::string& campo : fila.campos)
        bytes += sizeof campo + campo.size();
    return bytes;
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

// A field quoted in a message: its first 100 bytes at most.
std::string Cita(const std::string& texto)
{
    if (texto.size() <= 100)
        return "\"" + texto + "\"";
    return "\"" + texto.substr(0, 100) + "...\" (" + std::to_string(texto.size()) + " bytes)";
}

// The header's columns and what the output holds.
struct Esquema {
    std::vector<std::string> entrada;
    std::map<std::string, std::size_t> indice;  // known column -> position
    bool conTirante = false, conEnergia = false;
    std::vector<std::string> salida;

    explicit Esquema(const std::vector<std::string>& encabezado)
    {
        for (const std::string& campo : encabezado) {
            const std::string columna = Limpio(campo);
            if (!columna.empty() &&
                std::find(entrada.begin(), entrada.end(), columna) != entrada.end())
                throw ErrorUso("batch: the header names the column " + Cita(columna) + " twice");
            entrada.push_back(columna);
            const std::string nombre = Minusculas(columna);
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
        // A copied column under a result's name would hide that result.
        for (auto it = salida.begin() + entrada.size(); it != salida.end(); ++it)
            if (std::find(entrada.begin(), entrada.end(), *it) != entrada.end())
                throw ErrorUso("batch: the input column \"" + *it +
                               "\" has the name of an output column; rename it");
    }
};

// One row's calculation: the cells computed so far and the faults met. Each
// part (uniform flow, alternate, conjugate, elements) works on its own copy of
// the row's channel, so a fault in one leaves the others' cells. Only the
// side-slope conversion and the fault explanations read Qt's locale and the
// caption strings; the workers take turns there, under textos.
class CalculoFila {
public:
    CalculoFila(const Esquema& esquema, const FilaLeida& fila, std::mutex& textos,
                calculo::Metodo metodo)
        : esquema_(esquema), fila_(fila), textos_(textos), metodo_(metodo),
          celdas_(esquema.salida.size())
    {
        for (std::size_t i = 0;
             fila.falla.empty() && i < fila.campos.size() && i < esquema.entrada.size(); ++i)
            celdas_[i] = Celda::Texto(fila.campos[i]);
    }

    std::vector<Celda> Calcular(const Variables& parametros)
    {
        Variables v = parametros;
        if (!fila_.falla.empty())
            Fallo("the row " + fila_.falla);
        else if (fila_.campos.size() > esquema_.entrada.size())
            Fallo("it has more fields than the header");
        else if (LeerCanal(v))
            Partes(v);
        if (!errores_.empty())
            celdas_.back() = Celda::Texto(errores_);
        return std::move(celdas_);
    }

    bool Fallida() const { return !errores_.empty(); }

private:
    // What the panels compute for the row's channel, each part with its own
    // refusals, which name the row's column.
    void Partes(const Variables& canal)
    {
        Intentar("uniform", capFalloFlujoUniforme, [&] {
            const auto c = calculo::FlujoUniforme(canal, metodo_);
            if (!c.hecho())
                Rechazar(c.rechazo(), c.estado);
            for (const Campo& campo : CamposUniforme(*c, canal.esCircular != 0))
                Poner(campo.nombre, campo.valor);
        });
        double y = 0;
        if (esquema_.conTirante && !Texto("depth").empty() && Numero("depth", y)) {
            Intentar("alternate", capFalloAlterno, [&] {
                Poner("alt_depth", Celda::Numero(calculo::AlternoDeTirante(canal, y)->tirante));
            });
            Intentar("conjugate", capFalloConjugado, [&] {
                Poner("conj_depth", Celda::Numero(calculo::Conjugado(canal, y)->tirante));
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
                Poner("alt_sup", Celda::Numero(c->superior));
                Poner("alt_inf", Celda::Numero(c->inferior));
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
                  (texto.empty() ? "missing value" : MotivoNoNumero(texto) + ": " + Cita(texto)));
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
            Fallo("column shape: " + Cita(Texto("shape")) + " is not rect, trap or circle");
            ok = false;
        }
        ok = Numero("slope", v.pendiente) && ok;
        ok = Numero("n", v.nManning) && ok;
        return Numero("q", v.caudal) && ok;
    }

    // The side angle from the angle column, or from z as the Conv. button does.
    // An angle of 90 degrees or more is taken, as the window takes it.
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
            try {
                v.anguloTalud = GradosARadianes(valor);
                return true;
            } catch (const ErrorCalculo&) {
                Fallo("column angle: " + Cita(Texto("angle")) +
                      " cannot be converted to radians: it is too large");
                return false;
            }
        }
        if (!Numero("z", valor))
            return false;
        if (!(valor > 0)) {
            Fallo("column z: " + Cita(Texto("z")) + " must be positive");
            return false;
        }
        try {
            std::lock_guard<std::mutex> turno(textos_);
            v.anguloTalud = AnguloDeTalud(valor);
            return true;
        } catch (const std::exception&) {
            Fallo("column z: " + Cita(Texto("z")) +
                  " cannot be converted to an angle: it is too small");
            return false;
        }
    }

    // Runs one part of the row; a fault, whatever it is, is noted and the
    // other parts go on.
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
        } catch (const std::bad_alloc&) {
            Fallo(std::string(parte) + ": out of memory");
        } catch (const std::exception& e) {
            Fallo(std::string(parte) + ": unexpected fault: " + e.what());
        } catch (...) {
            Fallo(std::string(parte) + ": unexpected fault");
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
    const calculo::Metodo metodo_;
    std::vector<Celda> celdas_;
    std::string errores_;
};

// Rows read, computed and written. The reader waits while the window of rows
// not yet written is full (in rows or in bytes); the workers compute rows in
// any order; the writer writes them in input order as soon as the next one is
// done. A row that fails in any way is written with its error; a failed write
// stops everything; the threads are always joined, by Terminar or on
// destruction.
class Canalizacion {
public:
    Canalizacion(const Pedido& pedido, const Esquema& esquema, std::ostream& salida, int hilos)
        : pedido_(pedido), esquema_(esquema), salida_(salida),
          ventana_(static_cast<long>(hilos) * 256)
    {
        try {
            for (int i = 0; i < hilos; ++i)
                trabajadores_.emplace_back([this] { Trabajar(); });
            escritor_ = std::thread([this] { Escribir(); });
        } catch (...) {
            Cancelar();
            Unir();
            throw;
        }
    }

    ~Canalizacion()
    {
        Cancelar();
        Unir();
    }

    // Queues a row; false when nothing more is taken (the output failed).
    bool Poner(FilaLeida fila)
    {
        const std::size_t bytes = Peso(fila);
        std::unique_lock<std::mutex> cerrojo(m_);
        hayHueco_.wait(cerrojo, [this] {
            return cancelado_ || (leidas_ - escritas_ < ventana_ &&
                                  (enVuelo_ < kMaxBytesEnVuelo || leidas_ == escritas_));
        });
        if (cancelado_)
            return false;
        fila.orden = leidas_;
        tareas_.push_back(std::move(fila));
        ++leidas_;
        enVuelo_ += bytes;
        hayTarea_.notify_one();
        return true;
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
        Unir();
        if (averia_ != nullptr)
            throw std::runtime_error(std::string("batch: ") + averia_);
        return fallidas_ > 0;
    }

private:
    // What a row may take until it is written: its fields, their copy among the
    // cells and the text written, where JSON may write a byte as six.
    std::size_t Peso(const FilaLeida& fila) const
    {
        return Tamano(fila) * (pedido_.formato == Formato::Json ? 8 : 3);
    }

    void Cancelar() noexcept
    {
        {
            std::lock_guard<std::mutex> cerrojo(m_);
            cancelado_ = fin_ = true;
        }
        hayTarea_.notify_all();
        hayResultado_.notify_all();
        hayHueco_.notify_all();
    }

    void Unir() noexcept
    {
        for (std::thread& t : trabajadores_)
            if (t.joinable())
                t.join();
        if (escritor_.joinable())
            escritor_.join();
    }

    // What no row could hold stops the batch.
    void Averia() noexcept
    {
        const char* motivo = "unexpected fault";
        try {
            throw;
        } catch (const std::bad_alloc&) {
            motivo = "out of memory";
        } catch (...) {
        }
        {
            std::lock_guard<std::mutex> cerrojo(m_);
            if (averia_ == nullptr)
                averia_ = motivo;
        }
        Cancelar();
    }

    // The row as written: its cells, or for a fault outside the row's parts,
    // the row with only its error.
    std::string Texto(const FilaLeida& fila, bool& fallida)
    {
        std::vector<Celda> celdas;
        try {
            CalculoFila calculo(esquema_, fila, textos_, pedido_.metodo);
            celdas = calculo.Calcular(pedido_.canal);
            fallida = calculo.Fallida();
        } catch (...) {
            std::string motivo = "unexpected fault";
            try {
                throw;
            } catch (const std::bad_alloc&) {
                motivo = "out of memory";
            } catch (const std::exception& e) {
                motivo += std::string(": ") + e.what();
            } catch (...) {
            }
            celdas.assign(esquema_.salida.size(), Celda());
            celdas.back() = Celda::Texto("line " + std::to_string(fila.linea) + ", " + motivo);
            fallida = true;
        }
        // Text output rounds with the locale's number format.
        std::unique_lock<std::mutex> turno(textos_, std::defer_lock);
        if (pedido_.formato == Formato::Texto)
            turno.lock();
        return Fila(esquema_.salida, celdas, pedido_.formato, fila.orden == 0);
    }

    void Trabajar() noexcept
    {
        try {
            for (;;) {
                FilaLeida fila;
                {
                    std::unique_lock<std::mutex> cerrojo(m_);
                    hayTarea_.wait(cerrojo,
                                   [this] { return !tareas_.empty() || fin_ || cancelado_; });
                    if (cancelado_ || tareas_.empty())
                        return;
                    fila = std::move(tareas_.front());
                    tareas_.pop_front();
                }
                const std::size_t leidos = Peso(fila);
                bool fallida = false;
                std::string texto = Texto(fila, fallida);
                if (fallida)
                    ++fallidas_;
                std::lock_guard<std::mutex> cerrojo(m_);
                enVuelo_ += texto.size();
                enVuelo_ -= std::min(enVuelo_, leidos);
                hechas_.emplace(fila.orden, std::move(texto));
                if (fila.orden == escritas_)
                    hayResultado_.notify_one();
            }
        } catch (...) {
            Averia();
        }
    }

    void Escribir() noexcept
    {
        try {
            std::unique_lock<std::mutex> cerrojo(m_);
            for (;;) {
                hayResultado_.wait(cerrojo, [this] {
                    return cancelado_ || hechas_.count(escritas_) > 0 ||
                           (fin_ && escritas_ == leidas_);
                });
                if (cancelado_ || hechas_.count(escritas_) == 0)
                    return;
                // Every row ready in order is written in one go, outside the lock.
                std::vector<std::string> listas;
                long hasta = escritas_;
                for (auto it = hechas_.find(hasta); it != hechas_.end() && it->first == hasta;
                     it = hechas_.erase(it), ++hasta)
                    listas.push_back(std::move(it->second));
                // Nothing else ready: what is written reaches the reader now.
                const bool esperar = hechas_.empty();
                cerrojo.unlock();
                std::size_t bytes = 0;
                for (std::string& texto : listas) {
                    salida_ << texto;
                    bytes += texto.size();
                    std::string().swap(texto);
                }
                if (esperar)
                    salida_.flush();
                const bool escrito = static_cast<bool>(salida_);
                cerrojo.lock();
                escritas_ = hasta;
                enVuelo_ -= std::min(enVuelo_, bytes);
                hayHueco_.notify_one();
                if (!escrito) {
                    cerrojo.unlock();
                    Cancelar();
                    return;
                }
            }
        } catch (...) {
            Averia();
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
    std::size_t enVuelo_ = 0;  // bytes of the rows read and not yet written
    bool fin_ = false, cancelado_ = false;
    const char* averia_ = nullptr;
    std::atomic<long> fallidas_{0};
};

}  // namespace

int EjecutarLote(const Pedido& pedido, std::istream& entrada, std::ostream& salida)
{
    LectorCsv lector(entrada);
    auto leer = [&lector](FilaLeida& fila, bool detener) {
        try {
            return lector.Siguiente(fila, detener);
        } catch (const ErrorEntradaCsv& e) {
            throw ErrorUso(std::string("batch: cannot read the input: ") + e.what());
        }
    };
    FilaLeida encabezado;
    // The header is the first line that is not blank.
    if (!leer(encabezado, true))
        throw ErrorUso("batch: the input has no header row");
    if (!encabezado.falla.empty())
        throw ErrorUso("batch: the header (line " + std::to_string(encabezado.linea) + ") " +
                       encabezado.falla);
    std::string& primero = encabezado.campos.front();
    if (primero.rfind("\xEF\xBB\xBF", 0) == 0)  // the byte-order mark spreadsheets write
        primero.erase(0, 3);
    const Esquema esquema(encabezado.campos);

    salida << EncabezadoFilas(esquema.salida, pedido.formato);
    int hilos = pedido.hilos;
    if (hilos <= 0)
        hilos = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    Canalizacion canalizacion(pedido, esquema, salida, hilos);
    // A read error stops the reading; the rows before it are still written.
    std::exception_ptr fallaLectura;
    try {
        FilaLeida fila;
        while (leer(fila, false) && canalizacion.Poner(std::move(fila))) {
        }
    } catch (...) {
        fallaLectura = std::current_exception();
    }
    const bool algunaFallida = canalizacion.Terminar();
    salida << CierreFilas(pedido.formato);
    salida.flush();
    if (fallaLectura)
        std::rethrow_exception(fallaLectura);
    return algunaFallida ? 1 : 0;
}
