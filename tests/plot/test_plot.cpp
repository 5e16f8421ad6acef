// The profile picture, checked by its pixels and by the read-out label.
#include <QLabel>
#include <QtTest>
#include <limits>

#include "plot/EscalaUsuario.h"
#include "plot/GraficoPerfil.h"
#include "state/Variables.h"

namespace {

const QRgb kBlanco = qRgb(255, 255, 255);
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
    Variables v;
    v.xMinGraf = 0;
    v.xMaxGraf = 100;
    v.yMinGraf = 0;
    v.yMaxGraf = 2;
    v.tiranteCritico = 0.61212;
    v.puntosPerfil = 10;
    v.tablaPerfil.assign(13, {0, 0, 0});
    for (int i = 1; i <= 11; ++i) {
        v.tablaPerfil[i] = {0, 10.0 * (i - 1), 1.8 - 0.04 * (i - 1)};
    }
    return v;
}

int Contar(const QImage& imagen, QRect zona, QRgb color)
{
    int n = 0;
    for (int x = zona.left(); x <= zona.right(); ++x)
        for (int y = zona.top(); y <= zona.bottom(); ++y)
            n += imagen.pixel(x, y) == color;
    return n;
}

// Pixels that are not white.
int Tinta(const QImage& imagen, QRect zona)
{
    return zona.width() * zona.height() - Contar(imagen, zona, kBlanco);
}

int PrimeraColumnaConTinta(const QImage& imagen, QRect zona)
{
    for (int x = zona.left(); x <= zona.right(); ++x)
        if (Tinta(imagen, QRect(x, zona.top(), 1, zona.height())) > 0) return x;
    return -1;
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

    void escalaDelEjemplo()
    {
        const auto escala = EscalaUsuario::DelPerfil(Ejemplo(), QSize(209, 73));
        QVERIFY(escala);
        const QPointF arribaIzquierda = escala->aUsuario(QPointF(0, 0));
        const QPointF abajoDerecha = escala->aUsuario(QPointF(209, 73));
        QCOMPARE(float(arribaIzquierda.x()), -20.0f);
        QCOMPARE(float(arribaIzquierda.y()), 2.4f);
        QCOMPARE(float(abajoDerecha.x()), 120.0f);
        QCOMPARE(float(abajoDerecha.y()), -0.4f);
    }

    void lecturaDelRaton()
    {
        QTest::mousePress(grafico.get(), Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(etiqueta->text(), QStringLiteral("x = 10 , y = 5"));

        grafico->DibujarPerfil(Ejemplo());
        QTest::mousePress(grafico.get(), Qt::RightButton, {}, QPoint(104, kFilaUno));
        QCOMPARE(etiqueta->text(), QStringLiteral("x = 50 , y = 1"));
        QTest::mouseRelease(grafico.get(), Qt::RightButton, {}, QPoint(400, -30));
        QCOMPARE(etiqueta->text(), QString());

        // Left margin and below the axis: -16.3 and -0.3.
        QTest::mousePress(grafico.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 70));
        QVERIFY2(etiqueta->text().startsWith("x = -16") && etiqueta->text().contains(" , y = -0"),
                 qPrintable(etiqueta->text()));
        QCOMPARE(TextoLectura(50, 1), QStringLiteral("x = 50 , y = 1"));
    }

    void perfilYLineas()
    {
        QVERIFY(Tinta(grafico->imagen(), QRect(0, 0, 209, 73)) == 0);
        Variables v = Ejemplo();
        v.tiranteNormal = 1.0;
        v.tiranteNormalConj = 1.3;
        grafico->DibujarPerfil(v);
        const QImage imagen = grafico->imagen();
        QCOMPARE(imagen.size(), QSize(209, 73));

        // The profile crosses every column from x = 0 to x = 100, at depth 1.6 in the middle.
        for (int x = kColumnaXMin + 1; x < kColumnaXMax; ++x)
            QVERIFY2(Contar(imagen, QRect(x, 0, 1, 73), kAzul) > 0, qPrintable(QString::number(x)));
        QVERIFY(Contar(imagen, QRect(104, 19, 1, 4), kAzul) > 0);

        // The axis is solid and ends at xMinGraf and xMaxGraf; yc and yn are broken.
        QCOMPARE(Contar(imagen, QRect(kColumnaXMin + 1, kFilaEje, 149, 1), kNegro), 149);
        QCOMPARE(Contar(imagen, QRect(0, kFilaEje, kColumnaXMin - 1, 1), kNegro), 0);
        QCOMPARE(Contar(imagen, QRect(kColumnaXMax + 2, kFilaEje, 27, 1), kNegro), 0);
        for (int fila : {kFilaYc, kFilaUno}) {
            const int negros = Contar(imagen, QRect(kColumnaXMin, fila, 151, 1), kNegro);
            QVERIFY2(negros > 60 && negros < 151, qPrintable(QString::number(fila)));
        }
    }

    void rotulosColgadosEnLosMargenes()
    {
        grafico->DibujarPerfil(Ejemplo());
        const QImage imagen = grafico->imagen();
        // Value at x = -12 (column 11), name at x = 108 (column 191), below the yc line.
        const QRect izquierda(0, kFilaYc + 1, kColumnaXMin - 1, 14);
        const QRect derecha(kColumnaXMax + 2, kFilaYc + 1, 209 - kColumnaXMax - 2, 14);
        const int valor = PrimeraColumnaConTinta(imagen, izquierda);
        const int nombre = PrimeraColumnaConTinta(imagen, derecha);
        QVERIFY2(valor >= 11 && valor <= 16, qPrintable(QString::number(valor)));
        QVERIFY2(nombre >= 191 && nombre <= 195, qPrintable(QString::number(nombre)));
        QCOMPARE(Tinta(imagen, QRect(0, 0, kColumnaXMin - 1, kFilaYc)), 0);
        QCOMPARE(Tinta(imagen, QRect(kColumnaXMax + 2, 0, 209 - kColumnaXMax - 2, kFilaYc)), 0);
    }

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

        // A normal depth without a conjugate (0): its line, but no yn* line or
        // name (which would hang below the axis).
        v.tiranteNormal = 1.0;
        v.tiranteNormalConj = 0;
        grafico->DibujarPerfil(v);
        const QImage sinConjugado = grafico->imagen();
        QVERIFY(Contar(sinConjugado, QRect(kColumnaXMin, kFilaUno, 151, 1), kNegro) > 60);
        QCOMPARE(Tinta(sinConjugado, QRect(kColumnaXMax + 2, kFilaEje + 1, 27, 10)), 0);
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

    void rangosVaciosNoDibujan_data()
    {
        QTest::addColumn<double>("xMax");
        QTest::addColumn<double>("yMax");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("dx = 0") << 0.0 << 2.0;
        QTest::newRow("dy = 0") << 100.0 << 0.0;
        QTest::newRow("dx below float") << 1e-300 << 2.0;
        QTest::newRow("dy infinite") << 100.0 << inf;
        QTest::newRow("dx not a number") << std::nan("") << 2.0;
    }

    void rangosVaciosNoDibujan()
    {
        QFETCH(double, xMax);
        QFETCH(double, yMax);
        grafico->DibujarPerfil(Ejemplo());
        Variables v = Ejemplo();
        v.xMaxGraf = xMax;
        v.yMaxGraf = yMax;
        grafico->DibujarPerfil(v);
        QCOMPARE(Tinta(grafico->imagen(), QRect(0, 0, 209, 73)), 0);
        // The read-out keeps the last usable scale.
        QTest::mousePress(grafico.get(), Qt::LeftButton, {}, QPoint(104, kFilaUno));
        QCOMPARE(etiqueta->text(), QStringLiteral("x = 50 , y = 1"));
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
