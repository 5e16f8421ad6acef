// The main window driven as a user would: languages, layout, menus, exit, the
// side-slope converter, the click rules and the reading of the inputs.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QtTest>

#include "../common/RespuestaAutomatica.h"
#include "captions/modBelco.h"
#include "mainwindow/RungeKutta.h"
#include "state/Variables.h"
#include "windows/VentanaUnica.h"
#include "windows/frmInfoProg.h"
#include "windows/frmParamCalc.h"
#include "windows/inf_zuvan.h"

namespace {

// The stored language, where the program keeps it.
void GuardarValor(const QVariant& valor)
{
    QSettings almacen(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VBA_32"));
    if (valor.isValid())
        almacen.setValue(QStringLiteral("Torvel/Languaje"), valor);
    else
        almacen.remove(QStringLiteral("Torvel/Languaje"));
}

QString ValorGuardado()
{
    QSettings almacen(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VBA_32"));
    return almacen.value(QStringLiteral("Torvel/Languaje")).toString();
}

RungeKutta* Abrir()
{
    auto* ventana = new RungeKutta;
    ventana->show();
    return ventana;
}

template <class T = QWidget>
T* Hijo(QWidget* ventana, const QString& nombre)
{
    T* hijo = ventana->findChild<T*>(nombre);
    if (!hijo)
        qFatal("no control named %s", qPrintable(nombre));
    return hijo;
}

QLineEdit* Caja(QWidget* v, const QString& n) { return Hijo<QLineEdit>(v, n); }
QAction* Accion(QWidget* v, const QString& n) { return Hijo<QAction>(v, n); }
QString Texto(QWidget* v, const QString& n) { return Hijo<QLabel>(v, n)->text(); }
QString Titulo(QWidget* v, const QString& n) { return Hijo<QGroupBox>(v, n)->title(); }

}  // namespace

class TestRungeKutta : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { GuardarValor(QVariant()); }
    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->close();
        QTest::qWait(0);
    }

    void primerInicioEnIngles()
    {
        estado().puntosPerfil = 7;
        RungeKutta* v = Abrir();
        QCOMPARE(v->windowTitle(), QString("TORVEL v1.3"));
        QCOMPARE(v->centralWidget()->size(), QSize(653, 492));
        QVERIFY(!(v->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(v->palette().color(QPalette::Window), QColor(224, 224, 224));
        QCOMPARE(Caja(v, "Text13")->palette().color(QPalette::Base), QColor(224, 224, 224));
        QCOMPARE(Caja(v, "Text5")->palette().color(QPalette::Base), QColor(Qt::white));

        QCOMPARE(Texto(v, "lblTituloPrincipal"), QString("Open Channel Flow"));
        QCOMPARE(Titulo(v, "frmTiranteFlujoUniforme"), QString("Uniform Flow Depths"));
        QCOMPARE(Texto(v, "lblNumManning"), QString("Manning's Roughness Coeff."));
        QCOMPARE(Hijo<QRadioButton>(v, "optEnergia")->text(), QString("Energy ="));
        QCOMPARE(Hijo<QMenu>(v, "mnuidiom")->title(), QString("Language"));
        QCOMPARE(Accion(v, "mnuLenguaje")->text(), QString("En Español por favor"));
        QCOMPARE(Accion(v, "mnuAutor")->text(), QString("Autor"));
        // Captions that are the same in both languages.
        QCOMPARE(Texto(v, "Label14"), QString("x (m) ="));
        QCOMPARE(Hijo<QRadioButton>(v, "Option8")->text(), QString("y (m) ="));
        QCOMPARE(Texto(v, "LblEYc"), QString("Energ. (m)"));

        QVERIFY(Hijo<QRadioButton>(v, "optRectangular")->isChecked());
        QCOMPARE(estado().puntosPerfil, int16_t(100));
        QCOMPARE(estado().idioma, int16_t(1));
    }

    void cambioDeIdioma()
    {
        RungeKutta* v = Abrir();
        QPointer<RungeKutta> anterior = v;
        const QPoint posicion = v->pos();
        Caja(v, "Text5")->setText("0.001");
        estado().tiranteCritico = 1.25;
        estado().errorAdmisible = 0.5;

        Accion(v, "mnuLenguaje")->trigger();
        QTRY_VERIFY(!anterior);
        RungeKutta* es = VentanaAbierta<RungeKutta>();
        QVERIFY(es);
        QCOMPARE(ValorGuardado(), QString("0"));
        QCOMPARE(es->pos(), posicion);
        QCOMPARE(Texto(es, "lblTituloPrincipal"), QString("Hidráulica de Canales Abiertos"));
        QCOMPARE(Titulo(es, "frmTiranteFlujoUniforme"), QString("Tirantes Flujo Uniforme "));
        QCOMPARE(Accion(es, "mnuparametros")->text(), QString("Setear Parámetros de Cálculo"));
        QCOMPARE(Accion(es, "mnuLenguaje")->text(), QString("In english please "));
        QCOMPARE(Accion(es, "mnuAutor")->text(), QString("Autor"));
        QCOMPARE(Hijo<QMenu>(es, "mnuidiom")->title(), QString("Idioma"));
        QVERIFY(Caja(es, "Text5")->text().isEmpty());
        QCOMPARE(estado().errorAdmisible, 0.001);
        QCOMPARE(estado().tiranteCritico, 1.25);
        for (const char* nombre : {"mnuCargar", "mnuExportar", "mnuBorrar", "mnuAutor"})
            QVERIFY(!Accion(es, nombre)->isEnabled());

        Accion(es, "mnuLenguaje")->trigger();
        QTRY_VERIFY(VentanaAbierta<RungeKutta>() && VentanaAbierta<RungeKutta>() != es);
        QCOMPARE(ValorGuardado(), QString("1"));
        QCOMPARE(Accion(VentanaAbierta<RungeKutta>(), "mnuLenguaje")->text(),
                 QString("En Español por favor"));
    }

    void idiomaQueNoSePuedeGuardar()
    {
        RungeKutta* v = Abrir();
        // A folder where the settings file should be makes every write fail.
        const QString archivo =
            QSettings(QSettings::NativeFormat, QSettings::UserScope, "VBA_32").fileName();
        QFile::remove(archivo);
        QVERIFY(QDir().mkpath(archivo));
        RespuestaAutomatica respuesta;
        Accion(v, "mnuLenguaje")->trigger();
        QTRY_COMPARE(respuesta.cantidad(), 1);
        QDir(archivo).removeRecursively();
        QCOMPARE(respuesta.textos().first(), capErrorIdiomaGuardar);
        QCOMPARE(Texto(VentanaAbierta<RungeKutta>(), "lblTituloPrincipal"),
                 QString("Hidráulica de Canales Abiertos"));
    }

    void valorGuardadoIlegible()
    {
        GuardarValor("abc");
        RespuestaAutomatica respuesta;
        RungeKutta* v = Abrir();
        QTRY_COMPARE(respuesta.cantidad(), 1);
        QCOMPARE(respuesta.textos().first(), capErrorIdiomaLeer);
        QCOMPARE(Texto(v, "lblTituloPrincipal"), QString("Open Channel Flow"));
        QTest::qWait(50);
        QCOMPARE(respuesta.cantidad(), 1);
    }

    void controlesEnSusMarcos_data()
    {
        QTest::addColumn<QString>("marco");
        QTest::addColumn<QStringList>("controles");
        auto fila = [](const char* marco, const QString& controles) {
            QTest::newRow(marco) << QString(marco) << controles.split(' ');
        };
        fila("frmGeomCanal", "optRectangular optTrapezoidal optCircular lblAncho Text1 "
                             "lblAnchFondo Text2 lblAngTaludGrados Text3 lblAngTaludMetros Text39 "
                             "cmdConvertir lblDiametro Text4");
        fila("frmOtrasCaract", "lblPendiente Text5 lblNumManning Text6 lblCaudal Text7 "
                               "lblPendCritica Text38 lblTipo Text37");
        fila("frmTiranteFlujoUniforme", "lblCritico Text13 LblEYc txtEyc lblNormal Text14 lblEYn "
                                        "txtEYn lblPorcDiametro Por_Diam Calc_tir");
        fila("frmTirantesAlternos", "optEnergia Text34 lblEnerTir1 Text36 lblEnerTir2 Text35 "
                                    "Line1 Option8 Text32 lblTirante2 Text33 cmdAlterno");
        fila("Conjugado", "Label22 txtY1Conj Label23 txtY2Conj cmdConjugado");
        fila("frmParamHidraulicos",
             "lblSelecTirante optCondBorde optRungeKutta optManual Text21 Command1");
        fila("frmCondBorde", "Label16 Text11 lblCdeBTirante Text8");
        fila("frmDadoxf", "Label14 Text9 Label15 Text10 lblDadoxfEnergia Text12 lblRungeKutta "
                          "Calc_sup_libre");
        fila("frmDadoyf", "Label37 Text28 Label39 Text30 lblDadoyfEnergia Text31 "
                          "lblDadoyfPasoDirecto Paso_directo");
    }

    void controlesEnSusMarcos()
    {
        QFETCH(QString, marco);
        QFETCH(QStringList, controles);
        RungeKutta* v = Abrir();
        for (const QString& nombre : controles) {
            QWidget* control = Hijo(v, nombre);
            QCOMPARE(control->parentWidget()->objectName(), marco);
            QVERIFY(control->isVisible());
            QVERIFY(control->geometry().bottom() < control->parentWidget()->height());
        }
    }

    void panelesEnSuLugar()
    {
        RungeKutta* v = Abrir();
        const QList<QPair<QString, QRect>> lugares = {
            {"lblTituloPrincipal", {99, 0, 347, 29}},  {"picZuvan", {544, 8, 100, 33}},
            {"frmGeomCanal", {8, 48, 209, 225}},       {"frmOtrasCaract", {224, 48, 217, 129}},
            {"frmTirantesAlternos", {456, 56, 193, 177}}, {"Conjugado", {456, 232, 193, 89}},
            {"frmParamHidraulicos", {456, 320, 193, 137}}, {"frmCondBorde", {8, 312, 217, 49}},
            {"lblXY", {232, 280, 209, 17}},            {"picCurva", {232, 296, 209, 73}},
            {"frmDadoxf", {8, 368, 433, 57}},          {"frmDadoyf", {8, 424, 433, 57}},
        };
        for (const auto& [nombre, lugar] : lugares) {
            QWidget* control = Hijo(v, nombre);
            QCOMPARE(control->parentWidget(), v->centralWidget());
            QCOMPARE(control->geometry(), lugar);
        }
    }

    void menus()
    {
        RungeKutta* v = Abrir();
        const QList<QPair<QString, QString>> arbol = {
            {"mnuArchivo", "mnuparametros mnuCargar nada mnuSalir"},
            {"mnuidiom", "mnuLenguaje"},
            {"mnuEdicion", "mnuExportar nada2 mnuBorrar"},
            {"mnuAyuda", "mnuAyudaOnline nada3 mnuAutor mnuEmpresa mnuInfo"},
        };
        for (const auto& [menu, entradas] : arbol) {
            QStringList nombres;
            for (QAction* a : Hijo<QMenu>(v, menu)->actions())
                nombres << a->objectName();
            QCOMPARE(nombres.join(' '), entradas);
        }
        QVERIFY(Accion(v, "nada2")->isSeparator());

        RespuestaAutomatica respuesta;
        Accion(v, "mnuAyudaOnline")->trigger();
        QCOMPARE(respuesta.titulos(), QStringList{"Torvel_v13"});
        QCOMPARE(respuesta.textos(), QStringList{capAyudaOnlineMsg});
    }

    void salir()
    {
        RungeKutta* v = Abrir();
        QPointer<RungeKutta> ventana = v;
        QTest::keyClicks(Caja(v, "Text7"), "3");
        RespuestaAutomatica respuesta(QMessageBox::No);
        Accion(v, "mnuSalir")->trigger();
        QCOMPARE(respuesta.titulos(), QStringList{"Salir de la Aplicación"});
        QCOMPARE(respuesta.textos(),
                 QStringList{"Are you sure you want to exit? This will cause to loose your changes"});
        QVERIFY(v->isVisible());
        QCOMPARE(Caja(v, "Text7")->text(), QString("3"));

        respuesta.cambiarBoton(QMessageBox::Yes);
        Accion(v, "mnuSalir")->trigger();
        QTRY_VERIFY(!ventana);
    }

    void cerrarSinPreguntarYVentanasSecundarias()
    {
        RungeKutta* v = Abrir();
        QPointer<RungeKutta> ventana = v;
        Accion(v, "mnuInfo")->trigger();
        Accion(v, "mnuInfo")->trigger();
        Accion(v, "mnuEmpresa")->trigger();
        QTest::mouseClick(Hijo(v, "picZuvan"), Qt::LeftButton);
        Accion(v, "mnuparametros")->trigger();
        auto contar = [](const QMetaObject& clase) {
            int n = 0;
            for (QWidget* w : QApplication::topLevelWidgets())
                n += w->isVisible() && w->metaObject() == &clase;
            return n;
        };
        QCOMPARE(contar(frmInfoProg::staticMetaObject), 1);
        QCOMPARE(contar(inf_zuvan::staticMetaObject), 1);
        QCOMPARE(contar(frmParamCalc::staticMetaObject), 1);

        RespuestaAutomatica respuesta;
        v->close();
        QTRY_VERIFY(!ventana);
        QCOMPARE(respuesta.cantidad(), 0);
        QVERIFY(VentanaAbierta<frmInfoProg>() && VentanaAbierta<inf_zuvan>());
    }

    void convertidor_data()
    {
        QTest::addColumn<QString>("talud");
        QTest::addColumn<QString>("angulo");   // empty: the error message
        QTest::newRow("1") << "1" << "45.0013272040556";
        QTest::newRow("2") << "2" << "26.5658346713815";
        QTest::newRow("0.5") << "0.5" << "63.4368197367297";
        QTest::newRow("cero") << "0" << "";
        QTest::newRow("negativo") << "-1" << "";
        QTest::newRow("vacío") << "" << "";
    }

    void convertidor()
    {
        QFETCH(QString, talud);
        QFETCH(QString, angulo);
        RungeKutta* v = Abrir();
        Caja(v, "Text3")->setText("30");
        Caja(v, "Text39")->setText(talud);
        RespuestaAutomatica respuesta;
        QTest::mouseClick(Hijo(v, "cmdConvertir"), Qt::LeftButton);
        if (angulo.isEmpty()) {
            QCOMPARE(respuesta.textos(),
                     QStringList{"El ángulo no esta correctamente expresado, por favor verifique "
                                 "el dato de entrada"});
            QCOMPARE(respuesta.titulos(), QStringList{"Error en la entrada de datos"});
            QCOMPARE(Caja(v, "Text3")->text(), QString("30"));
        } else {
            QCOMPARE(respuesta.cantidad(), 0);
            QCOMPARE(Caja(v, "Text3")->text(), angulo);
        }
    }

    void convertidorTextoQueNoEsNumero()
    {
        RungeKutta* v = Abrir();
        Caja(v, "Text3")->setText("30");
        Caja(v, "Text39")->setText("uno");
        RespuestaAutomatica respuesta;
        QTest::mouseClick(Hijo(v, "cmdConvertir"), Qt::LeftButton);
        QTest::qWait(30);
        QCOMPARE(respuesta.cantidad(), 0);
        QCOMPARE(Caja(v, "Text3")->text(), QString("30"));
    }

    void clicEnCajaEligeOpcion_data()
    {
        QTest::addColumn<QString>("caja");
        QTest::addColumn<QString>("opcion");
        QTest::addColumn<QString>("otra");   // another option of the same group
        QTest::newRow("Text1") << "Text1" << "optRectangular" << "optCircular";
        QTest::newRow("Text2") << "Text2" << "optTrapezoidal" << "optRectangular";
        QTest::newRow("Text3") << "Text3" << "optTrapezoidal" << "optRectangular";
        QTest::newRow("Text4") << "Text4" << "optCircular" << "optRectangular";
        QTest::newRow("Text32") << "Text32" << "Option8" << "optEnergia";
        QTest::newRow("Text33") << "Text33" << "Option8" << "optEnergia";
        QTest::newRow("Text34") << "Text34" << "optEnergia" << "Option8";
        QTest::newRow("Text35") << "Text35" << "optEnergia" << "Option8";
        QTest::newRow("Text36") << "Text36" << "optEnergia" << "Option8";
        QTest::newRow("Text21") << "Text21" << "optManual" << "optCondBorde";
        QTest::newRow("Text39 no rule") << "Text39" << "optCircular" << "optCircular";
    }

    void clicEnCajaEligeOpcion()
    {
        QFETCH(QString, caja);
        QFETCH(QString, opcion);
        QFETCH(QString, otra);
        RungeKutta* v = Abrir();
        v->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(v));
        Caja(v, caja)->setText("2");
        Hijo<QRadioButton>(v, otra)->setChecked(true);
        Caja(v, caja)->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(Caja(v, caja)->hasFocus());
        QVERIFY(Hijo<QRadioButton>(v, otra)->isChecked());
        QTest::mouseClick(Caja(v, caja), Qt::LeftButton);
        QVERIFY(Hijo<QRadioButton>(v, opcion)->isChecked());
        QCOMPARE(Caja(v, caja)->text(), QString("2"));
    }

    void leerDatos()
    {
        RungeKutta* v = Abrir();
        const QStringList cajas = {"Text5", "Text6", "Text7", "Text8", "Text9", "Text11",
                                   "Text1", "Text2", "Text3", "Text4"};
        for (int i = 0; i < cajas.size(); ++i)
            Caja(v, cajas[i])->setText(QString::number(i + 1));
        Caja(v, "Text3")->setText("45");
        QTest::mouseClick(Caja(v, "Text2"), Qt::LeftButton);
        v->LeerDatos();
        const Variables& e = estado();
        QCOMPARE(e.esRectangular, FALSO);
        QCOMPARE(e.esTrapezoidal, VERDADERO);
        QCOMPARE(e.esCircular, FALSO);
        const QList<double> leidos = {e.pendiente, e.nManning, e.caudal, e.tiranteBorde,
                                      e.xBuscado,  e.xBorde,   e.ancho,  e.anchoFondo};
        for (int i = 0; i < leidos.size(); ++i)
            QCOMPARE(leidos[i], double(i + 1));
        QCOMPARE(e.anguloTalud, 45 * 3.1415 / 180);
        QVERIFY(qAbs(e.anguloTalud - 0.7853750) < 1e-15);
        QCOMPARE(e.diametro, 10.0);
    }

    void leerDatosFallaAMitad()
    {
        RungeKutta* v = Abrir();
        estado().tiranteBorde = estado().xBuscado = estado().diametro = 99;
        Caja(v, "Text5")->setText("0.001");
        Caja(v, "Text6")->setText("0.015");
        Caja(v, "Text7")->setText("3");
        Caja(v, "Text8")->setText("1,2.3");
        Caja(v, "Text9")->setText("100");
        try {
            v->LeerDatos();
            QFAIL("the depth box should not read");
        } catch (const ErrorLectura& e) {
            QCOMPARE(e.caja(), QString("Boundary Conditions: Depth (m)"));
            QCOMPARE(e.texto(), QString("1,2.3"));
            RespuestaAutomatica respuesta;
            v->AvisarErrorLectura(e);
            QCOMPARE(respuesta.titulos(), QStringList{capErrorEntradaTitulo});
            QVERIFY(respuesta.textos().first().contains("\"1,2.3\""));
            QVERIFY(respuesta.textos().first().contains("Boundary Conditions: Depth (m)"));
        }
        QCOMPARE(estado().caudal, 3.0);
        QCOMPARE(estado().tiranteBorde, 99.0);
        QCOMPARE(estado().xBuscado, 99.0);

        // A single blank is not an empty box, even in a box the shape does not use.
        Caja(v, "Text8")->setText("");
        Caja(v, "Text4")->setText(" ");
        QVERIFY_THROWS_EXCEPTION(ErrorLectura, v->LeerDatos());
        QCOMPARE(estado().tiranteBorde, 0.0);
        QCOMPARE(estado().diametro, 99.0);
        Caja(v, "Text9")->setText("x");
        try {
            v->LeerDatos();
            QFAIL("xf should not read");
        } catch (const ErrorLectura& e) {
            QCOMPARE(e.caja(), QString("Given xf Find yf: x (m)"));
        }
    }
};

QTEST_MAIN(TestRungeKutta)
#include "test_mainwindow.moc"
