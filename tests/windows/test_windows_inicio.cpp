// The start-up sequence: splash, start-up warning and its three ways on.
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "../common/Ventanas.h"
#include "mainwindow/RungeKutta.h"
#include "app/Inicio.h"
#include "windows/Advertencia_alpha.h"
#include "windows/Form_inicio.h"
#include "captions/Textos.h"
#include "windows/VentanaUnica.h"
#include "windows/inf_zuvan.h"

namespace {

constexpr int kDemoraCorta = 50;

// Does the action inside the application's event loop and tells whether the
// application ended by itself within the time given. exit(), not quit(), on
// time-out: quit() would first close the windows under test. The guard dies
// with this call, so a time-out left pending cannot fire later.
bool TerminaLaAplicacion(const std::function<void()>& accion, int esperaMs)
{
    QTimer::singleShot(0, qApp, accion);
    QObject guardia;
    QTimer::singleShot(esperaMs, &guardia, [] { QCoreApplication::exit(1); });
    return QApplication::exec() == 0;
}

}  // namespace

class PruebaInicio : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { DestruirVentanas(); }

    // The splash alone first, then the warning over it, in the stored language (the captions
    // and Qt's own buttons too); a second start while the splash shows opens nothing. Either
    // way on, the warning and the splash close and are deleted; with no window left, the
    // application ends.
    void aceptarOSalir()
    {
        QSettings almacen(QSettings::NativeFormat, QSettings::UserScope, "VBA_32");
        for (const auto& [boton, idioma, si] :
             {std::tuple{"Aceptar", 0, "&Sí"}, std::tuple{"Salir", 1, "&Yes"}}) {
            almacen.setValue("Torvel/Languaje", idioma);
            almacen.sync();
            IniciarAplicacion(kDemoraCorta);
            IniciarAplicacion(kDemoraCorta);
            QPointer<Form_inicio> inicio = VentanaAbierta<Form_inicio>();
            QVERIFY(TextosIguales(inicio, "454b4fc4f218"));
            QCOMPARE(CuantasAbiertas<Advertencia_alpha>(), 0);
            QTRY_COMPARE(CuantasAbiertas<Advertencia_alpha>(), 1);
            QCOMPARE(CuantasAbiertas<Form_inicio>(), 1);
            auto* aviso = VentanaAbierta<Advertencia_alpha>();
            QVERIFY(TextosIguales(aviso, "ed92480f1313"));
            QCOMPARE(capInfoCerrar, QString(idioma ? "Close" : "Cerrar"));
            QCOMPARE(QMessageBox(QMessageBox::NoIcon, {}, {}, QMessageBox::Yes)
                         .button(QMessageBox::Yes)
                         ->text(),
                     QString::fromUtf8(si));
            const bool salir = idioma == 1;
            QCOMPARE(TerminaLaAplicacion([aviso, b = boton] { Pulsar(aviso, b); }, 300), salir);
            QCOMPARE(CuantasAbiertas<RungeKutta>(), salir ? 0 : 1);
            QCOMPARE(CuantasAbiertas<Advertencia_alpha>() + CuantasAbiertas<Form_inicio>(), 0);
            QTRY_VERIFY(inicio.isNull());
            DestruirVentanas();
        }
        almacen.remove("Torvel/Languaje");
    }

    // The application keeps running for the company window, and ends with it.
    void empresaUnaSolaVezYSigueTrasSalir()
    {
        IniciarAplicacion(kDemoraCorta);
        QTRY_COMPARE(CuantasAbiertas<Advertencia_alpha>(), 1);
        auto* aviso = VentanaAbierta<Advertencia_alpha>();
        Pulsar(aviso, "Informacion");
        Pulsar(aviso, "Informacion");
        QCOMPARE(CuantasAbiertas<inf_zuvan>(), 1);
        QCOMPARE(CuantasAbiertas<Advertencia_alpha>(), 1);

        QVERIFY(!TerminaLaAplicacion([aviso] { Pulsar(aviso, "Salir"); }, 300));
        QCOMPARE(CuantasAbiertas<inf_zuvan>(), 1);
        QCOMPARE(CuantasAbiertas<Form_inicio>(), 0);
        auto* empresa = VentanaAbierta<inf_zuvan>();
        // No language stored yet: the captions were filled in English at start.
        QCOMPARE(Hijo<QPushButton>(empresa, "cmdInfoCerrar")->text(), QStringLiteral("Close"));
        QVERIFY(TerminaLaAplicacion([empresa] { Pulsar(empresa, "cmdInfoCerrar"); }, 2000));
    }

    // Whether there is a screen to show the windows on, from the environment.
    void hayPantalla()
    {
        const QByteArray antes = qgetenv("QT_QPA_PLATFORM");
        // clang-format off
        const std::tuple<const char*, const char*, const char*, bool> casos[] = {
            {"offscreen", "", "", true}, {"vnc:size=800x600", "", "", true}, {"xcb", "", "", false},
            {"xcb", ":0", "", true}, {"wayland", "", "w-0", true}, {"wayland-egl", "", "", false},
            {"", "", "", false}, {"", "", "w-0", true}};
        // clang-format on
        for (const auto& [plataforma, display, wayland, hay] : casos) {
            qputenv("QT_QPA_PLATFORM", plataforma);
            qputenv("DISPLAY", display);
            qputenv("WAYLAND_DISPLAY", wayland);
            QVERIFY2(HayPantalla() == hay, plataforma);
        }
        qputenv("QT_QPA_PLATFORM", antes);
    }
};

QTEST_MAIN(PruebaInicio)
#include "test_windows_inicio.moc"
