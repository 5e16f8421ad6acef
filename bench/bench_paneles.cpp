// The whole path of each button of the main window, from reading the boxes to
// the written results and the redrawn plot, for the worked examples at the
// default calculation parameters. Runs headless.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "PrincipalVentanas.h"
#include "mainwindow/RungeKutta.h"
#include "state/Variables.h"

namespace {

// The main window with the reference channel typed in: rectangular, width 2 m,
// 3 m3/s, n 0.015, slope 0.001; a boundary depth of 1.5 m at x = 1000 m.
RungeKutta& Ventana()
{
    static RungeKutta* ventana = [] {
        auto* v = new RungeKutta;
        v->show();
        const std::pair<const char*, const char*> entradas[] = {
            {"Text1", "2"},     {"Text5", "0.001"}, {"Text6", "0.015"},   {"Text7", "3"},
            {"Text11", "1000"}, {"Text8", "1.5"},   {"Text9", "0"},       {"Text28", "1.2"},
            {"Text32", "1"},    {"Text34", "1.5"},  {"txtY1Conj", "0.3"}, {"Text21", "1"}};
        for (const auto& [caja, texto] : entradas)
            v->findChild<QLineEdit*>(caja)->setText(texto);
        return v;
    }();
    return *ventana;
}

void Boton(benchmark::State& estado, const char* boton, const char* opcion)
{
    RungeKutta& ventana = Ventana();
    if (opcion)
        ventana.findChild<QRadioButton*>(opcion)->setChecked(true);
    auto* pulsador = ventana.findChild<QPushButton*>(boton);
    for (auto _ : estado)
        pulsador->click();
    estado.counters["pitidos"] = ventana.pitidos();
}

BENCHMARK_CAPTURE(Boton, flujo_uniforme, "Calc_tir", nullptr)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Boton, alterno_de_tirante, "cmdAlterno", "Option8")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Boton, alternos_de_energia, "cmdAlterno", "optEnergia")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Boton, conjugado, "cmdConjugado", nullptr)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Boton, perfil_runge_kutta, "Calc_sup_libre", nullptr)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Boton, paso_directo, "Paso_directo", nullptr)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Boton, parametros_de_interes, "Command1", "optManual")
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return EjecutarConVentanas(argc, argv, [] { ParametrosPorDefecto(estado()); });
}
