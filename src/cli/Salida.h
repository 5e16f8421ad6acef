// What a command gives, and how it is written as text, CSV or JSON.
//
// Text is for people: aligned, rounded, units in the header. CSV and JSON are
// for scripts: every number in full precision (NumeroExacto), under the short
// names of the columns (yc, yn, ...).
#pragma once

#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/Opciones.h"

// One value: empty (no result), a number, true/false or a text.
struct Celda {
    enum class Tipo { Vacia, Numero, Logico, Texto } tipo = Tipo::Vacia;
    double numero = 0;
    bool logico = false;
    std::string texto;
    // Shown in text output instead of the value (the window's "Q LLENO").
    std::string leyenda;

    // One factory per kind, so that a literal text never turns into true.
    static Celda Numero(double x) { return {Tipo::Numero, x, false, {}, {}}; }
    static Celda Logico(bool b) { return {Tipo::Logico, 0, b, {}, {}}; }
    static Celda Texto(std::string t) { return {Tipo::Texto, 0, false, std::move(t), {}}; }
};

struct Campo {
    std::string nombre;
    Celda valor;
};

struct Resultado {
    std::vector<Campo> campos;
    // A table after the fields: JSON writes it under nombreTabla, as a list of
    // objects, or of [x, y] lists when filasComoListas.
    std::string nombreTabla;
    std::vector<std::string> columnas;
    std::vector<std::vector<Celda>> filas;
    bool filasComoListas = false;
};

void Escribir(const Resultado& resultado, Formato formato, std::ostream& salida);

// A result written while its table is computed: the fields and (CSV, JSON) the
// table's head at once, each row as it is added, the end on Terminar. Text
// aligns the columns on the first filasParaAnchos rows, held until then; later
// rows keep those widths (a wider value pushes the rest of its line right).
class TablaEnCurso {
public:
    // inicio: the fields, the table's name and columns; its rows are not read.
    TablaEnCurso(const Resultado& inicio, Formato formato, std::ostream& salida,
                 std::size_t filasParaAnchos);
    void Agregar(std::vector<Celda> fila);
    void Terminar();

private:
    void FijarAnchos();
    void EscribirFila(const std::vector<Celda>& fila);

    Resultado forma_;  // without rows
    Formato formato_;
    std::ostream& salida_;
    std::size_t filasParaAnchos_;
    std::vector<std::vector<Celda>> retenidas_;  // text only, until the widths are set
    std::vector<std::size_t> anchos_;
    bool anchosFijos_ = false;
    std::size_t escritas_ = 0;
};

// Standard output without the C library's buffer, so that a failed write keeps
// its reason (errno), e.g. "No space left on device".
class SalidaDescriptor : public std::streambuf {
public:
    explicit SalidaDescriptor(int descriptor);
    int Error() const { return error_; }  // 0 while every write succeeded

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool Vaciar();

    int descriptor_;
    int error_ = 0;
    char bufer_[1 << 16];
};

// Why salida failed, as one phrase ("No space left on device").
const char* MotivoFalloSalida(const std::ostream& salida);

// The pieces the batch writes row by row.
std::string EncabezadoFilas(const std::vector<std::string>& columnas, Formato formato);
std::string Fila(const std::vector<std::string>& columnas, const std::vector<Celda>& celdas,
                 Formato formato, bool primera);
std::string CierreFilas(Formato formato);

// The column's name with its unit, for text output: "yc (m)".
std::string ConUnidad(const std::string& nombre);
