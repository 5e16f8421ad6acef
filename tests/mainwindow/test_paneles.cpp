// The calculation panels of the main window, driven by typing and clicking: which
// boxes each one fills and with how many decimals, the beep, the missing-data
// window and the faults explained. The numbers themselves are the engine's test.
#include <QtTest>

#include "../common/RespuestaAutomatica.h"
#include "../common/Ventanas.h"
#include "captions/Textos.h"
#include "mainwindow/RungeKutta.h"
#include "plot/GraficoPerfil.h"
#include "state/Variables.h"
#include "windows/Adv_faltandatos.h"
#include "windows/VentanaUnica.h"
#include "windows/frmParamVarios.h"

namespace {

// The reference channel: rectangular, width 2 m, 3 m3/s, n 0.015, slope 0.001.
const QString kCanal = "optRectangular;Text1=2;Text5=0.001;Text6=0.015;Text7=3;";

}  // namespace

class TestPaneles : public QObject {
    Q_OBJECT

    RungeKutta* v = nullptr;
    std::unique_ptr<RespuestaAutomatica> mensajes;

    // "Box=text" types into a box, "!Button" clicks it, an option name alone picks it,
    // and "puntos=N" sets the number of profile points.
    void Hacer(const QString& acciones)
    {
        for (const QString& accion : acciones.split(';', Qt::SkipEmptyParts)) {
            const QString caja = accion.section('=', 0, 0), texto = accion.section('=', 1);
            if (caja == "puntos")
                estado().puntosPerfil = int16_t(texto.toInt());
            else if (accion.contains('='))
                Escribir(v, caja, texto);
            else
                Pulsar(v, accion.startsWith('!') ? accion.mid(1) : accion);
        }
    }

    // "Box=text" for the main window's boxes, "@Box=text" for the parameters of interest,
    // and how many beeps, messages and missing-data windows came ("pitidos=1"...).
    void Comprobar(const QString& esperado)
    {
        for (const QString& par : esperado.split(';', Qt::SkipEmptyParts)) {
            const QString nombre = par.section('=', 0, 0);
            // clang-format off
            const QMap<QString, int> cuentas = {
                {"pitidos", v->pitidos()}, {"mensajes", mensajes->cantidad()},
                {"aviso", VentanaAbierta<Adv_faltandatos>() != nullptr},
                {"dibujo", !v->grafico()->imagen().allGray()}};
            // clang-format on
            QString obtenido;
            if (cuentas.contains(nombre))
                obtenido = QString::number(cuentas[nombre]);
            else if (nombre == "titulo" || nombre == "texto")
                obtenido =
                    (nombre == "titulo" ? mensajes->titulos() : mensajes->textos()).join('|');
            else if (nombre.startsWith('@'))
                obtenido = VentanaAbierta<frmParamVarios>()
                               ? Texto(VentanaAbierta<frmParamVarios>(), nombre.mid(1))
                               : "<closed>";
            else
                obtenido = Texto(v, nombre);
            QCOMPARE(nombre + '=' + obtenido, par);
        }
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
        ParametrosPorDefecto(estado());
        v = new RungeKutta;
        v->show();
        mensajes = std::make_unique<RespuestaAutomatica>();
    }

    void cleanup()
    {
        mensajes.reset();
        DestruirVentanas();
    }

    // Each row starts from the reference channel and ends with the click on its button.
    void paneles_data()
    {
        QTest::addColumn<QString>("acciones");
        QTest::addColumn<QString>("esperado");
        auto fila = [](const char* nombre, const char* acciones, const QString& esperado) {
            QTest::newRow(nombre) << QString(acciones) << esperado;
        };
        // Uniform flow: yc, yn, % of the diameter, critical slope and its type, energies.
        fila("mild", "!Calc_tir",
             "Text13=0.6121;Text14=1.0965;Por_Diam=;Text38=0.005;"
             "Text37=M;txtEyc=0.918;txtEYn=1.192;pitidos=1;mensajes=0");
        fila("steep", "Text5=0.02;!Calc_tir", "Text14=0.3775;Text37=S;txtEYn=1.182");
        fila("critical slope: no new letter", "Text5=0.0049140100758165448;!Calc_tir",
             "Text14=0.6125;Text38=0.005;Text37=;txtEYn=0.918");
        fila("pipe", "optCircular;Text4=1;Text6=0.013;Text7=0.5;!Calc_tir",
             "Text13=0.399;Text14=0.593;Por_Diam=59.3;Text38=0.004;Text37=M;txtEyc=0.548;"
             "txtEYn=0.647");
        // A pipe that cannot carry the flow has no yn; the energies of before stay.
        fila("full pipe", "optCircular;Text4=1;Text6=0.013;Text7=0.5;!Calc_tir;Text7=2;!Calc_tir",
             "Text13=0.812;Text14=Q LLENO;Por_Diam=;Text38=;Text37=;txtEyc=0.548;pitidos=2");
        // Refused through the missing-data window, without a beep and without results.
        const QString refusado = "aviso=1;pitidos=0;mensajes=0;Text13=;Text10=;@Text21=<closed>";
        fila("flat", "Text5=0;!Calc_tir", refusado);
        fila("no discharge", "Text7=;!Calc_tir", refusado);
        fila("no boundary depth", "Text9=100;!Calc_sup_libre", refusado);
        fila("equal x", "Text8=1.5;Text9=5;Text11=5;!Calc_sup_libre", refusado);
        fila("no points", "Text8=1.5;Text9=5;puntos=0;!Calc_sup_libre", refusado);
        fila("manual depth 0", "optManual;Text21=0;!Command1", refusado);
        fila("no profile yet", "optRungeKutta;!Command1", refusado);
        fila("no points, direct step", "Text8=1.2;Text28=1.5;puntos=0;!Paso_directo",
             "aviso=1;pitidos=1;Text30=");
        // The alternate and conjugate panels never beep; a comma ends the number.
        fila("alternate", "Option8;Text32=1;!cmdAlterno", "Text33=0.4007;pitidos=0;mensajes=0");
        fila("by energy", "optEnergia;Text34=1.5;!cmdAlterno",
             "Text35=1.4451;Text36=0.3104;pitidos=0");
        fila("comma", "optEnergia;Text34=1,5;!cmdAlterno", "Text35=0.8359;Text36=0.4614");
        fila("conjugate", "txtY1Conj=0.3;!cmdConjugado", "txtY2Conj=1.0956;pitidos=0;mensajes=0");
        fila("no conjugate", "txtY1Conj=-0.1;!cmdConjugado", "txtY2Conj=-1;mensajes=0");
        // The profiles copy their result to the alternate-depth panel and draw it.
        fila("Runge-Kutta", "Text11=0;Text8=1.5;Text9=-1000;!Calc_sup_libre",
             "Text10=1.1468;Text12=1.234;Text32=1.1468;Text34=1.234;pitidos=1;mensajes=0;dibujo=1");
        fila("direct step", "Text11=0;Text8=1.2;Text28=1.5;!Paso_directo",
             "Text30=710.75;Text31=1.551;Text34=1.551;Text32=1.5;pitidos=1;mensajes=0;dibujo=1");
        fila("across yn", "Text8=1.5;Text28=0.8;!Paso_directo",
             "Text30=;Text32=0.8;pitidos=1;titulo=Torvel_v13;texto=Yo & Yf incorrectos");
        fila("equal depths", "Text8=1.5;Text28=1.5;!Paso_directo", "Text30=;pitidos=1;mensajes=1");
        fila("negative depth", "Text8=-1;Text28=1.5;!Paso_directo", "Text30=;pitidos=1;mensajes=0");
        // The parameters of interest of the depth asked for, refreshed when asked again.
        fila("parameters", "optManual;Text21=1;!Command1",
             "@Text21=1;@Text15=2;@Text27=0.00128;@txtMomentum=1.459;pitidos=1");
        fila("parameters again", "optManual;Text21=1;!Command1;Text21=0.5;!Command1",
             "@Text21=0.5;@Text15=1;pitidos=2");
    }
    void paneles()
    {
        QFETCH(QString, acciones);
        QFETCH(QString, esperado);
        Hacer(kCanal + acciones);
        Comprobar(esperado);
    }

    // The report once every panel has run, in a pipe: all of it but the date, as one print.
    void informeCompleto()
    {
        Hacer("optCircular;Text4=1;Text5=0.001;Text6=0.013;Text7=0.5;!Calc_tir;Text11=0;Text8=0.8;"
              "Text9=-500;!Calc_sup_libre;Text28=0.65;!Paso_directo;Option8;Text32=0.3;!cmdAlterno;"
              "txtY1Conj=0.2;!cmdConjugado;optManual;Text21=0.5;!Command1");
        QVERIFY(TextoIgual(v->TextoInforme().section('\n', 3), "cf23f7517250", "the report"));
        Escribir(v, "Text4", "abc");  // an unreadable box: the channel is not described
        QVERIFY(
            TextoIgual(v->TextoInforme().section('\n', 3), "bb5b94d79e18", "the report, unread"));
    }

    // A channel of zero width fails inside the engine: every panel says so,
    // keeps its earlier results, and the program goes on.
    void fallasDelMotor()
    {
        const QString botones =
            "!Calc_tir;!cmdAlterno;!cmdConjugado;!Calc_sup_libre;!Paso_directo;";
        Hacer(kCanal + "Option8;Text32=1;txtY1Conj=0.3;Text11=0;Text8=1.5;Text9=-1000;Text21=1;" +
              "Text28=1.7;" + botones);
        const auto resultados = [this] {
            return QStringList{Texto(v, "Text13"), Texto(v, "Text33"), Texto(v, "Text10"),
                               Texto(v, "Text30")};
        };
        const QStringList anteriores = resultados();
        const Variables antes = estado();
        const QImage dibujo = v->grafico()->imagen();
        Hacer("Text1=0;" + botones + "!Command1");
        QCOMPARE(mensajes->titulos(), QStringList(6, capFalloTitulo));
        QVERIFY(mensajes->textos().value(0).startsWith(capFalloFlujoUniforme));
        QVERIFY(mensajes->textos().value(3).startsWith(capFalloRungeKutta));
        QCOMPARE(resultados(), anteriores);
        QCOMPARE(Texto(v, "txtY2Conj"), QString());  // no result, not a result of 0
        QCOMPARE(v->grafico()->imagen(), dibujo);
        QCOMPARE(estado().tablaPerfil, antes.tablaPerfil);
        QVERIFY(!VentanaAbierta<frmParamVarios>());
        // An empty depth reads as 0, a depth without area; unreadable text is named.
        Hacer("Text1=2;Text32=;!cmdAlterno;Text4=abc;!Calc_tir");
        QVERIFY(mensajes->textos().value(6).contains(
            capMotivoTiranteCeroEn.arg("Alternate Depths: y (m)")));
        QCOMPARE(mensajes->titulos().value(7), capErrorEntradaTitulo);
        QCOMPARE(mensajes->textos().value(7), capErrorLectura.arg("Diameter (m)", "abc"));
    }
};

QTEST_MAIN(TestPaneles)
#include "test_paneles.moc"
