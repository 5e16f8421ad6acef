// The main window driven as a user would: its texts and what a screen reader
// hears in each language, the Tab order, menus and exit, the side-slope converter, the
// click rules and the reading of the inputs.
#include <memory>

#include "../common/RespuestaAutomatica.h"
#include "../common/Principal.h"
#include "captions/Numeros.h"
#include "captions/Textos.h"
#include "windows/VentanaDiseno.h"
#include "windows/VentanaPerfil.h"
#include "windows/VentanaUnica.h"
#include "windows/frmInfoProg.h"
#include "windows/frmParamCalc.h"
#include "windows/frmParamVarios.h"
#include "windows/inf_zuvan.h"

namespace {

const QString kClave = QStringLiteral("Torvel/Languaje");

// The click rules: a box, the option a click into it picks, another option of the same
// group; Text39 has no option.
const QString kReglas = QStringLiteral(
    "Text1 optRectangular optCircular Text2 optTrapezoidal optRectangular Text3 optTrapezoidal "
    "optRectangular Text4 optCircular optRectangular Text32 Option8 optEnergia Text33 Option8 "
    "optEnergia Text34 optEnergia Option8 Text35 optEnergia Option8 Text36 optEnergia Option8 "
    "Text21 optManual optCondBorde Text39 optCircular optCircular");

// Where Tab stops in the main window, panel by panel as the eye reads them: each option
// group at its chosen option only, never at a result box.
const QString kRecorrido = QStringLiteral(
    "optRectangular Text1 Text2 Text3 Text39 cmdConvertir Text4 Text5 Text6 Text7 Calc_tir "
    "Text11 Text8 Text9 Calc_sup_libre Text28 Paso_directo Text34 Option8 Text32 cmdAlterno "
    "txtY1Conj cmdConjugado optManual Text21 Command1 optRectangular");
// Where the program keeps the language.
std::unique_ptr<QSettings> Almacen()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "VBA_32");
}

// Opens the main window, active, in the language stored (1 English, 0 Spanish, -1 none).
RungeKutta* Abrir(int idioma = 1)
{
    if (idioma >= 0)
        Almacen()->setValue(kClave, idioma);
    return AbrirPrincipal();
}

// Where the focus goes when `tecla` is pressed on `desde`.
QString TrasTecla(QWidget* ventana, const QString& desde, Qt::Key tecla = Qt::Key_Tab)
{
    Hijo(ventana, desde)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), tecla);
    return QApplication::focusWidget()->objectName();
}

// The box named by the input error LeerDatos stops at; empty when everything reads.
QString FalloAlLeer(RungeKutta* v)
{
    try {
        v->LeerDatos();
    } catch (const ErrorLectura& e) {
        return e.caja();
    }
    return {};
}

}  // namespace

class TestRungeKutta : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init()
    {
        QDir(Almacen()->fileName()).removeRecursively();  // a blocked store left by a failure
        Almacen()->remove(kClave);
    }
    void cleanup() { DestruirVentanas(); }

    // Every text of the main window and the parameter windows, what a screen reader
    // announces included, in both languages (the focus order: tabuladorYFlechas).
    void textosEnAmbosIdiomas()
    {
        const char* const huellas[2][3] = {{"526a92066484", "d86f48a51c32", "890fb4718b91"},
                                           {"12f698eb3a84", "87647471fc8a", "1b3895901a63"}};
        for (const int idioma : {1, 0}) {
            QVERIFY(TextosIguales(Abrir(idioma), huellas[idioma][0]));
            QVERIFY(TextosIguales(MostrarVentana<frmParamCalc>(), huellas[idioma][1]));
            QVERIFY(TextosIguales(MostrarVentana<frmParamVarios>(), huellas[idioma][2]));
            DestruirVentanas();
        }
    }

    // Tab enters each option group at its chosen option only and passes the result boxes
    // by; Shift+Tab goes back across the end of the chain; Tab follows the option that a
    // click into a box or an arrow key picked.
    void tabuladorYFlechas()
    {
        RungeKutta* v = Abrir();
        QStringList recorrido = {"optRectangular"};
        do
            recorrido << TrasTecla(v, recorrido.last());
        while (recorrido.last() != "optRectangular" && recorrido.size() < 100);
        QCOMPARE(recorrido, kRecorrido.split(' '));
        QCOMPARE(TrasTecla(v, "optRectangular", Qt::Key_Backtab), QString("Command1"));
        QTest::mouseClick(Hijo(v, "Text34"), Qt::LeftButton);
        QCOMPARE(TrasTecla(v, "Paso_directo"), QString("optEnergia"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);  // the arrows move the choice
        QCOMPARE(TrasTecla(v, "Text35"), QString("Option8"));
    }

    // English at first start. The switch drops what was typed and the parameters, never
    // the results, and opens the new window where the old one stood.
    void cambiosDeIdioma()
    {
        RungeKutta* v = Abrir(-1);
        QVERIFY(TextosIguales(v, "12f698eb3a84"));  // as textosEnAmbosIdiomas has it
        QCOMPARE(Hijo<QLineEdit>(v, "Text13")->palette().color(QPalette::Base),
                 QColor(224, 224, 224));
        Hijo<QLineEdit>(v, "Text5")->setText("0.001");
        const QPoint posicion = v->pos();
        Variables& e = estado();
        e.tiranteCritico = 1.25;
        e.errorAdmisible = e.umbralPasoInteligente = 0.5;
        e.puntosPerfil = e.pasoInteligente = 0;
        Hijo<QAction>(v, "mnuLenguaje")->trigger();
        QTRY_VERIFY(CuantasAbiertas<RungeKutta>() == 1 && VentanaAbierta<RungeKutta>() != v);
        RungeKutta* es = VentanaAbierta<RungeKutta>();
        QCOMPARE(Almacen()->value(kClave).toString(), QString("0"));
        QCOMPARE(es->pos(), posicion);
        QVERIFY(Texto(es, "Text5").isEmpty());
        QVERIFY(e.errorAdmisible == 0.001 && e.umbralPasoInteligente == 0.1 &&
                e.puntosPerfil == 100 && e.pasoInteligente == VERDADERO);
        QCOMPARE(e.tiranteCritico, 1.25);
        Hijo<QAction>(es, "mnuLenguaje")->trigger();
        QTRY_VERIFY(CuantasAbiertas<RungeKutta>() == 1 && VentanaAbierta<RungeKutta>() != es);
        QCOMPARE(Almacen()->value(kClave).toString(), QString("1"));
    }

    // An unreadable stored language is reported once; one that cannot be stored is used all the
    // same.
    void idiomaIlegibleOQueNoSePuedeGuardar()
    {
        Almacen()->setValue(kClave, "abc");
        RespuestaAutomatica respuesta;
        auto* v = new RungeKutta;
        v->show();
        QTRY_COMPARE(respuesta.textos(), QStringList{capErrorIdiomaLeer});
        QCOMPARE(Hijo<QAction>(v, "mnuLenguaje")->text(), QString("En Español por favor"));
        const QString archivo = Almacen()->fileName();  // a folder there makes every write fail
        QFile::remove(archivo);
        QVERIFY(QDir().mkpath(archivo));
        Hijo<QAction>(v, "mnuLenguaje")->trigger();
        QTRY_COMPARE(respuesta.cantidad(), 2);
        // The read error came once only.
        QCOMPARE(respuesta.textos().last(), capErrorIdiomaGuardar);
        QCOMPARE(Hijo<QAction>(VentanaAbierta<RungeKutta>(), "mnuLenguaje")->text(),
                 QString("In english please "));
    }

    void ayudaSalirYVentanasSecundarias()
    {
        RungeKutta* v = Abrir();
        for (const char* entrada : {"mnuInfo", "mnuInfo", "mnuEmpresa", "mnuparametros"})
            Hijo<QAction>(v, entrada)->trigger();
        QVERIFY(!Hijo<QLabel>(v, "picZuvan")->pixmap().isNull());
        QTest::mouseClick(Hijo(v, "picZuvan"), Qt::LeftButton);
        QCOMPARE(CuantasAbiertas<frmInfoProg>() + CuantasAbiertas<inf_zuvan>(), 2);
        QCOMPARE(CuantasAbiertas<frmParamCalc>(), 1);
        QTest::keyClicks(Hijo(v, "Text7"), "3");
        RespuestaAutomatica respuesta(QMessageBox::No);
        Hijo<QAction>(v, "mnuAyudaOnline")->trigger();
        Hijo<QAction>(v, "mnuSalir")->trigger();
        QCOMPARE(respuesta.titulos(), (QStringList{"Torvel_v13", "Salir de la Aplicación"}));
        QCOMPARE(respuesta.textos(), (QStringList{capAyudaOnlineMsg, capSalirMsg}));
        QVERIFY(v->isVisible());
        QCOMPARE(Texto(v, "Text7"), QString("3"));
        // The close button of the title bar asks nothing; the other windows stay.
        v->close();
        QTRY_VERIFY(!VentanaAbierta<RungeKutta>());
        QCOMPARE(respuesta.cantidad(), 2);
        QCOMPARE(CuantasAbiertas<frmInfoProg>() + CuantasAbiertas<inf_zuvan>(), 2);
        // Exit closes the windows that show the main window's results; the others stay.
        respuesta.cambiarBoton(QMessageBox::Yes);
        RungeKutta* otra = Abrir();
        Hijo<QAction>(otra, "mnuVentanaPerfil")->trigger();
        Hijo<QAction>(otra, "mnuDiseno")->trigger();
        QCOMPARE(CuantasAbiertas<VentanaPerfil>() + CuantasAbiertas<VentanaDiseno>(), 2);
        Hijo<QAction>(otra, "mnuSalir")->trigger();
        QTRY_VERIFY(!VentanaAbierta<RungeKutta>());
        QCOMPARE(CuantasAbiertas<VentanaPerfil>() + CuantasAbiertas<VentanaDiseno>(), 0);
        QCOMPARE(CuantasAbiertas<frmInfoProg>() + CuantasAbiertas<inf_zuvan>(), 2);
    }

    void convertidor()
    {
        RungeKutta* v = Abrir();
        // Side slope, the angle shown, and whether it is refused with a message.
        // clang-format off
        const std::tuple<const char*, const char*, bool> casos[] = {
            {"2", "26.5658346713815", false}, {"0", "30", true}, {"", "30", true},
            {"-1", "30", true}, {"uno", "30", false}};
        // clang-format on
        for (const auto& [talud, angulo, aviso] : casos) {
            Hijo<QLineEdit>(v, "Text3")->setText("30");
            Hijo<QLineEdit>(v, "Text39")->setText(talud);
            RespuestaAutomatica respuesta;
            Pulsar(v, "cmdConvertir");
            QCOMPARE(Texto(v, "Text3"), QString(angulo));
            QCOMPARE(respuesta.titulos(), QStringList(aviso, "Error en la entrada de datos"));
        }
    }

    void clicEnCajaEligeOpcion()
    {
        RungeKutta* v = Abrir();
        const QStringList reglas = kReglas.split(' ');
        for (int i = 0; i < reglas.size(); i += 3) {
            Hijo<QRadioButton>(v, reglas[i + 2])->setChecked(true);
            // Reaching a box with Tab picks nothing.
            Hijo(v, reglas[i])->setFocus(Qt::TabFocusReason);
            QVERIFY2(Hijo<QRadioButton>(v, reglas[i + 2])->isChecked(), qPrintable(reglas[i]));
            QTest::mouseClick(Hijo(v, reglas[i]), Qt::LeftButton);
            QVERIFY2(Hijo<QRadioButton>(v, reglas[i + 1])->isChecked(), qPrintable(reglas[i]));
        }
    }

    // Which box fills which input; a failure part-way keeps the boxes read before it and
    // leaves the rest as they were.
    void leerDatos()
    {
        RungeKutta* v = Abrir();
        const QStringList cajas = {"Text5",  "Text6", "Text7", "Text8", "Text9",
                                   "Text11", "Text1", "Text2", "Text4"};
        for (int i = 0; i < cajas.size(); ++i)
            Hijo<QLineEdit>(v, cajas[i])->setText(QString::number(i + 1));
        Hijo<QLineEdit>(v, "Text3")->setText("45");
        QTest::mouseClick(Hijo(v, "Text2"), Qt::LeftButton);
        v->LeerDatos();
        const Variables& d = estado();
        // clang-format off
        QCOMPARE((QList<double>{double(d.esRectangular), double(d.esTrapezoidal),
                     double(d.esCircular), d.pendiente, d.nManning, d.caudal, d.tiranteBorde,
                     d.xBuscado, d.xBorde, d.ancho, d.anchoFondo, d.diametro}),
                 (QList<double>{FALSO, VERDADERO, FALSO, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
        // clang-format on
        QVERIFY(qAbs(d.anguloTalud - 0.7853750) < 1e-15);
        Hijo<QLineEdit>(v, "Text7")->setText("30");
        Hijo<QLineEdit>(v, "Text8")->setText("1,2.3");
        Hijo<QLineEdit>(v, "Text9")->setText("50");
        QCOMPARE(FalloAlLeer(v), QString("Boundary Conditions: Depth (m)"));
        QCOMPARE((QList<double>{d.caudal, d.tiranteBorde, d.xBuscado}), (QList<double>{30, 4, 5}));
        // A single blank is not an empty box, even in a box the shape does not use.
        Hijo<QLineEdit>(v, "Text8")->setText("");
        Hijo<QLineEdit>(v, "Text4")->setText(" ");
        QCOMPARE(FalloAlLeer(v), QString("Diameter (m)"));
        QCOMPARE(d.diametro, 9.0);
    }
};

QTEST_MAIN(TestRungeKutta)
#include "test_mainwindow.moc"
