// The commands of torvel-calc, one function each: the channel and options of
// the command line in, the calculation layer's results out as fields and
// tables for Salida to write.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "calc/Calculos.h"
#include "cli/Opciones.h"
#include "cli/Salida.h"

class ErrorCalculo;
struct Caso;

// A calculation that could not be completed: exit status 1, explained as the
// desktop program explains it.
class FalloCalculo : public std::runtime_error {
public:
    FalloCalculo(const QString& queFallo, const ErrorCalculo& e);
    explicit FalloCalculo(const std::string& mensaje) : std::runtime_error(mensaje) {}
};

std::vector<Campo> CamposUniforme(const calculo::ResultadoUniforme& f, bool circular);
// The elements of ElementosHidraulicos just evaluated in v.
std::vector<Campo> CamposElementos(const Variables& v);
// The usage error of a refused calculation: the option or column (nombre),
// the value it held and what is missing.
std::string QueFalta(const calculo::Rechazo& rechazo, const std::string& nombre, double valor);

Resultado Uniforme(const Pedido& p);
Resultado Elementos(const Pedido& p);
Resultado Alterno(const Pedido& p);
Resultado Conjugado(const Pedido& p);
Resultado Perfil(const Pedido& p);
// rating; with alFila, each row goes to it as soon as it is computed (with the
// table's names, and no rows, in the Resultado) instead of into the result.
Resultado Curva(const Pedido& p,
                const std::function<void(const Resultado&, std::vector<Celda>)>& alFila = {});
// solve: the exact design solution for one unknown (Resolver.cpp).
Resultado Resolver(const Pedido& p);
// curve energy|force: E or M against the depth (Curvas.cpp).
Resultado CurvaEspecifica(const Pedido& p);
// case: every calculation the case allows, in the main window's order
// (CalculosCaso.cpp). Returns the exit status: 1 when any of them failed.
int EjecutarCaso(const Pedido& p, const Caso& caso, std::ostream& salida);
