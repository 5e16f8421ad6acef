// Speed of torvel-calc as scripts run it: a batch of 100,000 uniform-flow rows
// on one worker and on one per core (rows per second and the peak memory of the
// process), a rating table of 1,000 steps, the README's batch rows found by the
// scans and by the exact solver (--solver exact), and one solve.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Runs torvel-calc with its output thrown away; returns the peak resident
// memory in MB.
double Correr(std::vector<std::string> argumentos)
{
    argumentos.insert(argumentos.begin(), TORVEL_CALC);
    std::vector<char*> argv;
    for (std::string& a : argumentos)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_addopen(&acciones, 1, "/dev/null", O_WRONLY, 0);
    pid_t hijo = 0;
    if (posix_spawn(&hijo, TORVEL_CALC, &acciones, nullptr, argv.data(), environ) != 0)
        return -1;
    posix_spawn_file_actions_destroy(&acciones);
    int estado = 0;
    rusage uso{};
    wait4(hijo, &estado, 0, &uso);
    return uso.ru_maxrss / 1024.0;
}

// 100,000 rows of the three worked channels, with varying discharges.
const std::string& ArchivoUniforme()
{
    static const std::string ruta = [] {
        const std::string r = "/tmp/torvel-bench-lote.csv";
        std::ofstream f(r);
        f << "shape,b,angle,d,slope,n,q\n";
        for (int i = 0; i < 100000; ++i) {
            const double q = 0.5 + (i % 100) * 0.025;
            if (i % 3 == 0)
                f << "rect,2,,,0.001,0.015," << q << "\n";
            else if (i % 3 == 1)
                f << "trap,2,45,,0.001,0.015," << q << "\n";
            else
                f << "circle,,,1.5,0.001,0.013," << q << "\n";
        }
        return r;
    }();
    return ruta;
}

void Lote(benchmark::State& estado)
{
    const std::string& archivo = ArchivoUniforme();
    const std::string hilos = std::to_string(estado.range(0));
    double memoria = 0;
    for (auto _ : estado)
        memoria = Correr({"batch", archivo, "--jobs", hilos, "--format", "csv"});
    estado.counters["filas_por_s"] =
        benchmark::Counter(100000.0 * estado.iterations(), benchmark::Counter::kIsRate);
    estado.counters["memoria_MB"] = memoria;
}
BENCHMARK(Lote)->Arg(1)->Arg(2)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(3);

// 20,000 rows like the README's batch: a rectangle, a trapezoid, a pipe whose
// discharge grows past what it can carry, and a pipe of diameter 0 that fails.
const std::string& ArchivoReadme()
{
    static const std::string ruta = [] {
        const std::string r = "/tmp/torvel-bench-lote-readme.csv";
        std::ofstream f(r);
        f << "reach,shape,b,z,d,slope,n,q\n";
        for (int i = 0; i < 20000; ++i) {
            const double q = 0.5 + (i % 100) * 0.025, qTubo = 0.2 + (i % 100) * 0.018;
            switch (i % 4) {
            case 0: f << "A" << i << ",rect,2,,,0.001,0.015," << q << "\n"; break;
            case 1: f << "A" << i << ",trap,2,1.5,,0.0005,0.015," << q << "\n"; break;
            case 2: f << "P" << i << ",circle,,,1,0.001,0.013," << qTubo << "\n"; break;
            default: f << "P" << i << ",circle,,,0,0.001,0.013,0.5\n"; break;
            }
        }
        return r;
    }();
    return ruta;
}

// Argument 0: the default scans; 1: --solver exact. One worker.
void LoteMetodo(benchmark::State& estado)
{
    const std::string& archivo = ArchivoReadme();
    std::vector<std::string> argumentos = {"batch", archivo, "--jobs", "1", "--format", "csv"};
    if (estado.range(0) == 1)
        argumentos.insert(argumentos.end(), {"--solver", "exact"});
    for (auto _ : estado)
        Correr(argumentos);
    estado.counters["filas_por_s"] =
        benchmark::Counter(20000.0 * estado.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(LoteMetodo)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// One solve as a script runs it: the process included.
void Resolver(benchmark::State& estado)
{
    for (auto _ : estado)
        Correr({"solve", "--for", "depth", "--shape", "trap", "--b", "2", "--angle", "45",
                "--slope", "0.001", "--n", "0.015", "--q", "3", "--format", "json"});
}
BENCHMARK(Resolver)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void Curva(benchmark::State& estado)
{
    for (auto _ : estado)
        Correr({"rating", "--trap", "2", "--angle", "45", "--slope", "0.001", "--n", "0.015",
                "--q-from", "0.5", "--q-to", "10", "--steps", "1000", "--format", "csv"});
}
BENCHMARK(Curva)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
