// The command line of torvel-calc: which command, on which channel, with which
// calculation parameters and in which output format.
#pragma once

#include <QStringList>
#include <optional>
#include <stdexcept>
#include <string>

#include "calc/Calculos.h"
#include "calc/Diseno.h"
#include "state/Variables.h"

struct Caso;

enum class Formato { Texto, Csv, Json };

// A command line that cannot be run: exit status 2, one line naming the option
// and the text.
class ErrorUso : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Pedido {
    std::string comando;  // empty with --help and no command
    bool ayuda = false;   // print the help of the command (or the general one) and stop
    std::string textoAyuda;
    Formato formato = Formato::Texto;

    // Section, flow and calculation parameters, ready for the engine.
    Variables canal;

    std::optional<double> tirante;  // --depth
    std::optional<double> energia;  // --energy
    double x0 = 0, y0 = 0;
    std::optional<double> xf, yf;
    bool tabla = false;
    double qDesde = 0, qHasta = 0;
    long pasos = 0;
    std::string archivo;  // batch input, "-" for standard input; curve: energy or force
    std::optional<double> desde, hasta;  // curve: --from, --to
    int hilos = 0;                       // batch workers; 0 = one per core
    // uniform, rating and batch: how yc and yn are found (--solver).
    calculo::Metodo metodo = calculo::Metodo::Barrido;

    // solve: the channel, the unknown (--for), and each input's option and
    // text as typed, to name it when it is refused (indexed by Incognita).
    CanalDiseno diseno;
    Incognita incognita = Incognita::Caudal;
    std::string opcionDe[7], textoDe[7];
};

// Reads the arguments (without the program name). Throws ErrorUso. With
// --case FILE, or with caso, the case's inputs and parameters are the defaults
// of the options the line does not give.
Pedido LeerPedido(const QStringList& argumentos);
Pedido LeerPedido(const QStringList& argumentos, const Caso* caso);

// A box of the case as an option's text: a number in full precision with ".",
// or the text as typed; none when the box is empty.
std::optional<QString> TextoDeCaso(const Caso& caso, const char* clave);
// The depth the case's Hydraulics Parameters panel takes (its depth_source):
// the manual depth, the boundary's y0, or the Runge-Kutta profile's yf rounded
// to four decimals as the window shows it (computed from the case unless given
// in yRungeKutta). None when the case has no such depth.
std::optional<QString> TiranteDeCaso(const Caso& caso,
                                     std::optional<double> yRungeKutta = std::nullopt);

// A number written with "." whatever the locale; nullopt when the text is not a
// finite number. Surrounding blanks and a leading "+" are accepted.
std::optional<double> LeerNumero(const std::string& texto);
// Why LeerNumero gives nothing for texto: "not a number", "not a finite number",
// "too small (...)" or "too large (...)"; empty when it gives a number.
std::string MotivoNoNumero(const std::string& texto);

// The side angle (rad) the main window calculates with when the user types the
// side slope z into its box and presses Conv.: the angle in degrees is written
// into the degrees box with the window's number format, and read back from it.
double AnguloDeTalud(double z);
