// torvel-calc run as a user runs it, and in this process for the long runs;
// the expected numbers come from the engine linked here, compared bit for bit
// through their text in the output.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <tuple>

#include "../engine/Canales.h"
#include "cli/Programa.h"
#include "cli/Salida.h"
#include "engine/Csv.h"

namespace {

struct Salida {
    int estado;
    std::string texto;
};

// destino: where the standard output goes instead of the text returned.
Salida Correr(const std::string& argumentos, const std::string& destino = "")
{
    const std::string orden = std::string(TORVEL_CALC) + " " + argumentos + " 2>&1" +
                              (destino.empty() ? "" : " >" + destino);
    FILE* tubo = popen(orden.c_str(), "r");
    std::string texto;
    char bloque[4096];
    for (size_t n; (n = fread(bloque, 1, sizeof bloque, tubo)) > 0;)
        texto.append(bloque, n);
    const int estado = pclose(tubo);
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, texto};
}

// In this process: the standard output in texto, then the error lines.
Salida Ejecutar(const std::vector<std::string>& argumentos, std::ostream* salida = nullptr)
{
    QStringList lista;
    for (const std::string& a : argumentos)
        lista.append(QString::fromStdString(a));
    std::istringstream entrada;
    std::ostringstream texto, errores;
    const int estado = EjecutarPrograma(lista, entrada, salida ? *salida : texto, errores);
    return {estado, texto.str() + errores.str()};
}

std::vector<std::string> Palabras(const std::string& texto)
{
    std::istringstream partes(texto);
    std::vector<std::string> palabras;
    for (std::string p; partes >> p;)
        palabras.push_back(p);
    return palabras;
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

std::string Clave(const char* nombre, double valor)
{
    return "\"" + std::string(nombre) + "\": " + NumeroExacto(valor);
}

}  // namespace

TEST(Cli, EjemplosDelReadmeIgualesAlMotorBitABit)
{
    const std::pair<const char*, Variables> ejemplos[] = {
        {"--rect 2 --n 0.015 --q 3", Rectangular(2, 3)},
        {"--trap 2 --angle 45 --n 0.015 --q 3", Trapezoidal(2, 45, 3)},
        // The side slope z = 1 goes through the angle box's text, as Conv. does.
        {"--trap 2 --z 1 --n 0.015 --q 3", Trapezoidal(2, 45.0013272040556, 3)},
        {"--circle 1 --n 0.013 --q 0.5", Circular(1, 0.5)},
        {"--circle 1 --n 0.013 --q 2", Circular(1, 2)},  // Q LLENO
    };
    for (auto [seccion, v] : ejemplos) {
        const Salida s = Correr(std::string("uniform ") + seccion + " --slope 0.001 --format json");
        ASSERT_EQ(s.estado, 0) << s.texto;
        TirantesCriticoNormal(v);
        std::vector<std::string> claves = {Clave("yc", v.tiranteCritico),
                                           Clave("yn", v.tiranteNormal)};
        if (v.esCircular && !v.normalHallado) {
            claves.insert(claves.end(), {"\"yn_found\": false", "\"Sc\": null"});
        } else {
            claves.insert(claves.end(), {"\"yn_found\": true", Clave("Sc", PendienteCritica(v))});
            claves.push_back(Clave("Ec", v.energia));
            ElementosHidraulicos(v, v.tiranteNormal);
            claves.push_back(Clave("En", v.energia));
        }
        for (const std::string& clave : claves)
            EXPECT_TRUE(Contiene(s.texto, clave));
    }
}

TEST(Cli, LoteConFilasBuenasMalasYFinesDeLineaCrLf)
{
    const std::string ruta = Archivo("lote.csv", "shape,b,z,slope,n,q,depth\r\n"
                                                 "rect,2,,0.001,0.015,3,1\r\n"
                                                 "trap,2,1,0.001,0.015,abc,\r\n"
                                                 "rect,2,,0.001,,3,\r\n"
                                                 "rect,0,,0.001,0.015,3,\r\n"
                                                 "rect,2,,0.001,0.015,3,-0.1\r\n");
    const Salida s = Correr("batch --format csv " + ruta);
    EXPECT_EQ(s.estado, 1);
    std::istringstream lineas(s.texto);
    std::string encabezado, filas[5];
    std::getline(lineas, encabezado);
    for (std::string& f : filas)
        std::getline(lineas, f);
    EXPECT_EQ(encabezado.find('\r'), std::string::npos);
    EXPECT_EQ(
        filas[0].rfind("rect,2,,0.001,0.015,3,1,0.6121217862538432,1.0964999999999347,true,", 0),
        0u)
        << filas[0];
    EXPECT_TRUE(Contiene(filas[0], ",0.40072178625386645,"));  // alternate depth
    EXPECT_TRUE(Contiene(filas[1], "line 3, column q: not a number: \"\"abc\"\""));
    EXPECT_TRUE(Contiene(filas[2], "line 4, column n: missing value"));
    EXPECT_TRUE(Contiene(filas[3], "line 5, uniform: The uniform flow depths could not be "
                                   "computed: there is a division by zero."));
    // A conjugate of -1 is a result; the elements at a negative depth are refused.
    EXPECT_TRUE(Contiene(filas[4], ",-1,"));
    EXPECT_TRUE(Contiene(filas[4], "column depth: \"\"-0.1\"\" is missing data"));
}

TEST(Cli, EstadosDeSalida)
{
    const std::string canal = " --rect 2 --slope 0.001 --n 0.015 --q 3";
    const std::tuple<std::string, int, const char*> casos[] = {
        {"uniform" + canal, 0, "yc (m)"},
        {"--help", 0, "rating"},
        {"profile --help", 0, "--yf"},
        {"uniform --rect 0 --slope 0.001 --n 0.015 --q 3", 1, "division by zero"},
        {"profile" + canal + " --x0 0 --y0 1.2 --yf 0.5", 1, "different zones"},
        {"uniform" + canal + " --bogus", 2, "bogus"},
        {"uniform --slope 0.001 --n 0.015 --q 3", 2, "section is missing"},
        {"uniform" + canal + " --error 1,5", 2, "--error: \"1,5\" is not a number"},
        {"rating --rect 2 --slope 0.001 --n 0.015 --q-from 1 --q-to 2 --steps -3", 2, "--steps"},
        {"uniform --rect 2 --slope 0 --n 0.015 --q 3", 2, "--slope"},
        {"batch /nonexistent/rows.csv", 2, "cannot read"},
        {"frobnicate", 2, "unknown command"},
        {"uniform --trap 2 --angle 1e308 --slope 0.001 --n 0.015 --q 3", 2, "--angle: \"1e308\""},
        {"uniform --trap 2 --z 1e-310 --slope 0.001 --n 0.015 --q 3", 2, "--z: \"1e-310\""},
        {"uniform --trap 2 --angle 90 --slope 0.001 --n 0.015 --q 3", 0, "yn_found"},
        {"uniform --rect 1e-400 --slope 0.001 --n 0.015 --q 3", 2, "\"1e-400\" is too small"},
        {"uniform --rect 2 -n 0.015 --slope 0.001 --n 0.015 --q 3", 2, "--n is given more than"},
        {"uniform --help-all", 2, "help-all"},
        {"batch " + ::testing::TempDir(), 2, "is a folder"},
        {"uniform" + canal + " >/dev/full", 1, "cannot write the output: No space left"},
        {"rating --rect 2 --slope 0.001 --n 0.015 --q-from 1 --q-to 9 --steps 1000000 --format csv"
         " >/dev/full",
         1, "No space left on device"},
        {"batch --jobs 3 " + Archivo("full.csv", "shape,b,slope,n,q\nrect,2,0.001,0.015,3\n") +
             " >/dev/full",
         1, "No space left on device"},
    };
    for (const auto& [argumentos, estado, texto] : casos) {
        const std::size_t a = argumentos.find(" >");
        const Salida s = a == std::string::npos
                             ? Correr(argumentos)
                             : Correr(argumentos.substr(0, a), argumentos.substr(a + 2));
        EXPECT_EQ(s.estado, estado) << argumentos << "\n" << s.texto;
        EXPECT_TRUE(Contiene(s.texto, texto)) << argumentos;
    }
}

// Random channels through the batch on eight workers: the same text as on one,
// and every row's yc and yn those of the engine for that row alone.
TEST(Cli, LoteEnVariosHilosIgualAFilaPorFila)
{
    std::mt19937 azar(20261206);
    std::uniform_real_distribution<double> u(0.1, 3);
    std::string csv = "shape,b,d,slope,n,q\n";
    std::vector<Variables> canales;
    for (int i = 0; i < 400; ++i) {
        const bool rect = i % 2 == 1;
        const double medida = u(azar), Q = u(azar), S = u(azar) / 100;
        canales.push_back(rect ? Rectangular(medida, Q, 0.015, S) : Circular(medida, Q, 0.013, S));
        const std::string m = NumeroExacto(medida);
        csv += (rect ? "rect," + m + ",," : "circle,," + m + ",") + NumeroExacto(S) +
               (rect ? ",0.015," : ",0.013,") + NumeroExacto(Q) + "\n";
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
    const std::pair<std::string, const char*> filas[] = {
        {"trap,2,1e308,,0.001,0.015,3,a\n", "column angle: \"1e308\" cannot be converted"},
        {"trap,2,,1e-310,0.001,0.015,3,a\n", "column z: \"1e-310\" cannot be converted"},
        {"rect,2,,,0.001,0.015,1e-400,a\n", "column q: too small"},
        {"rect,2,,,0.001,0.015,3," + std::string(1'000'001, 'x') + "\n", "over 1 MB"},
        {"rect" + std::string(1500, ',') + "\n", "more than 1000 fields"},
        {"rect,2,,,0.001,0.015,3,\"two\nlines, \"\"quoted\"\"\"\n", nullptr},
        {std::string("rect,2,,,0.001,0.015,3,\xff\xc3(\0\x01\n", 29), nullptr},
        {"rect,2,,,0.001,0.015,3,a\rb\n", "carriage return without a line feed"},
    };
    std::string csv = "shape,b,angle,z,slope,n,q,note\n" + buena;
    for (const auto& fila : filas)
        csv += fila.first + buena;
    const std::string ruta = Archivo("imposibles.csv", csv + "rect,2,,,0.001,0.015,3,\"open\n");
    const Salida json = Ejecutar({"batch", "--jobs", "4", "--format", "json", ruta});
    EXPECT_EQ(json.estado, 1);
    QJsonParseError error;
    const QJsonDocument documento =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.texto), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << json.texto.substr(0, 2000);
    const QJsonArray salida = documento.array();
    ASSERT_EQ(salida.size(), 2 * std::size(filas) + 2);
    for (std::size_t i = 0; i < std::size(filas); ++i) {
        for (std::size_t k : {2 * i, 2 * i + 2})
            EXPECT_EQ(salida[k][QLatin1String("yc")].toDouble(), 0.6121217862538432) << k;
        const QJsonValue falla = salida[2 * i + 1][QLatin1String("error")];
        if (filas[i].second == nullptr)
            EXPECT_TRUE(falla.isNull()) << i;
        else
            EXPECT_TRUE(Contiene(falla.toString().toStdString(), filas[i].second)) << i;
    }
    EXPECT_EQ(salida[11][QLatin1String("note")].toString(),
              QStringLiteral("two\nlines, \"quoted\""));
    EXPECT_EQ(salida[13][QLatin1String("note")].toString(),
              QStringLiteral("\ufffd\ufffd(\u0000\u0001"));
    EXPECT_TRUE(Contiene(salida[17][QLatin1String("error")].toString().toStdString(),
                         "line 20, the row has a quoted field that is not closed"));
    // The same rows on one worker, and in CSV, where the line break stays quoted.
    EXPECT_EQ(Ejecutar({"batch", "--jobs", "1", "--format", "json", ruta}).texto, json.texto);
    EXPECT_TRUE(Contiene(Ejecutar({"batch", "--format", "csv", ruta}).texto,
                         ",\"two\nlines, \"\"quoted\"\"\","));
}

TEST(Cli, EncabezadosRechazados)
{
    const std::pair<std::string, const char*> casos[] = {
        {"shape,b,slope,n,q,yc\n", "the input column \"yc\" has the name of an output column"},
        {"shape,b,slope,n,q,depth,Fr\n", "\"Fr\" has the name of an output column"},
        {"shape,b,slope,n,q,error\n", "\"error\" has the name"},
        {"shape,b,slope,n,q,reach,reach\n", "names the column \"reach\" twice"},
        {"shape,b,slope,n,Q,q\n", "names the column \"q\" twice"},
        {"shape,b,slope,n,q\rrect,2,0.001,0.015,3\r", "carriage return without a line feed"},
        {"shape,q,n,slope," + std::string(2'000'000, 'b') + "\n",
         "the header (line 1) is over 1 MB"},
        {"shape,q,n,slope" + std::string(1000, ',') + "\n", "has more than 1000 fields"},
        {"\n  \n", "no header row"},
    };
    for (const auto& [encabezado, texto] : casos) {
        const Salida s = Ejecutar({"batch", Archivo("encabezado.csv", encabezado)});
        EXPECT_EQ(s.estado, 2) << texto;
        EXPECT_TRUE(Contiene(s.texto, texto));
    }
}

// A long rating is written as it is computed: the first 1000 rows set the
// widths of the text columns, CSV and JSON carry every row.
TEST(Cli, CurvaLargaEnFlujo)
{
    const std::string canal = "rating --rect 2 --slope 0.001 --n 0.015 --q-from 1 --q-to 2";
    const Salida texto = Ejecutar(Palabras(canal + " --steps 1200"));
    ASSERT_EQ(texto.estado, 0);
    EXPECT_EQ(std::count(texto.texto.begin(), texto.texto.end(), '\n'), 1202);
    const Salida json = Ejecutar(Palabras(canal + " --steps 1200 --format json"));
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(json.texto))[QLatin1String("rows")]
                  .toArray()
                  .size(),
              1201);
    // To a full disk the calculation stops at the first failed write.
    const int lleno = open("/dev/full", O_WRONLY);
    ASSERT_GE(lleno, 0);
    SalidaDescriptor descriptor(lleno);
    std::ostream salida(&descriptor);
    const Salida s = Ejecutar(Palabras(canal + " --steps 1000000 --format csv"), &salida);
    close(lleno);
    EXPECT_EQ(s.estado, 1);
    EXPECT_TRUE(Contiene(s.texto, "cannot write the output: No space left on device"));
}

// A "nan" or "inf" among the words of a text (not the "inf" of "alt_inf").
bool NoFinito(const std::string& texto)
{
    std::string palabra;
    for (const char c : texto + " ") {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') {
            palabra += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            continue;
        }
        if (palabra == "nan" || palabra == "inf" || palabra == "infinity")
            return true;
        palabra.clear();
    }
    return false;
}

// Random and absurd values through every command: an exit status of 0, 1 or
// 2, never an abort, never a "nan" or an "inf" written as a result.
TEST(Cli, PropiedadValoresAbsurdos)
{
    const char* const bases[] = {
        "uniform --trap 2 --angle 45 --slope 0.001 --n 0.015 --q 3",
        "uniform --circle 1 --slope 0.001 --n 0.013 --q 0.5",
        "elements --rect 2 --slope 0.001 --n 0.015 --q 3 --depth 1",
        "alternate --trap 2 --z 1.5 --slope 0.001 --n 0.015 --q 3 --energy 2",
        "alternate --circle 1 --slope 0.001 --n 0.013 --q 0.5 --depth 0.3",
        "conjugate --rect 2 --slope 0.001 --n 0.015 --q 3 --depth 0.3",
        "profile --rect 2 --slope 0.001 --n 0.015 --q 3 --x0 0 --y0 1.5 --xf -100 --table",
        "profile --trap 2 --angle 60 --slope 0.001 --n 0.015 --q 3 --x0 0 --y0 1.5 --yf 1.2",
        "rating --circle 1 --slope 0.001 --n 0.013 --q-from 0.25 --q-to 1 --steps 3",
        "batch FILE --jobs 3",
    };
    // The first ones are also the cells of the batch rows.
    const char* const valores[] = {"0",
                                   "-0",
                                   "1e-310",
                                   "1e308",
                                   "-1e308",
                                   "1e-400",
                                   "1e400",
                                   "abc",
                                   "",
                                   "2",
                                   "0.001",
                                   "3",
                                   "90",
                                   "-3",
                                   "1e18",
                                   "0.5",
                                   "1e-9",
                                   "7",
                                   "rect",
                                   "trap",
                                   "circle",
                                   "1,5",
                                   "9223372036854775808",
                                   "32766",
                                   "NaN",
                                   "nan",
                                   "inf",
                                   "-inf"};
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
        QStringList linea;
        for (const std::string& p : palabras)
            linea.append(QString::fromStdString(p));
        std::istringstream entrada;
        std::ostringstream salida, errores;
        const int estado = EjecutarPrograma(linea, entrada, salida, errores);
        const std::string orden = linea.join(' ').toStdString();
        EXPECT_TRUE(estado == 0 || estado == 1 || estado == 2) << orden << "\n" << errores.str();
        EXPECT_FALSE(NoFinito(salida.str())) << orden << "\n" << salida.str();
    }
}

// The text format writes "." whatever the locale, as CSV and JSON do.
TEST(Cli, TextoConPuntoEnCualquierLocal)
{
    const std::string orden = std::string("LC_ALL=es_ES.UTF-8 LANG=es_ES.UTF-8 ") + TORVEL_CALC +
                              " uniform --rect 2 --slope 0.001 --n 0.015 --q 3 2>&1";
    FILE* tubo = popen(orden.c_str(), "r");
    std::string texto;
    char bloque[4096];
    for (size_t n; (n = fread(bloque, 1, sizeof bloque, tubo)) > 0;)
        texto.append(bloque, n);
    EXPECT_EQ(pclose(tubo), 0);
    EXPECT_NE(texto.find("0.6121"), std::string::npos) << texto;
    EXPECT_NE(texto.find("1.0965"), std::string::npos) << texto;
    EXPECT_EQ(texto.find("0,6121"), std::string::npos) << texto;
}
