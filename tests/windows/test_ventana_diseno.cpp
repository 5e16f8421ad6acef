// The channel design window: its results against the exact solver for every
// kind of unknown, the channel handed to the main window and computed there,
// refused inputs, the saved drawing and the copied results.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QTemporaryDir>
#include <QtTest>

#include "../common/RespuestaAutomatica.h"
#include "../common/Principal.h"
#include "calc/Diseno.h"
#include "captions/Numeros.h"
#include "captions/Textos.h"
#include "engine/Csv.h"
#include "windows/VentanaDiseno.h"
#include "windows/VentanaUnica.h"

namespace {

const char* const kOpcion[] = {"optDisRect", "optDisTrap", "optDisCirc"};
const char* const kCaja[] = {"txtDisCaudal", "txtDisTirante",   "txtDisAncho",  "txtDisDiametro",
                             "txtDisTalud",  "txtDisPendiente", "txtDisManning"};
// The example channels, all but the flow and the depth.
const QString kRect = "txtDisAncho=2;txtDisPendiente=0.001;txtDisManning=0.015;";
const QString kTrap = "txtDisAncho=1;txtDisTalud=1.5;txtDisPendiente=0.0005;txtDisManning=0.014;";
const QString kTubo = "txtDisDiametro=1;txtDisPendiente=0.001;txtDisManning=0.013;";

// The window set to a shape and unknown with "box=text;..." typed, and the
// same channel as the solver takes it.
CanalDiseno Preparar(VentanaDiseno* v, FormaCanal forma, Incognita x, const QString& datos)
{
    Pulsar(v, kOpcion[int(forma)]);
    Hijo<QComboBox>(v, "cboDisIncognita")->setCurrentIndex(int(x));
    CanalDiseno c;
    c.forma = forma;
    for (const QString& par : datos.split(';', Qt::SkipEmptyParts)) {
        const QString caja = par.section('=', 0, 0), texto = par.section('=', 1);
        Hijo<QLineEdit>(v, caja)->setText(EnLocal(texto));
        double* campos[] = {&c.caudal, &c.tirante, &c.b, &c.d, &c.z, &c.pendiente, &c.n};
        for (int i = 0; i < 7; ++i)
            if (caja == kCaja[i])
                *campos[i] = texto.toDouble();
    }
    return c;
}

}  // namespace

class TestVentanaDiseno : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        CargarTextos(1);
    }

    void cleanup() { DestruirVentanas(); }

    void resultadosDelSolver_data()
    {
        QTest::addColumn<int>("forma");
        QTest::addColumn<int>("incognita");
        QTest::addColumn<QString>("datos");
        const auto fila = [](const char* nombre, FormaCanal f, Incognita x, const QString& d) {
            QTest::newRow(nombre) << int(f) << int(x) << d;
        };
        using F = FormaCanal;
        using I = Incognita;
        fila("rect Q", F::Rectangular, I::Caudal, kRect + "txtDisTirante=1");
        fila("rect y", F::Rectangular, I::Tirante, kRect + "txtDisCaudal=3");
        fila("rect b", F::Rectangular, I::Ancho, kRect + "txtDisCaudal=3;txtDisTirante=1");
        fila("rect S", F::Rectangular, I::Pendiente, kRect + "txtDisCaudal=3;txtDisTirante=0.5");
        fila("rect n", F::Rectangular, I::Manning, kRect + "txtDisCaudal=3;txtDisTirante=1");
        fila("trap z", F::Trapezoidal, I::Talud, kTrap + "txtDisCaudal=4;txtDisTirante=1.2");
        fila("triangle y", F::Trapezoidal, I::Tirante, kTrap + "txtDisAncho=0;txtDisCaudal=2");
        fila("pipe D", F::Circular, I::Diametro, kTubo + "txtDisCaudal=0.5;txtDisTirante=0.6");
        fila("pipe y", F::Circular, I::Tirante, kTubo + "txtDisCaudal=0.5");
        fila("pipe Q, two depths", F::Circular, I::Caudal, kTubo + "txtDisTirante=0.9");
    }

    // Every figure the window gives is the solver's own.
    void resultadosDelSolver()
    {
        QFETCH(int, forma);
        QFETCH(int, incognita);
        QFETCH(QString, datos);
        auto* v = MostrarVentana<VentanaDiseno>();
        const CanalDiseno c = Preparar(v, FormaCanal(forma), Incognita(incognita), datos);
        QVERIFY(!Hijo<QLineEdit>(v, kCaja[incognita])->isEnabled());
        const ResultadoDiseno r = ResolverCanal(c, Incognita(incognita));
        QVERIFY(r.ok);
        RespuestaAutomatica mensajes;
        QVERIFY(v->Resolver());
        QCOMPARE(mensajes.cantidad(), 0);
        const QMap<QString, double> obtenido = v->Resultados();
        const ElementosSeccion& e = r.elementos;
        QMap<QString, double> esperado = {
            {"value", r.valor},           {"q", r.canal.caudal},     {"depth", r.canal.tirante},
            {"slope", r.canal.pendiente}, {"n", r.canal.n},          {"A", e.area},
            {"P", e.perimetro},           {"R", e.radioHidraulico},  {"T", e.anchoSup},
            {"V", e.velocidad},           {"Fr", e.froude},          {"E", e.energia},
            {"tau", e.tension},           {"yc", *r.tiranteCritico}, {"Sc", *r.pendienteCritica}};
        if (r.canal.forma == FormaCanal::Circular)
            esperado.insert({{"d", r.canal.d},
                             {"pct_full", r.pctLleno},
                             {"q_full", r.capacidad.qLleno},
                             {"q_max", r.capacidad.qMax},
                             {"y_qmax", r.capacidad.yQMax}});
        else
            esperado.insert("b", r.canal.b);
        if (r.canal.forma == FormaCanal::Trapezoidal)
            esperado.insert({{"z", r.canal.z}, {"angle", obtenido.value("angle")}});
        if (r.segundoTirante)
            esperado.insert("depth_2", *r.segundoTirante);
        QCOMPARE(obtenido, esperado);
        QCOMPARE(QString(QTest::currentDataTag()).contains("two"), obtenido.contains("depth_2"));
    }

    // Use in main window fills the shape and the boxes of the channel, and the
    // main window's own scan then finds the solved depth, for every unknown.
    void usarEnPrincipal_data() { resultadosDelSolver_data(); }
    void usarEnPrincipal()
    {
        QFETCH(int, forma);
        QFETCH(int, incognita);
        QFETCH(QString, datos);
        RungeKutta* principal = AbrirPrincipal();
        Hijo<QAction>(principal, "mnuDiseno")->trigger();
        auto* v = VentanaAbierta<VentanaDiseno>();
        QVERIFY(v);
        Preparar(v, FormaCanal(forma), Incognita(incognita), datos);
        QVERIFY(v->Resolver());
        Pulsar(principal, forma ? "optRectangular" : "optCircular");  // another shape before
        QMap<QString, QString> antes;
        for (QLineEdit* caja : principal->findChildren<QLineEdit*>())
            antes[caja->objectName()] = caja->text();
        Pulsar(v, "cmdDisUsar");
        QStringList cambiadas;
        for (QLineEdit* caja : principal->findChildren<QLineEdit*>())
            if (caja->text() != antes[caja->objectName()])
                cambiadas << caja->objectName();
        cambiadas.sort();
        const char* const propias[] = {"Text1", "Text2 Text3", "Text4"};
        QCOMPARE(cambiadas.join(' '), QString(propias[forma]) + " Text5 Text6 Text7");
        const char* const opcion[] = {"optRectangular", "optTrapezoidal", "optCircular"};
        QVERIFY(Hijo<QRadioButton>(principal, opcion[forma])->isChecked());
        const QMap<QString, double> r = v->Resultados();
        for (const auto& [caja, clave] :
             {std::pair{"Text7", "q"}, {"Text6", "n"}, {"Text5", "slope"}, {"Text3", "angle"}})
            if (r.contains(clave))
                QCOMPARE(Texto(principal, caja), NumeroATexto(r[clave]));
        RespuestaAutomatica mensajes;
        Pulsar(principal, "Calc_tir");
        QCOMPARE(mensajes.cantidad(), 0);
        QVERIFY(qAbs(TextoANumero(Texto(principal, "Text14")) - r["depth"]) < 0.001);
    }

    // After a language switch the open window speaks the new language and
    // hands its channel to the new main window.
    void sigueElIdioma()
    {
        RungeKutta* principal = AbrirPrincipal();
        Hijo<QAction>(principal, "mnuDiseno")->trigger();
        auto* v = VentanaAbierta<VentanaDiseno>();
        Preparar(v, FormaCanal::Rectangular, Incognita::Tirante, kRect + "txtDisCaudal=3");
        QVERIFY(v->Resolver());
        const QString antes = v->windowTitle();
        RespuestaAutomatica mensajes;
        principal->findChild<QAction*>("mnuLenguaje")->trigger();
        QCOMPARE(v->windowTitle(), capDisTitulo);
        QVERIFY(v->windowTitle() != antes);
        QCOMPARE(Hijo<QTableWidget>(v, "tblDisResultados")->item(0, 0)->text(), capDisTirante);
        auto* nueva = VentanaAbierta<RungeKutta>();
        QVERIFY(nueva && nueva != principal);
        Pulsar(v, "cmdDisUsar");
        QCOMPARE(Texto(nueva, "Text1"), NumeroATexto(2));
    }

    // Refused inputs, typed over a solved channel: a message naming the input,
    // false, and no result shown.
    void entradasRechazadas_data()
    {
        QTest::addColumn<int>("forma");
        QTest::addColumn<int>("incognita");
        QTest::addColumn<QString>("datos");
        QTest::addColumn<QString>("nombre");
        const std::pair<const char*, const QString*> cajas[] = {
            {"txtDisAncho", &capDisAncho},
            {"txtDisPendiente", &capDisPendiente},
            {"txtDisManning", &capDisManning},
            {"txtDisCaudal", &capDisCaudal}};
        const int y = int(Incognita::Tirante), tubo = int(FormaCanal::Circular);
        for (const auto& [caja, nombre] : cajas)
            for (const char* malo : {"", "0", "-1", "abc", "1e-300", "1e300", "inf", "nan"})
                QTest::addRow("%s=%s", caja, malo)
                    << 0 << y << kRect + "txtDisCaudal=3;" + caja + "=" + malo << *nombre;
        // A pipe that cannot carry Q, and a depth over the diameter.
        QTest::newRow("pipe too small")
            << tubo << y << kTubo + "txtDisCaudal=3;txtDisDiametro=0.3" << capDisCaudal;
        QTest::newRow("depth over D")
            << tubo << int(Incognita::Caudal) << kTubo + "txtDisTirante=1.2" << capDisTirante;
    }

    void entradasRechazadas()
    {
        QFETCH(int, forma);
        QFETCH(int, incognita);
        QFETCH(QString, datos);
        QFETCH(QString, nombre);
        auto* v = MostrarVentana<VentanaDiseno>();
        Preparar(v, FormaCanal::Rectangular, Incognita::Tirante, kRect + "txtDisCaudal=3");
        QVERIFY(v->Resolver());
        Preparar(v, FormaCanal(forma), Incognita(incognita), datos);
        RespuestaAutomatica mensajes;
        QVERIFY(!v->Resolver());
        QCOMPARE(mensajes.cantidad(), 1);
        QVERIFY2(mensajes.textos()[0].contains(nombre), qPrintable(mensajes.textos()[0]));
        QVERIFY(v->Resultados().isEmpty());
        if (QString(QTest::currentDataTag()) == "pipe too small")
            QVERIFY(mensajes.textos()[0].contains("m3/s"));
    }

    // The drawing saved as PNG and SVG; Copy gives every figure in full.
    void guardarYCopiar()
    {
        auto* v = MostrarVentana<VentanaDiseno>();
        Preparar(v, FormaCanal::Trapezoidal, Incognita::Tirante, kTrap + "txtDisCaudal=4");
        RespuestaAutomatica mensajes;
        QVERIFY(!v->GuardarSeccion(QDir::temp().filePath("sin-resultado.png")));
        QVERIFY(v->Resolver());
        QTemporaryDir carpeta;
        QVERIFY(v->GuardarSeccion(carpeta.filePath("s.png")));
        QVERIFY(v->GuardarSeccion(carpeta.filePath("s.svg")));
        QVERIFY(!v->GuardarSeccion(carpeta.filePath("s.txt")));
        QCOMPARE(mensajes.cantidad(), 2);
        const QImage png(carpeta.filePath("s.png"));
        QVERIFY(!png.isNull() && !png.allGray());
        QFile svg(carpeta.filePath("s.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("<svg"));

        Pulsar(v, "cmdDisCopiar");
        const QStringList lineas =
            QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
        const QMap<QString, double> r = v->Resultados();
        QCOMPARE(lineas.value(0),
                 capDisTirante + "\t" + QString::fromStdString(NumeroExacto(r["value"])) + "\tm");
        QVERIFY(lineas.contains(capDisFroude + "\t" +
                                QString::fromStdString(NumeroExacto(r["Fr"])) + "\t"));
        QCOMPARE(lineas.size(), 12);  // the unknown, the angle, eight elements, yc and Sc
    }
};

QTEST_MAIN(TestVentanaDiseno)
#include "test_ventana_diseno.moc"
