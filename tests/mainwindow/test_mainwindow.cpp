// The main window driven as a user would: languages, controls, menus, exit, the
// side-slope converter, the click rules and the reading of the inputs.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSettings>
#include <QtTest>
#include <memory>

#include "../common/RespuestaAutomatica.h"
#include "../common/Ventanas.h"
#include "captions/modBelco.h"
#include "mainwindow/RungeKutta.h"
#include "windows/VentanaUnica.h"
#include "windows/frmInfoProg.h"
#include "windows/frmParamCalc.h"
#include "windows/inf_zuvan.h"

namespace {

const QString kClave = QStringLiteral("Torvel/Languaje");

// Where the program keeps the language.
std::unique_ptr<QSettings> Almacen()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "VBA_32");
}

RungeKutta* Abrir()
{
    auto* ventana = new RungeKutta;
    ventana->show();
    return ventana;
}

template <class T = QWidget>
T* Hijo(QObject* ventana, const QString& nombre)
{
    T* hijo = ventana->findChild<T*>(nombre);
    if (!hijo)
        qFatal("no control named %s", qPrintable(nombre));
    return hijo;
}

QLineEdit* Caja(QWidget* v, const QString& n) { return Hijo<QLineEdit>(v, n); }
QString Texto(QWidget* v, const QString& n) { return Hijo<QLabel>(v, n)->text(); }
QString Accion(QWidget* v, const QString& n) { return Hijo<QAction>(v, n)->text(); }

// The input error LeerDatos stops at; one with no box when everything reads.
ErrorLectura FalloAlLeer(RungeKutta* v)
{
    try {
        v->LeerDatos();
    } catch (const ErrorLectura& e) {
        return e;
    }
    return ErrorLectura(QString());
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

    void primerInicioYCambiosDeIdioma()
    {
        RungeKutta* v = Abrir();
        QCOMPARE(v->windowTitle(), QString("TORVEL v1.3"));
        QCOMPARE(v->centralWidget()->size(), QSize(653, 492));
        QCOMPARE(Caja(v, "Text13")->palette().color(QPalette::Base), QColor(224, 224, 224));
        QCOMPARE(Texto(v, "lblTituloPrincipal"), QString("Open Channel Flow"));
        QCOMPARE(Hijo<QMenu>(v, "mnuidiom")->title(), QString("Language"));
        QCOMPARE(Accion(v, "mnuLenguaje"), QString("En Español por favor"));

        // The switch drops what was typed and the parameters, never the results.
        const QPoint posicion = v->pos();
        Caja(v, "Text5")->setText("0.001");
        Variables& e = estado();
        e.tiranteCritico = 1.25;
        e.errorAdmisible = e.umbralPasoInteligente = 0.5;
        e.puntosPerfil = e.pasoInteligente = 0;
        Hijo<QAction>(v, "mnuLenguaje")->trigger();
        QTRY_VERIFY(CuantasAbiertas<RungeKutta>() == 1 && VentanaAbierta<RungeKutta>() != v);
        RungeKutta* es = VentanaAbierta<RungeKutta>();
        QCOMPARE(Almacen()->value(kClave).toString(), QString("0"));
        QCOMPARE(es->pos(), posicion);
        QCOMPARE(Texto(es, "lblTituloPrincipal"), QString("Hidráulica de Canales Abiertos"));
        QCOMPARE(Hijo<QGroupBox>(es, "frmTiranteFlujoUniforme")->title(),
                 QString("Tirantes Flujo Uniforme "));
        QCOMPARE(Accion(es, "mnuLenguaje"), QString("In english please "));
        QVERIFY(Caja(es, "Text5")->text().isEmpty());
        QVERIFY(e.errorAdmisible == 0.001 && e.umbralPasoInteligente == 0.1
                && e.puntosPerfil == 100 && e.pasoInteligente == VERDADERO);
        QCOMPARE(e.tiranteCritico, 1.25);
        for (const char* nombre : {"mnuCargar", "mnuExportar", "mnuBorrar", "mnuAutor"})
            QVERIFY2(!Hijo<QAction>(es, nombre)->isEnabled(), nombre);

        Hijo<QAction>(es, "mnuLenguaje")->trigger();
        QTRY_VERIFY(CuantasAbiertas<RungeKutta>() == 1 && VentanaAbierta<RungeKutta>() != es);
        QCOMPARE(Almacen()->value(kClave).toString(), QString("1"));
        QCOMPARE(Accion(VentanaAbierta<RungeKutta>(), "mnuLenguaje"),
                 QString("En Español por favor"));
    }

    void idiomaIlegibleOQueNoSePuedeGuardar()
    {
        Almacen()->setValue(kClave, "abc");
        RespuestaAutomatica respuesta;
        RungeKutta* v = Abrir();
        QTRY_COMPARE(respuesta.cantidad(), 1);
        QCOMPARE(respuesta.textos().first(), capErrorIdiomaLeer);
        QCOMPARE(Texto(v, "lblTituloPrincipal"), QString("Open Channel Flow"));

        // A folder where the settings file should be makes every write fail.
        const QString archivo = Almacen()->fileName();
        QFile::remove(archivo);
        QVERIFY(QDir().mkpath(archivo));
        Hijo<QAction>(v, "mnuLenguaje")->trigger();
        QTRY_COMPARE(respuesta.cantidad(), 2);
        QCOMPARE(respuesta.textos().last(), capErrorIdiomaGuardar);  // the read error came once only
        QCOMPARE(Texto(VentanaAbierta<RungeKutta>(), "lblTituloPrincipal"),
                 QString("Hidráulica de Canales Abiertos"));
    }

    void controlesPorSuNombre()
    {
        RungeKutta* v = Abrir();
        const QStringList controles = QStringLiteral(
            "lblTituloPrincipal picZuvan lblTitFlujoUniforme lblFlujoGradVar lblEcSuperficie "
            "Line1 Line2 Line3 Line4 Line5 Label38 lblXY picCurva "
            "frmGeomCanal optRectangular optTrapezoidal optCircular lblAncho Text1 lblAnchFondo "
            "Text2 lblAngTaludGrados Text3 lblAngTaludMetros Text39 cmdConvertir lblDiametro Text4 "
            "frmOtrasCaract lblPendiente Text5 lblNumManning Text6 lblCaudal Text7 lblPendCritica "
            "Text38 lblTipo Text37 frmTiranteFlujoUniforme lblCritico Text13 LblEYc txtEyc "
            "lblNormal Text14 lblEYn txtEYn lblPorcDiametro Por_Diam Calc_tir frmTirantesAlternos "
            "optEnergia Text34 lblEnerTir1 Text36 lblEnerTir2 Text35 Option8 Text32 lblTirante2 "
            "Text33 cmdAlterno Conjugado Label22 txtY1Conj Label23 txtY2Conj cmdConjugado "
            "frmParamHidraulicos lblSelecTirante optCondBorde optRungeKutta optManual Text21 "
            "Command1 frmCondBorde Label16 Text11 lblCdeBTirante Text8 frmDadoxf Label14 Text9 "
            "Label15 Text10 lblDadoxfEnergia Text12 lblRungeKutta Calc_sup_libre frmDadoyf "
            "Label37 Text28 Label39 Text30 lblDadoyfEnergia Text31 lblDadoyfPasoDirecto "
            "Paso_directo mnuArchivo mnuparametros mnuCargar mnuSalir mnuidiom mnuLenguaje "
            "mnuEdicion mnuExportar mnuBorrar mnuAyuda mnuAyudaOnline mnuAutor mnuEmpresa "
            "mnuInfo").split(' ');
        for (const QString& nombre : controles)
            QVERIFY2(v->findChild<QObject*>(nombre), qPrintable(nombre));
    }

    void ayudaSalirYVentanasSecundarias()
    {
        RungeKutta* v = Abrir();
        for (const char* entrada : {"mnuInfo", "mnuInfo", "mnuEmpresa", "mnuparametros"})
            Hijo<QAction>(v, entrada)->trigger();
        QTest::mouseClick(Hijo(v, "picZuvan"), Qt::LeftButton);
        QCOMPARE(CuantasAbiertas<frmInfoProg>(), 1);
        QCOMPARE(CuantasAbiertas<inf_zuvan>(), 1);
        QCOMPARE(CuantasAbiertas<frmParamCalc>(), 1);

        QTest::keyClicks(Caja(v, "Text7"), "3");
        RespuestaAutomatica respuesta(QMessageBox::No);
        Hijo<QAction>(v, "mnuAyudaOnline")->trigger();
        Hijo<QAction>(v, "mnuSalir")->trigger();
        QCOMPARE(respuesta.titulos(), (QStringList{"Torvel_v13", "Salir de la Aplicación"}));
        QCOMPARE(respuesta.textos(),
                 (QStringList{capAyudaOnlineMsg, "Are you sure you want to exit? This will cause "
                                                 "to loose your changes"}));
        QVERIFY(v->isVisible());
        QCOMPARE(Caja(v, "Text7")->text(), QString("3"));

        // The close button of the title bar asks nothing; the other windows stay.
        v->close();
        QTRY_VERIFY(!VentanaAbierta<RungeKutta>());
        QCOMPARE(respuesta.cantidad(), 2);
        QVERIFY(VentanaAbierta<frmInfoProg>() && VentanaAbierta<inf_zuvan>());

        respuesta.cambiarBoton(QMessageBox::Yes);
        Hijo<QAction>(Abrir(), "mnuSalir")->trigger();
        QTRY_VERIFY(!VentanaAbierta<RungeKutta>());
    }

    void convertidor_data()
    {
        QTest::addColumn<QString>("talud");
        QTest::addColumn<QString>("angulo");
        QTest::addColumn<bool>("aviso");
        QTest::newRow("1") << "1" << "45.0013272040556" << false;
        QTest::newRow("2") << "2" << "26.5658346713815" << false;
        QTest::newRow("cero") << "0" << "30" << true;
        QTest::newRow("negativo") << "-1" << "30" << true;
        QTest::newRow("vacío") << "" << "30" << true;
        QTest::newRow("no es número") << "uno" << "30" << false;
    }

    void convertidor()
    {
        QFETCH(QString, talud);
        QFETCH(bool, aviso);
        RungeKutta* v = Abrir();
        Caja(v, "Text3")->setText("30");
        Caja(v, "Text39")->setText(talud);
        RespuestaAutomatica respuesta;
        QTest::mouseClick(Hijo(v, "cmdConvertir"), Qt::LeftButton);
        QTEST(Caja(v, "Text3")->text(), "angulo");
        QCOMPARE(respuesta.textos(), aviso ? QStringList{"El ángulo no esta correctamente expresado, "
                                                         "por favor verifique el dato de entrada"}
                                           : QStringList());
        QCOMPARE(respuesta.titulos(),
                 aviso ? QStringList{"Error en la entrada de datos"} : QStringList());
    }

    void clicEnCajaEligeOpcion()
    {
        RungeKutta* v = Abrir();
        v->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(v));
        // Box, its option, another option of the same group; Text39 has no option.
        const QStringList reglas = QStringLiteral(
            "Text1 optRectangular optCircular Text2 optTrapezoidal optRectangular "
            "Text3 optTrapezoidal optRectangular Text4 optCircular optRectangular "
            "Text32 Option8 optEnergia Text33 Option8 optEnergia Text34 optEnergia Option8 "
            "Text35 optEnergia Option8 Text36 optEnergia Option8 Text21 optManual optCondBorde "
            "Text39 optCircular optCircular").split(' ');
        for (int i = 0; i < reglas.size(); i += 3) {
            QLineEdit* caja = Caja(v, reglas[i]);
            Hijo<QRadioButton>(v, reglas[i + 2])->setChecked(true);
            caja->setFocus(Qt::TabFocusReason);
            QVERIFY(caja->hasFocus());
            QVERIFY2(Hijo<QRadioButton>(v, reglas[i + 2])->isChecked(), qPrintable(reglas[i]));
            QTest::mouseClick(caja, Qt::LeftButton);
            QVERIFY2(Hijo<QRadioButton>(v, reglas[i + 1])->isChecked(), qPrintable(reglas[i]));
        }
    }

    void leerDatos()
    {
        RungeKutta* v = Abrir();
        const QStringList cajas = {"Text5", "Text6", "Text7", "Text8", "Text9",
                                   "Text11", "Text1", "Text2", "Text4"};
        for (int i = 0; i < cajas.size(); ++i)
            Caja(v, cajas[i])->setText(QString::number(i + 1));
        Caja(v, "Text3")->setText("45");
        QTest::mouseClick(Caja(v, "Text2"), Qt::LeftButton);
        v->LeerDatos();
        const Variables& d = estado();
        QCOMPARE((QList<int16_t>{d.esRectangular, d.esTrapezoidal, d.esCircular}),
                 (QList<int16_t>{FALSO, VERDADERO, FALSO}));
        QCOMPARE((QList<double>{d.pendiente, d.nManning, d.caudal, d.tiranteBorde, d.xBuscado,
                                d.xBorde, d.ancho, d.anchoFondo, d.diametro}),
                 (QList<double>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
        QVERIFY(qAbs(d.anguloTalud - 0.7853750) < 1e-15);

        // A failure part-way keeps the boxes read before it and leaves the rest as they were.
        Caja(v, "Text7")->setText("30");
        Caja(v, "Text8")->setText("1,2.3");
        Caja(v, "Text9")->setText("50");
        const ErrorLectura e = FalloAlLeer(v);
        QCOMPARE(e.caja(), QString("Boundary Conditions: Depth (m)"));
        QCOMPARE(e.texto(), QString("1,2.3"));
        QCOMPARE((QList<double>{d.caudal, d.tiranteBorde, d.xBuscado}), (QList<double>{30, 4, 5}));
        RespuestaAutomatica respuesta;
        v->AvisarErrorLectura(e);
        QCOMPARE(respuesta.titulos(), QStringList{capErrorEntradaTitulo});
        QVERIFY(respuesta.textos().first().contains("\"1,2.3\""));
        QVERIFY(respuesta.textos().first().contains("Boundary Conditions: Depth (m)"));

        // A single blank is not an empty box, even in a box the shape does not use.
        Caja(v, "Text8")->setText("");
        Caja(v, "Text4")->setText(" ");
        QCOMPARE(FalloAlLeer(v).caja(), QString("Diameter (m)"));
        QCOMPARE(d.tiranteBorde, 0.0);
        QCOMPARE(d.diametro, 9.0);
        Caja(v, "Text9")->setText("x");
        QCOMPARE(FalloAlLeer(v).caja(), QString("Given xf Find yf: x (m)"));
    }
};

QTEST_MAIN(TestRungeKutta)
#include "test_mainwindow.moc"
