// torvel-calc run as a user runs it; the expected numbers come from the engine
// linked here, compared bit for bit through their text in the output.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "engine/Csv.h"
#include "engine/modFuncionesTorvel.h"

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

std::string Clave(const char* nombre, double valor)
{
    return "\"" + std::string(nombre) + "\": " + NumeroExacto(valor);
}

Variables Canal(int16_t Variables::*forma, double Variables::*medida, double valor, double Q,
                double n)
{
    Variables v;
    ParametrosPorDefecto(v);
    v.*forma = VERDADERO;
    v.*medida = valor;
    v.caudal = Q;
    v.nManning = n;
    v.pendiente = 0.001;
    return v;
}

}  // namespace

TEST(Cli, EjemplosDelReadmeIgualesAlMotorBitABit)
{
    struct Ejemplo {
        const char* seccion;
        Variables v;
        const char* q;
    } ejemplos[] = {
        {"--rect 2", Canal(&Variables::esRectangular, &Variables::ancho, 2, 3, 0.015), "3"},
        {"--trap 2 --angle 45",
         Canal(&Variables::esTrapezoidal, &Variables::anchoFondo, 2, 3, 0.015), "3"},
        {"--circle 1", Canal(&Variables::esCircular, &Variables::diametro, 1, 0.5, 0.013), "0.5"},
        {"--circle 1", Canal(&Variables::esCircular, &Variables::diametro, 1, 2, 0.013), "2"},
    };
    ejemplos[1].v.anguloTalud = GradosARadianes(45);
    for (Ejemplo& e : ejemplos) {
        const Salida s = Correr(std::string("uniform ") + e.seccion + " --slope 0.001 --n " +
                                NumeroExacto(e.v.nManning) + " --q " + e.q + " --format json");
        ASSERT_EQ(s.estado, 0) << s.texto;
        Variables& v = e.v;
        TirantesCriticoNormal(v);
        EXPECT_NE(s.texto.find(Clave("yc", v.tiranteCritico)), std::string::npos) << s.texto;
        EXPECT_NE(s.texto.find(Clave("yn", v.tiranteNormal)), std::string::npos) << s.texto;
        if (v.esCircular && !v.normalHallado) {  // Q LLENO
            EXPECT_NE(s.texto.find("\"yn_found\": false"), std::string::npos) << s.texto;
            EXPECT_NE(s.texto.find("\"Sc\": null"), std::string::npos) << s.texto;
            continue;
        }
        EXPECT_NE(s.texto.find(Clave("Sc", PendienteCritica(v))), std::string::npos) << s.texto;
        EXPECT_NE(s.texto.find(Clave("Ec", v.energia)), std::string::npos) << s.texto;
        ElementosHidraulicos(v, v.tiranteNormal);
        EXPECT_NE(s.texto.find(Clave("En", v.energia)), std::string::npos) << s.texto;
    }
    // The side slope z = 1 goes through the angle box's text, as Conv. does.
    const Salida z = Correr("uniform --trap 2 --z 1 --slope 0.001 --n 0.015 --q 3 --format json");
    Variables v = Canal(&Variables::esTrapezoidal, &Variables::anchoFondo, 2, 3, 0.015);
    v.anguloTalud = GradosARadianes(45.0013272040556);
    TirantesCriticoNormal(v);
    EXPECT_NE(z.texto.find(Clave("Sc", PendienteCritica(v))), std::string::npos) << z.texto;
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
    EXPECT_NE(filas[0].find(",0.40072178625386645,"), std::string::npos);  // alternate depth
    EXPECT_NE(filas[1].find("line 3, column q: not a number: \"\"abc\"\""), std::string::npos);
    EXPECT_NE(filas[2].find("line 4, column n: missing value"), std::string::npos);
    EXPECT_NE(filas[3].find("line 5, uniform: The uniform flow depths could not be computed: "
                            "there is a division by zero."),
              std::string::npos)
        << filas[3];
    // A conjugate of -1 is a result; the elements at a negative depth are refused.
    EXPECT_NE(filas[4].find(",-1,"), std::string::npos) << filas[4];
    EXPECT_NE(filas[4].find("column depth: \"\"-0.1\"\" is missing data"), std::string::npos)
        << filas[4];
}

TEST(Cli, EstadosDeSalida)
{
    const std::string canal = " --rect 2 --slope 0.001 --n 0.015 --q 3";
    const struct {
        std::string argumentos;
        int estado;
        const char* texto;
    } casos[] = {
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
    for (const auto& c : casos) {
        const Salida s = Correr(c.argumentos);
        EXPECT_EQ(s.estado, c.estado) << c.argumentos << "\n" << s.texto;
        EXPECT_NE(s.texto.find(c.texto), std::string::npos) << c.argumentos << "\n" << s.texto;
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
        const double medida = u(azar), Q = u(azar);
        Variables v = rect ? Canal(&Variables::esRectangular, &Variables::ancho, medida, Q, 0.015)
                           : Canal(&Variables::esCircular, &Variables::diametro, medida, Q, 0.013);
        v.pendiente = u(azar) / 100;
        const std::string m = NumeroExacto(medida);
        csv += (rect ? "rect," + m + ",," : "circle,," + m + ",") + NumeroExacto(v.pendiente) +
               "," + NumeroExacto(v.nManning) + "," + NumeroExacto(Q) + "\n";
        canales.push_back(v);
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
        const std::string esperado =
            "," + NumeroExacto(v.tiranteCritico) + "," + NumeroExacto(v.tiranteNormal) + ",";
        EXPECT_NE(linea.find(esperado), std::string::npos) << linea;
    }
}
