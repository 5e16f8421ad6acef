// The calculation panels of the main window, driven by typing and clicking,
// with the worked examples of a rectangular, a trapezoidal and a circular channel.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "../common/RespuestaAutomatica.h"
#include "../common/Ventanas.h"
#include "captions/modBelco.h"
#include "engine/modFuncionesTorvel.h"
#include "mainwindow/RungeKutta.h"
#include "plot/GraficoPerfil.h"
#include "state/Variables.h"
#include "windows/Adv_faltandatos.h"
#include "windows/VentanaUnica.h"
#include "windows/frmParamVarios.h"

class TestPaneles : public QObject {
    Q_OBJECT

private:
    RungeKutta* ventana = nullptr;
    std::unique_ptr<RespuestaAutomatica> mensajes;

    QLineEdit* Caja(const char* nombre) { return ventana->findChild<QLineEdit*>(nombre); }
    QString Texto(const char* nombre) { return Caja(nombre)->text(); }

    void Escribir(const char* nombre, const QString& texto)
    {
        QLineEdit* caja = Caja(nombre);
        caja->clear();
        QTest::keyClicks(caja, texto);
    }

    void Pulsar(const char* nombre)
    {
        QTest::mouseClick(ventana->findChild<QPushButton*>(nombre), Qt::LeftButton);
    }

    void Elegir(const char* opcion)
    {
        QTest::mouseClick(ventana->findChild<QRadioButton*>(opcion), Qt::LeftButton,
                          {}, QPoint(5, 5));
    }

    // The reference channel: rectangular, width 2 m, 3 m3/s, n 0.015.
    void CanalRectangular(const QString& pendiente = "0.001")
    {
        Elegir("optRectangular");
        Escribir("Text1", "2");
        Escribir("Text5", pendiente);
        Escribir("Text6", "0.015");
        Escribir("Text7", "3");
    }

    bool Advertencia() { return VentanaAbierta<Adv_faltandatos>() != nullptr; }

    void CerrarAdvertencia()
    {
        if (auto* aviso = VentanaAbierta<Adv_faltandatos>())
            QTest::mouseClick(aviso->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    }

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY2(QLocale::system().decimalPoint() == QLatin1Char('.'),
                 "these examples are written with '.' as the decimal separator");
    }

    void init()
    {
        estado() = Variables();
        ventana = new RungeKutta;
        ventana->show();
        mensajes = std::make_unique<RespuestaAutomatica>();
    }

    void cleanup()
    {
        mensajes.reset();
        DestruirVentanas();
    }

    void flujoUniforme_data()
    {
        QTest::addColumn<QString>("forma");
        QTest::addColumn<QStringList>("entradas");  // box, text, box, text...
        QTest::addColumn<QStringList>("esperado");  // Text13 Text14 Por_Diam Text38 Text37 txtEyc txtEYn
        QTest::newRow("rectangular S 0.001")
            << "optRectangular" << QStringList{"Text1", "2", "Text5", "0.001", "Text6", "0.015", "Text7", "3"}
            << QStringList{"0.6121", "1.0965", "", "0.005", "M", "0.918", "1.192"};
        QTest::newRow("rectangular S 0.02")
            << "optRectangular" << QStringList{"Text1", "2", "Text5", "0.02", "Text6", "0.015", "Text7", "3"}
            << QStringList{"0.6121", "0.3775", "", "0.005", "S", "0.918", "1.182"};
        QTest::newRow("trapezoidal 45 degrees")
            << "optTrapezoidal" << QStringList{"Text2", "2", "Text3", "45", "Text5", "0.001", "Text6", "0.015", "Text7", "3"}
            << QStringList{"0.5555", "0.7895", "", "0.003", "M", "0.783", "0.884"};
        QTest::newRow("circular")
            << "optCircular" << QStringList{"Text4", "1", "Text5", "0.001", "Text6", "0.013", "Text7", "0.5"}
            << QStringList{"0.399", "0.593", "59.3", "0.004", "M", "0.548", "0.647"};
    }

    void flujoUniforme()
    {
        QFETCH(QString, forma);
        QFETCH(QStringList, entradas);
        QFETCH(QStringList, esperado);
        Elegir(qPrintable(forma));
        for (int i = 0; i < entradas.size(); i += 2)
            Escribir(qPrintable(entradas[i]), entradas[i + 1]);
        Pulsar("Calc_tir");
        const char* cajas[] = {"Text13", "Text14", "Por_Diam", "Text38", "Text37", "txtEyc", "txtEYn"};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(Texto(cajas[i]), esperado[i]);
        QCOMPARE(ventana->pitidos(), 1);
        QCOMPARE(mensajes->cantidad(), 0);
    }

    void tuberiaQueNoConduce()
    {
        Elegir("optCircular");
        Escribir("Text4", "1");
        Escribir("Text5", "0.001");
        Escribir("Text6", "0.013");
        Escribir("Text7", "0.5");
        Pulsar("Calc_tir");
        Escribir("Text7", "2");
        Pulsar("Calc_tir");
        QCOMPARE(Texto("Text13"), QString("0.812"));
        QCOMPARE(Texto("Text14"), QString("Q LLENO"));
        QCOMPARE(Texto("Por_Diam"), QString());
        QCOMPARE(Texto("Text37"), QString());
        QCOMPARE(Texto("Text38"), QString());
        QCOMPARE(Texto("txtEyc"), QString("0.548"));  // the previous energies stay
        QCOMPARE(ventana->pitidos(), 2);

        Escribir("Text7", "0.5");
        Escribir("Text5", "-0.001");  // no normal depth is sought on an adverse slope
        Pulsar("Calc_tir");
        QCOMPARE(Texto("Text14"), QString("Q LLENO"));
    }

    void flujoUniformeRechazado()
    {
        CanalRectangular();
        Pulsar("Calc_tir");
        Escribir("Text5", "0");
        Pulsar("Calc_tir");
        QVERIFY(Advertencia());
        QCOMPARE(Texto("Text13"), QString("0.6121"));  // nothing recomputed
        QCOMPARE(Texto("Text38"), QString());
        QCOMPARE(ventana->pitidos(), 1);
        CerrarAdvertencia();

        Escribir("Text5", "0.001");
        Caja("Text7")->clear();
        Pulsar("Calc_tir");
        QVERIFY(Advertencia());
    }

    void alternosYConjugados()
    {
        CanalRectangular();
        Escribir("Text32", "1");
        Elegir("Option8");
        Pulsar("cmdAlterno");
        QCOMPARE(Texto("Text33"), QString("0.4007"));

        Escribir("Text34", "1.5");
        Elegir("optEnergia");
        Pulsar("cmdAlterno");
        QCOMPARE(Texto("Text35"), QString("1.4451"));
        QCOMPARE(Texto("Text36"), QString("0.3104"));

        // The comma ends the number: "1,5" reads as an energy of 1.
        Escribir("Text34", "1,5");
        Pulsar("cmdAlterno");
        Variables v = estado();
        TirantesAlternosEnergia(v, 1.0);
        QCOMPARE(Texto("Text35"), TextoRedondeado(v.tiranteAlternoSup, 4));
        QCOMPARE(Texto("Text36"), TextoRedondeado(v.tiranteAlternoInf, 4));
        QCOMPARE(Texto("Text35"), QString("0.8359"));

        Escribir("txtY1Conj", "0.3");
        Pulsar("cmdConjugado");
        QCOMPARE(Texto("txtY2Conj"), QString("1.0956"));
        Escribir("txtY1Conj", "-0.1");
        Pulsar("cmdConjugado");
        QCOMPARE(Texto("txtY2Conj"), QString("-1"));
        QCOMPARE(mensajes->cantidad(), 0);
    }

    void alternoDeTiranteVacioSeExplica()
    {
        CanalRectangular();
        Escribir("Text32", "1");
        Elegir("Option8");
        Pulsar("cmdAlterno");
        Caja("Text32")->clear();  // reads as 0: a depth without area
        Pulsar("cmdAlterno");
        QCOMPARE(mensajes->cantidad(), 1);
        QCOMPARE(mensajes->titulos().value(0), capFalloTitulo);
        QVERIFY(mensajes->textos().value(0).contains(
            capMotivoTiranteCeroEn.arg("Alternate Depths: y (m)")));
        QCOMPARE(Texto("Text33"), QString("0.4007"));
    }

    void perfilRungeKutta()
    {
        CanalRectangular();
        Escribir("Text11", "0");
        Escribir("Text8", "1.5");
        Escribir("Text9", "-1000");
        Pulsar("Calc_sup_libre");
        QCOMPARE(mensajes->cantidad(), 0);
        QCOMPARE(Texto("Text10"), QString("1.1468"));
        Variables v = estado();
        ElementosHidraulicos(v, v.tiranteFinal);
        QCOMPARE(Texto("Text12"), TextoRedondeado(v.energia, 4));
        QCOMPARE(Texto("Text32"), Texto("Text10"));
        QCOMPARE(Texto("Text34"), Texto("Text12"));
        QCOMPARE(ventana->pitidos(), 1);
        QVERIFY(estado().yMaxGraf >= estado().tiranteNormalConj);
        QCOMPARE(estado().tirante, estado().tiranteFinal);

        // The profile is drawn in blue over the whole x range.
        const QImage imagen = ventana->grafico()->imagen();
        int columnasAzules = 0;
        for (int x = 0; x < imagen.width(); ++x)
            for (int y = 0; y < imagen.height(); ++y)
                if (imagen.pixel(x, y) == qRgb(0, 0, 255)) {
                    ++columnasAzules;
                    break;
                }
        QVERIFY2(columnasAzules > 140, qPrintable(QString::number(columnasAzules)));
    }

    void perfilRechazado()
    {
        CanalRectangular();
        Escribir("Text9", "100");
        Pulsar("Calc_sup_libre");  // empty boundary depth
        QVERIFY(Advertencia());
        CerrarAdvertencia();

        Escribir("Text8", "1.5");
        Escribir("Text9", "5");
        Escribir("Text11", "5");
        Pulsar("Calc_sup_libre");
        QVERIFY(Advertencia());
        CerrarAdvertencia();

        Escribir("Text11", "0");
        estado().puntosPerfil = 0;
        Pulsar("Calc_sup_libre");
        QVERIFY(Advertencia());
        QCOMPARE(ventana->pitidos(), 0);
        QCOMPARE(Texto("Text10"), QString());
    }

    void pasoDirecto()
    {
        CanalRectangular();
        Escribir("Text11", "0");
        Escribir("Text8", "1.2");
        Escribir("Text28", "1.5");
        Pulsar("Paso_directo");
        QCOMPARE(mensajes->cantidad(), 0);
        QCOMPARE(Texto("Text30"), QString("710.75"));
        QCOMPARE(Texto("Text31"), QString("1.551"));
        QCOMPARE(Texto("Text34"), QString("1.551"));
        QCOMPARE(Texto("Text32"), QString("1.5"));
        QCOMPARE(ventana->pitidos(), 1);
        QCOMPARE(estado().tablaPerfil.size(), size_t(103));
    }

    void pasoDirectoRechazado()
    {
        CanalRectangular();
        Escribir("Text11", "0");
        Escribir("Text8", "1.5");
        Escribir("Text28", "0.8");  // across yn
        Pulsar("Paso_directo");
        QCOMPARE(mensajes->textos(), QStringList{"Yo & Yf incorrectos"});
        QCOMPARE(mensajes->titulos(), QStringList{"Torvel_v13"});
        QCOMPARE(ventana->pitidos(), 1);  // the beep and copies come all the same
        QCOMPARE(Texto("Text32"), QString("0.8"));

        Escribir("Text28", "1.5");
        Pulsar("Paso_directo");
        QCOMPARE(mensajes->textos().value(1), capPasoDirectoIguales);
        QCOMPARE(Texto("Text30"), QString());

        Escribir("Text8", "-1");  // refused without a message
        Pulsar("Paso_directo");
        QCOMPARE(mensajes->cantidad(), 2);
        QCOMPARE(ventana->pitidos(), 3);
    }

    // A channel of zero width fails inside the engine: every panel says so,
    // keeps its earlier results, and the program goes on.
    void fallasDelMotor()
    {
        CanalRectangular();
        Escribir("Text32", "1");
        Escribir("txtY1Conj", "0.3");
        Escribir("Text11", "0");
        Escribir("Text8", "1.5");
        Escribir("Text9", "-1000");
        Escribir("Text28", "1.7");
        Escribir("Text21", "1");
        Elegir("Option8");
        for (const char* boton : {"Calc_tir", "cmdAlterno", "cmdConjugado", "Calc_sup_libre",
                                  "Paso_directo"})
            Pulsar(boton);
        QCOMPARE(mensajes->cantidad(), 0);
        const Variables antes = estado();
        const QImage dibujo = ventana->grafico()->imagen();
        const QStringList resultados = {Texto("Text13"), Texto("Text33"), Texto("Text10"),
                                        Texto("Text30")};

        Escribir("Text1", "0");
        const char* botones[] = {"Calc_tir", "cmdAlterno", "cmdConjugado", "Calc_sup_libre",
                                 "Paso_directo", "Command1"};
        for (const char* boton : botones)
            Pulsar(boton);
        QCOMPARE(mensajes->cantidad(), 6);
        for (const QString& titulo : mensajes->titulos())
            QCOMPARE(titulo, capFalloTitulo);
        QVERIFY(mensajes->textos().value(0).startsWith(capFalloFlujoUniforme));
        QVERIFY(mensajes->textos().value(3).startsWith(capFalloRungeKutta));
        QCOMPARE((QStringList{Texto("Text13"), Texto("Text33"), Texto("Text10"), Texto("Text30")}),
                 resultados);
        QCOMPARE(Texto("txtY2Conj"), QString());  // no result, not a result of 0
        QCOMPARE(ventana->grafico()->imagen(), dibujo);
        QCOMPARE(estado().tiranteFinal, antes.tiranteFinal);
        QCOMPARE(estado().tablaPerfil, antes.tablaPerfil);
        QVERIFY(!VentanaAbierta<frmParamVarios>());
    }

    void lecturaIlegibleSeExplica()
    {
        CanalRectangular();
        Escribir("Text4", "abc");
        Pulsar("Calc_tir");
        QCOMPARE(mensajes->cantidad(), 1);
        QCOMPARE(mensajes->titulos().value(0), capErrorEntradaTitulo);
        QVERIFY(mensajes->textos().value(0).contains("\"abc\""));
        QCOMPARE(Texto("Text13"), QString());
    }

    // The plot's read-out reaches the window's label (the scale itself is the
    // plot's own test).
    void lecturaDelGrafico()
    {
        auto* lectura = ventana->findChild<QLabel*>("lblXY");
        QTest::mousePress(ventana->grafico(), Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(lectura->text(), QString("x = 10 , y = 5"));
        QTest::mouseRelease(ventana->grafico(), Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(lectura->text(), QString());
    }

    void parametrosDeInteres()
    {
        CanalRectangular();
        Escribir("Text21", "1");
        Elegir("optManual");
        Pulsar("Command1");
        auto* parametros = VentanaAbierta<frmParamVarios>();
        QVERIFY(parametros);
        const char* cajas[] = {"Text21", "Text15", "Text16", "Text27", "Text17", "Text20",
                               "Text25", "Text18", "Text19", "Text26", "txtMomentum"};
        const QStringList esperado = {"1", "2", "4", "0.00128", "0.5", "2", "6.251", "1.5",
                                      "0.479", "1.115", "1.459"};
        for (int i = 0; i < 11; ++i)
            QCOMPARE(parametros->findChild<QLineEdit*>(cajas[i])->text(), esperado[i]);
        QCOMPARE(ventana->pitidos(), 1);

        // Asked again with another depth, the open window shows the new one.
        Escribir("Text21", "0.5");
        Pulsar("Command1");
        QCOMPARE(VentanaAbierta<frmParamVarios>(), parametros);
        QCOMPARE(parametros->findChild<QLineEdit*>("Text21")->text(), QString("0.5"));
        QCOMPARE(parametros->findChild<QLineEdit*>("Text15")->text(), QString("1"));

        // The Runge-Kutta depth before any profile: the box is empty, y = 0.
        Elegir("optRungeKutta");
        Pulsar("Command1");
        QVERIFY(Advertencia());
    }
};

QTEST_MAIN(TestPaneles)
#include "test_paneles.moc"
