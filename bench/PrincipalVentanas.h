// The main() of the benchmarks that drive real windows: headless unless a
// platform is asked for, and without the offscreen screen's complaints.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

// Runs every registered benchmark after preparar() has set up what they share.
template <class Preparar>
int EjecutarConVentanas(int argc, char** argv, Preparar preparar)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    // The offscreen screen cannot raise windows and says so every time.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    preparar();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
