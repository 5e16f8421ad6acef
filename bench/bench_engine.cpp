// Speed of the engine on the worked examples and on its worst cases.
#include <benchmark/benchmark.h>

#include "engine/modFuncionesTorvel.h"

namespace {

Variables Canal(int16_t Variables::*forma, double Q, double n, double S)
{
    Variables v;
    ParametrosPorDefecto(v);
    v.*forma = VERDADERO;
    v.caudal = Q;
    v.nManning = n;
    v.pendiente = S;
    return v;
}

Variables Rectangulo()
{
    Variables v = Canal(&Variables::esRectangular, 3, 0.015, 0.001);
    v.ancho = 2;
    return v;
}

Variables Trapecio(double Q = 3)
{
    Variables v = Canal(&Variables::esTrapezoidal, Q, 0.015, 0.001);
    v.anchoFondo = 2;
    v.anguloTalud = GradosARadianes(45);
    return v;
}

Variables Tubo()
{
    Variables v = Canal(&Variables::esCircular, 0.5, 0.013, 0.001);
    v.diametro = 1;
    return v;
}

void Elementos(benchmark::State& estado, Variables v, double y)
{
    for (auto _ : estado) {
        ElementosHidraulicos(v, y);
        benchmark::DoNotOptimize(v.tension);
        y = y + 1e-12;  // keep the compiler from hoisting the call
    }
}
BENCHMARK_CAPTURE(Elementos, rectangular, Rectangulo(), 1.0);
BENCHMARK_CAPTURE(Elementos, trapezoidal, Trapecio(), 1.0);
BENCHMARK_CAPTURE(Elementos, circular, Tubo(), 0.5);

void CriticoNormal(benchmark::State& estado, Variables v)
{
    for (auto _ : estado) {
        TirantesCriticoNormal(v);
        benchmark::DoNotOptimize(v.tiranteNormal);
    }
}
BENCHMARK_CAPTURE(CriticoNormal, trapecio_ejemplo, Trapecio())->Unit(benchmark::kMillisecond);
// No root below 50 m: both scans run to their end.
BENCHMARK_CAPTURE(CriticoNormal, trapecio_sin_raiz, Trapecio(1e6))->Unit(benchmark::kMillisecond);

void ConjugadoAUnMetro(benchmark::State& estado)
{
    Variables v = Rectangulo();
    TirantesCriticoNormal(v);
    const double y1 = TiranteConjugado(v, v.tiranteCritico + 1.0);  // about 1 m below yc...
    for (auto _ : estado)
        benchmark::DoNotOptimize(TiranteConjugado(v, v.tiranteCritico + 1.0));
    estado.counters["conjugado"] = y1;
}
BENCHMARK(ConjugadoAUnMetro)->Unit(benchmark::kMillisecond);

void PerfilRefinadoEnCadaPaso(benchmark::State& estado)
{
    Variables v = Rectangulo();
    v.tiranteBorde = 1.5;
    v.xBorde = 0;
    v.xBuscado = 1000;
    v.umbralPasoInteligente = -1;  // every |dy/dx| exceeds it
    TirantesCriticoNormal(v);
    for (auto _ : estado) {
        CalcularPerfil(v);
        benchmark::DoNotOptimize(v.tiranteFinal);
    }
}
BENCHMARK(PerfilRefinadoEnCadaPaso)->Unit(benchmark::kMillisecond);

void PerfilSinRefinar(benchmark::State& estado)
{
    Variables v = Trapecio();
    v.tiranteBorde = 1.5;
    v.xBorde = 0;
    v.xBuscado = 1000;
    v.puntosPerfil = 1000;
    v.umbralPasoInteligente = 1e300;  // no |dy/dx| exceeds it
    TirantesCriticoNormal(v);
    for (auto _ : estado) {
        CalcularPerfil(v);
        benchmark::DoNotOptimize(v.tiranteFinal);
    }
}
BENCHMARK(PerfilSinRefinar)->Unit(benchmark::kMillisecond);

void PerfilDirecto(benchmark::State& estado)
{
    Variables v = Rectangulo();
    v.tiranteBorde = 1.2;
    v.tiranteBuscado = 1.5;
    TirantesCriticoNormal(v);
    for (auto _ : estado) {
        NuevaTablaPerfil(v);
        benchmark::DoNotOptimize(PerfilPasoDirecto(v));
    }
}
BENCHMARK(PerfilDirecto)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
