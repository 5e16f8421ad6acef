// The commands of torvel-calc, one function each. Every calculation works on
// its own copy of the channel's state, never on the desktop program's.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/Opciones.h"
#include "cli/Salida.h"

class ErrorCalculo;

// A calculation that could not be completed: exit status 1, explained as the
// desktop program explains it.
class FalloCalculo : public std::runtime_error {
public:
    FalloCalculo(const QString& queFallo, const ErrorCalculo& e);
    explicit FalloCalculo(const std::string& mensaje) : std::runtime_error(mensaje) {}
};

// The uniform-flow panel's results for the state's channel.
struct FlujoUniforme {
    double yc = 0, yn = 0;
    bool qLleno = false;  // a pipe that cannot carry Q
    std::optional<double> sc, ec, en, pct, velocidad, froude;
    std::string tipo;  // "M", "S" or "" (Sc = S, or no Sc)
};
FlujoUniforme CalcularUniforme(Variables v);
std::vector<Campo> CamposUniforme(const FlujoUniforme& f, bool circular);
// The elements of ElementosHidraulicos just evaluated in v.
std::vector<Campo> CamposElementos(const Variables& v);
// Refuses, as missing data, what the uniform-flow panel refuses. nombres
// gives the option or column names of slope, n and q.
void ComprobarUniforme(const Variables& v, const char* pendiente, const char* n, const char* q);

Resultado Uniforme(const Pedido& p);
Resultado Elementos(const Pedido& p);
Resultado Alterno(const Pedido& p);
Resultado Conjugado(const Pedido& p);
Resultado Perfil(const Pedido& p);
// rating; with alFila, each row goes to it as soon as it is computed (with the
// table's names, and no rows, in the Resultado) instead of into the result.
Resultado Curva(const Pedido& p,
                const std::function<void(const Resultado&, std::vector<Celda>)>& alFila = {});
