// What the user sees and touches: boxes shown from their first character, the
// comma locale, Qt's own buttons in the chosen language, the keys, the limit of
// profile points and the messages that name the input at fault.
#include <QSettings>
#include <QtTest>

#include "../common/RespuestaAutomatica.h"
#include "../common/Principal.h"
#include "captions/Textos.h"
#include "windows/CajasTexto.h"
#include "windows/VentanaUnica.h"
#include "windows/frmInfoProg.h"
#include "windows/frmParamCalc.h"
#include "windows/frmParamVarios.h"
#include "windows/inf_zuvan.h"

namespace {

// In the language given, with the README's rectangle and the profile's boundary.
RungeKutta* Abrir(int idioma = 1)
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "VBA_32")
        .setValue("Torvel/Languaje", idioma);
    return AbrirPrincipal(kEjemplo);
}

}  // namespace

class TestPulido : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { DestruirVentanas(); }

    void cajasDesdeElPrincipio()
    {
        RungeKutta* v = Abrir();
        Escribir(v, "Text39", "1");
        Pulsar(v, "cmdConvertir");
        QCOMPARE(Hijo<QLineEdit>(v, "Text3")->cursorPosition(), 0);

        Pulsar(v, "optCircular");
        Escribir(v, "Text4", "1");
        Escribir(v, "Text7", "4");
        Pulsar(v, "Calc_tir");
        // Whole, in the narrow face; a box that fits keeps its font.
        QLineEdit* normal = Hijo<QLineEdit>(v, "Text14");
        QVERIFY(normal->text() == "Q LLENO" && CabeEnCaja(normal) && normal->cursorPosition() == 0);
        QCOMPARE(normal->font().family(), QString("Arial Narrow"));
        QCOMPARE(Hijo(v, "Text13")->font().family(), QString("Arial"));
    }

    // Also run in a comma locale (test_pulido_coma): a profile's results copied into the
    // alternate-depth boxes give the alternate of that very depth.
    void copiasEnElLocal()
    {
        if (qEnvironmentVariableIsSet("TORVEL_COMA"))
            QCOMPARE(QLocale::system().decimalPoint(), QString(","));
        RungeKutta* v = Abrir();
        Escribir(v, "Text9", "0");
        Pulsar(v, "Calc_sup_libre");
        Pulsar(v, "cmdAlterno");  // on the copy of y = 1.1468; 1 would give 0.4007
        QCOMPARE(Texto(v, "Text33"), EnLocal("0.3627"));
    }

    void botonesDeQtEnElIdioma()
    {
        auto si = [] {
            return QMessageBox(QMessageBox::NoIcon, {}, {}, QMessageBox::Yes)
                .button(QMessageBox::Yes)
                ->text();
        };
        Abrir(0)->findChild<QAction*>("mnuLenguaje")->trigger();
        QCOMPARE(si(), QString("&Yes"));
        VentanaAbierta<RungeKutta>()->findChild<QAction*>("mnuLenguaje")->trigger();
        QCOMPARE(si(), QString("&Sí"));
    }

    void teclasYPuntos()
    {
        RungeKutta* v = Abrir();
        QCOMPARE(QApplication::focusWidget(), Hijo(v, "Text1"));
        // Enter runs the box's panel, and none for the boundary condition.
        QTest::keyClick(Hijo(v, "Text8"), Qt::Key_Return);
        QCOMPARE(v->pitidos(), 0);
        QTest::keyClick(Hijo(v, "Text7"), Qt::Key_Return);
        QCOMPARE(Texto(v, "Text13"), EnLocal("0.6121"));

        // Parameters: at most 32765 points, Enter accepts, Escape keeps what was stored;
        // Escape closes the others too.
        RespuestaAutomatica mensajes;
        Escribir(MostrarVentana<frmParamCalc>(), "Text23", "32766");
        Pulsar(VentanaAbierta<frmParamCalc>(), "cmdAceptarSalir");
        auto* parametros = MostrarVentana<frmParamCalc>();
        Escribir(parametros, "Text23", "32765");
        parametros->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(parametros));
        QTest::keyClick(parametros, Qt::Key_Return);
        QCOMPARE(mensajes.textos(), QStringList{capErrorPuntos.arg("32766")});
        const QList<QWidget*> ventanas = {
            MostrarVentana<frmParamCalc>(), MostrarVentana<frmParamVarios>(),
            MostrarVentana<frmInfoProg>(), MostrarVentana<inf_zuvan>()};
        Escribir(ventanas[0], "Text23", "60");
        for (QWidget* w : ventanas) {
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w));
            QTest::keyClick(w, Qt::Key_Escape);
            QVERIFY(!w->isVisible());
        }
        QCOMPARE(estado().puntosPerfil, 32765);
        Escribir(v, "Text9", "0");
        Pulsar(v, "Calc_sup_libre");
        QCOMPARE(Texto(v, "Text10"), EnLocal("1.1468"));
    }

    void mensajesQueNombranLaEntrada()
    {
        RungeKutta* v = Abrir();
        RespuestaAutomatica mensajes;
        Escribir(v, "Text1", "");
        Escribir(v, "txtY1Conj", "0.3");
        Pulsar(v, "cmdConjugado");
        Escribir(v, "Text1", "2");
        Escribir(v, "Text32", "0");
        Pulsar(v, "cmdAlterno");
        Escribir(v, "Text8", "0.6121");  // at yc, downstream: no step can be taken
        Escribir(v, "Text9", "1010");
        Pulsar(v, "Calc_sup_libre");
        Pulsar(v, "optTrapezoidal");  // without base or angle: the angle is missing
        Pulsar(v, "Calc_tir");
        QCOMPARE(
            mensajes.textos(),
            QStringList({
                capFalloMensajeVacio.arg(capFalloConjugado, capMotivoSinDimension.arg("Width (m)")),
                capFalloMensaje.arg(capFalloAlterno,
                                    capMotivoTiranteCeroEn.arg("Alternate Depths: y (m)")),
                capFalloMensaje.arg(capFalloRungeKutta,
                                    capMotivoBordeCritico.arg(EnLocal("0.6121"))),
                capFalloMensaje.arg(capFalloFlujoUniforme,
                                    capMotivoSinDimension.arg("Side Slope Angle (grades)")),
            }));
    }
};

QTEST_MAIN(TestPulido)
#include "test_pulido.moc"
