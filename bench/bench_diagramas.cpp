// The diagrams window: opening it, refreshing its four tabs (computed and
// painted), and a rating curve of 10,000 steps, in the README's rectangle
// (b 2, Q 3, n 0.015, S 0.001) with the default error. Runs headless.
#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QPushButton>

#include "PrincipalVentanas.h"
#include "captions/Textos.h"
#include "plot/GraficoXY.h"
#include "state/Variables.h"
#include "windows/Diagramas.h"
#include "windows/VentanaDiagramas.h"

namespace {

void Canal()
{
    Variables& v = estado();
    v = Variables();
    ParametrosPorDefecto(v);
    v.esRectangular = VERDADERO;
    v.ancho = 2;
    v.caudal = 3;
    v.nManning = 0.015;
    v.pendiente = 0.001;
}

// Every tab's plot painted at the size it has in the window.
void PintarPestanas(VentanaDiagramas& ventana)
{
    for (int p = 0; p < 4; ++p)
        benchmark::DoNotOptimize(ventana.grafico(p)->Imagen(QSize(884, 330), 1));
}

// Created, shown and painted once, as the menu entry does.
void AbrirVentana(benchmark::State& estado)
{
    Canal();
    for (auto _ : estado) {
        auto* ventana = new VentanaDiagramas;
        ventana->show();
        benchmark::DoNotOptimize(ventana->grab());
        delete ventana;
    }
}

// What an open window does after each calculation of the main window.
void RefrescarVentana(benchmark::State& estado)
{
    Canal();
    VentanaDiagramas ventana;
    ventana.show();
    for (auto _ : estado) {
        ventana.Actualizar();
        PintarPestanas(ventana);
    }
}

// The rating table alone, and through the window (table and plot included).
void CurvaDeGasto(benchmark::State& estado)
{
    Canal();
    const EntradaDiagramas entrada = EntradaDesdeEstado();
    const QString pasos = QString::number(estado.range(0));
    for (auto _ : estado)
        benchmark::DoNotOptimize(DiagramaCurvaGasto(entrada, "0.3", "6", pasos));
}

void CurvaDeGastoEnVentana(benchmark::State& estado)
{
    Canal();
    VentanaDiagramas ventana;
    ventana.show();
    ventana.findChild<QLineEdit*>("txtPasos")->setText(QString::number(estado.range(0)));
    auto* boton = ventana.findChild<QPushButton*>("cmdCalcularCurva");
    for (auto _ : estado) {
        boton->click();
        benchmark::DoNotOptimize(ventana.grab());
    }
}

BENCHMARK(AbrirVentana)->Unit(benchmark::kMillisecond);
BENCHMARK(RefrescarVentana)->Unit(benchmark::kMillisecond);
BENCHMARK(CurvaDeGasto)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(CurvaDeGastoEnVentana)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return EjecutarConVentanas(argc, argv, [] { CargarTextos(1); });
}
