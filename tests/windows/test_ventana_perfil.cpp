// The profile window: its table against the profile table and the engine, the
// CSV read back, the profile types and how a profile ended, a refused save, and
// a main window whose state nothing here changes.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cstddef>

#include "../common/RespuestaAutomatica.h"
#include "../common/Ventanas.h"
#include "captions/TextoFijo.h"
#include "captions/modBelco.h"
#include "engine/modFuncionesTorvel.h"
#include "mainwindow/RungeKutta.h"
#include "plot/GraficoPerfil.h"
#include "state/Variables.h"
#include "windows/ModeloTablaPerfil.h"
#include "windows/VentanaPerfil.h"
#include "windows/VentanaUnica.h"

namespace {

// A profile straight from the engine: Runge-Kutta in the README's rectangle
// (b 2, Q 3, n 0.015), or a direct step down to 0.65 m in a pipe (D 1, Q 0.5,
// n 0.013), whose table holds one row more.
void Perfil(double pendiente, double y0, double x0, double xf, bool circular = false)
{
    Variables& v = estado();
    v = Variables();
    ParametrosPorDefecto(v);
    (circular ? v.esCircular : v.esRectangular) = VERDADERO;
    (circular ? v.diametro : v.ancho) = circular ? 1 : 2;
    v.caudal = circular ? 0.5 : 3;
    v.nManning = circular ? 0.013 : 0.015;
    v.pendiente = pendiente;
    v.tiranteBorde = y0;
    v.xBorde = x0;
    v.xBuscado = xf;
    v.tiranteBuscado = 0.65;
    TirantesCriticoNormal(v);
    if (circular) {
        NuevaTablaPerfil(v);
        PerfilPasoDirecto(v);
    } else {
        CalcularPerfil(v);
    }
}

// The live state as bytes, the profile table's contents in place of its address.
QByteArray Foto()
{
    const Variables& v = estado();
    const char* p = reinterpret_cast<const char*>(&v);
    const size_t corte = offsetof(Variables, tablaPerfil), resto = corte + sizeof v.tablaPerfil;
    return QByteArray(p, corte) + QByteArray(p + resto, sizeof v - resto) +
           QByteArray(reinterpret_cast<const char*>(v.tablaPerfil.data()),
                      v.tablaPerfil.size() * sizeof v.tablaPerfil[0]);
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

    void tablaYCsv_data()
    {
        QTest::addColumn<bool>("circular");
        QTest::addColumn<QString>("primeraFila");
        QTest::newRow("rectangular M1") << false << "0.00\t1.1468\t2.2935\t1.3080\t0.3900\t1.2340";
        QTest::newRow("circular M1, direct step")
            << true << "665.09\t0.6500\t0.5404\t0.9252\t0.3925\t0.6936";
    }

    void tablaYCsv()
    {
        QFETCH(bool, circular);
        Perfil(0.001, circular ? 0.8 : 1.5, 1000, 0, circular);
        auto* ventana = MostrarVentana<VentanaPerfil>();
        const Variables v = estado();
        QTemporaryDir carpeta;
        QVERIFY(ventana->GuardarTabla(carpeta.filePath("perfil.csv")));
        QFile archivo(carpeta.filePath("perfil.csv"));
        QVERIFY(archivo.open(QIODevice::ReadOnly));
        const QList<QByteArray> lineas = archivo.readAll().split('\n');

        QAbstractItemModel* modelo = ventana->modelo();
        QCOMPARE(modelo->rowCount(), v.puntosPerfil + (circular ? 2 : 1));
        QCOMPARE(lineas.size(), modelo->rowCount() + 2);  // header, rows, end
        Variables copia = v;
        for (int f = 0; f < modelo->rowCount(); ++f) {
            const auto& punto = v.tablaPerfil[f + 1];
            ElementosHidraulicos(copia, punto[2]);
            const double esperados[] = {punto[1],          punto[2],     copia.area,
                                        copia.velocidad,   copia.froude, copia.energia,
                                        copia.pendFriccion};
            const QList<QByteArray> campos = lineas[f + 1].split(',');
            for (int c = 0; c < ModeloTablaPerfil::NumColumnas; ++c) {
                QVERIFY(modelo->index(f, c).data(ModeloTablaPerfil::RolValor).toDouble() ==
                        esperados[c]);
                QVERIFY(campos.value(c).toDouble() == esperados[c]);
            }
        }
        QFETCH(QString, primeraFila);
        QCOMPARE(ventana->TextoTabla().section('\n', 1, 1).section('\t', 0, 5),
                 EnLocal(primeraFila));
    }

    // Each type once; the fin column: 0 reached xf, 1 left its zone, 2 turned back.
    void tipoYFin_data()
    {
        QTest::addColumn<double>("pendiente");
        QTest::addColumn<double>("y0");
        QTest::addColumn<double>("x0");
        QTest::addColumn<double>("xf");
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<int>("fin");
        QTest::newRow("M1") << 0.001 << 1.5 << 1000.0 << 0.0 << "M1" << 0;
        QTest::newRow("M2") << 0.001 << 0.8 << 1000.0 << 0.0 << "M2" << 0;
        QTest::newRow("M3") << 0.001 << 0.4 << 0.0 << 1000.0 << "M3" << 1;
        QTest::newRow("S1") << 0.01 << 1.0 << 0.0 << 100.0 << "S1" << 0;
        QTest::newRow("S2") << 0.01 << 0.5 << 0.0 << 100.0 << "S2" << 1;
        QTest::newRow("S3") << 0.01 << 0.2 << 0.0 << 100.0 << "S3" << 0;
        QTest::newRow("A2") << -0.001 << 1.0 << 1000.0 << 0.0 << "A2" << 0;
    }

    void tipoYFin()
    {
        QFETCH(double, pendiente);
        QFETCH(double, y0);
        QFETCH(double, x0);
        QFETCH(double, xf);
        QFETCH(QString, tipo);
        QFETCH(int, fin);
        Perfil(pendiente, y0, x0, xf);
        auto* ventana = MostrarVentana<VentanaPerfil>();
        ventana->Actualizar();
        QCOMPARE(ventana->TipoPerfil(), tipo);
        const double xFin = estado().perfil.xFin;
        QCOMPARE(int(estado().perfil.fin), fin);
        const QString* finales[] = {&capFinAlcanzado, &capFinFueraDeZona, &capFinInversion};
        QCOMPARE(ventana->findChild<QLabel*>("lblDescripcion")->text(),
                 capPerfilTipo.arg(tipo, capMetodoRungeKutta) + ": " +
                     finales[fin]->arg(TextoFijo(xFin, 2)) + ".");
        QVERIFY(fin == 0 ? xFin == xf : (xFin - x0) * (xf - xFin) > 0);
    }

    void carpetaDeSoloLectura()
    {
        Perfil(0.001, 1.5, 1000, 0);
        auto* ventana = MostrarVentana<VentanaPerfil>();
        QTemporaryDir temporal;
        QFile::setPermissions(temporal.path(), QFile::ReadOwner | QFile::ExeOwner);
        // Permissions do not stop root, but sysfs takes no new files from anyone.
        const QString carpeta = QFileInfo(temporal.path()).isWritable() ? QStringLiteral("/sys")
                                                                        : temporal.path();
        RespuestaAutomatica mensajes;
        QVERIFY(!ventana->GuardarTabla(carpeta + "/perfil.csv"));
        QVERIFY(!ventana->GuardarGrafico(carpeta + "/perfil.svg"));
        QCOMPARE(mensajes.textos(),
                 QStringList({capErrorGuardar.arg(carpeta + "/perfil.csv", capMotivoPermiso),
                              capErrorGuardar.arg(carpeta + "/perfil.svg", capMotivoPermiso)}));
        QVERIFY(!QFile::exists(carpeta + "/perfil.csv") && QDir(temporal.path()).isEmpty());
        QFile::setPermissions(temporal.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // The README's example typed into the main window; the window opened by a
    // double click on its plot, every export, and a new profile it follows.
    void estadoIntacto()
    {
        estado() = Variables();
        auto* principal = new RungeKutta;
        principal->show();
        const std::pair<const char*, const char*> entradas[] = {
            {"Text1", "2"},     {"Text5", "0.001"}, {"Text6", "0.015"}, {"Text7", "3"},
            {"Text11", "1000"}, {"Text8", "1.5"},   {"Text9", "0"}};
        for (const auto& [caja, texto] : entradas)
            QTest::keyClicks(principal->findChild<QLineEdit*>(caja), texto);
        QTest::mouseClick(principal->findChild<QPushButton*>("Calc_sup_libre"), Qt::LeftButton);
        RespuestaAutomatica mensajes;
        const QByteArray antes = Foto();

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
        QCOMPARE(Foto(), antes);

        principal->findChild<QLineEdit*>("Text9")->setText("500");
        QTest::mouseClick(principal->findChild<QPushButton*>("Calc_sup_libre"), Qt::LeftButton);
        QCOMPARE(ventana->modelo()->index(0, 0).data(ModeloTablaPerfil::RolValor), QVariant(500.0));

        principal->findChild<QAction*>("mnuLenguaje")->trigger();  // it follows the language too
        QVERIFY(ventana->findChild<QLabel*>("lblDescripcion")
                    ->text()
                    .startsWith(capPerfilTipo.arg("M1", capMetodoRungeKutta)));
    }
};

QTEST_MAIN(TestVentanaPerfil)
#include "test_ventana_perfil.moc"
