// Speed of the channel design solver: one solve per unknown and shape, with
// every result it fills in (elements, critical depth and slope, pipe figures).
#include <benchmark/benchmark.h>

#include "calc/Diseno.h"

namespace {

CanalDiseno Rectangulo()
{
    return {FormaCanal::Rectangular, 2, 0, 0, 0.001, 0.015, 3, 1.0965};
}

CanalDiseno Trapecio()
{
    return {FormaCanal::Trapezoidal, 2, 0, TaludDeAngulo(30).value(), 0.001, 0.015, 3, 0.7};
}

CanalDiseno Tubo(double Q = 0.5)
{
    return {FormaCanal::Circular, 0, 1, 0, 0.001, 0.013, Q, 0.6};
}

void Resolver(benchmark::State& estado, CanalDiseno canal, Incognita incognita)
{
    for (auto _ : estado) {
        ResultadoDiseno r = ResolverCanal(canal, incognita);
        benchmark::DoNotOptimize(r);
        if (!r.ok)
            estado.SkipWithError("refused");
    }
}
BENCHMARK_CAPTURE(Resolver, caudal_trapecio, Trapecio(), Incognita::Caudal);
BENCHMARK_CAPTURE(Resolver, pendiente_tubo, Tubo(), Incognita::Pendiente);
BENCHMARK_CAPTURE(Resolver, manning_trapecio, Trapecio(), Incognita::Manning);
BENCHMARK_CAPTURE(Resolver, tirante_rectangulo, Rectangulo(), Incognita::Tirante);
BENCHMARK_CAPTURE(Resolver, tirante_trapecio, Trapecio(), Incognita::Tirante);
BENCHMARK_CAPTURE(Resolver, tirante_tubo, Tubo(), Incognita::Tirante);
// Between the full and the largest discharge: both depths.
BENCHMARK_CAPTURE(Resolver, tirante_tubo_dos, Tubo(0.79), Incognita::Tirante);
BENCHMARK_CAPTURE(Resolver, ancho_rectangulo, Rectangulo(), Incognita::Ancho);
BENCHMARK_CAPTURE(Resolver, ancho_trapecio, Trapecio(), Incognita::Ancho);
BENCHMARK_CAPTURE(Resolver, talud_trapecio, Trapecio(), Incognita::Talud);
BENCHMARK_CAPTURE(Resolver, diametro_tubo, Tubo(), Incognita::Diametro);

}  // namespace

BENCHMARK_MAIN();
