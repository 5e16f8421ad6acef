// The diagrams window: the rating table against calculo::FlujoUniforme row for
// row, the energy and force tables against the engine with the panels' pairs
// at equal E and M, the profile table's elevations, refused ranges, and a main
// window whose state nothing here changes.
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "../common/Canales.h"
#include "../common/RespuestaAutomatica.h"
#include "../common/Principal.h"
#include "calc/Calculos.h"
#include "captions/Textos.h"
#include "plot/GraficoVentanaPerfil.h"
#include "plot/GraficoXY.h"
#include "windows/ModeloTablaPerfil.h"
#include "windows/VentanaDiagramas.h"
#include "windows/VentanaPerfil.h"
#include "windows/VentanaUnica.h"

namespace {

// A tab's CSV, split into rows of fields, header first.
QList<QList<QByteArray>> Csv(VentanaDiagramas* ventana, int pestana)
{
    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath("t.csv");
    QList<QList<QByteArray>> filas;
    if (!ventana->GuardarTabla(pestana, ruta))
        return filas;
    QFile archivo(ruta);
    archivo.open(QIODevice::ReadOnly);
    for (const QByteArray& linea : archivo.readAll().split('\n'))
        if (!linea.isEmpty())
            filas << linea.split(',');
    return filas;
}

VentanaDiagramas* Curva(const QString& desde, const QString& hasta, const QString& pasos)
{
    auto* ventana = MostrarVentana<VentanaDiagramas>();
    Escribir(ventana, "txtQDesde", desde);
    Escribir(ventana, "txtQHasta", hasta);
    Escribir(ventana, "txtPasos", pasos);
    Pulsar(ventana, "cmdCalcularCurva");
    return ventana;
}

}  // namespace

class TestVentanaDiagramas : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        QApplication::setFont(QFont("DejaVu Sans", 9));
        CargarTextos(1);
    }

    void cleanup()
    {
        DestruirVentanas();
        VentanaDiagramas::FijarFuente(nullptr);
    }

    void curvaDeGasto()
    {
        // clang-format off
        const struct { Variables canal; const char *desde, *hasta, *pasos; int lleno; } casos[] = {
            {Rectangular(2, 1), "0.3", "6", "50", -1}, {Trapezoidal(2, 45, 1), "0.1", "7", "7", -1},
            {Circular(1, 1), "0.05", "2", "20", 8},
        };  // clang-format on
        for (const auto& c : casos) {
            estado() = c.canal;
            auto* ventana = Curva(EnLocal(c.desde), EnLocal(c.hasta), c.pasos);
            const auto filas = Csv(ventana, 0);
            const int k = QByteArray(c.pasos).toInt();
            QCOMPARE(filas.size(), k + 2);
            const double a = QByteArray(c.desde).toDouble(), b = QByteArray(c.hasta).toDouble();
            int primeraLlena = -1;
            for (int i = 0; i <= k; ++i) {
                Variables v = estado();
                v.caudal = i == k ? b : a + i * (b - a) / k;
                const auto r = *calculo::FlujoUniforme(v);
                const auto& f = filas[i + 1];
                auto igual = [](const QByteArray& campo, const std::optional<double>& x) {
                    return x ? campo.toDouble() == *x : campo.isEmpty();
                };
                QVERIFY(igual(f[0], v.caudal) && igual(f[2], r.yc) && igual(f[3], r.velocidad) &&
                        igual(f[4], r.froude) && igual(f[5], r.en) && igual(f[6], r.sc));
                QVERIFY(r.qLleno ? f[1] == "Q LLENO" : igual(f[1], r.yn));
                QCOMPARE(f[7], QByteArray::fromStdString(r.tipo));
                primeraLlena = r.qLleno && primeraLlena < 0 ? i : primeraLlena;
            }
            QCOMPARE(primeraLlena, c.lleno);
            // The curve stops before the first discharge the pipe cannot carry.
            const int puntos = c.lleno < 0 ? k + 1 : c.lleno;
            QCOMPARE(ventana->grafico(0)->datos().series.front().puntos.size(), puntos);
            DestruirVentanas();
        }
    }

    // The alternate depths of E = 1.5 and the conjugate of 0.3 in the rectangle.
    void energiaYFuerza()
    {
        const Variables canal = estado() = CanalEjemplo();
        VentanaDiagramas::FijarFuente([canal] {
            EntradaDiagramas e;
            e.canal = canal;
            const auto alt = calculo::AlternosDeEnergia(canal, 1.5);
            e.alternos = std::make_pair(alt->superior, alt->inferior);
            e.conjugados = std::make_pair(0.3, calculo::Conjugado(canal, 0.3)->tirante);
            return e;
        });
        auto* ventana = MostrarVentana<VentanaDiagramas>();
        for (const int pestana : {1, 2}) {
            const auto filas = Csv(ventana, pestana);
            QVERIFY(filas.size() >= 205);  // header, 200 points, yc, yn, y1, y2
            const int col = pestana == 1 ? 4 : 3;
            const auto* vista =
                Hijo<QTableView>(ventana, pestana == 1 ? "tblEnergia" : "tblFuerza");
            QCOMPARE(vista->model()->columnCount(), filas[0].size());
            QCOMPARE(vista->model()->rowCount(), filas.size() - 1);
            QMap<QByteArray, double> marcadas;
            for (int i = 1; i < filas.size(); ++i) {
                Variables copia = canal;
                ElementosHidraulicos(copia, filas[i][0].toDouble());
                const double esperado = pestana == 1 ? copia.energia : copia.cantMovimiento;
                QCOMPARE(filas[i][col].toDouble(), esperado);
                QVERIFY(std::isfinite(esperado));
                if (!filas[i].last().isEmpty())
                    marcadas[filas[i].last()] = esperado;
            }
            QCOMPARE(marcadas.keys(), QList<QByteArray>({"y1", "y2", "yc", "yn"}));
            QVERIFY(std::fabs(marcadas["y1"] - marcadas["y2"]) < 2e-3 * marcadas["y1"]);
        }
        QVERIFY(Hijo<QLabel>(ventana, "lblDescripcionFuerza")->text().contains("ΔE"));
        // Every plot and text of the window, the marks and the lines through them.
        const char* const huellas[] = {"50d5a9650822", "70e3e41b9ae8", "8416ad99e5f6",
                                       "e205cdd48744", "4030cf9b7a7a"};
        QVERIFY(TextosIguales(ventana, huellas[4]));
        for (int p = 0; p < 4; ++p)
            QVERIFY(ImagenIgual(ventana->grafico(p)->Imagen({480, 320}, 1), huellas[p],
                                QString("diagrama-%1").arg(p)));
    }

    // z = S·(x_max − x), z + y and z + E beside every row of the profile table.
    void cotasDelPerfil()
    {
        Variables& v = estado() = CanalEjemplo();
        v.tiranteBorde = 1.5;
        v.xBorde = 1000;
        TirantesCriticoNormal(v);
        CalcularPerfil(v);
        auto* ventana = MostrarVentana<VentanaPerfil>();
        ventana->Actualizar(v, v);
        QAbstractItemModel* m = ventana->modelo();
        QCOMPARE(QSize(m->columnCount(), m->rowCount()), QSize(10, 101));
        auto valor = [m](int f, int c) { return m->index(f, c).data(Qt::UserRole).toDouble(); };
        for (int f = 0; f < m->rowCount(); ++f) {
            const double z = 0.001 * (1000 - valor(f, 0));
            QVERIFY(std::fabs(valor(f, 7) - z) < 1e-12);
            QCOMPARE(valor(f, 8), valor(f, 7) + valor(f, 1));
            QCOMPARE(valor(f, 9), valor(f, 7) + valor(f, 5));
        }
        Pulsar(ventana, "optVistaCotas");
        QVERIFY(ventana->grafico()->vistaCotas());
    }

    void rangosRechazados()
    {
        estado() = CanalEjemplo();
        // clang-format off
        const char* const malos[][3] = {{"", "6", "50"}, {"0", "6", "50"}, {"-1", "6", "50"},
            {"abc", "6", "50"}, {"5", "1", "50"}, {"1", "1e300", "50"}, {"1", "6", "0"}, {"1", "6", "10001"},
            {"1", "6", "2.5"}, {"1", "6", "x"}, {"1", "nan", "5"}, {"1", "inf", "5"}};  // clang-format on
        for (const auto& m : malos) {
            auto* ventana = Curva(m[0], m[1], m[2]);
            QVERIFY2(!ventana->Mensaje(0).isEmpty() && ventana->TextoTabla(0).isEmpty() &&
                         !ventana->grafico(0)->hayDatos(),
                     m[0]);
        }
        DestruirVentanas();  // a new window, with the default range
        // A channel without roughness: every tab names it and draws nothing.
        estado().nManning = 0;
        auto* ventana = MostrarVentana<VentanaDiagramas>();
        ventana->Actualizar();
        for (int p = 0; p < 4; ++p)
            QVERIFY(ventana->Mensaje(p).contains(capNumManning) &&
                    !ventana->grafico(p)->hayDatos());
        RespuestaAutomatica mensajes;  // nothing to save
        QVERIFY(!ventana->GuardarGrafico(1, QDir::temp().filePath("nada.png")));
        QVERIFY(mensajes.textos().value(0).contains(capMotivoSinDatos));
    }

    // Typed into the main window: the window follows its calculations and
    // never changes the state.
    void estadoIntacto()
    {
        estado() = Variables();
        auto* principal = AbrirPrincipal("Text1=2;Text5=0.001;Text6=0.015;Text7=3;Text34=1.5");
        for (const char* boton : {"Calc_tir", "optEnergia", "cmdAlterno"})
            Pulsar(principal, boton);
        RespuestaAutomatica mensajes;
        const QByteArray antes = FotoEstado();
        principal->findChild<QAction*>("mnuDiagramas")->trigger();
        auto* ventana = VentanaAbierta<VentanaDiagramas>();
        QVERIFY(ventana);
        QCOMPARE(Texto(ventana, "txtQHasta"), EnLocal("6"));
        QTemporaryDir carpeta;
        for (int p = 0; p < 4; ++p)
            QVERIFY(ventana->GuardarGrafico(p, carpeta.filePath(QString("g%1.png").arg(p))) &&
                    ventana->GuardarGrafico(p, carpeta.filePath(QString("g%1.svg").arg(p))));
        // The plots of the tabs not shown are saved at a size of their own.
        QCOMPARE(QImage(carpeta.filePath("g2.png")).size(), QSize(1768, 660));
        QVERIFY(ventana->TextoTabla(1).contains("\ty1\n"));  // the panel's alternates
        QVERIFY(principal->ExportarInforme(carpeta.filePath("i.pdf")));
        QCOMPARE(mensajes.cantidad(), 0);
        QCOMPARE(FotoEstado(), antes);

        Escribir(principal, "Text7", "4");
        Pulsar(principal, "Calc_tir");
        QCOMPARE(Texto(ventana, "txtQHasta"), EnLocal("8"));
        QVERIFY(!ventana->TextoTabla(1).contains("\ty1\n"));  // those were for Q = 3
        Escribir(principal, "Text6", "abc");
        Pulsar(principal, "Calc_tir");
        QVERIFY(ventana->Mensaje(1).contains("\"abc\".") && !ventana->Mensaje(1).contains('\n') &&
                ventana->TextoTabla(1).isEmpty());  // the first line of the reading error
    }
};

QTEST_MAIN(TestVentanaDiagramas)
#include "test_ventana_diagramas.moc"
