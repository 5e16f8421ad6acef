// Random calculation states, from ordinary channels to absurd ones, through
// every engine operation: each must give finite numbers or throw ErrorCalculo,
// and none may run away (ctest's time-out catches a hang).
//
//   test_propiedades [estados] [semilla]
// A failure prints the seed and the state, so the case can be replayed.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <random>
#include <sstream>

#include "engine/modFuncionesTorvel.h"

namespace {

long gEstados = 100;
unsigned long gSemilla = 20261206;

// The engine's sequence is fixed by the language standard (its distributions
// are not, so none is used): a seed replays the same run with every compiler.
struct Azar {
    std::mt19937_64 motor;
    double real(double a, double b) { return a + (b - a) * double(motor() >> 11) * 0x1.0p-53; }
    int entero(int n) { return int(motor() % unsigned(n)); }
    template <size_t N>
    double elegir(const double (&valores)[N]) { return valores[entero(N)]; }
    // Mostly ordinary, sometimes zero, negative, tiny or huge.
    double magnitud(double tipica)
    {
        static const double raros[] = {0.0, -0.0, -1.0, 1e-300, 1e-7, 1e7, 1e300};
        return entero(4) == 0 ? elegir(raros) * tipica : real(0.05 * tipica, 5 * tipica);
    }
};

Variables Estado(Azar& a, std::ostringstream& s)
{
    Variables v;
    const int forma = a.entero(4);  // 3: no shape chosen at all
    v.esRectangular = forma == 0 ? VERDADERO : FALSO;
    v.esTrapezoidal = forma == 1 ? VERDADERO : FALSO;
    v.esCircular = forma == 2 ? VERDADERO : FALSO;
    double* magnitudes[] = {&v.ancho, &v.anchoFondo, &v.diametro, &v.caudal, &v.tiranteBorde,
                            &v.tiranteBuscado};
    for (double* m : magnitudes)
        *m = a.magnitud(1.5);
    v.anguloTalud = GradosARadianes(a.entero(5) == 0 ? a.real(-720, 720) : a.real(1, 90));
    v.nManning = a.magnitud(0.015);
    v.pendiente = a.entero(5) == 0 ? a.elegir({0.0, -0.005, 0.5, 5.0}) : a.real(1e-5, 0.05);
    v.errorAdmisible = a.entero(5) == 0 ? a.elegir({0.0, -0.001, 1e-12, 1e300}) : a.real(1e-3, 0.5);
    const double puntos[] = {0, 1, 2, 3, 4, -1, -32768, 32765, 32766, 32767};
    v.puntosPerfil = int16_t(a.entero(5) == 0 ? a.elegir(puntos) : 1 + a.entero(200));
    v.umbralPasoInteligente = a.entero(3) == 0 ? a.elegir({-1.0, 0.0, 1e300}) : a.real(0, 1);
    v.pasoInteligente = int16_t(a.entero(3) - 1);
    v.xBorde = a.entero(10) == 0 ? a.elegir({0.0, 1e20, -1e300}) : a.real(-2000, 2000);
    v.xBuscado = a.entero(10) == 0 ? a.elegir({0.0, 1e20, 1e300}) : a.real(-2000, 2000);
    s.precision(17);
    s << "shape " << forma << " b " << v.ancho << " b0 " << v.anchoFondo << " angle "
      << v.anguloTalud << " D " << v.diametro << " Q " << v.caudal << " n " << v.nManning << " S "
      << v.pendiente << " error " << v.errorAdmisible << " N " << v.puntosPerfil << " threshold "
      << v.umbralPasoInteligente << " smart " << v.pasoInteligente << " y0 " << v.tiranteBorde
      << " yT " << v.tiranteBuscado << " x0 " << v.xBorde << " xf " << v.xBuscado;
    return v;
}

bool Finito(const Variables& v)
{
    bool finito = true;
    for (double x : {v.area, v.perimetro, v.radioHidraulico, v.anchoSup, v.profHidraulica,
                     v.velocidad, v.froude, v.tirante, v.profCentroide, v.energia,
                     v.cantMovimiento, v.pendFriccion, v.tension, v.taludZ, v.tiranteCritico,
                     v.tiranteNormal, v.tiranteNormalConj, v.tiranteFinal, v.pasoX,
                     v.tiranteAlternoSup, v.tiranteAlternoInf, v.yMaxGraf, v.yMinGraf,
                     v.xMaxGraf, v.xMinGraf})
        finito = finito && std::isfinite(x);
    for (const auto& fila : v.tablaPerfil)
        finito = finito && std::isfinite(fila[0] + fila[1] + fila[2]);
    return finito;
}

}  // namespace

TEST(Propiedades, CadaOperacionTerminaConNumerosFinitosOErrorCalculo)
{
    Azar azar{std::mt19937_64(gSemilla)};
    long correctas = 0;
    for (long k = 0; k < gEstados && !HasFailure(); ++k) {
        std::ostringstream contexto;
        contexto << "seed " << gSemilla << ", state " << k << ": ";
        Variables v = Estado(azar, contexto);
        const double y = azar.magnitud(1);
        contexto << " y " << y;
        const std::pair<const char*, std::function<double()>> operaciones[] = {
            {"ElementosHidraulicos", [&] { ElementosHidraulicos(v, y); return v.energia; }},
            {"TirantesCriticoNormal", [&] { TirantesCriticoNormal(v); return v.tiranteNormal; }},
            {"PendienteCritica", [&] { return PendienteCritica(v); }},
            {"TiranteAlterno", [&] { return TiranteAlterno(v, y); }},
            {"TirantesAlternosEnergia", [&] { TirantesAlternosEnergia(v, y); return 0.0; }},
            {"TiranteConjugado", [&] { return TiranteConjugado(v, y); }},
            {"ZonaTirante", [&] { return double(ZonaTirante(v, y)); }},
            {"CalcularPerfil", [&] { CalcularPerfil(v); return v.tiranteFinal; }},
            {"PasoDirecto", [&] { return PasoDirecto(v, v.xBorde, v.tiranteBorde, y); }},
            {"PerfilPasoDirecto", [&] { NuevaTablaPerfil(v); return PerfilPasoDirecto(v).value_or(0); }},
        };
        for (const auto& [nombre, operacion] : operaciones) {
            try {
                const double resultado = operacion();
                EXPECT_TRUE(std::isfinite(resultado)) << nombre << " gave " << resultado << "\n" << contexto.str();
                ++correctas;
            } catch (const ErrorCalculo&) {
            } catch (const std::exception& e) {
                ADD_FAILURE() << nombre << " threw " << e.what() << "\n" << contexto.str();
            }
            EXPECT_TRUE(Finito(v)) << nombre << " left a value that is not finite\n" << contexto.str();
        }
    }
    EXPECT_GT(correctas, gEstados);  // ordinary channels do get results
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1)
        gEstados = std::atol(argv[1]);
    if (argc > 2)
        gSemilla = std::strtoul(argv[2], nullptr, 10);
    return RUN_ALL_TESTS();
}
