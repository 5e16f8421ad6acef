// The start-up sequence: splash, start-up warning and its three ways on.
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "../common/Ventanas.h"
#include "captions/modBelco.h"
#include "mainwindow/RungeKutta.h"
#include "windows/Advertencia_alpha.h"
#include "windows/Form_inicio.h"
#include "windows/VentanaUnica.h"
#include "windows/inf_zuvan.h"

namespace {

constexpr int kDemoraCorta = 50;

// Starts the application and waits for the warning, as the user sees it.
Advertencia_alpha* IniciarYEsperarAdvertencia()
{
    IniciarAplicacion(kDemoraCorta);
    if (!QTest::qWaitFor([] { return VentanaAbierta<Advertencia_alpha>() != nullptr; }, 2000))
        return nullptr;
    return VentanaAbierta<Advertencia_alpha>();
}

void Pulsar(QWidget* ventana, const char* nombre)
{
    auto* boton = ventana->findChild<QPushButton*>(nombre);
    QVERIFY2(boton, nombre);
    QTest::mouseClick(boton, Qt::LeftButton);
}

// Runs the application's event loop, does the action in it, and tells whether
// the application ended by itself within the time given.
bool TerminaLaAplicacion(const std::function<void()>& accion, int esperaMs)
{
    bool agotado = false;
    QTimer::singleShot(0, qApp, accion);
    QTimer guardia;
    guardia.setSingleShot(true);
    QObject::connect(&guardia, &QTimer::timeout, qApp, [&agotado] {
        agotado = true;
        // exit(), not quit(): quit() would first close the windows under test.
        QCoreApplication::exit(0);
    });
    guardia.start(esperaMs);
    QApplication::exec();
    return !agotado;
}

}  // namespace

class PruebaInicio : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { DestruirVentanas(); }

    void splashYLuegoAdvertencia()
    {
        IniciarAplicacion(kDemoraCorta);
        auto* inicio = VentanaAbierta<Form_inicio>();
        QVERIFY(inicio);
        QCOMPARE(inicio->size(), QSize(488, 213));
        QVERIFY(inicio->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(inicio->findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Versión 1.2"));
        QCOMPARE(inicio->findChild<QLabel*>("Label1")->text(),
                 QStringLiteral("Programa para el cálculo de diferentes parámetros y variación "
                                "de niveles en flujos con superficie libre "));
        // The splash is seen alone first.
        QCOMPARE(CuantasAbiertas<Advertencia_alpha>(), 0);

        QTRY_COMPARE(CuantasAbiertas<Advertencia_alpha>(), 1);
        QCOMPARE(CuantasAbiertas<Form_inicio>(), 1);
        auto* aviso = VentanaAbierta<Advertencia_alpha>();
        QCOMPARE(aviso->windowTitle(), QStringLiteral("Advertencia"));
        QCOMPARE(aviso->size(), QSize(382, 156));
        QVERIFY(!(aviso->windowFlags() & (Qt::WindowMinimizeButtonHint |
                                          Qt::WindowMaximizeButtonHint)));
        QCOMPARE(aviso->findChild<QLabel*>("Label1")->text(),
                 QStringLiteral("Por favor verifique que el sistema de puntuacion decimal de la "
                                "maquina este fijado para \".\" y no para \",\". En caso "
                                "contrario, el programa no funcionará correctamente. "));
        QCOMPARE(aviso->findChild<QPushButton*>("Informacion")->text(),
                 QStringLiteral("Información..."));
        // No language stored yet: the captions were filled in English at start.
        QCOMPARE(capInfoCerrar, QStringLiteral("Close"));
    }

    void aceptarAbreLaVentanaPrincipal()
    {
        auto* aviso = IniciarYEsperarAdvertencia();
        QVERIFY(aviso);
        Pulsar(aviso, "Aceptar");
        QCOMPARE(CuantasAbiertas<RungeKutta>(), 1);
        QCOMPARE(CuantasAbiertas<Advertencia_alpha>(), 0);
        QCOMPARE(CuantasAbiertas<Form_inicio>(), 0);
    }

    void salirCierraTodoSinVentanaPrincipal()
    {
        auto* aviso = IniciarYEsperarAdvertencia();
        QVERIFY(aviso);
        QVERIFY(TerminaLaAplicacion([aviso] { Pulsar(aviso, "Salir"); }, 2000));
        QCOMPARE(CuantasAbiertas<Advertencia_alpha>(), 0);
        QCOMPARE(CuantasAbiertas<Form_inicio>(), 0);
        QCOMPARE(CuantasAbiertas<RungeKutta>(), 0);
    }

    void cerrarLaAdvertenciaCierraElSplash()
    {
        auto* aviso = IniciarYEsperarAdvertencia();
        QVERIFY(aviso);
        QVERIFY(aviso->close());
        QCOMPARE(CuantasAbiertas<Form_inicio>(), 0);
        QCOMPARE(CuantasAbiertas<RungeKutta>(), 0);
    }

    void informacionDosVecesAbreUnaSola()
    {
        auto* aviso = IniciarYEsperarAdvertencia();
        QVERIFY(aviso);
        Pulsar(aviso, "Informacion");
        Pulsar(aviso, "Informacion");
        QCOMPARE(CuantasAbiertas<inf_zuvan>(), 1);
        QCOMPARE(CuantasAbiertas<Advertencia_alpha>(), 1);
    }

    void empresaSigueAbiertaTrasSalir()
    {
        auto* aviso = IniciarYEsperarAdvertencia();
        QVERIFY(aviso);
        Pulsar(aviso, "Informacion");
        // The application keeps running for the company window, and ends with it.
        QVERIFY(!TerminaLaAplicacion([aviso] { Pulsar(aviso, "Salir"); }, 300));
        QCOMPARE(CuantasAbiertas<inf_zuvan>(), 1);
        QCOMPARE(CuantasAbiertas<Form_inicio>(), 0);
        auto* empresa = VentanaAbierta<inf_zuvan>();
        QCOMPARE(empresa->findChild<QPushButton*>("cmdInfoCerrar")->text(),
                 QStringLiteral("Close"));
        QVERIFY(TerminaLaAplicacion([empresa] { Pulsar(empresa, "cmdInfoCerrar"); }, 2000));
    }
};

QTEST_MAIN(PruebaInicio)
#include "test_windows_inicio.moc"
