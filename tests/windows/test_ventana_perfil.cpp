// The profile window: its table against the profile table and the engine, the
// CSV read back, the line that tells the type and how the profile ended, a
// refused save, and a main window whose state nothing here changes.
#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <cstddef>

#include "../common/RespuestaAutomatica.h"
#include "../common/Ventanas.h"
#include "captions/Textos.h"
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
            Perfil(c.y0, c.x0, c.xf, c.circular);
            auto* ventana = MostrarVentana<VentanaPerfil>();
            ventana->Actualizar();
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
        auto* principal = new RungeKutta;
        principal->show();
        const std::pair<const char*, const char*> entradas[] = {
            {"Text1", "2"},     {"Text5", "0.001"}, {"Text6", "0.015"}, {"Text7", "3"},
            {"Text11", "1000"}, {"Text8", "1.5"},   {"Text9", "0"}};
        for (const auto& [caja, texto] : entradas)
            Escribir(principal, caja, texto);
        Pulsar(principal, "Calc_sup_libre");
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
        QCOMPARE(Foto(), antes);

        Escribir(principal, "Text9", "500");
        Pulsar(principal, "Calc_sup_libre");
        QCOMPARE(ventana->modelo()->index(0, 0).data(ModeloTablaPerfil::RolValor), QVariant(500.0));

        principal->findChild<QAction*>("mnuLenguaje")->trigger();  // it follows the language too
        QVERIFY(Hijo<QLabel>(ventana, "lblDescripcion")
                    ->text()
                    .startsWith(capPerfilTipo.arg("M1", capMetodoRungeKutta)));
    }
};

QTEST_MAIN(TestVentanaPerfil)
#include "test_ventana_perfil.moc"
