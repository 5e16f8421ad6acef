// The profile picture, checked by its pixels and by the read-out label.
#include <QLabel>
#include <QtTest>
#include <cmath>
#include <optional>

#include "plot/EscalaUsuario.h"
#include "plot/GraficoPerfil.h"
#include "state/Variables.h"

namespace {

const QRgb kNegro = qRgb(0, 0, 0);
const QRgb kAzul = qRgb(0, 0, 255);

// Pixel rows and columns of the example below in a 209 x 73 picture.
const int kColumnaXMin = 29;   // x = 0
const int kColumnaXMax = 179;  // x = 100
const int kFilaEje = 62;       // depth 0
const int kFilaYc = 46;        // depth 0.61212
const int kFilaUno = 36;       // depth 1

// x from 0 to 100, depth from 0 to 2; a straight profile falling from 1.8 to
// 1.4 in ten steps, stored in rows 1 to 11 as the engine leaves it.
Variables Ejemplo()
{
    Variables v;  // the minima are 0
    v.xMaxGraf = 100;
    v.yMaxGraf = 2;
    v.tiranteCritico = 0.61212;
    v.puntosPerfil = 10;
    v.tablaPerfil.assign(13, {0, 0, 0});
    for (int i = 1; i <= 11; ++i)
        v.tablaPerfil[i] = {0, 10.0 * (i - 1), 1.8 - 0.04 * (i - 1)};
    return v;
}

// Pixels of a colour in a zone; without a colour, those that are not white.
int Contar(const QImage& imagen, QRect zona, std::optional<QRgb> color = {})
{
    int n = 0;
    for (int x = zona.left(); x <= zona.right(); ++x)
        for (int y = zona.top(); y <= zona.bottom(); ++y)
            n += color ? imagen.pixel(x, y) == *color : imagen.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

}  // namespace

class TestPlot : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        grafico = std::make_unique<GraficoPerfil>();
        etiqueta = std::make_unique<QLabel>();
        grafico->setEtiquetaLectura(etiqueta.get());
    }

    void escalaYLectura()
    {
        // The picture shows x from -20 to 120 and depths from 2.4 down to -0.4.
        const EscalaUsuario escala = EscalaUsuario::DelPerfil(Ejemplo(), QSize(209, 73)).value();
        QCOMPARE((QList<float>{escala.izquierda(), escala.arriba(), escala.ancho(), escala.alto()}),
                 (QList<float>{-20, 2.4f, 140, -2.8f}));

        // Before any profile the read-out is in pixels.
        QTest::mousePress(grafico.get(), Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(etiqueta->text(), QStringLiteral("x = 10 , y = 5"));
        grafico->DibujarPerfil(Ejemplo());
        QTest::mousePress(grafico.get(), Qt::RightButton, {}, QPoint(104, kFilaUno));
        QCOMPARE(etiqueta->text(), QStringLiteral("x = 50 , y = 1"));
        QTest::mouseRelease(grafico.get(), Qt::RightButton, {}, QPoint(400, -30));
        QCOMPARE(etiqueta->text(), QString());
        QTest::mousePress(grafico.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 70));
        QCOMPARE(etiqueta->text(), QStringLiteral("x = -16.3 , y = -0.3"));
    }

    void perfilYLineas()
    {
        Variables v = Ejemplo();
        v.tiranteNormal = 1.0;  // without a conjugate (0)
        grafico->DibujarPerfil(v);
        const QImage imagen = grafico->imagen();
        // The profile crosses every column from x = 0 to x = 100, at depth 1.6 in the middle.
        for (int x = kColumnaXMin + 1; x < kColumnaXMax; ++x)
            QVERIFY2(Contar(imagen, QRect(x, 0, 1, 73), kAzul) > 0, qPrintable(QString::number(x)));
        QVERIFY(Contar(imagen, QRect(104, 19, 1, 4), kAzul) > 0);

        // The axis is solid and ends at xMinGraf and xMaxGraf; yc and yn are broken.
        QCOMPARE(Contar(imagen, QRect(kColumnaXMin, kFilaEje, 151, 1), kNegro), 151);
        QCOMPARE(Contar(imagen, QRect(0, kFilaEje, 209, 1), kNegro), 151);
        for (int fila : {kFilaYc, kFilaUno}) {
            const int negros = Contar(imagen, QRect(kColumnaXMin, fila, 151, 1), kNegro);
            QVERIFY2(negros > 60 && negros < 151, qPrintable(QString::number(fila)));
        }
        // No yn* line, nor its name, which would hang below the axis.
        QCOMPARE(Contar(imagen, QRect(kColumnaXMax + 2, kFilaEje + 1, 27, 10)), 0);
    }

    // Without a normal depth neither yn nor a stale yn*; no segment to or from a row of depth 0.
    void loQueNoSeDibuja()
    {
        Variables v = Ejemplo();
        v.tiranteNormal = 0;
        v.tiranteNormalConj = 1.0;  // left over from an earlier channel
        v.tablaPerfil[6] = {0, 0, 0};  // x = 50 never reached
        grafico->DibujarPerfil(v);
        const QImage imagen = grafico->imagen();
        QCOMPARE(Contar(imagen, QRect(0, kFilaUno, 209, 1), kNegro), 0);
        QCOMPARE(Contar(imagen, QRect(92, 0, 25, 73), kAzul), 0);
        QVERIFY(Contar(imagen, QRect(60, 0, 1, 73), kAzul) > 0);
        QVERIFY(Contar(imagen, QRect(150, 0, 1, 73), kAzul) > 0);
        // Only yc is named: its value " 0.61" from x = -12 (column 11, a blank first) and
        // its name from x = 108 (column 191), both hanging below its line.
        for (int x : {0, 181}) {
            QCOMPARE(Contar(imagen, QRect(x, 0, 10, 73)), 0);
            QCOMPARE(Contar(imagen, QRect(x, 0, 28, kFilaYc)), 0);
        }
        QVERIFY(Contar(imagen, QRect(11, kFilaYc + 1, 6, 14)) > 0);
        QVERIFY(Contar(imagen, QRect(191, kFilaYc + 1, 5, 14)) > 0);
    }

    void sobreviveAOcultarYMostrar()
    {
        grafico->show();
        QVERIFY(QTest::qWaitForWindowExposed(grafico.get()));
        grafico->DibujarPerfil(Ejemplo());
        grafico->hide();
        grafico->show();
        QVERIFY(QTest::qWaitForWindowExposed(grafico.get()));
        QCOMPARE(grafico->grab().toImage().convertToFormat(QImage::Format_RGB32),
                 grafico->imagen());
    }

    // An empty range, one that vanishes in single precision, or one not finite.
    void rangosVaciosNoDibujan()
    {
        const std::pair<double, double> maximos[] = {
            {0, 2}, {100, 0}, {1e-300, 2}, {100, HUGE_VAL}, {std::nan(""), 2}};
        for (const auto& [xMax, yMax] : maximos) {
            Variables v = Ejemplo();
            grafico->DibujarPerfil(v);
            v.xMaxGraf = xMax;
            v.yMaxGraf = yMax;
            grafico->DibujarPerfil(v);
            QCOMPARE(Contar(grafico->imagen(), QRect(0, 0, 209, 73)), 0);
            // The read-out keeps the last usable scale.
            QTest::mousePress(grafico.get(), Qt::LeftButton, {}, QPoint(104, kFilaUno));
            QCOMPARE(etiqueta->text(), QStringLiteral("x = 50 , y = 1"));
        }
    }

    void tablaCortaYPuntosLejanos()
    {
        Variables v = Ejemplo();
        v.puntosPerfil = 32767;  // the table has only 13 rows
        v.tablaPerfil[3] = {0, 1e30, -1e30};
        v.tablaPerfil[4] = {0, std::nan(""), 1.0};
        v.tiranteCritico = 1e25;
        grafico->DibujarPerfil(v);
        QVERIFY(Contar(grafico->imagen(), QRect(150, 0, 1, 73), kAzul) > 0);
        v.tablaPerfil.clear();
        grafico->DibujarPerfil(v);
    }

private:
    std::unique_ptr<GraficoPerfil> grafico;
    std::unique_ptr<QLabel> etiqueta;
};

QTEST_MAIN(TestPlot)
#include "test_plot.moc"
