// The profile window and the calculation report: opening and refreshing the
// window (table and plot painted), saving its table as CSV, and writing the
// report to a PDF, for profiles of 100 and 32765 steps. Runs headless.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "captions/Textos.h"
#include "engine/modFuncionesTorvel.h"
#include "PrincipalVentanas.h"
#include "mainwindow/RungeKutta.h"
#include "state/Variables.h"
#include "windows/VentanaPerfil.h"

namespace {

// The README's M1 profile (rectangle b 2, Q 3, n 0.015, S 0.001, y0 1.5 m at
// x 1000, towards x 0) in puntos steps.
void Perfil(int puntos)
{
    Variables& v = estado();
    v = Variables();
    ParametrosPorDefecto(v);
    v.puntosPerfil = static_cast<int16_t>(puntos);
    v.esRectangular = VERDADERO;
    v.ancho = 2;
    v.caudal = 3;
    v.nManning = 0.015;
    v.pendiente = 0.001;
    v.tiranteBorde = 1.5;
    v.xBorde = 1000;
    v.xBuscado = 0;
    TirantesCriticoNormal(v);
    CalcularPerfil(v);
    v.tiranteNormalConj = ConjugadoDeNormal(v);
}

// Created, shown and painted once, as the menu entry does.
void AbrirVentana(benchmark::State& estado)
{
    Perfil(int(estado.range(0)));
    for (auto _ : estado) {
        auto* ventana = new VentanaPerfil;
        ventana->show();
        benchmark::DoNotOptimize(ventana->grab());
        delete ventana;
    }
}

// What an open window does after each new profile.
void RefrescarVentana(benchmark::State& estado)
{
    Perfil(int(estado.range(0)));
    VentanaPerfil ventana;
    ventana.show();
    for (auto _ : estado) {
        ventana.Actualizar();
        benchmark::DoNotOptimize(ventana.grab());
    }
}

void GuardarTabla(benchmark::State& estado)
{
    Perfil(int(estado.range(0)));
    VentanaPerfil ventana;
    const QString ruta = QDir::temp().filePath(QStringLiteral("torvel-bench-perfil.csv"));
    for (auto _ : estado)
        benchmark::DoNotOptimize(ventana.GuardarTabla(ruta));
    QFile::remove(ruta);
}

void InformePdf(benchmark::State& estado)
{
    RungeKutta principal;
    Perfil(int(estado.range(0)));
    const QString ruta = QDir::temp().filePath(QStringLiteral("torvel-bench-informe.pdf"));
    for (auto _ : estado)
        benchmark::DoNotOptimize(principal.ExportarInforme(ruta));
    QFile::remove(ruta);
}

BENCHMARK(AbrirVentana)->Arg(100)->Arg(32765)->Unit(benchmark::kMillisecond);
BENCHMARK(RefrescarVentana)->Arg(100)->Arg(32765)->Unit(benchmark::kMillisecond);
BENCHMARK(GuardarTabla)->Arg(32765)->Unit(benchmark::kMillisecond);
BENCHMARK(InformePdf)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return EjecutarConVentanas(argc, argv, [] { CargarTextos(1); });
}
