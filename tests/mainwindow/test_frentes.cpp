// The same inputs through the three front ends: the main window's panel, the
// command of torvel-calc and a row of its batch refuse or compute alike, and
// where they compute, the panel's rounded box is the command's number rounded.
#include <QProcess>
#include <QtTest>

#include "../common/RespuestaAutomatica.h"
#include "../common/Principal.h"
#include "captions/Numeros.h"
#include "captions/TextoFijo.h"
#include "windows/Adv_faltandatos.h"
#include "windows/VentanaDiagramas.h"
#include "windows/VentanaUnica.h"
#include "windows/frmParamVarios.h"

namespace {

struct Corrida {
    int estado;
    QString salida;
};

Corrida Calc(const QStringList& argumentos, const QByteArray& entrada = {})
{
    QProcess proceso;
    proceso.start(TORVEL_CALC, argumentos);
    proceso.write(entrada);
    proceso.closeWriteChannel();
    proceso.waitForFinished(30000);
    return {proceso.exitCode(),
            QString::fromUtf8(proceso.readAllStandardOutput() + proceso.readAllStandardError())};
}

// The value of a column in the single row of a CSV output (none holds a comma).
QString Columna(const QString& csv, const QString& columna)
{
    const QStringList lineas = csv.split('\n');
    return lineas.value(1).split(',').value(lineas.value(0).split(',').indexOf(columna));
}

}  // namespace

class TestFrentes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { DestruirVentanas(); }

    // One row each: the channel, the panel asked and whether all three compute.
    void refusanOCalculanIgual()
    {
        // clang-format off
        const struct { const char *forma, *pendiente, *n, *tirante, *panel; bool calcula; }
            filas[] = {
            {"rect", "0.001", "0", "", "uniform", false},      // n 0
            {"rect", "0.001", "0", "1", "elements", false},
            {"rect", "0.001", "0", "1", "alternate", true},    // needs no n
            {"rect", "0.001", "0.015", "0", "elements", false},  // depth 0
            {"rect", "0.001", "0.015", "0", "alternate", false},
            {"rect", "0", "0.015", "", "uniform", false},      // slope 0
            {"90", "0.001", "0.015", "", "uniform", true},     // an angle of 90
            {"60", "0.002", "0.015", "0.8", "elements", true},
        };  // clang-format on
        for (const auto& f : filas) {
            RefusanOCalculanIgual(f.forma, f.pendiente, f.n, f.tirante, f.panel, f.calcula);
            DestruirVentanas();
        }
    }

private:
    void RefusanOCalculanIgual(const QString& forma, const QString& pendiente, const QString& n,
                               const QString& tirante, const QString& panel, bool calcula)
    {
        const bool rect = forma == "rect";

        // The panel.
        RespuestaAutomatica mensajes;
        auto* v = AbrirPrincipal();
        Pulsar(v, rect ? "optRectangular" : "optTrapezoidal");
        EscribirCajas(v, (rect ? "Text1=2;" : "Text2=2;Text3=" + forma + ";") +
                             "Text5=" + pendiente + ";Text6=" + n + ";Text7=3");
        QString caja;
        if (panel == "uniform") {
            Pulsar(v, "Calc_tir");
            caja = "Text14";
        } else if (panel == "elements") {
            Pulsar(v, "optManual");
            Escribir(v, "Text21", EnLocal(tirante));
            Pulsar(v, "Command1");
        } else {
            Pulsar(v, "Option8");
            Escribir(v, "Text32", EnLocal(tirante));
            Pulsar(v, "cmdAlterno");
            caja = "Text33";
        }
        QCoreApplication::processEvents();
        const bool panelCalcula = panel == "elements" ? VentanaAbierta<frmParamVarios>() != nullptr
                                                      : !Texto(v, caja).isEmpty();
        QCOMPARE(panelCalcula, calcula);
        QCOMPARE(VentanaAbierta<Adv_faltandatos>() != nullptr || mensajes.cantidad() > 0, !calcula);

        // The command.
        QStringList canal = rect ? QStringList{"--rect", "2"}
                                 : QStringList{"--trap", "2", "--angle", forma};
        canal << "--slope" << pendiente << "--n" << n << "--q"
              << "3";
        const QString comando = panel == "uniform" ? "uniform" : panel;
        QStringList argumentos = QStringList{comando} + canal + QStringList{"--format", "csv"};
        if (!tirante.isEmpty())
            argumentos << "--depth" << tirante;
        const Corrida orden = Calc(argumentos);
        QCOMPARE(orden.estado == 0, calcula);
        const QString columna = panel == "uniform" ? "yn" : panel == "elements" ? "E" : "alt_depth";
        if (calcula) {
            const double valor = Columna(orden.salida, columna).toDouble();
            if (panel == "elements")
                QCOMPARE(Texto(VentanaAbierta<frmParamVarios>(), "Text26"),
                         TextoRedondeado(valor, 3));
            else
                QCOMPARE(Texto(v, caja), TextoRedondeado(valor, 4));
        }

        // The batch row: its column holds the command's number, or nothing.
        const QByteArray csv = QStringLiteral("shape,b,angle,slope,n,q%1\n%2,2,%3,%4,%5,3%6\n")
                                   .arg(tirante.isEmpty() ? "" : ",depth", rect ? "rect" : "trap",
                                        rect ? "" : forma, pendiente, n,
                                        tirante.isEmpty() ? "" : "," + tirante)
                                   .toUtf8();
        const Corrida lote = Calc({"batch", "-", "--format", "csv"}, csv);
        QVERIFY2(lote.estado <= 1, qPrintable(lote.salida));
        QCOMPARE(Columna(lote.salida, columna).isEmpty(), !calcula);
        if (calcula)
            QCOMPARE(Columna(lote.salida, columna), Columna(orden.salida, columna));
    }

private slots:
    // The diagrams window's energy and force tables and torvel-calc curve give the
    // same E and M at the same depths.
    void curvasIgualesALaVentana()
    {
        RespuestaAutomatica mensajes;
        auto* v = AbrirPrincipal();
        Pulsar(v, "optTrapezoidal");
        EscribirCajas(v, "Text2=2;Text3=60;Text5=0.001;Text6=0.015;Text7=3");
        Pulsar(v, "Calc_tir");
        auto* diagramas = MostrarVentana<VentanaDiagramas>();
        diagramas->Actualizar();
        const QStringList canal =
            QString("--trap 2 --angle 60 --slope 0.001 --n 0.015 --q 3 --format csv").split(' ');
        for (const auto& [pestana, tipo, columna] : {std::tuple{1, "energy", 4}, {2, "force", 3}}) {
            QStringList ventana;  // the depths the window adds for its marks are left out
            for (const QString& fila : diagramas->TextoTabla(pestana).split('\n').mid(1)) {
                const QStringList c = fila.split('\t');
                if (c.size() > columna && c.last().isEmpty())
                    ventana << c[0] + " " + c[columna];
            }
            const Corrida orden = Calc(QStringList{"curve", tipo} + canal);
            QStringList linea;
            for (const QString& fila : orden.salida.trimmed().split('\n').mid(1))
                linea << TextoFijo(fila.section(',', 0, 0).toDouble(), 4) + " " +
                             TextoFijo(fila.section(',', 1, 1).toDouble(), 4);
            QVERIFY(orden.estado == 0 && ventana.size() == 200);
            QCOMPARE(linea, ventana);
        }
    }
};

QTEST_MAIN(TestFrentes)
#include "test_frentes.moc"
