// The plots, checked by their pixels, their files and the read-out label.
#include <QBuffer>
#include <QLabel>
#include <QPainter>
#include <QtTest>
#include <cmath>

#include "../common/Canales.h"
#include "../common/Ventanas.h"
#include "calc/Diseno.h"
#include "captions/Textos.h"
#include "engine/modFuncionesTorvel.h"
#include "plot/DibujoSeccion.h"
#include "plot/EjesGrafico.h"
#include "plot/EscalaUsuario.h"
#include "plot/GraficoPerfil.h"
#include "plot/GraficoVentanaPerfil.h"
#include "plot/GraficoXY.h"
#include "state/Variables.h"

namespace {

// x from 0 to 100, depth from 0 to 2 in a 209 x 73 picture (x = 0 and 100 are
// columns 29 and 179); a straight profile falling from 1.8 to 1.4 in ten steps,
// stored in rows 1 to 11 as the engine leaves it.
Variables Ejemplo(double yn = 0, double ynConjugado = 0)
{
    Variables v;  // the minima are 0
    v.xMaxGraf = 100;
    v.yMaxGraf = 2;
    v.tiranteCritico = 0.61212;
    v.tiranteNormal = yn;
    v.tiranteNormalConj = ynConjugado;
    v.puntosPerfil = 10;
    v.tablaPerfil.assign(13, {0, 0, 0});
    for (int i = 1; i <= 11; ++i)
        v.tablaPerfil[i] = {0, 10.0 * (i - 1), 1.8 - 0.04 * (i - 1)};
    return v;
}

// An M1 profile by Runge-Kutta from x = 1000 to 100, or its elevation view, in the
// README's rectangle.
QImage PerfilDeVentana(bool cotas)
{
    Variables v = Rectangular(2, 3);
    v.tiranteBorde = 1.5;
    v.xBorde = 1000;
    v.xBuscado = 100;
    TirantesCriticoNormal(v);
    CalcularPerfil(v);
    GraficoVentanaPerfil grafico;
    grafico.MostrarPerfil(v);
    grafico.FijarVistaCotas(cotas);
    return grafico.Imagen({480, 320}, 1);
}

DatosGrafico Curvas(bool aEscala)
{
    return {{{QPolygonF({{0, 0.2}, {1, 0.9}, {2, 1.3}, {3, 1.6}}), QPen(Qt::blue), "yn"},
             {QPolygonF({{0, 0.1}, {3, 0.8}}), QPen(Qt::red, 2, Qt::DashLine), ""}},
            {{{1.5, 0.6}, "yc", Qt::darkGreen}},
            "Q (m3/s)",
            "y (m)",
            "",
            "",
            aEscala,
            2.5};
}

QImage Dibujo(const DatosGrafico& datos)
{
    GraficoXY grafico;
    grafico.Mostrar(datos);
    return grafico.Imagen({480, 320}, 1);
}

QImage Seccion(FormaCanal forma, QSize tamano = {420, 300})
{
    DibujoSeccion dibujo;
    dibujo.MostrarSeccion({forma, 1.5, 1.2, 1.5, 0.001, 0.015, 2, 0.9}, 0.6);
    return dibujo.Imagen(tamano, 1);
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

    // The picture shows x from -20 to 120 and depths from 2.4 down to -0.4.
    void escalaYLectura()
    {
        // Before any profile the read-out is in pixels.
        QTest::mousePress(grafico.get(), Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(etiqueta->text(), QStringLiteral("x = 10 , y = 5"));
        grafico->DibujarPerfil(Ejemplo());
        QTest::mousePress(grafico.get(), Qt::RightButton, {}, QPoint(104, 36));
        QCOMPARE(etiqueta->text(), QStringLiteral("x = 50 , y = 1"));
        QTest::mouseRelease(grafico.get(), Qt::RightButton, {}, QPoint(400, -30));
        QCOMPARE(etiqueta->text(), QString());
        QTest::mousePress(grafico.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 70));
        QCOMPARE(etiqueta->text(), QStringLiteral("x = -16.3 , y = -0.3"));
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
            QImage blanca(grafico->imagen().size(), QImage::Format_RGB32);
            blanca.fill(Qt::white);
            QCOMPARE(grafico->imagen().convertToFormat(QImage::Format_RGB32), blanca);
            // The read-out keeps the last usable scale.
            QTest::mousePress(grafico.get(), Qt::LeftButton, {}, QPoint(104, 36));
            QCOMPARE(etiqueta->text(), QStringLiteral("x = 50 , y = 1"));
        }
    }

    // Axis values at steps of 1, 2 or 5 times a power of ten, about one per so many pixels.
    void marcasRedondas()
    {
        // clang-format off
        const std::tuple<double, double, double, std::vector<double>, int> casos[] = {
            {-0.05, 1.05, 900, {0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1}, 1},
            {0, 1000, 400, {0, 200, 400, 600, 800, 1000}, 0}, {0, 2, 360, {0, 0.5, 1, 1.5, 2}, 1},
            {0, 1.6, 90, {0, 1}, 0}, {0, 0.02, 90, {0, 0.01, 0.02}, 2}, {1, 1, 90, {}, 0}};
        // clang-format on
        for (const auto& [desde, hasta, largo, valores, decimales] : casos) {
            const ejes::Marcas m = ejes::MarcasRedondas(desde, hasta, largo, 90);
            QVERIFY(std::equal(m.valores.begin(), m.valores.end(), valores.begin(), valores.end(),
                               [](double a, double b) { return std::abs(a - b) < 1e-12; }));
            QCOMPARE(m.decimales, decimales);
        }
    }

    // Every picture drawn the same, pixel for pixel, with the DejaVu Sans that
    // scripts/install-deps.sh installs. A change that is meant: look at the picture
    // the failure saves, then write its new print here.
    void imagenesDeReferencia()
    {
        QFont fuente("DejaVu Sans", 9);
        if (QFontInfo(fuente).family() != "DejaVu Sans")
            QSKIP("DejaVu Sans is not installed");
        QApplication::setFont(fuente);
        CargarTextos(1);
        // The main window's plot: yc, yn and yn*, each named in the margins; without yn neither
        // yn nor a stale yn* is drawn; no segment to or from a row of depth 0 or far off.
        Variables huecos = Ejemplo();
        huecos.tablaPerfil[6] = {0, 0, 0};
        huecos.tablaPerfil[9] = {0, std::nan(""), 1.0};
        huecos.tablaPerfil[10] = {0, 1e30, -1e30};
        huecos.puntosPerfil = 32767;  // the table has only 13 rows
        QImage principal[4];
        const Variables ejemplos[] = {Ejemplo(1.15, 2.2), Ejemplo(1.15), Ejemplo(0, 2.2), huecos};
        for (int i = 0; i < 4; ++i) {
            grafico->DibujarPerfil(ejemplos[i]);
            principal[i] = grafico->imagen();
        }
        // What the screen shows is the picture.
        QCOMPARE(grafico->grab().toImage().convertToFormat(QImage::Format_RGB32), principal[3]);
        // clang-format off
        const std::pair<QImage, const char*> imagenes[] = {
            {principal[0], "c259296660f2"}, {principal[1], "49fda8d15297"},
            {principal[2], "afddca886c15"}, {principal[3], "beb12a885639"},
            {PerfilDeVentana(false), "f5aca66b961f"}, {PerfilDeVentana(true), "16a53e948323"},
            {Dibujo(Curvas(false)), "6eec6df3cda0"}, {Dibujo(Curvas(true)), "99723d600c63"},
            {Seccion(FormaCanal::Rectangular), "17d99974afef"},
            {Seccion(FormaCanal::Trapezoidal), "d9d222a4c2dd"},
            {Seccion(FormaCanal::Circular), "96d9a9795688"},
            {Seccion(FormaCanal::Trapezoidal, {260, 200}), "8d7ae2f06187"}};  // crowded labels
        // clang-format on
        int distintas = 0;
        for (int i = 0; i < int(std::size(imagenes)); ++i)
            distintas += !ImagenIgual(imagenes[i].first, imagenes[i].second, QString::number(i));
        QCOMPARE(distintas, 0);
    }

    // Saved as SVG a plot keeps its size (at 96 dpi) and title; as PNG it has twice the pixels.
    void archivos()
    {
        GraficoXY xy;
        xy.Mostrar(Curvas(false));
        QBuffer svg, png;
        QVERIFY(svg.open(QIODevice::WriteOnly) && png.open(QIODevice::WriteOnly));
        QVERIFY(xy.Escribir(svg, "svg", {480, 320}, "Q-y") &&
                xy.Escribir(png, "png", {480, 320}, ""));
        QVERIFY(svg.data().contains(
            "<svg width=\"127mm\" height=\"84.6667mm\"\n viewBox=\"0 0 480 320\""));
        QVERIFY(svg.data().contains("<title>Q-y</title>"));
        QCOMPARE(QImage::fromData(png.data()).size(), QSize(960, 640));
    }

private:
    std::unique_ptr<GraficoPerfil> grafico;
    std::unique_ptr<QLabel> etiqueta;
};

QTEST_MAIN(TestPlot)
#include "test_plot.moc"
