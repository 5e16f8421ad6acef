// The calculation panels of the main window, driven by typing and clicking: which
// boxes each one fills and with how many decimals, the beep, the missing-data
// window and the faults explained. The numbers themselves are the engine's test.
#include <QtTest>

#include "../common/RespuestaAutomatica.h"
#include "../common/Ventanas.h"
#include "captions/modBelco.h"
#include "mainwindow/RungeKutta.h"
#include "plot/GraficoPerfil.h"
#include "state/Variables.h"
#include "windows/Adv_faltandatos.h"
#include "windows/VentanaUnica.h"
#include "windows/frmParamVarios.h"

class TestPaneles : public QObject {
    Q_OBJECT

private:
    RungeKutta* v = nullptr;
    std::unique_ptr<RespuestaAutomatica> mensajes;

    // Box and text, box and text...; an option stands alone and is clicked.
    void Llenar(const QStringList& entradas)
    {
        for (int i = 0; i < entradas.size(); ++i) {
            if (entradas[i].startsWith("opt") || entradas[i] == "Option8")
                Pulsar(v, entradas[i]);
            else
                Escribir(v, entradas[i], entradas[i + 1]), ++i;
        }
    }

    // The reference channel: rectangular, width 2 m, 3 m3/s, n 0.015, S 0.001.
    void CanalRectangular() { Llenar({"optRectangular", "Text1", "2", "Text5", "0.001", "Text6", "0.015", "Text7", "3"}); }

    QStringList Textos(const QStringList& cajas, const QWidget* ventana = nullptr)
    {
        QStringList textos;
        for (const QString& caja : cajas)
            textos << Texto(ventana ? ventana : v, caja);
        return textos;
    }

    // The profile is drawn in blue over the whole x range.
    int ColumnasAzules()
    {
        const QImage imagen = v->grafico()->imagen();
        int columnas = 0;
        for (int x = 0; x < imagen.width(); ++x) {
            bool azul = false;
            for (int y = 0; y < imagen.height(); ++y)
                azul = azul || imagen.pixel(x, y) == qRgb(0, 0, 255);
            columnas += azul;
        }
        return columnas;
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
        v = new RungeKutta;
        v->show();
        mensajes = std::make_unique<RespuestaAutomatica>();
    }

    void cleanup()
    {
        mensajes.reset();
        DestruirVentanas();
    }

    void flujoUniforme_data()
    {
        QTest::addColumn<QStringList>("entradas");
        QTest::addColumn<QStringList>("esperado");  // Text13 Text14 Por_Diam Text38 Text37 txtEyc txtEYn
        QTest::newRow("mild") << QStringList{"optRectangular", "Text1", "2", "Text5", "0.001", "Text6", "0.015", "Text7", "3"}
                              << QStringList{"0.6121", "1.0965", "", "0.005", "M", "0.918", "1.192"};
        QTest::newRow("critical, no new letter")
            << QStringList{"optRectangular", "Text1", "2", "Text5", "0.0049140100758165448", "Text6", "0.015", "Text7", "3"}
            << QStringList{"0.6121", "0.6125", "", "0.005", "", "0.918", "0.918"};
        QTest::newRow("steep") << QStringList{"optRectangular", "Text1", "2", "Text5", "0.02", "Text6", "0.015", "Text7", "3"}
                               << QStringList{"0.6121", "0.3775", "", "0.005", "S", "0.918", "1.182"};
        QTest::newRow("pipe") << QStringList{"optCircular", "Text4", "1", "Text5", "0.001", "Text6", "0.013", "Text7", "0.5"}
                              << QStringList{"0.399", "0.593", "59.3", "0.004", "M", "0.548", "0.647"};
        // A pipe that cannot carry the flow, or one on an adverse slope, has no yn to show.
        QTest::newRow("full pipe") << QStringList{"optCircular", "Text4", "1", "Text5", "0.001", "Text6", "0.013", "Text7", "2"}
                                   << QStringList{"0.812", "Q LLENO", "", "", "", "", ""};
        QTest::newRow("adverse pipe") << QStringList{"optCircular", "Text4", "1", "Text5", "-0.001", "Text6", "0.013", "Text7", "0.5"}
                                      << QStringList{"0.399", "Q LLENO", "", "", "", "", ""};
    }
    void flujoUniforme()
    {
        QFETCH(QStringList, entradas);
        Llenar(entradas);
        Pulsar(v, "Calc_tir");
        QTEST(Textos({"Text13", "Text14", "Por_Diam", "Text38", "Text37", "txtEyc", "txtEYn"}), "esperado");
        QCOMPARE(v->pitidos(), 1);
        QCOMPARE(mensajes->cantidad(), 0);
    }

    // Each panel refuses what it cannot work with through the missing-data window, silently.
    void faltanDatos_data()
    {
        QTest::addColumn<QStringList>("entradas");
        QTest::addColumn<QString>("boton");
        QTest::addColumn<int>("puntos");
        QTest::newRow("flat") << QStringList{"Text5", "0"} << "Calc_tir" << 100;
        QTest::newRow("no discharge") << QStringList{"Text7", ""} << "Calc_tir" << 100;
        QTest::newRow("no boundary depth") << QStringList{"Text9", "100"} << "Calc_sup_libre" << 100;
        QTest::newRow("equal x") << QStringList{"Text8", "1.5", "Text9", "5", "Text11", "5"} << "Calc_sup_libre" << 100;
        QTest::newRow("no points") << QStringList{"Text8", "1.5", "Text9", "5", "Text11", "0"} << "Calc_sup_libre" << 0;
        QTest::newRow("no points, direct step") << QStringList{"Text8", "1.2", "Text28", "1.5"} << "Paso_directo" << 0;
        QTest::newRow("manual depth 0") << QStringList{"optManual", "Text21", "0"} << "Command1" << 100;
        QTest::newRow("no profile yet") << QStringList{"optRungeKutta"} << "Command1" << 100;
    }
    void faltanDatos()
    {
        QFETCH(QStringList, entradas);
        QFETCH(QString, boton);
        CanalRectangular();
        Llenar(entradas);
        QFETCH(int, puntos);
        estado().puntosPerfil = int16_t(puntos);
        Pulsar(v, boton);
        QVERIFY(VentanaAbierta<Adv_faltandatos>());
        QCOMPARE(v->pitidos(), int(boton == "Paso_directo"));  // the direct step beeps all the same
        QCOMPARE(Textos({"Text13", "Text38", "Text10", "Text30"}), QStringList(4, QString()));
        QCOMPARE(mensajes->cantidad() + CuantasAbiertas<frmParamVarios>(), 0);
    }

    // The alternate and conjugate panels do not beep.
    void alternosYConjugados()
    {
        CanalRectangular();
        Llenar({"Text32", "1", "Option8", "Text34", "1.5"});
        Pulsar(v, "cmdAlterno");
        Pulsar(v, "optEnergia");
        Pulsar(v, "cmdAlterno");
        QCOMPARE(Textos({"Text33", "Text35", "Text36"}), (QStringList{"0.4007", "1.4451", "0.3104"}));
        Escribir(v, "Text34", "1,5");  // the comma ends the number: an energy of 1
        Pulsar(v, "cmdAlterno");
        QCOMPARE(Textos({"Text35", "Text36"}), (QStringList{"0.8359", "0.4614"}));
        Escribir(v, "txtY1Conj", "0.3");
        Pulsar(v, "cmdConjugado");
        QCOMPARE(Texto(v, "txtY2Conj"), QString("1.0956"));
        Escribir(v, "txtY1Conj", "-0.1");
        Pulsar(v, "cmdConjugado");
        QCOMPARE(Texto(v, "txtY2Conj"), QString("-1"));
        QCOMPARE(mensajes->cantidad() + v->pitidos(), 0);
    }

    void perfiles()
    {
        CanalRectangular();
        Llenar({"Text11", "0", "Text8", "1.5", "Text9", "-1000"});
        Pulsar(v, "Calc_sup_libre");
        QCOMPARE(Textos({"Text10", "Text12", "Text32", "Text34"}),
                 (QStringList{"1.1468", "1.234", "1.1468", "1.234"}));
        QCOMPARE(estado().tirante, estado().tiranteFinal);
        QVERIFY(estado().yMaxGraf >= estado().tiranteNormalConj);
        QVERIFY(ColumnasAzules() > 140);
        Llenar({"Text8", "1.2", "Text28", "1.5"});
        Pulsar(v, "Paso_directo");
        QCOMPARE(Textos({"Text30", "Text31", "Text34", "Text32"}),
                 (QStringList{"710.75", "1.551", "1.551", "1.5"}));
        QCOMPARE(v->pitidos(), 2);
        QCOMPARE(mensajes->cantidad(), 0);
        // Depths in different zones, and equal depths, are refused with a message.
        Escribir(v, "Text28", "0.8");
        Pulsar(v, "Paso_directo");
        Escribir(v, "Text28", "1.2");
        Pulsar(v, "Paso_directo");
        QCOMPARE(mensajes->textos(), (QStringList{"Yo & Yf incorrectos", capPasoDirectoIguales}));
        QCOMPARE(mensajes->titulos().value(0), QString("Torvel_v13"));
        QCOMPARE(Texto(v, "Text32"), QString("1.2"));
        Escribir(v, "Text8", "-1");  // refused without a message
        Pulsar(v, "Paso_directo");
        QCOMPARE(mensajes->cantidad(), 2);
        QCOMPARE(v->pitidos(), 5);
    }

    // A channel of zero width fails inside the engine: every panel says so,
    // keeps its earlier results, and the program goes on.
    void fallasDelMotor()
    {
        CanalRectangular();
        Llenar({"Text32", "1", "txtY1Conj", "0.3", "Text11", "0", "Text8", "1.5", "Text9", "-1000",
                "Text28", "1.7", "Text21", "1", "Option8"});
        const QStringList botones = {"Calc_tir", "cmdAlterno", "cmdConjugado", "Calc_sup_libre", "Paso_directo"};
        for (const QString& boton : botones)
            Pulsar(v, boton);
        QCOMPARE(mensajes->cantidad(), 0);
        const Variables antes = estado();
        const QImage dibujo = v->grafico()->imagen();
        const QStringList resultados = Textos({"Text13", "Text33", "Text10", "Text30"});
        Escribir(v, "Text1", "0");
        for (const QString& boton : botones + QStringList{"Command1"})
            Pulsar(v, boton);
        QCOMPARE(mensajes->titulos(), QStringList(6, capFalloTitulo));
        QVERIFY(mensajes->textos().value(0).startsWith(capFalloFlujoUniforme));
        QVERIFY(mensajes->textos().value(3).startsWith(capFalloRungeKutta));
        QCOMPARE(Textos({"Text13", "Text33", "Text10", "Text30"}), resultados);
        QCOMPARE(Texto(v, "txtY2Conj"), QString());  // no result, not a result of 0
        QCOMPARE(v->grafico()->imagen(), dibujo);
        QCOMPARE(estado().tablaPerfil, antes.tablaPerfil);
        QVERIFY(!VentanaAbierta<frmParamVarios>());
        // An empty depth reads as 0, a depth without area; unreadable text is named.
        Escribir(v, "Text1", "2");
        Hijo<QLineEdit>(v, "Text32")->clear();
        Pulsar(v, "cmdAlterno");
        QVERIFY(mensajes->textos().value(6).contains(capMotivoTiranteCero));
        Escribir(v, "Text4", "abc");
        Pulsar(v, "Calc_tir");
        QCOMPARE(mensajes->titulos().value(7), capErrorEntradaTitulo);
        QVERIFY(mensajes->textos().value(7).contains("\"abc\""));
    }

    void parametrosDeInteres()
    {
        CanalRectangular();
        Llenar({"optManual", "Text21", "1"});
        Pulsar(v, "Command1");
        auto* parametros = VentanaAbierta<frmParamVarios>();
        QVERIFY(parametros);
        QCOMPARE(Textos({"Text21", "Text15", "Text27", "txtMomentum"}, parametros),
                 (QStringList{"1", "2", "0.00128", "1.459"}));
        QCOMPARE(v->pitidos(), 1);
        // Asked again with another depth, the open window shows the new one.
        Escribir(v, "Text21", "0.5");
        Pulsar(v, "Command1");
        QCOMPARE(VentanaAbierta<frmParamVarios>(), parametros);
        QCOMPARE(Textos({"Text21", "Text15"}, parametros), (QStringList{"0.5", "1"}));
    }
};

QTEST_MAIN(TestPaneles)
#include "test_paneles.moc"
