// The windows driven from the keyboard alone, and what a screen reader hears:
// the Tab order of the main window and the names of the input boxes in both
// languages.
#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>
#include <QSettings>
#include <QtTest>

#include "../common/RespuestaAutomatica.h"
#include "../common/Ventanas.h"
#include "captions/modBelco.h"
#include "mainwindow/RungeKutta.h"
#include "windows/VentanaUnica.h"
#include "windows/frmParamCalc.h"
#include "windows/frmParamVarios.h"

namespace {

// Every control of the main window that takes the focus, panel by panel in the
// order the eye reads them.
const QStringList kOrdenCompleto = QStringLiteral(
    "optRectangular Text1 optTrapezoidal Text2 Text3 Text39 cmdConvertir optCircular Text4 "
    "Text5 Text6 Text7 Text38 Text37 "
    "Text13 txtEyc Text14 txtEYn Por_Diam Calc_tir "
    "Text11 Text8 "
    "Text9 Text10 Text12 Calc_sup_libre "
    "Text28 Text30 Text31 Paso_directo "
    "optEnergia Text34 Text36 Text35 Option8 Text32 Text33 cmdAlterno "
    "txtY1Conj txtY2Conj cmdConjugado "
    "optCondBorde optRungeKutta optManual Text21 Command1").split(QLatin1Char(' '));

RungeKutta* AbrirActiva()
{
    auto* ventana = new RungeKutta;
    ventana->show();
    ventana->activateWindow();
    if (!QTest::qWaitForWindowActive(ventana))
        qFatal("the main window did not become active");
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

QString Nombre(QWidget* ventana, const QString& caja)
{
    return Hijo<QLineEdit>(ventana, caja)->accessibleName();
}

// The controls Tab visits from `primero` until it comes back to it.
QStringList RecorridoTab(QWidget* ventana, const QString& primero)
{
    Hijo(ventana, primero)->setFocus(Qt::TabFocusReason);
    QStringList visitados{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 100; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QString actual = QApplication::focusWidget()->objectName();
        if (actual == primero)
            break;
        visitados << actual;
    }
    return visitados;
}

// Every box of the window has a name, and no two boxes share one.
void ComprobarNombresUnicos(QWidget* ventana)
{
    QSet<QString> vistos;
    for (const QLineEdit* caja : ventana->findChildren<QLineEdit*>()) {
        const QString nombre = caja->accessibleName();
        QVERIFY2(!nombre.isEmpty(), qPrintable(caja->objectName()));
        QVERIFY2(!vistos.contains(nombre), qPrintable(nombre));
        vistos.insert(nombre);
    }
}

}  // namespace

class TestTeclado : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init()
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VBA_32"))
            .remove(QStringLiteral("Torvel/Languaje"));
    }
    void cleanup() { DestruirVentanas(); }

    void ordenDelTabulador()
    {
        RungeKutta* v = AbrirActiva();

        // The focus chain holds every control in reading order.
        QStringList cadena;
        QWidget* w = Hijo(v, "optRectangular");
        do {
            if (w->focusPolicy() != Qt::NoFocus && w->window() == v)
                cadena << w->objectName();
            w = w->nextInFocusChain();
        } while (w != Hijo(v, "optRectangular"));
        QCOMPARE(cadena, kOrdenCompleto);

        // Tab enters each option group at its chosen option only.
        QStringList esperado = kOrdenCompleto;
        for (const char* otra :
             {"optTrapezoidal", "optCircular", "optEnergia", "optCondBorde", "optRungeKutta"})
            esperado.removeOne(otra);
        QCOMPARE(RecorridoTab(v, "optRectangular"), esperado);

        // Shift+Tab goes back the same way, across the end of the chain too.
        Hijo(v, "optRectangular")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("Command1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("Text21"));
    }

    void tabSigueLaOpcionElegida()
    {
        RungeKutta* v = AbrirActiva();
        // A click into a box picks its option without focusing the option.
        QTest::mouseClick(Hijo(v, "Text4"), Qt::LeftButton);
        QTest::mouseClick(Hijo(v, "Text34"), Qt::LeftButton);
        QVERIFY(Hijo<QRadioButton>(v, "optCircular")->isChecked());
        QVERIFY(Hijo<QRadioButton>(v, "optEnergia")->isChecked());

        Hijo(v, "cmdConvertir")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("optCircular"));
        Hijo(v, "Paso_directo")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("optEnergia"));

        // The arrow keys move the choice, and Tab comes back to the new one.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(Hijo<QRadioButton>(v, "Option8")->isChecked());
        Hijo(v, "Paso_directo")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("Text34"));
        Hijo(v, "Text35")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("Option8"));
    }

    void nombresDeLasCajasEnLosDosIdiomas()
    {
        RungeKutta* v = AbrirActiva();
        ComprobarNombresUnicos(v);
        QCOMPARE(Nombre(v, "Text5"), QString("Slope"));
        QCOMPARE(Nombre(v, "Text3"), QString("Side Slope Angle (grades)"));
        QCOMPARE(Nombre(v, "Text8"), QString("Boundary Conditions: Depth (m)"));
        QCOMPARE(Nombre(v, "Text11"), QString("Boundary Conditions: x (m)"));
        QCOMPARE(Nombre(v, "Text30"), QString("Given yf Find xf: x (m)"));
        QCOMPARE(Nombre(v, "txtEyc"), QString("Critical (m): Energ. (m)"));
        QCOMPARE(Nombre(v, "Text34"), QString("Alternate Depths: Energy"));
        QCOMPARE(Nombre(v, "Text35"), QString("Alternate Depths: Energy: y* (m)"));
        QCOMPARE(Nombre(v, "Text33"), QString("Alternate Depths: y* (m)"));
        QCOMPARE(Nombre(v, "txtY2Conj"), QString("Conjugate Depths: y* (m)"));
        QCOMPARE(Nombre(v, "Text21"), QString("Manual (m)"));
        auto* grafico = Hijo(v, "picCurva");
        QCOMPARE(grafico->accessibleName(), QString("Profile plot"));
        QVERIFY(!grafico->accessibleDescription().isEmpty());

        // A box the user hears named is the box the error message names.
        {
            RespuestaAutomatica respuesta;
            QTest::keyClicks(Hijo(v, "Text8"), "abc");
            QTest::mouseClick(Hijo(v, "Calc_sup_libre"), Qt::LeftButton);
            QTRY_COMPARE(respuesta.cantidad(), 1);
            QCOMPARE(respuesta.textos().first(),
                     capErrorLectura.arg(Nombre(v, "Text8"), QString("abc")));
        }

        Hijo<QAction>(v, "mnuLenguaje")->trigger();
        QTRY_VERIFY(VentanaAbierta<RungeKutta>() && VentanaAbierta<RungeKutta>() != v);
        RungeKutta* es = VentanaAbierta<RungeKutta>();
        ComprobarNombresUnicos(es);
        QCOMPARE(Nombre(es, "Text5"), QString("Pendiente"));
        QCOMPARE(Nombre(es, "Text8"), QString("C. de Borde: Tirante (m)"));
        QCOMPARE(Nombre(es, "Text12"), QString("Dado xf Calcular yf: Energía (m)"));
        QCOMPARE(Nombre(es, "Text36"), QString("Tirantes Alternos: Energía: y (m)"));
        QCOMPARE(Nombre(es, "Por_Diam"), QString("% Diám."));
        QCOMPARE(Hijo(es, "picCurva")->accessibleName(), QString("Gráfico del perfil"));
    }

    void nombresDeLasVentanasDeParametros_data()
    {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("puntos");
        QTest::addColumn<QString>("umbral");
        QTest::addColumn<QString>("tirante");
        QTest::addColumn<QString>("cantidad");
        QTest::newRow("English") << 1 << "Intermediate points in the cross section"
                                 << "ABS(dy/dx) greater than"
                                 << "Depth (m)" << "Momentum (m^3)";
        QTest::newRow("Español") << 0 << "Puntos intermedios en el perfil"
                                 << "ABS(dy/dx) mayor que"
                                 << "Tirante (m)" << "Cantidad de Mov. (m^3)";
    }

    void nombresDeLasVentanasDeParametros()
    {
        QFETCH(int, idioma);
        CargarTextos(static_cast<int16_t>(idioma));

        auto* calc = MostrarVentana<frmParamCalc>();
        ComprobarNombresUnicos(calc);
        QTEST(Nombre(calc, "Text23"), "puntos");
        QTEST(Nombre(calc, "Text24"), "umbral");

        auto* varios = MostrarVentana<frmParamVarios>();
        ComprobarNombresUnicos(varios);
        QTEST(Nombre(varios, "Text21"), "tirante");
        QTEST(Nombre(varios, "txtMomentum"), "cantidad");
        QCOMPARE(Nombre(varios, "Text27"), QString("Sf"));
    }
};

QTEST_MAIN(TestTeclado)
#include "test_teclado.moc"
