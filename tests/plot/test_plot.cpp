// The profile picture, checked by its pixels and by the read-out label.
#include <QBuffer>
#include <QCryptographicHash>
#include <QLabel>
#include <QPainter>
#include <QtTest>
#include <cmath>
#include <optional>

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

const QRgb kNegro = qRgb(0, 0, 0);
const QRgb kAzul = qRgb(0, 0, 255);

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

// Pixels of a colour in a zone; without a colour, those that are not white.
int Contar(const QImage& imagen, QRect zona, std::optional<QRgb> color = {})
{
    int n = 0;
    for (int x = zona.left(); x <= zona.right(); ++x)
        for (int y = zona.top(); y <= zona.bottom(); ++y)
            n += color ? imagen.pixel(x, y) == *color : imagen.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

// The first digits of the MD5 of the picture's pixels.
QString Huella(const QImage& imagen)
{
    const QImage rgb = imagen.convertToFormat(QImage::Format_RGB32);
    const QByteArray bytes(reinterpret_cast<const char*>(rgb.constBits()), rgb.sizeInBytes());
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex().left(12);
}

// An M1 profile by Runge-Kutta from x = 1000 to 100, or its elevation view, in the
// README's rectangle.
QImage PerfilDeVentana(bool cotas)
{
    Variables v;
    ParametrosPorDefecto(v);
    v.esRectangular = VERDADERO;
    v.ancho = 2;
    v.caudal = 3;
    v.nManning = 0.015;
    v.pendiente = 0.001;
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

    // The axis is solid; yc, yn and yn* are broken lines named in the margins: their
    // values at x = -12 and their names at x = 108, each hanging below its line. Without
    // a normal depth neither yn nor a stale yn* is drawn; a yn* of 0 means none.
    void lineasYRotulos_data()
    {
        QTest::addColumn<double>("yn");
        QTest::addColumn<double>("conjugado");
        QTest::addColumn<QStringList>("rotulos");  // depth, value, name...
        const QStringList yc{"0.61212", " 0.61", "yc"}, yn{"1.15", " 1.15", "yn"};
        QTest::newRow("yn and yn*") << 1.15 << 2.2 << yc + yn + QStringList{"2.2", " 2.2", "yn*"};
        QTest::newRow("no yn*") << 1.15 << 0.0 << yc + yn;
        QTest::newRow("no yn") << 0.0 << 2.2 << yc;
    }
    void lineasYRotulos()
    {
        QFETCH(double, yn);
        QFETCH(double, conjugado);
        QFETCH(QStringList, rotulos);
        const Variables v = Ejemplo(yn, conjugado);
        grafico->DibujarPerfil(v);
        const QImage imagen = grafico->imagen();
        // What the screen shows is the picture.
        QCOMPARE(grafico->grab().toImage().convertToFormat(QImage::Format_RGB32), imagen);
        const EscalaUsuario escala = EscalaUsuario::DelPerfil(v, imagen.size()).value();
        QImage esperada(imagen.size(), QImage::Format_RGB32);
        esperada.fill(Qt::white);
        QPainter pintor(&esperada);
        pintor.setFont(grafico->font());
        pintor.setPen(Qt::black);
        const QPointF bajo(0, pintor.fontMetrics().ascent());
        for (int i = 0; i < rotulos.size(); i += 3) {
            const float y = rotulos[i].toFloat();
            pintor.drawText(escala.aPixel(-12, y) + bajo, rotulos[i + 1]);
            pintor.drawText(escala.aPixel(108, y) + bajo, rotulos[i + 2]);
        }
        pintor.end();
        for (const QRect margen : {QRect(0, 0, 29, 73), QRect(185, 0, 24, 73)})
            QCOMPARE(imagen.copy(margen), esperada.copy(margen));
        QCOMPARE(Contar(imagen, QRect(0, 62, 209, 1), kNegro), 151);  // the axis, x 0 to 100
        for (double nivel : {0.61212, 1.15, 2.2}) {
            const int fila = int(escala.aPixel(0, nivel).y());
            const int negros = Contar(imagen, QRect(29, fila, 151, 1), kNegro);
            const bool dibujada = rotulos.contains(QString::number(nivel));
            QVERIFY2(dibujada ? negros > 60 && negros < 151 : negros == 0,
                     qPrintable(QString::number(nivel)));
        }
        // The profile crosses every column from x = 0 to x = 100.
        for (int x = 30; x < 179; ++x)
            QVERIFY2(Contar(imagen, QRect(x, 0, 1, 73), kAzul) > 0, qPrintable(QString::number(x)));
    }

    // No segment to or from a row of depth 0; points far off are left out.
    void filasNoAlcanzadas()
    {
        Variables v = Ejemplo();
        v.tablaPerfil[6] = {0, 0, 0};  // x = 50 never reached
        v.tablaPerfil[9] = {0, std::nan(""), 1.0};
        v.tablaPerfil[10] = {0, 1e30, -1e30};
        v.puntosPerfil = 32767;  // the table has only 13 rows
        grafico->DibujarPerfil(v);
        const QImage imagen = grafico->imagen();
        QCOMPARE(Contar(imagen, QRect(92, 0, 25, 73), kAzul), 0);
        QVERIFY(Contar(imagen, QRect(60, 0, 1, 73), kAzul) > 0);
        QVERIFY(Contar(imagen, QRect(125, 0, 1, 73), kAzul) > 0);
        v.tablaPerfil.clear();
        grafico->DibujarPerfil(v);
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
            QCOMPARE(m.valores.size(), valores.size());
            for (size_t i = 0; i < valores.size(); ++i)
                QVERIFY(std::abs(m.valores[i] - valores[i]) < 1e-12);
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
        grafico->DibujarPerfil(Ejemplo(1.15, 2.2));
        // clang-format off
        const std::pair<QImage, const char*> imagenes[] = {
            {grafico->imagen(), "c259296660f2"}, {PerfilDeVentana(false), "f5aca66b961f"},
            {PerfilDeVentana(true), "16a53e948323"}, {Dibujo(Curvas(false)), "6eec6df3cda0"},
            {Seccion(FormaCanal::Rectangular), "17d99974afef"},
            {Seccion(FormaCanal::Trapezoidal), "d9d222a4c2dd"},
            {Seccion(FormaCanal::Circular), "96d9a9795688"},
            {Seccion(FormaCanal::Trapezoidal, {260, 200}), "8d7ae2f06187"},
            {Dibujo(Curvas(true)), "99723d600c63"}};  // labels that would overlap
        // clang-format on
        QStringList distintas;
        for (int i = 0; i < int(std::size(imagenes)); ++i) {
            const QString ruta = QDir::temp().filePath(QString("torvel-plot-%1.png").arg(i));
            const QString huella = Huella(imagenes[i].first);
            if (huella != imagenes[i].second && imagenes[i].first.save(ruta))
                distintas << QString("%1: %2, saved as %3").arg(i).arg(huella, ruta);
        }
        QVERIFY2(distintas.isEmpty(), qPrintable(distintas.join('\n')));
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
