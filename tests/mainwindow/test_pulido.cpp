// What the user sees and touches: boxes shown from their first character, the
// comma locale, Qt's own buttons in the chosen language, the keys, the limit of
// profile points and the messages that name the input at fault.
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QtTest>

#include "../common/RespuestaAutomatica.h"
#include "../common/Ventanas.h"
#include "captions/modBelco.h"
#include "engine/modFuncionesTorvel.h"
#include "mainwindow/RungeKutta.h"
#include "state/Variables.h"
#include "windows/CajasTexto.h"
#include "windows/VentanaUnica.h"
#include "windows/frmInfoProg.h"
#include "windows/frmParamCalc.h"
#include "windows/frmParamVarios.h"
#include "windows/inf_zuvan.h"

namespace {

QLineEdit* Caja(QWidget* v, const char* nombre) { return v->findChild<QLineEdit*>(nombre); }

void Escribir(QWidget* v, const char* nombre, const QString& texto)
{
    Caja(v, nombre)->clear();
    QTest::keyClicks(Caja(v, nombre), texto);
}

void Pulsar(QWidget* v, const char* nombre)
{
    QTest::mouseClick(v->findChild<QPushButton*>(nombre), Qt::LeftButton);
}

void Elegir(QWidget* v, const char* opcion) { v->findChild<QRadioButton*>(opcion)->click(); }

RungeKutta* Abrir(int idioma = 1)
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "VBA_32")
        .setValue("Torvel/Languaje", idioma);
    auto* v = new RungeKutta;
    v->show();
    v->activateWindow();
    if (!QTest::qWaitForWindowActive(v))
        qFatal("the main window did not become active");
    return v;
}

// Rectangular, width 2 m, 3 m3/s, n 0.015, slope 0.001, boundary x 1000, y 1.5.
RungeKutta* ConCanal(RungeKutta* v)
{
    for (auto [caja, texto] : {std::pair{"Text1", "2"}, {"Text5", "0.001"}, {"Text6", "0.015"},
                               {"Text7", "3"}, {"Text11", "1000"}, {"Text8", "1.5"}})
        Escribir(v, caja, EnLocal(texto));
    return v;
}

// The text of the buttons of the next message box, which is answered No.
QStringList BotonesDelMensaje(const std::function<void()>& abrir)
{
    QStringList textos;
    QTimer::singleShot(50, [&textos] {
        auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        for (QAbstractButton* b : caja->buttons())
            textos << b->text();
        caja->button(QMessageBox::No)->click();
    });
    abrir();
    textos.sort();
    return textos;
}

template <class W>
void CerrarConTecla(W* ventana, Qt::Key tecla)
{
    QVERIFY(QTest::qWaitForWindowActive(ventana));
    QTest::keyClick(ventana, tecla);
    QCOMPARE(CuantasAbiertas<W>(), 0);
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
        QCOMPARE(Caja(v, "Text3")->text(), EnLocal("45.0013272040556"));
        QCOMPARE(Caja(v, "Text3")->cursorPosition(), 0);

        Elegir(v, "optCircular");
        for (auto [caja, texto] : {std::pair{"Text4", "1"}, {"Text5", "0.001"},
                                   {"Text6", "0.013"}, {"Text7", "2"}})
            Escribir(v, caja, EnLocal(texto));
        Pulsar(v, "Calc_tir");
        QLineEdit* normal = Caja(v, "Text14");
        QCOMPARE(normal->text(), QString("Q LLENO"));
        // Whole, at its place and width, in the narrow face; a box that fits keeps its font.
        QVERIFY(CabeEnCaja(normal));
        QCOMPARE(normal->geometry(), QRect(67, 43, 46, 20));
        QCOMPARE(normal->font().family(), QString("Arial Narrow"));
        QCOMPARE(Caja(v, "Text13")->font().family(), QString("Arial"));
        QCOMPARE(normal->cursorPosition(), 0);
    }

    // Also run under a comma locale (test_pulido_coma): a profile's results copied into
    // the alternate-depth boxes give the alternates of those depths.
    void copiasEnElLocal()
    {
        if (qEnvironmentVariableIsSet("TORVEL_COMA"))
            QCOMPARE(QLocale::system().decimalPoint(), QString(","));
        RungeKutta* v = ConCanal(Abrir());
        Escribir(v, "Text9", "0");
        Pulsar(v, "Calc_sup_libre");
        QCOMPARE(Caja(v, "Text32")->text(), EnLocal("1.1468"));
        Pulsar(v, "cmdAlterno");
        QCOMPARE(Caja(v, "Text33")->text(), TextoRedondeado(TiranteAlterno(estado(), 1.1468), 4));
        Elegir(v, "optEnergia");
        Pulsar(v, "cmdAlterno");
        TirantesAlternosEnergia(estado(), 1.234);
        QCOMPARE(Caja(v, "Text35")->text(), TextoRedondeado(estado().tiranteAlternoSup, 4));
    }

    void botonesDeQtEnElIdioma()
    {
        RungeKutta* v = Abrir(0);
        auto salir = [] { VentanaAbierta<RungeKutta>()->findChild<QAction*>("mnuSalir")->trigger(); };
        QCOMPARE(BotonesDelMensaje(salir), (QStringList{"&No", "&Sí"}));
        v->findChild<QAction*>("mnuLenguaje")->trigger();
        QCOMPARE(BotonesDelMensaje(salir), (QStringList{"&No", "&Yes"}));
    }

    void teclas()
    {
        RungeKutta* v = Abrir();
        QCOMPARE(QApplication::focusWidget(), Caja(v, "Text1"));
        ConCanal(v);
        // Enter runs the box's panel, and none for the boundary condition.
        QTest::keyClick(Caja(v, "Text8"), Qt::Key_Return);
        QCOMPARE(v->pitidos(), 0);
        QTest::keyClick(Caja(v, "Text7"), Qt::Key_Return);
        QCOMPARE(Caja(v, "Text13")->text(), EnLocal("0.6121"));
        Escribir(v, "Text32", "1");
        QTest::keyClick(Caja(v, "Text32"), Qt::Key_Enter);
        QCOMPARE(Caja(v, "Text33")->text(), EnLocal("0.4007"));

        // Parameters: Enter accepts, Escape leaves everything as it was.
        Escribir(MostrarVentana<frmParamCalc>(), "Text23", "50");
        CerrarConTecla(VentanaAbierta<frmParamCalc>(), Qt::Key_Return);
        Escribir(MostrarVentana<frmParamCalc>(), "Text23", "60");
        CerrarConTecla(VentanaAbierta<frmParamCalc>(), Qt::Key_Escape);
        QCOMPARE(estado().puntosPerfil, 50);
        CerrarConTecla(MostrarVentana<frmParamVarios>(), Qt::Key_Escape);
        CerrarConTecla(MostrarVentana<frmInfoProg>(), Qt::Key_Escape);
        CerrarConTecla(MostrarVentana<inf_zuvan>(), Qt::Key_Escape);
    }

    void puntosDelPerfil()
    {
        RungeKutta* v = ConCanal(Abrir());
        RespuestaAutomatica mensajes;
        for (const char* puntos : {"32766", "32765"}) {
            auto* parametros = MostrarVentana<frmParamCalc>();
            Escribir(parametros, "Text23", puntos);
            Pulsar(parametros, "cmdAceptarSalir");
        }
        QCOMPARE(mensajes.textos(), QStringList{capErrorPuntos.arg("32766")});
        QCOMPARE(estado().puntosPerfil, 32765);
        Escribir(v, "Text9", "0");
        Pulsar(v, "Calc_sup_libre");
        QCOMPARE(mensajes.cantidad(), 1);
        QCOMPARE(Caja(v, "Text10")->text(), EnLocal("1.1468"));
    }

    void mensajesQueNombranLaEntrada()
    {
        RungeKutta* v = ConCanal(Abrir());
        RespuestaAutomatica mensajes;
        Caja(v, "Text1")->clear();
        Escribir(v, "txtY1Conj", EnLocal("0.3"));
        Pulsar(v, "cmdConjugado");
        Escribir(v, "Text1", "2");
        Elegir(v, "optTrapezoidal");
        Escribir(v, "Text2", "2");
        Escribir(v, "Text3", "0");
        Pulsar(v, "Calc_tir");
        Elegir(v, "optRectangular");
        Escribir(v, "Text32", "0");
        Pulsar(v, "cmdAlterno");
        Pulsar(v, "Calc_tir");
        Escribir(v, "Text8", Caja(v, "Text13")->text());
        Pulsar(v, "Calc_sup_libre");
        const QStringList esperados = {
            capFalloMensajeVacio.arg(capFalloConjugado, capMotivoSinDimension.arg("Width (m)")),
            capFalloMensaje.arg(capFalloFlujoUniforme,
                                capMotivoSinDimension.arg("Side Slope Angle (grades)")),
            capFalloMensaje.arg(capFalloAlterno,
                                capMotivoTiranteCeroEn.arg("Alternate Depths: y (m)")),
            capFalloMensaje.arg(capFalloRungeKutta,
                                capMotivoBordeCritico.arg(EnLocal("0.6121")))};
        QCOMPARE(mensajes.textos(), esperados);
    }
};

QTEST_MAIN(TestPulido)
#include "test_pulido.moc"
