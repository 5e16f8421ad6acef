// The windows driven from the keyboard alone, and what a screen reader hears:
// the Tab order of the main window and the names of the input boxes in both
// languages.
#include <QLineEdit>
#include <QSettings>
#include <QtTest>

#include "../common/Ventanas.h"
#include "mainwindow/RungeKutta.h"
#include "windows/VentanaUnica.h"
#include "windows/frmParamCalc.h"
#include "windows/frmParamVarios.h"

namespace {

QWidget* Hijo(QWidget* v, const QString& nombre) { return v->findChild<QWidget*>(nombre); }

// Opens the main window in the language given (1 English, 0 Spanish), as stored.
RungeKutta* AbrirActiva(int idioma = 1)
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "VBA_32")
        .setValue("Torvel/Languaje", idioma);
    auto* ventana = new RungeKutta;
    ventana->show();
    ventana->activateWindow();
    if (!QTest::qWaitForWindowActive(ventana))
        qFatal("the main window did not become active");
    return ventana;
}

// Where the focus goes when `tecla` is pressed on `desde`.
QString TrasTecla(QWidget* ventana, const QString& desde, Qt::Key tecla = Qt::Key_Tab)
{
    Hijo(ventana, desde)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), tecla);
    return QApplication::focusWidget()->objectName();
}

// Every box of the window has a name of its own, and these boxes have these names.
void ComprobarNombres(QWidget* ventana, const QStringList& cajasYNombres)
{
    QStringList nombres;
    for (const QLineEdit* caja : ventana->findChildren<QLineEdit*>())
        nombres << caja->accessibleName();
    QVERIFY2(!nombres.contains(QString()) && nombres.removeDuplicates() == 0,
             qPrintable(nombres.join(" | ")));
    for (int i = 0; i < cajasYNombres.size(); i += 2)
        QCOMPARE(Hijo(ventana, cajasYNombres[i])->accessibleName(), cajasYNombres[i + 1]);
}

}  // namespace

class TestTeclado : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { DestruirVentanas(); }

    void ordenDelTabulador()
    {
        RungeKutta* v = AbrirActiva();
        // Panel by panel, in the order the eye reads them.
        QStringList orden = QStringLiteral(
            "optRectangular Text1 optTrapezoidal Text2 Text3 Text39 cmdConvertir optCircular "
            "Text4 Text5 Text6 Text7 Text38 Text37 Text13 txtEyc Text14 txtEYn Por_Diam Calc_tir "
            "Text11 Text8 Text9 Text10 Text12 Calc_sup_libre Text28 Text30 Text31 Paso_directo "
            "optEnergia Text34 Text36 Text35 Option8 Text32 Text33 cmdAlterno "
            "txtY1Conj txtY2Conj cmdConjugado optCondBorde optRungeKutta optManual Text21 "
            "Command1").split(' ');
        QStringList cadena;
        for (QWidget* w = v->nextInFocusChain(); w != v; w = w->nextInFocusChain())
            if (w->focusPolicy() != Qt::NoFocus && w->window() == v)
                cadena << w->objectName();
        QCOMPARE(cadena, orden);

        // Tab enters each option group at its chosen option only, passes the result boxes
        // by, and Shift+Tab goes back across the end of the chain.
        QStringList recorrido = {"optRectangular"};
        do
            recorrido << TrasTecla(v, recorrido.last());
        while (recorrido.last() != "optRectangular" && recorrido.size() < 100);
        for (const char* otra :
             {"optTrapezoidal", "optCircular", "optEnergia", "optCondBorde", "optRungeKutta",
              "Text38", "Text37", "Text13", "txtEyc", "Text14", "txtEYn", "Por_Diam", "Text10",
              "Text12", "Text30", "Text31", "Text36", "Text35", "Text33", "txtY2Conj"})
            orden.removeOne(otra);
        QCOMPARE(recorrido, orden + QStringList{"optRectangular"});
        QCOMPARE(TrasTecla(v, "optRectangular", Qt::Key_Backtab), QString("Command1"));

        // A click into a box picks its option without focusing it; Tab must follow.
        QTest::mouseClick(Hijo(v, "Text4"), Qt::LeftButton);
        QTest::mouseClick(Hijo(v, "Text34"), Qt::LeftButton);
        QCOMPARE(TrasTecla(v, "cmdConvertir"), QString("optCircular"));
        QCOMPARE(TrasTecla(v, "Paso_directo"), QString("optEnergia"));
        // The arrow keys move the choice, and Tab comes back to the new one.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(TrasTecla(v, "Paso_directo"), QString("Text34"));
        QCOMPARE(TrasTecla(v, "Text35"), QString("Option8"));
    }

    void nombresAccesibles_data()
    {
        // Box, name, box, name... in the main window, then one box of each parameter window.
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QStringList>("principal");
        QTest::addColumn<QStringList>("parametros");
        QTest::newRow("English")
            << 1
            << QStringList{"Text5", "Slope", "Text8", "Boundary Conditions: Depth (m)", "txtEyc",
                           "Critical (m): Energ. (m)", "Text35", "Alternate Depths: Energy: y* (m)",
                           "Text21", "Manual (m)", "picCurva", "Profile plot"}
            << QStringList{"Text23", "Intermediate points in the cross section", "txtMomentum",
                           "Momentum (m^3)"};
        QTest::newRow("Español")
            << 0
            << QStringList{"Text5", "Pendiente", "Text12", "Dado xf Calcular yf: Energía (m)",
                           "Text36", "Tirantes Alternos: Energía: y (m)", "Por_Diam", "% Diám.",
                           "picCurva", "Gráfico del perfil"}
            << QStringList{"Text24", "ABS(dy/dx) mayor que", "Text21", "Tirante (m)"};
    }

    void nombresAccesibles()
    {
        QFETCH(int, idioma);
        QFETCH(QStringList, principal);
        QFETCH(QStringList, parametros);
        RungeKutta* v = AbrirActiva(idioma);
        ComprobarNombres(v, principal);
        QVERIFY(!Hijo(v, "picCurva")->accessibleDescription().isEmpty());
        ComprobarNombres(MostrarVentana<frmParamCalc>(), parametros.mid(0, 2));
        ComprobarNombres(MostrarVentana<frmParamVarios>(), parametros.mid(2));
    }
};

QTEST_MAIN(TestTeclado)
#include "test_teclado.moc"
