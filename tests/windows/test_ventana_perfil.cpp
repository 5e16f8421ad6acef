// The profile window: its table against the profile table and the engine, the
// CSV read back, the line that tells the type and how the profile ended, a
// refused save, and a main window whose state nothing here changes.
#include <QAction>
#include <QClipboard>
#include <QTableView>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

#include "../common/RespuestaAutomatica.h"
#include "../common/Principal.h"
#include "captions/Textos.h"
#include "engine/modFuncionesTorvel.h"
#include "plot/GraficoPerfil.h"
#include "plot/GraficoVentanaPerfil.h"
#include "windows/DescripcionCanal.h"
#include "windows/InformeCalculo.h"
#include "windows/ModeloTablaPerfil.h"
#include "windows/VentanaPerfil.h"
#include "windows/VentanaUnica.h"

namespace {

// A profile straight from the engine: Runge-Kutta in the README's rectangle
// (b 2, Q 3, n 0.015), or a direct step down to 0.65 m in a pipe (D 1, Q 0.5,
// n 0.013), whose table holds one row more.
void Perfil(double y0, double x0, double xf, bool circular)
{
    Variables& v = estado();
    v = Variables();
    ParametrosPorDefecto(v);
    (circular ? v.esCircular : v.esRectangular) = VERDADERO;
    (circular ? v.diametro : v.ancho) = circular ? 1 : 2;
    v.caudal = circular ? 0.5 : 3;
    v.nManning = circular ? 0.013 : 0.015;
    v.pendiente = 0.001;
    v.tiranteBorde = y0;
    v.xBorde = x0;
    v.xBuscado = xf;
    v.tiranteBuscado = 0.65;
    TirantesCriticoNormal(v);
    if (!circular)
        return CalcularPerfil(v);
    NuevaTablaPerfil(v);
    PerfilPasoDirecto(v);
}

// The profile window showing that profile.
VentanaPerfil* Mostrar(double y0, double x0, double xf, bool circular)
{
    Perfil(y0, x0, xf, circular);
    auto* ventana = MostrarVentana<VentanaPerfil>();
    ventana->Actualizar(estado(), estado());
    return ventana;
}

// The line under the table names an M1 profile by Runge-Kutta.
bool DiceM1(const VentanaPerfil* ventana)
{
    return Hijo<QLabel>(ventana, "lblDescripcion")
        ->text()
        .startsWith(capPerfilTipo.arg("M1", capMetodoRungeKutta));
}

}  // namespace

class TestVentanaPerfil : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        CargarTextos(1);
    }

    void cleanup() { DestruirVentanas(); }

    // A profile that reached xf, one that left its zone, and a direct step.
    void tablaCsvYDescripcion()
    {
        // clang-format off
        const struct { bool circular; double y0, x0, xf; int filas; const char* tipo; QString fin;
                       const char* primeraFila; } casos[] = {
            {false, 1.5, 1000, 0, 101, "M1", capFinAlcanzado.arg("0.00"),
             "0.00\t1.1468\t2.2935\t1.3080\t0.3900\t1.2340\t0.000888"},
            {false, 0.4, 0, 1000, 3, "M3", capFinFueraDeZona.arg("20.00"),
             "0.00\t0.4000\t0.8000\t3.7500\t1.8931\t1.1167\t0.016814"},
            {true, 0.8, 1000, 0, 102, "M1", {},
             "665.09\t0.6500\t0.5404\t0.9252\t0.3925\t0.6936\t0.000760"},
        };  // clang-format on
        for (const auto& c : casos) {
            auto* ventana = Mostrar(c.y0, c.x0, c.xf, c.circular);
            QCOMPARE(ventana->TipoPerfil(), QString(c.tipo));
            const QString metodo = c.circular ? capMetodoPasoDirecto : capMetodoRungeKutta;
            QCOMPARE(Hijo<QLabel>(ventana, "lblDescripcion")->text(),
                     capPerfilTipo.arg(c.tipo, metodo) + (c.fin.isEmpty() ? "" : ": " + c.fin) +
                         ".");
            QCOMPARE(ventana->TextoTabla().section('\n', 1, 1).section('\t', 0, 6),
                     EnLocal(c.primeraFila));
            QTemporaryDir carpeta;
            QVERIFY(ventana->GuardarTabla(carpeta.filePath("perfil.csv")));
            QFile archivo(carpeta.filePath("perfil.csv"));
            QVERIFY(archivo.open(QIODevice::ReadOnly));
            const QList<QByteArray> lineas = archivo.readAll().split('\n');
            QAbstractItemModel* modelo = ventana->modelo();
            QCOMPARE(modelo->rowCount(), c.filas);
            QCOMPARE(lineas.size(), c.filas + 2);  // header, rows, end
            const Variables& v = estado();
            Variables copia = v;
            for (int f = 0; f < c.filas; ++f) {
                const auto& punto = v.tablaPerfil[f + 1];
                ElementosHidraulicos(copia, punto[2]);
                const double esperados[] = {punto[1],          punto[2],     copia.area,
                                            copia.velocidad,   copia.froude, copia.energia,
                                            copia.pendFriccion};
                const QList<QByteArray> campos = lineas[f + 1].split(',');
                for (int k = 0; k < ModeloTablaPerfil::NumColumnas; ++k) {
                    QVERIFY(modelo->index(f, k).data(ModeloTablaPerfil::RolValor).toDouble() ==
                            esperados[k]);
                    QVERIFY(campos.value(k).toDouble() == esperados[k]);
                }
            }
        }
    }

    // The README's example typed into the main window; the window opened by a
    // double click on its plot, every export, a refused one, and a new profile it follows.
    void estadoIntacto()
    {
        estado() = Variables();
        auto* principal = AbrirPrincipal(kEjemplo + ";Text9=0");
        Pulsar(principal, "Calc_sup_libre");
        RespuestaAutomatica mensajes;
        const QByteArray antes = FotoEstado();

        QTest::mouseDClick(principal->grafico(), Qt::LeftButton);
        auto* ventana = VentanaAbierta<VentanaPerfil>();
        QVERIFY(ventana && ventana->TipoPerfil() == "M1");
        QTemporaryDir carpeta;
        QVERIFY(ventana->GuardarTabla(carpeta.filePath("t.csv")) &&
                ventana->GuardarGrafico(carpeta.filePath("g.png")) &&
                ventana->GuardarGrafico(carpeta.filePath("g.svg")) &&
                principal->ExportarInforme(carpeta.filePath("i.pdf")));
        QFile pdf(carpeta.filePath("i.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");
        QCOMPARE(mensajes.cantidad(), 0);

        // A folder that takes no files: a message each, and no file left.
        QTemporaryDir temporal;
        QFile::setPermissions(temporal.path(), QFile::ReadOwner | QFile::ExeOwner);
        // Permissions do not stop root, but sysfs takes no new files from anyone.
        const QString soloLectura = QFileInfo(temporal.path()).isWritable() ? QStringLiteral("/sys")
                                                                            : temporal.path();
        QVERIFY(!ventana->GuardarTabla(soloLectura + "/perfil.csv"));
        QVERIFY(!ventana->GuardarGrafico(soloLectura + "/perfil.svg"));
        QCOMPARE(mensajes.textos(),
                 QStringList({capErrorGuardar.arg(soloLectura + "/perfil.csv", capMotivoPermiso),
                              capErrorGuardar.arg(soloLectura + "/perfil.svg", capMotivoPermiso)}));
        QVERIFY(!QFile::exists(soloLectura + "/perfil.csv") && QDir(temporal.path()).isEmpty());
        QFile::setPermissions(temporal.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(FotoEstado(), antes);

        Escribir(principal, "Text9", "500");
        Pulsar(principal, "Calc_sup_libre");
        QCOMPARE(ventana->modelo()->index(0, 0).data(ModeloTablaPerfil::RolValor), QVariant(500.0));

        principal->findChild<QAction*>("mnuLenguaje")->trigger();  // it follows the language too
        QVERIFY(DiceM1(ventana));
    }

    // The README's M1 profile (Q 3), then Q changed to 5 and the uniform flow
    // computed: the window, its CSV and the report still describe the Q 3
    // profile, say that it was computed for another channel, and mark the
    // profile's panel result so.
    void resultadoConSusDatos()
    {
        estado() = Variables();
        auto* principal = AbrirPrincipal(kEjemplo + ";Text9=0");
        Pulsar(principal, "Calc_sup_libre");
        principal->findChild<QAction*>("mnuVentanaPerfil")->trigger();
        auto* ventana = VentanaAbierta<VentanaPerfil>();
        QVERIFY(ventana && ventana->TipoPerfil() == "M1");
        QVERIFY(!Hijo<QLabel>(ventana, "lblCanal")->isVisible());
        const QString primeraFila = ventana->TextoTabla().section('\n', 1, 1);

        Escribir(principal, "Text7", "5");
        Pulsar(principal, "Calc_tir");
        QCOMPARE(estado().caudal, 5.0);
        Variables q3 = estado();
        q3.caudal = 3;
        QCOMPARE(ventana->TipoPerfil(), QString("M1"));
        QVERIFY(DiceM1(ventana));
        QVERIFY(Hijo<QLabel>(ventana, "lblCanal")->isVisible());
        QCOMPARE(Hijo<QLabel>(ventana, "lblCanal")->text(),
                 capPerfilOtroCanal.arg(DescripcionCanal(q3)));
        QCOMPARE(ventana->TextoTabla().section('\n', 1, 1), primeraFila);
        QCOMPARE(primeraFila.section('\t', 0, 6),
                 EnLocal("0.00\t1.1468\t2.2935\t1.3080\t0.3900\t1.2340\t0.000888"));

        // Reopened, it shows the same profile.
        ventana->close();
        principal->findChild<QAction*>("mnuVentanaPerfil")->trigger();
        ventana = VentanaAbierta<VentanaPerfil>();
        QCOMPARE(ventana->TipoPerfil(), QString("M1"));
        QCOMPARE(ventana->TextoTabla().section('\n', 1, 1), primeraFila);

        // The CSV read back: V at x 0 is Q 3's 1.3080, not Q 5's.
        QTemporaryDir carpeta;
        QVERIFY(ventana->GuardarTabla(carpeta.filePath("t.csv")));
        QFile csv(carpeta.filePath("t.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> campos = csv.readAll().split('\n').value(1).split(',');
        QCOMPARE(QString::number(campos.value(1).toDouble(), 'f', 4), QString("1.1468"));
        QCOMPARE(QString::number(campos.value(3).toDouble(), 'f', 4), QString("1.3080"));

        // The report: Q 5 above, the profile described with Q 3 and M1, its
        // panel result marked, the uniform flow's not.
        QVERIFY(principal->ExportarInforme(carpeta.filePath("i.pdf")));
        // Laid out on A4 between its margins: a few pages, not hundreds.
        QFile pdf(carpeta.filePath("i.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const int paginas = pdf.readAll().count("/Type /Page\n");
        QVERIFY2(paginas >= 3 && paginas <= 6, qPrintable(QString::number(paginas)));
        const QString informe = principal->TextoInforme();
        QVERIFY2(informe.contains(capInformeCanalPerfil.arg(DescripcionCanal(q3))),
                 qPrintable(informe));
        QVERIFY(informe.contains(capPerfilTipo.arg("M1", capMetodoRungeKutta)));
        QVERIFY(!informe.contains(capPerfilTipo.arg("M2", capMetodoRungeKutta)));
        QCOMPARE(informe.count(capOtroCanal), 2);  // the panel's result and the profile
        QVERIFY(informe.contains(EnLocal("1.3080")));
        QVERIFY(informe.contains("Torvel " TORVEL_VERSION));
        const ResultadosPaneles& r = principal->resultados();
        QVERIFY(r.uniforme && r.uniforme->estado.caudal == 5);
        QVERIFY(r.rungeKutta && r.rungeKutta->estado.caudal == 3 && r.perfil->caudal == 3);

        // A refused calculation leaves the results and their inputs as they were.
        Escribir(principal, "Text7", "0");
        RespuestaAutomatica mensajes;
        Pulsar(principal, "Calc_sup_libre");
        QVERIFY(principal->resultados().perfil->caudal == 3);
        QCOMPARE(ventana->TipoPerfil(), QString("M1"));
        Escribir(principal, "Text7", "3");
        QVERIFY(!Hijo<QLabel>(ventana, "lblCanal")->isVisible());
        QCOMPARE(principal->TextoInforme().count(capOtroCanal), 1);  // the Q 5 uniform flow
    }

    // A profile of 32,765 points: the report prints every k-th row with the
    // first and the last and says so, unless every row is asked for (its time to
    // print: bench/).
    void informeLargo()
    {
        Variables& v = estado();
        Perfil(1.5, 1000, 0, false);
        v.puntosPerfil = 32765;
        CalcularPerfil(v);
        ResultadosPaneles resultados;
        resultados.perfil = v;
        InformeCalculo informe(v, resultados);
        ModeloTablaPerfil modelo;
        modelo.Cargar(v);
        const int filas = modelo.rowCount();
        QVERIFY(filas > 32000);
        const int paso = (filas - 1 + 198) / 199;
        const int impresas = (filas - 1) / paso + 1 + ((filas - 1) % paso != 0);
        const QString texto = informe.Texto();
        QVERIFY(texto.contains(capInformeTablaReducida.arg(paso).arg(impresas).arg(filas)));
        QVERIFY(texto.contains(modelo.TextoCelda(filas - 1, 0)));  // the last row
        QVERIFY(!texto.contains(modelo.TextoCelda(1, 0) + "\n" + modelo.TextoCelda(1, 1)));

        // Every row when asked for (a shorter profile, to keep the test quick).
        v.puntosPerfil = 300;
        CalcularPerfil(v);
        resultados.perfil = v;
        const QString marca = capInformeTablaReducida.section(':', 0, 0);
        QVERIFY(InformeCalculo(v, resultados).Texto().contains(marca));
        QVERIFY(!InformeCalculo(v, resultados, QString(), true).Texto().contains(marca));
    }

    // A save that fails tells its real reason: a file larger than the process
    // may write (as a full disk) is "the disk may be full"; a file in place
    // that may not be written is not replaced.
    void guardarFallido()
    {
        auto* ventana = Mostrar(1.5, 1000, 0, false);
        QTemporaryDir carpeta;
        RespuestaAutomatica mensajes;
        rlimit antes{};
        getrlimit(RLIMIT_FSIZE, &antes);
        const auto senal = signal(SIGXFSZ, SIG_IGN);
        rlimit limite = antes;
        limite.rlim_cur = 1000;
        setrlimit(RLIMIT_FSIZE, &limite);
        const bool guardada = ventana->GuardarTabla(carpeta.filePath("grande.csv"));
        setrlimit(RLIMIT_FSIZE, &antes);
        signal(SIGXFSZ, senal);
        QVERIFY(!guardada);
        QCOMPARE(mensajes.textos(), QStringList(capErrorGuardar.arg(carpeta.filePath("grande.csv"),
                                                                    capMotivoEscritura)));
        QVERIFY(QDir(carpeta.path()).isEmpty());

        QFile fijo(carpeta.filePath("fijo.csv"));
        QVERIFY(fijo.open(QIODevice::WriteOnly) && fijo.write("x\n") == 2);
        fijo.close();
        fijo.setPermissions(QFile::ReadOwner);
        if (QFileInfo(fijo.fileName()).isWritable())
            return;  // root writes any file
        QVERIFY(!ventana->GuardarTabla(fijo.fileName()));
        QCOMPARE(mensajes.textos().last(), capErrorGuardar.arg(fijo.fileName(), capMotivoPermiso));
        QVERIFY(fijo.open(QIODevice::ReadOnly) && fijo.readAll() == "x\n");
    }

    // Escape closes the window; Ctrl+C copies the selected cells, or the whole
    // table without a selection.
    void atajos()
    {
        auto* ventana = Mostrar(1.5, 1000, 0, false);
        QVERIFY(QTest::qWaitForWindowExposed(ventana));
        auto* tabla = Hijo<QTableView>(ventana, "tblPerfil");
        tabla->setFocus();
        QTest::keyClick(tabla, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), ventana->TextoTabla());
        tabla->selectionModel()->select(
            QItemSelection(tabla->model()->index(0, 0), tabla->model()->index(1, 1)),
            QItemSelectionModel::ClearAndSelect);
        QTest::keyClick(tabla, Qt::Key_C, Qt::ControlModifier);
        const QString esperado = EnLocal("0.00\t1.1468\n") +
                                 ventana->TextoTabla().section('\n', 2, 2).section('\t', 0, 1) +
                                 "\n";
        QCOMPARE(QApplication::clipboard()->text(), esperado);
        QTest::keyClick(tabla, Qt::Key_Escape);
        QVERIFY(!ventana->isVisible());
    }

    // The pointer's read-out: x and y parted by ";" where the decimal separator
    // is a comma (run again in a Spanish locale), by "," elsewhere.
    void lectura()
    {
        if (qEnvironmentVariableIsSet("TORVEL_COMA"))
            QCOMPARE(QLocale::system().decimalPoint(), QString(","));
        auto* ventana = Mostrar(1.5, 1000, 0, false);
        ventana->resize(900, 600);
        QVERIFY(QTest::qWaitForWindowExposed(ventana));
        GraficoVentanaPerfil* grafico = ventana->grafico();
        QString texto;
        connect(grafico, &GraficoVentanaPerfil::lectura, this,
                [&texto](const QString& t) { texto = t; });
        QTest::mouseMove(grafico, grafico->rect().center());
        QVERIFY(texto.startsWith("x = "));
        const bool coma = QLocale::system().decimalPoint() == QStringLiteral(",");
        QCOMPARE(texto.contains(" m; y = "), coma);
        QCOMPARE(texto.contains(" m, y = "), !coma);
    }
};

QTEST_MAIN(TestVentanaPerfil)
#include "test_ventana_perfil.moc"
