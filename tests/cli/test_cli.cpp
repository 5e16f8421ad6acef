// torvel-calc run as a user runs it, and in this process for the long runs;
// the expected numbers come from the engine linked here, compared bit for bit
// through their text in the output.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>

#include "../engine/Canales.h"
#include "calc/Diseno.h"
#include "cli/Programa.h"
#include "cli/Salida.h"
#include "engine/Csv.h"

namespace {

struct Salida {
    int estado;
    std::string texto;   // the standard output, then the error lines
    std::string salida;  // the standard output alone (run in this process)
};

// entorno: variables set for the run ("LC_ALL=C "); a ">file" among the
// arguments sends the standard output there, the error lines still read.
Salida Correr(const std::string& argumentos, const std::string& entorno = "")
{
    FILE* tubo = popen((entorno + TORVEL_CALC " 2>&1 " + argumentos).c_str(), "r");
    std::string texto;
    char bloque[4096];
    for (size_t n; (n = fread(bloque, 1, sizeof bloque, tubo)) > 0;)
        texto.append(bloque, n);
    const int estado = pclose(tubo);
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, texto, ""};
}

std::vector<std::string> Palabras(const std::string& texto)
{
    std::istringstream partes(texto);
    std::vector<std::string> palabras;
    for (std::string p; partes >> p;)
        palabras.push_back(p);
    return palabras;
}

// In this process.
Salida Ejecutar(const std::vector<std::string>& argumentos)
{
    QStringList lista;
    for (const std::string& a : argumentos)
        lista.append(QString::fromStdString(a));
    std::istringstream entrada;
    std::ostringstream salida, errores;
    const int estado = EjecutarPrograma(lista, entrada, salida, errores);
    return {estado, salida.str() + errores.str(), salida.str()};
}

Salida Ejecutar(const std::string& linea)
{
    return Ejecutar(Palabras(linea));
}

std::string Archivo(const std::string& nombre, const std::string& contenido)
{
    const std::string ruta = ::testing::TempDir() + nombre;
    std::ofstream(ruta, std::ios::binary) << contenido;
    return ruta;
}

::testing::AssertionResult Contiene(const std::string& texto, const std::string& parte)
{
    if (texto.find(parte) != std::string::npos)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no " << parte << " in\n" << texto;
}

// The exit status and a part of the text.
::testing::AssertionResult Da(const Salida& s, int estado, const std::string& parte)
{
    if (s.estado == estado)
        return Contiene(s.texto, parte);
    return ::testing::AssertionFailure() << "status " << s.estado << ", not " << estado << ":\n"
                                         << s.texto;
}

// Each line's exit status and a part of its text, run as a program or here.
void Comprobar(bool comoPrograma,
               const std::vector<std::tuple<std::string, int, std::string>>& casos)
{
    for (const auto& [linea, estado, texto] : casos)
        EXPECT_TRUE(Da(comoPrograma ? Correr(linea) : Ejecutar(linea), estado, texto)) << linea;
}

QJsonObject Json(const Salida& s)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(s.texto)).object();
}

// The JSON of a run in this process, and its exit status.
QJsonObject JsonDe(std::vector<std::string> linea, int estado = 0)
{
    linea.insert(linea.end(), {"--format", "json"});
    const Salida s = Ejecutar(linea);
    EXPECT_EQ(s.estado, estado) << s.texto;
    return Json(s);
}

QJsonValue Miembro(const QJsonValue& v, const char* clave, const char* otra = nullptr)
{
    return otra ? v[QLatin1String(clave)][QLatin1String(otra)] : v[QLatin1String(clave)];
}

}  // namespace

// A batch read back whole: CR LF line ends read and not written, every column of the good
// rows, and each bad row's reasons.
TEST(Cli, LoteCompletoComoDebeSalir)
{
    const std::string ruta = Archivo("completo.csv",
                                     "reach,shape,b,z,d,angle,slope,n,q,depth,energy\r\n"
                                     "A, rect , 2 ,,,,0.001,0.015,3,1,1.5\r\n"
                                     "B,circle,,,1,,0.001,0.013,0.5,,\r\n"
                                     "C,trap,2,,,60,0,0.015,3,0.5,\r\n"
                                     "D,hex,2,,,,0.001,0.015,3,,\r\n"
                                     "E,trap,2,1,,,0.001,0.015,3,,\r\n"
                                     "F,rect,0,,,,0.001,0.015,3,,\r\n"
                                     "G,trap,2,1,,,0.001,,abc,,\r\n"
                                     "H,rect,2,,,,0.001,0.015,3,-0.1,\r\n");
    const Salida s = Correr("batch --jobs 2 --format csv " + ruta);
    EXPECT_EQ(s.estado, 1);
    EXPECT_EQ(
        s.texto,
        "reach,shape,b,z,d,angle,slope,n,q,depth,energy,yc,yn,yn_found,Sc,slope_type,Ec,En,pct_"
        "diameter,alt_depth,conj_depth,A,P,R,T,D_h,V,Fr,E,M,Sf,tau,centroid,alt_sup,alt_inf,error\n"
        "A, rect , 2 "
        ",,,,0.001,0.015,3,1,1.5,0.6121217862538432,1.0964999999999347,true,0.004914010075816545,M,"
        "0.9181826793807646,1.1918819601210118,,0.40072178625386645,0.34182178625387294,2,4,0.5,2,"
        "1,1.5,0.47891314261057566,1.114678899082569,1.4587155963302751,0.001275670063018559,6."
        "250783308790939,0.5,1.4451217862537515,0.3104217862538764,\n"
        "B,circle,,,1,,0.001,0.013,0.5,,,0.3990000000000003,0.5929999999999901,true,0."
        "003864968003223161,M,0.5480449360258302,0.6471342508377188,59.29999999999901,,,,,,,,,,,,,,"
        ",,,\n"
        "C,trap,2,,,60,0,0.015,3,0.5,,,,,,,,,,0.6724999999999813,0.6618999999999825,1."
        "1443478623242926,3.154721128983742,0.36274136937515344,2.5773914492971706,0."
        "4439945909793195,2.621580464096538,1.256145216049658,0.8502897109955463,1."
        "0757645409979442,0.005977406405654195,21.248875332008407,0.23948834622490384,,,\"line 4, "
        "column slope: \"\"0\"\" is missing data: the bed slope must not be 0\"\n"
        "D,hex,2,,,,0.001,0.015,3,,,,,,,,,,,,,,,,,,,,,,,,,,,\"line 5, column shape: \"\"hex\"\" is "
        "not rect, trap or circle\"\n"
        // z = 1 taken through the text of its angle, as the main window's Conv. does.
        "E,trap,2,1,,,0.001,0.015,3,,,0.5554999999999942,0.7894999999999684,true,"
        "0.0034380275062983914,M,0.783126913306764,0.8840772117216107,,,,,,,,,,,,,,,,,,\n"
        "F,rect,0,,,,0.001,0.015,3,,,,,,,,,,,,,,,,,,,,,,,,,,,\"line 7, uniform: The uniform flow "
        "depths could not be computed: there is a division by zero.\"\n"
        "G,trap,2,1,,,0.001,,abc,,,,,,,,,,,,,,,,,,,,,,,,,,,\"line 8, column n: missing value; "
        "column "
        "q: not a number: \"\"abc\"\"\"\n"
        // A conjugate of -1 is a result; the alternate and the elements at a negative depth are
        // not.
        "H,rect,2,,,,0.001,0.015,3,-0.1,,0.6121217862538432,1.0964999999999347,true,"
        "0.004914010075816545,M,0.9181826793807646,1.1918819601210118,,,-1,,,,,,,,,,,,,,,\"line 9, "
        "alternate: The alternate depths could not be computed: there is an undefined operation "
        "(root of a negative number or 0/0) at a depth of -0.1 m.; column depth: \"\"-0.1\"\" is "
        "missing data: the depth must be positive\"\n");
}

TEST(Cli, EstadosDeSalida)
{
    const std::string resto = " --slope 0.001 --n 0.015 --q 3", canal = " --rect 2" + resto;
    const std::string curva = "rating --rect 2 --slope 0.001 --n 0.015 --q-from 1 --q-to ";
    // A batch of the text, each in a file of its own; the headers refused.
    auto lote = [n = 0](const std::string& csv) mutable {
        return "batch " + Archivo("cabecera" + std::to_string(n++) + ".csv", csv);
    };
    const std::string c = "shape,b,slope,n,";
    Comprobar(
        true,
        {{"uniform" + canal, 0, "yc (m)"},
         {"--help", 0, "rating"},
         {"profile --help", 0, "--yf"},
         {"uniform --rect 0" + resto, 1, "division by zero"},
         {"profile" + canal + " --x0 0 --y0 1.2 --yf 0.5", 1, "different zones"},
         {"uniform" + canal + " --bogus", 2, "bogus"},
         {"uniform" + resto, 2, "section is missing"},
         {"uniform" + canal + " --error 1,5", 2, "--error: \"1,5\" is not a number"},
         {curva + "2 --steps -3", 2, "--steps"},
         {"uniform --rect 2 --slope 0.001 --n -0.015 --q 3", 2, "--n: \"-0.015\" is missing"},
         {"batch /nonexistent/rows.csv", 2, "cannot read"},
         {"frobnicate", 2, "unknown command"},
         {"uniform --trap 2 --angle 1e308" + resto, 2, "--angle: \"1e308\""},
         {"uniform --trap 2 --z 1e-310" + resto, 2, "--z: \"1e-310\""},
         {"uniform --trap 2 --angle 90" + resto, 0, "yn_found"},
         {"uniform --rect 1e-400" + resto, 2, "\"1e-400\" is too small"},
         {"uniform --rect 2 -n 0.015" + resto, 2, "--n is given more than"},
         {"uniform --help-all", 2, "help-all"},
         {"batch " + ::testing::TempDir(), 2, "is a folder"},
         {"uniform" + canal + " >/dev/full", 1, "cannot write the output: No space left"},
         {curva + "9 --steps 1000000 --format csv >/dev/full", 1, "No space left on device"},
         {lote("shape,b,slope,n,q\nrect,2,0.001,0.015,3\n") + " --jobs 3 >/dev/full", 1,
          "No space left on device"},
         {lote(c + "q,yc\n"), 2, "the input column \"yc\" has the name of an output column"},
         {lote(c + "q,depth,Fr\n"), 2, "\"Fr\" has the name of an output column"},
         {lote(c + "q,error\n"), 2, "\"error\" has the name"},
         {lote(c + "q,reach,reach\n"), 2, "names the column \"reach\" twice"},
         {lote(c + "Q,q\n"), 2, "names the column \"q\" twice"},
         {lote(c + "q\rrect,2,0.001,0.015,3\r"), 2, "carriage return without a line feed"},
         {lote("shape,q,n,slope," + std::string(2'000'000, 'b') + "\n"), 2,
          "the header (line 1) is over 1 MB"},
         {lote("shape,q,n,slope" + std::string(1000, ',') + "\n"), 2, "has more than 1000 fields"},
         {lote("\n  \n"), 2, "no header row"}});
}

// Random channels through the batch on eight workers: the same text as on one,
// and every row's yc and yn those of the engine for that row alone.
TEST(Cli, LoteEnVariosHilosIgualAFilaPorFila)
{
    std::mt19937 azar(20261206);
    std::uniform_real_distribution<double> u(0.1, 3);
    std::string csv = "shape,n,slope,q,b,d\n";
    std::vector<Variables> canales;
    for (int i = 0; i < 400; ++i) {
        const bool rect = i % 2 == 1;
        const double medida = u(azar), Q = u(azar), S = u(azar) / 100;
        canales.push_back(rect ? Rectangular(medida, Q, 0.015, S) : Circular(medida, Q, 0.013, S));
        csv += (rect ? "rect,0.015," : "circle,0.013,") + NumeroExacto(S) + "," + NumeroExacto(Q) +
               (rect ? "," : ",,") + NumeroExacto(medida) + (rect ? ",\n" : "\n");
    }
    const std::string ruta = Archivo("aleatorio.csv", csv);
    const Salida varios = Correr("batch --format csv --jobs 8 " + ruta);
    EXPECT_EQ(varios.texto, Correr("batch --format csv --jobs 1 " + ruta).texto);
    std::istringstream lineas(varios.texto);
    std::string linea;
    std::getline(lineas, linea);
    for (Variables& v : canales) {
        std::getline(lineas, linea);
        TirantesCriticoNormal(v);
        EXPECT_TRUE(Contiene(linea, "," + NumeroExacto(v.tiranteCritico) + "," +
                                        NumeroExacto(v.tiranteNormal) + ","));
    }
}

// Every row that fails, whatever the reason, holds its error, and the rows
// around it are written in order, on several workers; the input may hold
// quoted line breaks, invalid UTF-8 and NUL bytes, and the JSON stays valid.
TEST(Cli, LoteConFilasImposiblesEntreBuenas)
{
    const std::string buena = "rect,2,,,0.001,0.015,3,ok\n";
    // Each row, and a part of its error or, with no error, its whole note.
    const std::tuple<std::string, const char*, QString> filas[] = {
        {"trap,2,1e308,,0.001,0.015,3,a\n", "error", "column angle: \"1e308\" cannot be converted"},
        {"trap,2,,1e-310,0.001,0.015,3,a\n", "error", "column z: \"1e-310\" cannot be converted"},
        {"rect,2,,,0.001,0.015,1e-400,a\n", "error", "column q: too small"},
        {"rect,2,,,0.001,0.015,3," + std::string(1'000'001, 'x') + "\n", "error", "over 1 MB"},
        {"rect" + std::string(1500, ',') + "\n", "error", "more than 1000 fields"},
        {"rect,2,,,0.001,0.015,3,\"two\nlines, \"\"quoted\"\"\"\n", "note",
         "two\nlines, \"quoted\""},
        {std::string("rect,2,,,0.001,0.015,3,\xff\xc3(\0\x01\xe0\xa0\x80\xc3\x80\xe0\x80\x80\n",
                     37),
         "note", QStringLiteral("\ufffd\ufffd(\u0000\u0001\u0800\u00c0\ufffd\ufffd\ufffd")},
        {"rect,2,,,0.001,0.015,3,a\rb\n", "error", "carriage return without a line feed"},
    };
    std::string csv = "shape,b,angle,z,slope,n,q,note\n" + buena;
    for (const auto& fila : filas)
        csv += std::get<0>(fila) + buena;
    const std::string ruta = Archivo("imposibles.csv", csv + "rect,2,,,0.001,0.015,3,\"open\n");
    const Salida json = Ejecutar({"batch", "--jobs", "4", "--format", "json", ruta});
    QJsonParseError error;
    const QJsonArray salida =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.texto), &error).array();
    EXPECT_EQ(json.estado, 1);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.texto.substr(0, 2000);
    ASSERT_EQ(salida.size(), 2 * std::size(filas) + 2);
    for (std::size_t i = 0; i < std::size(filas); ++i) {
        const auto& [fila, campo, parte] = filas[i];
        for (std::size_t k : {2 * i, 2 * i + 2})
            EXPECT_EQ(Miembro(salida[k], "yc").toDouble(), 0.6121217862538432) << k;
        const QString valor = Miembro(salida[2 * i + 1], campo).toString();
        EXPECT_TRUE(*campo == 'e' ? valor.contains(parte)
                                  : valor == parte && Miembro(salida[2 * i + 1], "error").isNull())
            << i << ": " << valor.toStdString();
    }
    EXPECT_TRUE(Contiene(Miembro(salida[17], "error").toString().toStdString(),
                         "line 20, the row has a quoted field that is not closed"));
    // The same rows on one worker, and in CSV, where the line break stays quoted.
    EXPECT_EQ(Ejecutar({"batch", "--jobs", "1", "--format", "json", ruta}).texto, json.texto);
    EXPECT_TRUE(Contiene(Ejecutar({"batch", "--format", "csv", ruta}).texto,
                         ",\"two\nlines, \"\"quoted\"\"\","));
}

// A long rating, written as it is computed (a full disk: EstadosDeSalida): the
// first 1000 rows set the widths of the text columns, CSV and JSON carry every row.
TEST(Cli, CurvaLargaEnFlujo)
{
    const std::string c = "rating --rect 2 --slope 1e-3 --n 0.015 --q-from 1 --q-to 2 --steps 1200";
    const Salida texto = Ejecutar(c);
    ASSERT_EQ(texto.estado, 0);
    EXPECT_EQ(std::count(texto.texto.begin(), texto.texto.end(), '\n'), 1202);
    EXPECT_EQ(Miembro(Json(Ejecutar(c + " --format json")), "rows").toArray().size(), 1201);
}

// Text as people read it: every quantity with its unit and its own decimals, with "."
// whatever the locale, each column as wide as its widest cell.
TEST(Cli, TextoRedondeadoYAlineado)
{
    const std::string r = " --slope 0.001 --n 0.015 --q 3";
    // clang-format off
    EXPECT_EQ(Correr("elements --trap 1.5 --angle 30" + r + " --depth 0.8", "LC_ALL=es_ES.UTF-8 ").texto,
        "A (m2)        2.3086\nP (m)         4.7001\nR (m)         0.4912\nT (m)         4.2714\n"
        "D_h (m)       0.5405\nV (m/s)       1.2995\nFr            0.5644\nE (m)         0.8861\n"
        "M (m3)        1.173\nSf (m/m)      0.00098\ntau (N/m2)    4.7195\ncentroid (m)  0.336\n");
    EXPECT_EQ(Ejecutar("solve --for z --shape trap -b 2 --slope 0.001 -n 0.015 -q 3 --depth 1").texto,
        "unknown        z\nvalue (H/V)    0.1568\nshape          trap\nb (m)          2\n"
        "d (m)          -\nz (H/V)        0.1568\nangle (deg)    81.0911\nslope (m/m)    0.001\n"
        "n (s/m^(1/3))  0.015\nq (m3/s)       3\ndepth (m)      1\nA (m2)         2.1568\n"
        "P (m)          4.0244\nR (m)          0.5359\nT (m)          2.3136\nV (m/s)        1.391\n"
        "Fr             0.46\nE (m)          1.0986\ntau (Pa)       5.2521\nyc (m)         0.6024\n"
        "Sc (m/m)       0.0044\nregime         subcritical\nwarning        -\n");
    EXPECT_EQ(Ejecutar("curve energy --rect 2" + r + " --from 0.5 --to 100 --steps 2").texto,
        "y (m)   E (m)\n  0.5  0.9587\n50.25   50.25\n  100     100\n");
    // clang-format on
}

// A "nan" or "inf" among the words of a text (not the "inf" of "alt_inf").
bool NoFinito(const std::string& texto)
{
    static const std::regex palabra("(^|[^[:alnum:]_])(nan|inf|infinity)($|[^[:alnum:]_])",
                                    std::regex::icase);
    return std::regex_search(texto, palabra);
}

// Random and absurd values through every command: an exit status of 0, 1 or
// 2, never an abort, never a "nan" or an "inf" written as a result.
TEST(Cli, PropiedadValoresAbsurdos)
{
    // The first values are also the cells of the batch rows.
    // clang-format off
    const std::string r = " --slope 0.001 --n 0.015 --q 3", c = " --slope 0.001 --n 0.013";
    const std::string bases[] = {"uniform --trap 2 --angle 45" + r,
        "uniform --circle 1" + c + " --q 0.5", "elements --rect 2" + r + " --depth 1",
        "alternate --trap 2 --z 1.5" + r + " --energy 2",
        "alternate --circle 1" + c + " --q 0.5 --depth 0.3",
        "conjugate --rect 2" + r + " --depth 0.3",
        "profile --rect 2" + r + " --x0 0 --y0 1.5 --xf -100 --table",
        "profile --trap 2 --angle 60" + r + " --x0 0 --y0 1.5 --yf 1.2",
        "rating --circle 1" + c + " --q-from 0.25 --q-to 1 --steps 3", "batch FILE --jobs 3",
        "uniform --circle 1" + c + " --q 0.5 --solver exact", "batch FILE --solver exact",
        "solve --for depth --shape trap --b 2 --angle 45" + r,
        "solve --for d --shape circle" + c + " --q 0.5 --depth 0.4",
        "solve --for z --shape trap --b 0" + r + " --depth 0.9"};
    const char* const valores[] = {"0", "-0", "1e-310", "1e308", "-1e308", "1e-400", "1e400",
        "abc", "", "2", "0.001", "3", "90", "-3", "1e18", "0.5", "1e-9", "7", "rect", "trap",
        "circle", "1,5", "9223372036854775808", "32766", "NaN", "nan", "inf", "-inf"};
    // clang-format on
    const std::size_t celdas = std::size(valores) - 4;
    std::mt19937 azar(4012);
    auto uno = [&](auto& lista, std::size_t n) { return lista[azar() % n]; };
    for (int vuelta = 0; vuelta < 400; ++vuelta) {
        std::vector<std::string> palabras = Palabras(uno(bases, std::size(bases)));
        // Some values absurd, sometimes an option twice or one unknown.
        for (std::size_t i = 2; i < palabras.size(); ++i)
            if (palabras[i - 1].rfind("--", 0) == 0 && palabras[i].rfind("--", 0) != 0 &&
                azar() % 3 == 0)
                palabras[i] = uno(valores, std::size(valores));
        if (azar() % 8 == 0)
            palabras.insert(palabras.end(), {palabras[1], palabras[2]});
        if (azar() % 8 == 0)
            palabras.insert(palabras.end(), {"--bogus", "1"});
        const char* formatos[] = {"text", "csv", "json"};
        palabras.insert(palabras.end(), {"--format", uno(formatos, 3)});
        if (palabras[0] == "batch") {
            std::string csv = "shape,b,angle,z,d,slope,n,q,depth,energy\n";
            for (int fila = 0; fila < 6; ++fila)
                for (int k = 0; k < 10; ++k)
                    csv += std::string(uno(valores, celdas)) + (k < 9 ? "," : "\n");
            palabras[1] = Archivo("absurdo.csv", csv);
        }
        const Salida s = Ejecutar(palabras);
        std::string orden;
        for (const std::string& p : palabras)
            orden += p + " ";
        EXPECT_TRUE(s.estado == 0 || s.estado == 1 || s.estado == 2) << orden << "\n" << s.texto;
        EXPECT_FALSE(NoFinito(s.salida)) << orden << "\n" << s.salida;
    }
}

// solve gives what the design window gives: ResolverCanal's numbers, bit for
// bit, for every unknown of every shape.
TEST(Cli, ResolverIgualAResolverCanal)
{
    const std::pair<const char*, CanalDiseno> casos[] = {
        {"rect", {FormaCanal::Rectangular, 2, 0, 0, 0.001, 0.015, 3, 1.0965}},
        {"trap", {FormaCanal::Trapezoidal, 2, 0, 1.5, 0.0005, 0.015, 3, 0.884}},
        {"circle", {FormaCanal::Circular, 0, 1, 0, 0.001, 0.013, 0.5, 0.593}},
        {"circle", {FormaCanal::Circular, 0, 1, 0, 0.001, 0.013, 0.79, 0.86}},  // two depths
    };
    const std::string nombres[] = {"q", "depth", "b", "d", "z", "slope", "n"};
    const Incognita incognitas[] = {Incognita::Caudal,   Incognita::Tirante, Incognita::Ancho,
                                    Incognita::Diametro, Incognita::Talud,   Incognita::Pendiente,
                                    Incognita::Manning};
    int resueltos = 0;
    for (const auto& [forma, c] : casos) {
        const bool tubo = c.forma == FormaCanal::Circular;
        const double datos[] = {c.caudal, c.tirante, c.b, c.d, c.z, c.pendiente, c.n};
        const bool propios[] = {true, true, !tubo, tubo, c.forma == FormaCanal::Trapezoidal,
                                true, true};
        for (int i = 0; i < 7; ++i) {
            const ResultadoDiseno r = ResolverCanal(c, incognitas[i]);
            if (r.motivo == MotivoDiseno::IncognitaNoAplica)
                continue;
            ASSERT_TRUE(r.ok) << forma << " " << nombres[i];
            std::vector<std::string> linea = {"solve", "--for", nombres[i], "--shape", forma};
            for (int k = 0; k < 7; ++k)
                if (propios[k] && k != i)
                    linea.insert(linea.end(), {"--" + nombres[k], NumeroExacto(datos[k])});
            const QJsonObject o = JsonDe(linea);
            const ElementosSeccion& e = r.elementos;
            // What a shape has not (null or absent) reads 0, as in CanalDiseno.
            const char* claves[] = {"value", "q",  "depth",   "slope",    "n",    "b",  "d", "z",
                                    "A",     "P",  "R",       "T",        "V",    "Fr", "E", "tau",
                                    "yc",    "Sc", "depth_2", "pct_full", "q_max"};
            const double segundo = r.segundoTirante.value_or(0),
                         valores[] = {r.valor,           r.canal.caudal,    r.canal.tirante,
                                      r.canal.pendiente, r.canal.n,         r.canal.b,
                                      r.canal.d,         r.canal.z,         e.area,
                                      e.perimetro,       e.radioHidraulico, e.anchoSup,
                                      e.velocidad,       e.froude,          e.energia,
                                      e.tension,         *r.tiranteCritico, *r.pendienteCritica,
                                      segundo,           r.pctLleno,        r.capacidad.qMax};
            for (int k = 0; k < (tubo ? 21 : 19); ++k)
                EXPECT_EQ(Miembro(o, claves[k]).toDouble(), valores[k])
                    << nombres[i] << " " << claves[k];
            EXPECT_EQ(Miembro(o, "unknown").toString().toStdString(), nombres[i]);
            EXPECT_EQ(o.contains(QLatin1String("q_max")), tubo);
            EXPECT_EQ(o.contains(QLatin1String("depth_2")), r.segundoTirante.has_value());
            EXPECT_EQ(Miembro(o, "warning").isNull(), !r.casiCritico);
            ++resueltos;
        }
    }
    EXPECT_EQ(resueltos, 5 + 6 + 2 * 5);
}

// Every input of solve refused by name: missing, empty, 0, negative, not a
// number, absurd; the unknown given as well; no answer is status 1.
TEST(Cli, ResolverRechazosYFaltas)
{
    const std::string rect = "solve --shape rect --b 2 --n 0.015 --q 3";
    const std::string tubo = "solve --shape circle --d 1 --slope 0.001 --n 0.013";
    const std::string trap = "solve --shape trap --b 2 --slope 0.001 --n 0.015";
    Comprobar(
        false,
        {{rect + " --for slope --depth 1", 0, "value"},
         {rect + " --for slope --depth 1 --slope 0.001", 2, "--slope is the unknown"},
         {rect + " --for slope", 2, "--depth is missing"},
         {rect + " --depth 1", 2, "--for is missing"},
         {rect + " --for x --depth 1", 2, "--for: \"x\""},
         {rect + " --for d --depth 1", 2, "has no d"},
         {rect + " --for slope --depth 1 --d 1", 2, "--d does not belong"},
         {rect + " --for slope --depth 1 --z 1", 2, "--angle and --z go with --shape trap"},
         {"solve --shape oval --for q", 2, "--shape: \"oval\""},
         {trap + " --for q --depth 1", 2, "exactly one"},
         {trap + " --for z --z 1 --q 3 --depth 1", 2, "--z gives the unknown"},
         {"solve --for q --shape trap --b 0 --z 1 --slope 0.001 --n 0.015 --depth 1", 0, "value"},
         {trap + " --for q --angle 95 --depth 1", 2, "--angle: \"95\""},
         {trap + " --for q --angle 1e-300 --depth 1", 2, "--angle: \"1e-300\" gives a side slope"},
         {tubo + " --for depth --q 3", 1, "q_max = 0.8155805210876637 m3/s"},
         {tubo + " --for q --depth 1", 2, "--depth: \"1\" reaches or exceeds the diameter"},
         {"solve --shape rect --slope 0.001 --n 0.015 --q 3 --for b --depth 1e-5", 1,
          "--for b: no value of b"}});
    const char* const opciones[] = {"--b", "--slope", "--n", "--q"};
    for (const char* opcion : opciones)
        for (const char* malo : {"", "0", "-1", "abc", "1e-300", "1e300", "1e-400", "nan", "inf"}) {
            std::vector<std::string> linea = {"solve", "--for", "depth", "--shape", "rect"};
            for (const char* otra : opciones)
                linea.insert(linea.end(), {otra, otra == opcion ? malo : "1"});
            EXPECT_TRUE(Da(Ejecutar(linea), 2, std::string(opcion) + ": \"" + malo + "\""));
        }
}

// --solver exact gives the design solver's depths, alike in uniform, rating and batch:
// within the admissible error of the scan's grid points, and not on them.
TEST(Cli, SolverExactoEnCadaOrden)
{
    auto yn = [](const std::string& orden, int columna) {
        std::istringstream csv(Ejecutar(orden + " --format csv").salida);
        std::string linea;
        std::getline(csv, linea);
        std::getline(csv, linea);
        for (int i = 0; i < columna; ++i)
            linea = linea.substr(linea.find(',') + 1);
        return std::stod(linea.substr(0, linea.find(',')));
    };
    const std::string canal = " --trap 2 --z 1.5 --slope 0.001 --n 0.014";
    const double exacto = yn("uniform" + canal + " --q 3 --solver exact", 1);
    const double barrido = yn("uniform" + canal + " --q 3", 1);
    EXPECT_TRUE(exacto != barrido && std::fabs(exacto - barrido) < 0.001) << exacto;
    EXPECT_EQ(yn("rating" + canal + " --q-from 3 --q-to 4 --steps 1 --solver exact", 2), exacto);
    const std::string lote =
        Archivo("exacto.csv", "shape,b,z,slope,n,q\ntrap,2,1.5,0.001,0.014,3\n");
    EXPECT_EQ(yn("batch " + lote + " --solver exact", 7), exacto);
}

// case runs what each command gives for the case's inputs, in the window's
// order; --case gives any command the same inputs, the line's options winning.
TEST(Cli, CasoIgualALosComandos)
{
    const std::string caso = TORVEL_EJEMPLO_CASO;
    const QJsonObject todo = JsonDe({"case", caso});
    EXPECT_EQ(todo.keys().size(), 6);
    // The part of the case, what the command takes besides the case, the same
    // command on the line; the line wins over the case.
    const std::string canal = " --rect 2 --slope 0.001 --n 0.015 --q 3 --format json";
    const std::tuple<const char*, const char*, std::string> comandos[] = {
        {"uniform", "", "uniform" + canal},
        {"alternate", "", "alternate --depth 1" + canal},
        {"conjugate", "", "conjugate --depth 0.3" + canal},
        {"profile_rk", "", "profile --x0 1000 --y0 1.5 --xf 0" + canal},
        {"profile_direct", " --yf 1.2", "profile --x0 1000 --y0 1.5 --yf 1.2" + canal},
        {"elements", "", "elements --depth 1" + canal},
        {"", " --q 4", "uniform --rect 2 --slope 0.001 --n 0.015 --q 4 --format csv"},
        {"", " --circle 1", "uniform --circle 1 --slope 0.001 --n 0.015 --q 3 --format csv"}};
    for (const auto& [parte, mas, linea] : comandos) {
        const Salida sola = Ejecutar(linea);
        ASSERT_EQ(sola.estado, 0) << linea;
        const std::string conCaso = linea.substr(0, linea.find(' ')) + " --case " + caso + mas +
                                    linea.substr(linea.rfind(" --"));
        EXPECT_EQ(Ejecutar(conCaso).texto, sola.texto) << conCaso;
        EXPECT_TRUE(!*parte || todo[QLatin1String(parte)].toObject() == Json(sola)) << parte;
    }
    // In text and CSV, a group per calculation.
    EXPECT_TRUE(Contiene(Ejecutar({"case", caso}).texto, "[profile_direct]\n  method     direct"));
    EXPECT_TRUE(Contiene(Ejecutar({"case", caso, "--format", "csv"}).texto,
                         "calculation,conj_depth\nconjugate,1.09562178625379\n"));
}

// What a case lacks is not run (status 0), what fails is an error (status 1),
// a file that is not a case is status 2.
TEST(Cli, CasoIncompletoFallidoEIlegible)
{
    const std::string cabeza = "{\"format\": \"torvel-case\", \"version\": 1, \"shape\": \"trap\", "
                               "\"inputs\": {\"bottom_width\": 2, \"angle\": 45, \"n\": 0.015, "
                               "\"q\": 3, \"slope\": ";
    QJsonObject o = JsonDe({"case", Archivo("incompleto.torvel", cabeza + "0.001}}")});
    EXPECT_EQ(Miembro(o, "uniform", "yn").toDouble(), 0.7894999999999684);
    EXPECT_EQ(Miembro(o, "conjugate", "not_run"), QJsonValue("the case has no conj_depth"));
    EXPECT_EQ(Miembro(o, "elements", "not_run"), QJsonValue("the case has no manual_depth"));
    o = JsonDe({"case", Archivo("fallido.torvel", cabeza + "0, \"conj_depth\": 0.3}}")}, 1);
    EXPECT_TRUE(Contiene(Miembro(o, "uniform", "error").toString().toStdString(), "--slope"));
    EXPECT_FALSE(Miembro(o, "conjugate", "conj_depth").isUndefined());
    const std::pair<std::string, const char*> ilegibles[] = {
        {"/nonexistent/case.torvel", "does not exist"},
        {Archivo("roto.torvel", "{\"format\": "), "case: \""},
        {Archivo("ajeno.torvel", "{\"format\": \"other\", \"version\": 1}"), "case: \""},
        {::testing::TempDir(), "case: \""}};
    for (const auto& [ruta, texto] : ilegibles) {
        EXPECT_TRUE(Da(Ejecutar({"case", ruta}), 2, texto)) << ruta;
        EXPECT_TRUE(Da(Ejecutar({"uniform", "--case", ruta}), 2, texto)) << ruta;
    }
}
