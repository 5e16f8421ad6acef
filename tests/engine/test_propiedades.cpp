// Random calculation states, from ordinary channels to absurd ones, through
// every engine operation: each must give finite numbers or throw ErrorCalculo,
// and none may run away (a hang is ctest's time-out).
//
//   test_propiedades [estados] [semilla]
// A failure prints the seed and the number of the state, which replay it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <random>

#include "engine/modFuncionesTorvel.h"

namespace {

long gEstados = 20;
unsigned long gSemilla = 20261206;

// The engine's sequence is fixed by the language standard (its distributions
// are not, so none is used): a seed replays the same run with every compiler.
std::mt19937_64 gAzar;
int Entero(int n)
{
    return int(gAzar() % unsigned(n));
}

// Mostly ordinary, one time in `raro` one of the extremes.
double Valor(double desde, double hasta, std::initializer_list<double> extremos, int raro = 4)
{
    if (Entero(raro) == 0)
        return extremos.begin()[Entero(int(extremos.size()))];
    return desde + (hasta - desde) * double(gAzar() >> 11) * 0x1.0p-53;
}

Variables Estado()
{
    Variables v;
    const int forma = Entero(4);  // 3: no shape chosen at all
    v.esRectangular = forma == 0 ? VERDADERO : FALSO;
    v.esTrapezoidal = forma == 1 ? VERDADERO : FALSO;
    v.esCircular = forma == 2 ? VERDADERO : FALSO;
    for (double* longitud :
         {&v.ancho, &v.anchoFondo, &v.diametro, &v.caudal, &v.tiranteBorde, &v.tiranteBuscado})
        *longitud = Valor(0.05, 5, {0.0, -0.0, -1.5, 1e-300, 1e-7, 1e7, 1e300});
    v.anguloTalud = GradosARadianes(Valor(1, 90, {0, -30, 90, 180, 720}));
    v.nManning = Valor(0.001, 0.1, {0, -0.015, 1e-300, 1e300});
    v.pendiente = Valor(1e-5, 0.05, {0.0, -0.005, 0.5, 5.0});
    v.errorAdmisible = Valor(1e-3, 0.5, {0.0, -0.001, 1e-12, 1e300});
    v.puntosPerfil = int16_t(Valor(1, 200, {0, 1, 2, 3, 4, -1, -32768, 32765, 32766, 32767}));
    v.umbralPasoInteligente = Valor(0, 1, {-1.0, 0.0, 1e300});
    v.pasoInteligente = int16_t(Entero(3) - 1);
    v.xBorde = Valor(-2000, 2000, {0.0, 1e20, -1e300}, 10);
    v.xBuscado = Valor(-2000, 2000, {0.0, 1e20, 1e300}, 10);
    return v;
}

// Every double the engine writes.
bool Finito(const Variables& v)
{
    bool finito = true;
    // clang-format off
    for (double x : {v.area, v.perimetro, v.radioHidraulico, v.anchoSup, v.profHidraulica,
                     v.velocidad, v.froude, v.tirante, v.profCentroide, v.energia,
                     v.cantMovimiento, v.pendFriccion, v.tension, v.taludZ, v.tiranteCritico,
                     v.tiranteNormal, v.tiranteNormalConj, v.tiranteFinal, v.pasoX,
                     v.tiranteAlternoSup, v.tiranteAlternoInf, v.yMaxGraf, v.yMinGraf,
                     v.xMaxGraf, v.xMinGraf})
        // clang-format on
        finito = finito && std::isfinite(x);
    for (const auto& fila : v.tablaPerfil)
        finito = finito && std::isfinite(fila[0] + fila[1] + fila[2]);
    return finito;
}

}  // namespace

TEST(Propiedades, CadaOperacionTerminaConNumerosFinitosOErrorCalculo)
{
    gAzar.seed(gSemilla);
    long correctas = 0;
    for (long k = 0; k < gEstados && !HasFailure(); ++k) {
        Variables v = Estado();
        const double y = Valor(0.05, 5, {0.0, -0.1, 1e-300, 1e300});
        // clang-format off
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
            {"PerfilPasoDirecto",
             [&] { NuevaTablaPerfil(v); return PerfilPasoDirecto(v).value_or(0); }}};
        // clang-format on
        for (const auto& [nombre, operacion] : operaciones) {
            try {
                EXPECT_TRUE(std::isfinite(operacion())) << nombre;
                ++correctas;
            } catch (const ErrorCalculo&) {
            } catch (const std::exception& e) {
                ADD_FAILURE() << nombre << " threw " << e.what();
            }
            EXPECT_TRUE(Finito(v)) << nombre << " left a value that is not finite";
        }
        if (HasFailure())
            ADD_FAILURE() << "replay with: test_propiedades " << k + 1 << " " << gSemilla;
    }
    EXPECT_GT(correctas, gEstados);  // ordinary channels do get results
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    gEstados = argc > 1 ? std::atol(argv[1]) : gEstados;
    gSemilla = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : gSemilla;
    return RUN_ALL_TESTS();
}
