// What a command gives, and how it is written as text, CSV or JSON.
//
// Text is for people: aligned, rounded, units in the header. CSV and JSON are
// for scripts: every number in full precision (NumeroExacto), under the short
// names of the columns (yc, yn, ...).
#pragma once

#include <ostream>
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

    static Celda De(double x) { return {Tipo::Numero, x, false, {}, {}}; }
    static Celda De(bool b) { return {Tipo::Logico, 0, b, {}, {}}; }
    static Celda De(std::string t) { return {Tipo::Texto, 0, false, std::move(t), {}}; }
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

// The pieces the batch writes row by row.
std::string EncabezadoFilas(const std::vector<std::string>& columnas, Formato formato);
std::string Fila(const std::vector<std::string>& columnas, const std::vector<Celda>& celdas,
                 Formato formato, bool primera);
std::string CierreFilas(Formato formato);

// The column's name with its unit, for text output: "yc (m)".
std::string ConUnidad(const std::string& nombre);
