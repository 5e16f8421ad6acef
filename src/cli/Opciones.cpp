// Command-line parsing. Every command has its own QCommandLineParser, so that
// `torvel-calc COMMAND --help` lists exactly the options that command takes
// and any other option is refused by name.
#include "cli/Opciones.h"

#include <QCommandLineParser>
#include <charconv>
#include <cmath>
#include <cstring>
#include <sstream>
#include <vector>

#include "captions/Caso.h"
#include "captions/Numeros.h"
#include "cli/Comandos.h"
#include "engine/Csv.h"
#include "engine/modFuncionesTorvel.h"

namespace {

struct Comando {
    const char* nombre;
    const char* descripcion;
    const char* salida;  // what it gives, for its --help
};

const Comando kComandos[] = {
    {"uniform", "critical and normal depths, critical slope, slope type and energies",
     "Gives yc, yn, yn_found (false when no normal depth was found; a pipe that cannot carry Q "
     "shows \"Q LLENO\"), Sc, slope_type (M, S, or empty when Sc = S), Ec, En and, for a pipe, "
     "pct_diameter. The bed slope must not be 0, n and Q must be positive."},
    {"elements", "every hydraulic element of the section at --depth",
     "Gives A, P, R, T, D_h, V, Fr, E, M, Sf, tau and centroid at the depth (positive, like n "
     "and Q)."},
    {"alternate", "the alternate depth of --depth, or both alternate depths of --energy",
     "Gives alt_depth for --depth, alt_sup and alt_inf for --energy."},
    {"conjugate", "the conjugate (sequent) depth of --depth",
     "Gives conj_depth; -1 when the momentum at the depth is not positive."},
    {"profile",
     "water-surface profile from (--x0, --y0): Runge-Kutta to --xf or direct step "
     "to --yf",
     "Gives method (rk or direct), yf (Runge-Kutta) or xf (direct step), E there, type (M1 ... "
     "A3), end (reached, zone or reversal) and x_end, and with --table the points [x, y] (in "
     "CSV after a blank line). A direct step whose depths are equal or lie in different "
     "zones exits with status 1."},
    {"rating", "uniform flow for discharges from --q-from to --q-to in --steps equal steps",
     "Gives rows of Q, yc, yn, Sc, Ec, En, V and Fr (at yn) for Q = A + i (B - A) / K, "
     "i = 0 ... K; the last row is B itself. Rows are written as they are computed; text "
     "aligns the columns on the first 1000."},
    {"batch", "uniform flow (and depths, elements) for every row of a CSV file",
     "Gives each input row's columns, then those of uniform; with a depth, alt_depth, "
     "conj_depth and the columns of elements; with an energy, alt_sup and alt_inf; and error "
     "(the line, the column or part, the reason), filled when any part of the row failed. "
     "Rows are written in input order as they complete; the exit status is 1 when any row "
     "failed. A quoted field may hold commas, quotes (doubled) and line breaks; a row over "
     "1 MB or with more than 1000 fields is refused, and no input column may be named like "
     "an output column."},
    {"curve", "the specific energy (energy) or specific force (force) against the depth",
     "Gives rows of y and E (energy: y + Q^2 / 2gA^2) or M (force: A ybar + Q^2 / gA), the "
     "numbers of the diagrams window, for y = A + i (B - A) / K, i = 0 ... K, with --from A, "
     "--to B and --steps K (default 199); without --from and --to, from 0.05 yc to 2.5 "
     "times the larger of yc and yn (a pipe's at most 0.999 D), the window's depths. A "
     "pipe's curve stops below its crown. n and Q must be positive."},
    {"solve", "Manning's uniform flow solved exactly for one unknown, as in the design window",
     "Solves Manning's formula for the unknown of --for (q, depth, b, d, z, slope or n), given "
     "every other input of the shape; the unknown's own option is left out. Gives unknown, "
     "value, the solved channel (shape, b, d, z, angle, slope, n, q, depth), A, P, R, T, V, Fr, "
     "E, tau, yc, Sc, regime and, for a pipe, pct_full, q_full, q_max, y_qmax and depth_2 (the "
     "other depth carrying Q, where there is one); warning when |Fr - 1| < 0.1. Exit status 1 "
     "when no value of the unknown gives the flow (a pipe that cannot carry Q names its "
     "largest discharge q_max and its depth y_qmax), 2 for an input that is missing or out "
     "of range."},
};

const Comando kComandoCaso = {
    "case", "every calculation a saved case (.torvel) allows, in the main window's order",
    "Runs, with the case's channel and parameters, uniform flow, the alternate depths, the "
    "conjugate depth, the Runge-Kutta profile, the direct step and the elements at the depth "
    "the case chooses, each as its own command would, and gives each one's results or why it "
    "did not run (not_run: the case lacks an input it needs; error: it failed). Exit status 1 "
    "when any calculation failed, 2 when the file cannot be read as a case. Every other "
    "command takes --case FILE for its defaults; the options given on the line win."};

// solve's unknowns, in the order of Incognita, by their option names.
const char* const kIncognitas[] = {"q", "depth", "b", "d", "z", "slope", "n"};

[[noreturn]] void Fallar(const QString& opcion, const QString& texto, const char* motivo)
{
    throw ErrorUso(
        QStringLiteral("--%1: \"%2\" %3").arg(opcion, texto, QLatin1String(motivo)).toStdString());
}

double Numero(const QCommandLineParser& p, const QString& opcion)
{
    const QString texto = p.value(opcion);
    const std::optional<double> valor = LeerNumero(texto.toStdString());
    if (!valor)
        Fallar(opcion, texto, ("is " + MotivoNoNumero(texto.toStdString())).c_str());
    return *valor;
}

std::optional<double> NumeroOpcional(const QCommandLineParser& p, const QString& opcion)
{
    if (!p.isSet(opcion))
        return std::nullopt;
    return Numero(p, opcion);
}

double NumeroObligatorio(const QCommandLineParser& p, const QString& opcion)
{
    if (!p.isSet(opcion))
        throw ErrorUso(QStringLiteral("--%1 is missing").arg(opcion).toStdString());
    return Numero(p, opcion);
}

long Entero(const QCommandLineParser& p, const QString& opcion, long minimo, long maximo)
{
    const QString texto = p.value(opcion);
    const std::optional<double> valor = LeerNumero(texto.toStdString());
    if (!valor && MotivoNoNumero(texto.toStdString()) != "not a number")
        Fallar(opcion, texto, ("is " + MotivoNoNumero(texto.toStdString())).c_str());
    if (!valor || *valor != std::floor(*valor))
        Fallar(opcion, texto, "is not a whole number");
    if (*valor < minimo || *valor > maximo) {
        const std::string rango =
            "is out of range (" + std::to_string(minimo) + " to " + std::to_string(maximo) + ")";
        Fallar(opcion, texto, rango.c_str());
    }
    return static_cast<long>(*valor);
}

QCommandLineOption Opcion(const char* nombre, const char* valor, const char* ayuda)
{
    if (valor == nullptr)
        return QCommandLineOption(QLatin1String(nombre), QLatin1String(ayuda));
    return QCommandLineOption(QLatin1String(nombre), QLatin1String(ayuda), QLatin1String(valor));
}

void OpcionesCanal(QCommandLineParser& p, bool conCaudal)
{
    p.addOptions({
        Opcion("rect", "B", "Rectangular section of width B (m)."),
        Opcion("trap", "B", "Trapezoidal section of bottom width B (m); give --angle or --z."),
        Opcion("angle", "DEG", "Side angle of the trapezoid, in degrees from the horizontal."),
        Opcion("z", "Z",
               "Side slope of the trapezoid (Z horizontal to 1 vertical), converted "
               "to the angle as the main window's Conv. button does."),
        Opcion("circle", "D", "Circular section (pipe) of diameter D (m)."),
        Opcion("slope", "S", "Bed slope (m/m); 0 is refused where the window asks for it."),
        Opcion("n", "N", "Manning roughness coefficient (s/m^(1/3))."),
    });
    if (conCaudal)
        p.addOption(Opcion("q", "Q", "Discharge (m3/s)."));
}

void OpcionesParametros(QCommandLineParser& p)
{
    p.addOptions({
        Opcion("error", "E", "Admissible error (m): the depth scans step by E/2 (default 0.001)."),
        Opcion("points", "N", "Intermediate points of a profile, 1 to 32765 (default 100)."),
        Opcion("threshold", "T", "ABS(dy/dx) above which a profile step is refined (default 0.1)."),
        Opcion("no-intelligent-step", nullptr, "Never refine a profile step."),
    });
}

void OpcionesPropias(QCommandLineParser& p, const std::string& comando)
{
    if (comando == "elements" || comando == "conjugate")
        p.addOption(Opcion("depth", "Y", "Flow depth (m)."));
    if (comando == "alternate") {
        p.addOption(Opcion("depth", "Y", "Given depth (m): its alternate depth."));
        p.addOption(Opcion("energy", "E", "Given specific energy (m): both alternate depths."));
    }
    if (comando == "profile") {
        p.addOptions({
            Opcion("x0", "X", "Abscissa of the boundary condition (m)."),
            Opcion("y0", "Y", "Depth of the boundary condition (m)."),
            Opcion("xf", "X", "Abscissa where the depth is sought (Runge-Kutta)."),
            Opcion("yf", "Y", "Depth whose abscissa is sought (direct step)."),
            Opcion("table", nullptr, "Also give the profile's points (x, y)."),
        });
    }
    if (comando == "rating") {
        p.addOptions({
            Opcion("q-from", "A", "First discharge (m3/s)."),
            Opcion("q-to", "B", "Last discharge (m3/s)."),
            Opcion("steps", "K", "Number of equal steps; K + 1 rows, both ends included."),
        });
    }
    if (comando == "curve") {
        p.addPositionalArgument(QStringLiteral("KIND"),
                                QStringLiteral("energy (specific energy) or force (specific "
                                               "force)."));
        p.addOptions({
            Opcion("from", "A", "First depth (m)."),
            Opcion("to", "B", "Last depth (m)."),
            Opcion("steps", "K", "Number of equal steps; K + 1 rows (default 199)."),
        });
    }
    if (comando == "uniform" || comando == "rating" || comando == "batch")
        p.addOption(Opcion("solver", "M",
                           "How yc and yn are found: scan (default, the main window's scans "
                           "in steps of half the admissible error) or exact (the roots of the "
                           "channel design solver, to full precision)."));
    if (comando == "case")
        p.addPositionalArgument(QStringLiteral("FILE"),
                                QStringLiteral("A case saved by the main window (.torvel)."));
    else
        p.addOption(Opcion("case", "FILE",
                           "A saved case (.torvel) whose inputs and parameters are the "
                           "defaults of the options not given."));
    if (comando == "batch") {
        p.addPositionalArgument(QStringLiteral("FILE"),
                                QStringLiteral("CSV file with a header row; - reads the standard "
                                               "input. Columns, in any order: shape (rect, trap "
                                               "or circle), b, angle, z, d, slope, n, q, and "
                                               "optionally depth and energy. Other columns are "
                                               "copied to the output."));
        p.addOption(Opcion("jobs", "N",
                           "Rows computed at the same time (default: one per "
                           "core)."));
    }
}

// Section and flow into the state, as LeerDatos leaves them in the window.
void LeerCanal(const QCommandLineParser& p, Variables& v, bool conCaudal)
{
    const int formas = p.isSet(QStringLiteral("rect")) + p.isSet(QStringLiteral("trap")) +
                       p.isSet(QStringLiteral("circle"));
    if (formas == 0)
        throw ErrorUso("the section is missing: give --rect B, --trap B or --circle D");
    if (formas > 1)
        throw ErrorUso("give only one of --rect, --trap and --circle");
    if (p.isSet(QStringLiteral("rect"))) {
        v.esRectangular = VERDADERO;
        v.ancho = Numero(p, QStringLiteral("rect"));
    } else if (p.isSet(QStringLiteral("circle"))) {
        v.esCircular = VERDADERO;
        v.diametro = Numero(p, QStringLiteral("circle"));
    } else {
        v.esTrapezoidal = VERDADERO;
        v.anchoFondo = Numero(p, QStringLiteral("trap"));
        const bool angulo = p.isSet(QStringLiteral("angle"));
        if (angulo == p.isSet(QStringLiteral("z")))
            throw ErrorUso("--trap needs exactly one of --angle DEG and --z Z");
        // An angle of 90 degrees or more is taken, as the window takes it; one whose
        // conversion overflows is refused here, before any calculation.
        if (angulo) {
            const double grados = Numero(p, QStringLiteral("angle"));
            try {
                v.anguloTalud = GradosARadianes(grados);
            } catch (const ErrorCalculo&) {
                Fallar(QStringLiteral("angle"), p.value(QStringLiteral("angle")),
                       "cannot be converted to radians: it is too large");
            }
        } else {
            const double z = Numero(p, QStringLiteral("z"));
            if (!(z > 0))
                Fallar(QStringLiteral("z"), p.value(QStringLiteral("z")), "must be positive");
            try {
                v.anguloTalud = AnguloDeTalud(z);
            } catch (const std::exception&) {
                Fallar(QStringLiteral("z"), p.value(QStringLiteral("z")),
                       "cannot be converted to an angle: it is too small");
            }
        }
    }
    if (!p.isSet(QStringLiteral("trap")) &&
        (p.isSet(QStringLiteral("angle")) || p.isSet(QStringLiteral("z"))))
        throw ErrorUso("--angle and --z go with --trap only");
    v.pendiente = NumeroObligatorio(p, QStringLiteral("slope"));
    v.nManning = NumeroObligatorio(p, QStringLiteral("n"));
    if (conCaudal)
        v.caudal = NumeroObligatorio(p, QStringLiteral("q"));
}

void LeerParametros(const QCommandLineParser& p, Variables& v)
{
    ParametrosPorDefecto(v);
    if (p.isSet(QStringLiteral("error"))) {
        v.errorAdmisible = Numero(p, QStringLiteral("error"));
        if (!(v.errorAdmisible > 0))
            Fallar(QStringLiteral("error"), p.value(QStringLiteral("error")), "must be positive");
    }
    if (p.isSet(QStringLiteral("points")))
        v.puntosPerfil = static_cast<int16_t>(Entero(p, QStringLiteral("points"), 1, 32765));
    if (p.isSet(QStringLiteral("threshold")))
        v.umbralPasoInteligente = Numero(p, QStringLiteral("threshold"));
    if (p.isSet(QStringLiteral("no-intelligent-step")))
        v.pasoInteligente = FALSO;
}

Formato LeerFormato(const QCommandLineParser& p)
{
    const QString texto = p.value(QStringLiteral("format"));
    if (texto == QLatin1String("text"))
        return Formato::Texto;
    if (texto == QLatin1String("csv"))
        return Formato::Csv;
    if (texto == QLatin1String("json"))
        return Formato::Json;
    Fallar(QStringLiteral("format"), texto, "is not one of text, csv, json");
}

void LeerPropias(const QCommandLineParser& p, Pedido& pedido)
{
    const std::string& c = pedido.comando;
    if (c == "elements" || c == "conjugate")
        pedido.tirante = NumeroObligatorio(p, QStringLiteral("depth"));
    if (c == "alternate") {
        pedido.tirante = NumeroOpcional(p, QStringLiteral("depth"));
        pedido.energia = NumeroOpcional(p, QStringLiteral("energy"));
        if (pedido.tirante.has_value() == pedido.energia.has_value())
            throw ErrorUso("alternate needs exactly one of --depth Y and --energy E");
    }
    if (c == "profile") {
        pedido.x0 = NumeroObligatorio(p, QStringLiteral("x0"));
        pedido.y0 = NumeroObligatorio(p, QStringLiteral("y0"));
        pedido.xf = NumeroOpcional(p, QStringLiteral("xf"));
        pedido.yf = NumeroOpcional(p, QStringLiteral("yf"));
        if (pedido.xf.has_value() == pedido.yf.has_value())
            throw ErrorUso("profile needs exactly one of --xf X (Runge-Kutta) and --yf Y "
                           "(direct step)");
        pedido.tabla = p.isSet(QStringLiteral("table"));
    }
    if (c == "rating") {
        pedido.qDesde = NumeroObligatorio(p, QStringLiteral("q-from"));
        pedido.qHasta = NumeroObligatorio(p, QStringLiteral("q-to"));
        if (!p.isSet(QStringLiteral("steps")))
            throw ErrorUso("--steps is missing");
        pedido.pasos = Entero(p, QStringLiteral("steps"), 1, 1'000'000);
    }
    if ((c == "uniform" || c == "rating" || c == "batch") && p.isSet(QStringLiteral("solver"))) {
        const QString texto = p.value(QStringLiteral("solver"));
        if (texto == QLatin1String("exact"))
            pedido.metodo = calculo::Metodo::Exacto;
        else if (texto != QLatin1String("scan"))
            Fallar(QStringLiteral("solver"), texto, "is not one of scan, exact");
    }
    if (c == "curve") {
        const QStringList tipo = p.positionalArguments();
        if (tipo.size() != 1 ||
            (tipo.front() != QLatin1String("energy") && tipo.front() != QLatin1String("force")))
            throw ErrorUso("curve needs one KIND: energy or force");
        pedido.archivo = tipo.front().toStdString();
        pedido.desde = NumeroOpcional(p, QStringLiteral("from"));
        pedido.hasta = NumeroOpcional(p, QStringLiteral("to"));
        if (pedido.desde.has_value() != pedido.hasta.has_value())
            throw ErrorUso("curve needs both --from and --to, or neither");
        if (pedido.desde && !(*pedido.desde > 0))
            Fallar(QStringLiteral("from"), p.value(QStringLiteral("from")), "must be positive");
        if (pedido.hasta && !(*pedido.hasta > *pedido.desde))
            Fallar(QStringLiteral("to"), p.value(QStringLiteral("to")),
                   "must be greater than --from");
        pedido.pasos = p.isSet(QStringLiteral("steps"))
                           ? Entero(p, QStringLiteral("steps"), 1, 1'000'000)
                           : 199;
    } else if (c == "case") {
        const QStringList archivos = p.positionalArguments();
        if (archivos.size() != 1)
            throw ErrorUso("case needs one FILE, a saved case (.torvel)");
        pedido.archivo = archivos.front().toStdString();
    } else if (c == "batch") {
        const QStringList archivos = p.positionalArguments();
        if (archivos.size() != 1)
            throw ErrorUso("batch needs one FILE (- for the standard input)");
        pedido.archivo = archivos.front().toStdString();
        if (p.isSet(QStringLiteral("jobs")))
            pedido.hilos = static_cast<int>(Entero(p, QStringLiteral("jobs"), 1, 256));
    } else if (!p.positionalArguments().isEmpty()) {
        throw ErrorUso("unexpected argument \"" + p.positionalArguments().front().toStdString() +
                       "\"");
    }
}

void OpcionesDiseno(QCommandLineParser& p)
{
    p.addOptions({
        Opcion("for", "X", "The unknown: q, depth, b, d, z, slope or n."),
        Opcion("shape", "S", "The section: rect, trap (b = 0 is a triangle) or circle."),
        Opcion("b", "B", "Width of a rectangle, bottom width of a trapezoid (m)."),
        Opcion("d", "D", "Diameter of a pipe (m)."),
        Opcion("angle", "DEG", "Side angle of a trapezoid, in degrees from the horizontal."),
        Opcion("z", "Z", "Side slope of a trapezoid (Z horizontal to 1 vertical)."),
        Opcion("slope", "S", "Bed slope (m/m)."),
        Opcion("n", "N", "Manning roughness coefficient (s/m^(1/3))."),
        Opcion("q", "Q", "Discharge (m3/s)."),
        Opcion("depth", "Y", "Flow depth (m)."),
    });
}

// The channel of solve: every input of the shape but the unknown, each a number.
void LeerDiseno(const QCommandLineParser& p, Pedido& pedido)
{
    if (!p.isSet(QStringLiteral("for")))
        throw ErrorUso("--for is missing: give the unknown, one of q, depth, b, d, z, slope, n");
    const QString para = p.value(QStringLiteral("for"));
    int incognita = -1;
    for (int i = 0; i < 7; ++i)
        if (para == QLatin1String(kIncognitas[i]))
            incognita = i;
    if (incognita < 0)
        Fallar(QStringLiteral("for"), para, "is not one of q, depth, b, d, z, slope, n");
    pedido.incognita = static_cast<Incognita>(incognita);

    if (!p.isSet(QStringLiteral("shape")))
        throw ErrorUso("--shape is missing: give rect, trap or circle");
    const QString forma = p.value(QStringLiteral("shape"));
    CanalDiseno& c = pedido.diseno;
    if (forma == QLatin1String("rect"))
        c.forma = FormaCanal::Rectangular;
    else if (forma == QLatin1String("trap"))
        c.forma = FormaCanal::Trapezoidal;
    else if (forma == QLatin1String("circle"))
        c.forma = FormaCanal::Circular;
    else
        Fallar(QStringLiteral("shape"), forma, "is not one of rect, trap, circle");

    const bool circular = c.forma == FormaCanal::Circular;
    const bool trapecio = c.forma == FormaCanal::Trapezoidal;
    const auto aplica = [&](Incognita dato) {
        switch (dato) {
        case Incognita::Ancho: return !circular;
        case Incognita::Diametro: return circular;
        case Incognita::Talud: return trapecio;
        default: return true;
        }
    };
    if (!aplica(pedido.incognita))
        throw ErrorUso("--for " + para.toStdString() + ": a " + forma.toStdString() +
                       " section has no " + para.toStdString());

    for (int i = 0; i < 7; ++i) {
        const auto dato = static_cast<Incognita>(i);
        const QString opcion = QLatin1String(kIncognitas[i]);
        pedido.opcionDe[i] = "--" + opcion.toStdString();
        if (dato == Incognita::Talud) {
            const bool conAngulo = p.isSet(QStringLiteral("angle"));
            const bool conTalud = p.isSet(QStringLiteral("z"));
            if (!trapecio) {
                if (conAngulo || conTalud)
                    throw ErrorUso("--angle and --z go with --shape trap only");
                continue;
            }
            if (dato == pedido.incognita) {
                if (conAngulo || conTalud)
                    throw ErrorUso(std::string(conAngulo ? "--angle" : "--z") +
                                   " gives the unknown z (--for z): leave it out");
                continue;
            }
            if (conAngulo == conTalud)
                throw ErrorUso("--shape trap needs exactly one of --angle DEG and --z Z");
            if (conTalud) {
                c.z = Numero(p, QStringLiteral("z"));
                pedido.textoDe[i] = p.value(QStringLiteral("z")).toStdString();
                continue;
            }
            // The angle turned into z as the engine turns it.
            const double grados = Numero(p, QStringLiteral("angle"));
            const std::optional<double> z = TaludDeAngulo(grados);
            if (!z)
                Fallar(QStringLiteral("angle"), p.value(QStringLiteral("angle")),
                       "must lie above 0 and at most 90 degrees");
            c.z = *z;
            pedido.opcionDe[i] = "--angle";
            pedido.textoDe[i] = p.value(QStringLiteral("angle")).toStdString();
            continue;
        }
        if (!aplica(dato)) {
            if (p.isSet(opcion))
                throw ErrorUso("--" + opcion.toStdString() + " does not belong to a " +
                               forma.toStdString() + " section");
            continue;
        }
        if (dato == pedido.incognita) {
            if (p.isSet(opcion))
                throw ErrorUso("--" + opcion.toStdString() + " is the unknown (--for " +
                               para.toStdString() + "): leave it out");
            continue;
        }
        const double valor = NumeroObligatorio(p, opcion);
        pedido.textoDe[i] = p.value(opcion).toStdString();
        switch (dato) {
        case Incognita::Caudal: c.caudal = valor; break;
        case Incognita::Tirante: c.tirante = valor; break;
        case Incognita::Ancho: c.b = valor; break;
        case Incognita::Diametro: c.d = valor; break;
        case Incognita::Pendiente: c.pendiente = valor; break;
        case Incognita::Manning: c.n = valor; break;
        case Incognita::Talud: break;
        }
    }
    if (!p.positionalArguments().isEmpty())
        throw ErrorUso("unexpected argument \"" + p.positionalArguments().front().toStdString() +
                       "\"");
}

// An option given twice is refused rather than one of its values silently dropped.
void RechazarRepetidas(const QCommandLineParser& p)
{
    QStringList vistas;
    for (QString nombre : p.optionNames()) {
        if (nombre == QLatin1String("h"))
            nombre = QStringLiteral("help");
        if (vistas.contains(nombre))
            throw ErrorUso(
                QStringLiteral("--%1 is given more than once").arg(nombre).toStdString());
        vistas.append(nombre);
    }
}

// The text in lines of at most 79 characters, broken at blanks.
std::string Envolver(const std::string& texto)
{
    std::string resultado, linea, palabra;
    std::istringstream palabras(texto);
    while (palabras >> palabra) {
        if (!linea.empty() && linea.size() + 1 + palabra.size() > 79) {
            resultado += linea + "\n";
            linea.clear();
        }
        linea += (linea.empty() ? "" : " ") + palabra;
    }
    return resultado + linea;
}

std::string AyudaGeneral()
{
    std::string texto =
        "Usage: torvel-calc COMMAND [options]\n"
        "Steady flow in prismatic open channels, with the engine of the Torvel desktop "
        "program.\n\nCommands:\n";
    for (const Comando& c : kComandos)
        texto += "  " + std::string(c.nombre) + std::string(12 - std::strlen(c.nombre), ' ') +
                 c.descripcion + "\n";
    texto += "  " + std::string(kComandoCaso.nombre) +
             std::string(12 - std::strlen(kComandoCaso.nombre), ' ') + kComandoCaso.descripcion +
             "\n";
    texto +=
        "\nRun torvel-calc COMMAND --help for the options of a command.\n"
        "Every command but batch, solve and case takes the section (--rect B | --trap B --angle "
        "DEG |\n--trap B --z Z | --circle D), --slope S and --n N; solve takes --shape, --b, --d, "
        "--angle or --z,\n--slope, --n, --q and --depth instead. All but solve and case take "
        "--error E, --points N,\n--threshold T and --no-intelligent-step, all but case take "
        "--case FILE (a saved case's inputs\nas defaults), and every one takes --format "
        "text|csv|json. Numbers are written with \".\" in any\nlocale; one-letter options may "
        "be written -n or --n.\n"
        "CSV and JSON give every number in full precision (the shortest text that reads back to "
        "the same double).\n\nExit status: 0 done, 1 a calculation could not be completed (or a "
        "batch row failed,\nor the output could not be written), 2 a usage error or an unreadable "
        "file.\n";
    return texto;
}

}  // namespace

namespace {

// The number in texto, or why there is none.
std::optional<double> Leer(const std::string& texto, std::string* motivo)
{
    std::string ninguno;
    if (motivo == nullptr)
        motivo = &ninguno;
    *motivo = "not a number";
    std::size_t inicio = texto.find_first_not_of(" \t");
    std::size_t fin = texto.find_last_not_of(" \t");
    if (inicio == std::string::npos)
        return std::nullopt;
    if (texto[inicio] == '+')
        ++inicio;
    double valor = 0;
    const char* primero = texto.data() + inicio;
    const char* ultimo = texto.data() + fin + 1;
    const auto [ptr, ec] = std::from_chars(primero, ultimo, valor);
    if (ec == std::errc::result_out_of_range && ptr == ultimo) {
        // Only the magnitude is wanted: a long double reaches further, and
        // beyond it the exponent's sign tells.
        long double amplio = 0;
        const auto leido = std::from_chars(primero, ultimo, amplio);
        const std::string t(primero, ultimo);
        const std::size_t e = t.find_first_of("eE");
        const bool pequeno = leido.ec == std::errc()
                                 ? std::fabs(amplio) < 1
                                 : e != std::string::npos && e + 1 < t.size() && t[e + 1] == '-';
        *motivo = pequeno ? "too small (below the smallest double, about 4.9e-324)"
                          : "too large (above the largest double, about 1.8e308)";
        return std::nullopt;
    }
    if (ec != std::errc() || ptr != ultimo || primero == ultimo || std::isnan(valor))
        return std::nullopt;
    if (std::isinf(valor)) {
        *motivo = "not a finite number";
        return std::nullopt;
    }
    motivo->clear();
    return valor;
}

}  // namespace

std::optional<double> LeerNumero(const std::string& texto)
{
    return Leer(texto, nullptr);
}

std::string MotivoNoNumero(const std::string& texto)
{
    std::string motivo;
    Leer(texto, &motivo);
    return motivo;
}

double AnguloDeTalud(double z)
{
    return GradosARadianes(TextoANumero(NumeroATexto(TaludAGrados(z))));
}

namespace {

void Preparar(QCommandLineParser& p, const Comando& comando)
{
    const std::string nombre = comando.nombre;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    p.setApplicationDescription(QString::fromStdString(
        Envolver("torvel-calc " + nombre + ": " + comando.descripcion + ". " + comando.salida)));
    const bool diseno = nombre == "solve";
    const bool conCanal = nombre != "batch" && nombre != "case" && !diseno;
    const bool conCaudal = conCanal && nombre != "rating";
    if (conCanal)
        OpcionesCanal(p, conCaudal);
    if (diseno)
        OpcionesDiseno(p);
    else if (nombre != "case")
        OpcionesParametros(p);
    OpcionesPropias(p, nombre);
    p.addOption(Opcion("format", "F",
                       "Output: text (default, rounded and aligned), csv or json "
                       "(full precision)."));
    // Not addHelpOption: its --help-all lists Qt's own options, which are never read here.
    p.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                   QStringLiteral("Displays help on commandline options.")));
}

void Leer(const QCommandLineParser& p, Pedido& pedido)
{
    if (p.isSet(QStringLiteral("format")))
        pedido.formato = LeerFormato(p);
    if (pedido.comando == "solve") {
        LeerDiseno(p, pedido);
        return;
    }
    if (pedido.comando == "case") {
        ParametrosPorDefecto(pedido.canal);
        LeerPropias(p, pedido);
        return;
    }
    const bool conCanal = pedido.comando != "batch";
    LeerParametros(p, pedido.canal);
    if (conCanal)
        LeerCanal(p, pedido.canal, pedido.comando != "rating");
    LeerPropias(p, pedido);
}

}  // namespace

std::optional<QString> TextoDeCaso(const Caso& caso, const char* clave)
{
    const ValorCaso valor = caso.Entrada(QLatin1String(clave));
    switch (valor.tipo) {
    case ValorCaso::Tipo::Vacio: return std::nullopt;
    case ValorCaso::Tipo::Numero: return QString::fromStdString(NumeroExacto(valor.numero));
    case ValorCaso::Tipo::Texto: break;
    }
    return valor.texto;
}

std::optional<QString> TiranteDeCaso(const Caso& caso, std::optional<double> yRungeKutta)
{
    if (caso.fuenteTirante == QLatin1String("boundary"))
        return TextoDeCaso(caso, "y0");
    if (caso.fuenteTirante == QLatin1String("manual"))
        return TextoDeCaso(caso, "manual_depth");
    if (!yRungeKutta) {
        // The window reads the depth of the Runge-Kutta box, rounded to four decimals.
        const std::optional<QString> xf = TextoDeCaso(caso, "xf");
        if (!xf)
            return std::nullopt;
        try {
            const Resultado r = Perfil(
                LeerPedido({QStringLiteral("profile"), QStringLiteral("--xf=") + *xf}, &caso));
            for (const Campo& campo : r.campos)
                if (campo.nombre == "yf")
                    yRungeKutta = campo.valor.numero;
        } catch (const std::exception&) {
            return std::nullopt;
        }
        if (!yRungeKutta)
            return std::nullopt;
    }
    return QString::fromStdString(NumeroExacto(RedondearDecimales(*yRungeKutta, 4)));
}

namespace {

// The options the case gives to the command, for those the line does not give.
QStringList DefectosDeCaso(const QCommandLineParser& p, const std::string& comando,
                           const Caso& caso)
{
    const QStringList dadas = p.optionNames();
    QStringList extras;
    auto dada = [&](const char* opcion) { return dadas.contains(QLatin1String(opcion)); };
    auto poner = [&](const char* opcion, const std::optional<QString>& texto) {
        if (!dada(opcion) && texto)
            extras << QStringLiteral("--") + QLatin1String(opcion) + QLatin1Char('=') + *texto;
    };
    auto box = [&](const char* clave) { return TextoDeCaso(caso, clave); };

    if (comando == "solve") {
        const QString para = dada("for") ? p.value(QStringLiteral("for")) : QString();
        auto ponerSalvo = [&](const char* opcion, const std::optional<QString>& texto) {
            if (para != QLatin1String(opcion))
                poner(opcion, texto);
        };
        if (!dada("shape"))
            extras << QStringLiteral("--shape=") + caso.forma;
        const QString forma = dada("shape") ? p.value(QStringLiteral("shape")) : caso.forma;
        if (forma == QLatin1String("rect"))
            ponerSalvo("b", box("width"));
        if (forma == QLatin1String("trap")) {
            ponerSalvo("b", box("bottom_width"));
            if (para != QLatin1String("z") && !dada("angle") && !dada("z")) {
                if (box("angle"))
                    poner("angle", box("angle"));
                else
                    poner("z", box("side_slope"));
            }
        }
        if (forma == QLatin1String("circle"))
            ponerSalvo("d", box("diameter"));
        ponerSalvo("slope", box("slope"));
        ponerSalvo("n", box("n"));
        ponerSalvo("q", box("q"));
        if (para != QLatin1String("depth") && !dada("depth"))
            poner("depth", TiranteDeCaso(caso));
        return extras;
    }

    const bool conCanal = comando != "batch";
    if (conCanal) {
        const bool seccionEnLinea = dada("rect") || dada("trap") || dada("circle");
        const bool trapecio = seccionEnLinea ? dada("trap") : caso.forma == QLatin1String("trap");
        if (!seccionEnLinea) {
            if (caso.forma == QLatin1String("rect"))
                poner("rect", box("width"));
            else if (caso.forma == QLatin1String("circle"))
                poner("circle", box("diameter"));
            else
                poner("trap", box("bottom_width"));
        }
        if (trapecio && !dada("angle") && !dada("z")) {
            if (box("angle"))
                poner("angle", box("angle"));
            else
                poner("z", box("side_slope"));
        }
        poner("slope", box("slope"));
        poner("n", box("n"));
        if (comando != "rating")
            poner("q", box("q"));
    }
    // The parameters, where they differ from the defaults.
    Variables porDefecto;
    ParametrosPorDefecto(porDefecto);
    if (caso.errorAdmisible != porDefecto.errorAdmisible)
        poner("error", QString::fromStdString(NumeroExacto(caso.errorAdmisible)));
    if (caso.puntosPerfil != porDefecto.puntosPerfil)
        poner("points", QString::number(caso.puntosPerfil));
    if (caso.umbralPasoInteligente != porDefecto.umbralPasoInteligente)
        poner("threshold", QString::fromStdString(NumeroExacto(caso.umbralPasoInteligente)));
    if (!caso.pasoInteligente && !dada("no-intelligent-step"))
        extras << QStringLiteral("--no-intelligent-step");

    if (comando == "elements" && !dada("depth"))
        poner("depth", TiranteDeCaso(caso));
    if (comando == "conjugate")
        poner("depth", box("conj_depth"));
    if (comando == "alternate" && !dada("depth") && !dada("energy")) {
        if (caso.modoAlterno == QLatin1String("energy"))
            poner("energy", box("alt_energy"));
        else
            poner("depth", box("alt_depth"));
    }
    if (comando == "profile") {
        poner("x0", box("x0"));
        poner("y0", box("y0"));
        if (!dada("xf") && !dada("yf")) {
            if (box("xf"))
                poner("xf", box("xf"));
            else
                poner("yf", box("yf"));
        }
    }
    return extras;
}

}  // namespace

Pedido LeerPedido(const QStringList& argumentos)
{
    return LeerPedido(argumentos, nullptr);
}

Pedido LeerPedido(const QStringList& argumentos, const Caso* casoDado)
{
    Pedido pedido;
    if (argumentos.isEmpty())
        throw ErrorUso("a command is missing; run torvel-calc --help");
    const QString primero = argumentos.front();
    if (primero == QLatin1String("--help") || primero == QLatin1String("-h")) {
        pedido.ayuda = true;
        pedido.textoAyuda = AyudaGeneral();
        return pedido;
    }
    pedido.comando = primero.toStdString();
    const Comando* comando = nullptr;
    for (const Comando& c : kComandos)
        if (pedido.comando == c.nombre)
            comando = &c;
    if (pedido.comando == kComandoCaso.nombre)
        comando = &kComandoCaso;
    if (comando == nullptr)
        throw ErrorUso("unknown command \"" + pedido.comando + "\"; run torvel-calc --help");

    QCommandLineParser p;
    Preparar(p, *comando);
    if (!p.parse(argumentos))  // the command stands where the program name would
        throw ErrorUso(p.errorText().toStdString());
    RechazarRepetidas(p);
    if (p.isSet(QStringLiteral("help"))) {
        pedido.ayuda = true;
        // Qt names the program by its path; the usage line names the command.
        const QString texto = p.helpText();
        const bool conArchivo = pedido.comando == "batch" || pedido.comando == "case";
        const QString uso = QStringLiteral("Usage: torvel-calc %1 [options]%2")
                                .arg(primero, conArchivo ? " FILE" : "");
        pedido.textoAyuda = (uso + texto.mid(texto.indexOf(QLatin1Char('\n')))).toStdString();
        return pedido;
    }
    // A case's inputs fill in the options the line does not give.
    Caso leido;
    const Caso* caso = casoDado;
    if (caso == nullptr && pedido.comando != "case" && p.isSet(QStringLiteral("case"))) {
        QString motivo;
        if (!LeerCaso(p.value(QStringLiteral("case")), leido, motivo))
            throw ErrorUso("--case: \"" + p.value(QStringLiteral("case")).toStdString() +
                           "\": " + motivo.toStdString());
        caso = &leido;
    }
    QCommandLineParser conCaso;
    const QCommandLineParser* leer = &p;
    if (caso != nullptr) {
        Preparar(conCaso, *comando);
        if (!conCaso.parse(argumentos + DefectosDeCaso(p, pedido.comando, *caso)))
            throw ErrorUso("--case: " + conCaso.errorText().toStdString());
        leer = &conCaso;
    }
    Leer(*leer, pedido);
    return pedido;
}
