// torvel-calc run as a user runs it; the expected numbers come from the engine
// linked here, compared bit for bit through their text in the output.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <tuple>

#include "../engine/Canales.h"
#include "engine/Csv.h"

namespace {

struct Salida {
    int estado;
    std::string texto;
};

Salida Correr(const std::string& argumentos)
{
    const std::string orden = std::string(TORVEL_CALC) + " " + argumentos + " 2>&1";
    FILE* tubo = popen(orden.c_str(), "r");
    std::string texto;
    char bloque[4096];
    for (size_t n; (n = fread(bloque, 1, sizeof bloque, tubo)) > 0;)
        texto.append(bloque, n);
    const int estado = pclose(tubo);
    return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, texto};
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
    };
    for (const auto& [argumentos, estado, texto] : casos) {
        const Salida s = Correr(argumentos);
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
