// The secondary windows driven as a user would: the missing-data warning, the
// calculation parameters, the parameters of interest and the information windows.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <cmath>
#include <limits>

#include "../common/RespuestaAutomatica.h"
#include "../common/Ventanas.h"
#include "captions/modBelco.h"
#include "state/Variables.h"
#include "windows/Adv_faltandatos.h"
#include "windows/VentanaUnica.h"
#include "windows/frmInfoProg.h"
#include "windows/frmParamCalc.h"
#include "windows/frmParamVarios.h"
#include "windows/inf_zuvan.h"

namespace {

QString Texto(QWidget* ventana, const char* nombre)
{
    if (auto* caja = ventana->findChild<QLineEdit*>(nombre))
        return caja->text();
    if (auto* etiqueta = ventana->findChild<QLabel*>(nombre))
        return etiqueta->text();
    if (auto* boton = ventana->findChild<QAbstractButton*>(nombre))
        return boton->text();
    if (auto* marco = ventana->findChild<QGroupBox*>(nombre))
        return marco->title();
    return QStringLiteral("<no control %1>").arg(nombre);
}

void Escribir(QWidget* ventana, const char* nombre, const QString& texto)
{
    auto* caja = ventana->findChild<QLineEdit*>(nombre);
    QVERIFY2(caja, nombre);
    caja->clear();
    QTest::keyClicks(caja, texto);
}

void Pulsar(QWidget* ventana, const char* nombre)
{
    auto* boton = ventana->findChild<QAbstractButton*>(nombre);
    QVERIFY2(boton, nombre);
    QTest::mouseClick(boton, Qt::LeftButton);
}

bool SinBotonesDeTitulo(QWidget* ventana, Qt::WindowFlags permitidos = {})
{
    const Qt::WindowFlags botones = Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                    Qt::WindowMaximizeButtonHint;
    return (ventana->windowFlags() & botones & ~permitidos) == 0;
}

struct Parametros {
    double error;
    int puntos;
    double umbral;
    int16_t paso;
};

Parametros ParametrosActuales()
{
    const Variables& v = estado();
    return {v.errorAdmisible, v.puntosPerfil, v.umbralPasoInteligente, v.pasoInteligente};
}

void CompararConDefecto()
{
    const Parametros p = ParametrosActuales();
    QCOMPARE(p.error, 0.001);
    QCOMPARE(p.puntos, 100);
    QCOMPARE(p.umbral, 0.1);
    QCOMPARE(p.paso, VERDADERO);
}

// Rectangular channel 2 m wide, Q = 3 m3/s, n = 0.015, depth 1 m, with the
// elements worked out by hand.
void EstadoRectangularEjemplo()
{
    Variables& v = estado();
    v.tirante = 1;
    v.area = 2;
    v.perimetro = 4;
    v.radioHidraulico = 0.5;
    v.anchoSup = 2;
    v.velocidad = 1.5;
    v.froude = 1.5 / std::sqrt(9.81 * 1.0);
    v.energia = 1 + 1.5 * 1.5 / 19.62;
    v.cantMovimiento = 9 / (9.81 * 2) + 2 * 0.5;
    v.pendFriccion = std::pow(0.015 * 1.5 / std::pow(0.5, 2.0 / 3.0), 2);
    v.tension = 9800 * 0.5 * v.pendFriccion;
}

}  // namespace

class PruebaVentanas : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        ParametrosPorDefecto(estado());
        CargarTextos(0);
    }
    void cleanup() { DestruirVentanas(); }

    void faltanDatosSoloSeCierraConSuBoton()
    {
        auto* aviso = MostrarVentana<Adv_faltandatos>();
        QCOMPARE(aviso->size(), QSize(348, 79));
        QVERIFY(SinBotonesDeTitulo(aviso));

        QVERIFY(!aviso->close());
        QTest::keyClick(aviso, Qt::Key_Escape);
        QVERIFY(aviso->isVisible());

        QCOMPARE(MostrarVentana<Adv_faltandatos>(), aviso);
        QCOMPARE(CuantasAbiertas<Adv_faltandatos>(), 1);

        Pulsar(aviso, "OKButton");
        QCOMPARE(CuantasAbiertas<Adv_faltandatos>(), 0);
    }

    void faltanDatosEnElIdiomaActual_data()
    {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("inicio");
        QTest::addColumn<QString>("boton");
        QTest::newRow("español") << 0 << "Advertencia, faltan datos!!"
                                 << "Atención!!  Verifique los valores" << "Aceptar";
        QTest::newRow("english") << 1 << "Warning, missing data!!"
                                 << "Attention!! Verify the values" << "Ok";
    }
    void faltanDatosEnElIdiomaActual()
    {
        QFETCH(int, idioma);
        CargarTextos(static_cast<int16_t>(idioma));
        auto* aviso = MostrarVentana<Adv_faltandatos>();
        QTEST(aviso->windowTitle(), "titulo");
        QFETCH(QString, inicio);
        QVERIFY(Texto(aviso, "lblAtencion").startsWith(inicio));
        QTEST(Texto(aviso, "OKButton"), "boton");
    }

    void paramCalcMuestraElEstado()
    {
        auto* ventana = MostrarVentana<frmParamCalc>();
        QCOMPARE(ventana->windowTitle(), QStringLiteral("Torvel - Seteo de parámetros de cálculo"));
        QCOMPARE(Texto(ventana, "frmPrincipal"), QStringLiteral("Parámetros de cálculo"));
        QCOMPARE(Texto(ventana, "Text22"), EnLocal("0.001"));
        QCOMPARE(Texto(ventana, "Text23"), QStringLiteral("100"));
        QCOMPARE(Texto(ventana, "Text24"), EnLocal("0.1"));
        QVERIFY(ventana->findChild<QCheckBox*>("Paso_int_cb")->isChecked());
        ventana->close();

        estado().pasoInteligente = FALSO;
        ventana = MostrarVentana<frmParamCalc>();
        QVERIFY(!ventana->findChild<QCheckBox*>("Paso_int_cb")->isChecked());
    }

    void paramCalcGuardaAlAceptar_data()
    {
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("puntos");
        QTest::addColumn<QString>("umbral");
        QTest::addColumn<bool>("marcado");
        QTest::addColumn<double>("errorGuardado");
        QTest::addColumn<int>("puntosGuardados");
        QTest::addColumn<double>("umbralGuardado");
        QTest::addColumn<int>("pasoGuardado");
        QTest::newRow("error negativo") << "-0.002" << "100" << "0.1" << true << 0.002 << 100
                                        << 0.1 << int(VERDADERO);
        QTest::newRow("media a par abajo") << "0.001" << "50.5" << "0.1" << true << 0.001 << 50
                                           << 0.1 << int(VERDADERO);
        QTest::newRow("media a par arriba") << "0.001" << "51.5" << "0.1" << true << 0.001 << 52
                                            << 0.1 << int(VERDADERO);
        QTest::newRow("umbral con signo") << "0.001" << "100" << "-0.3" << true << 0.001 << 100
                                          << -0.3 << int(VERDADERO);
        QTest::newRow("puntos vacíos") << "0.001" << "" << "0.1" << false << 0.001 << 0 << 0.1
                                       << int(FALSO);
        QTest::newRow("puntos máximos") << "0.001" << "-32767.4" << "0.1" << true << 0.001
                                        << 32767 << 0.1 << int(VERDADERO);
    }
    void paramCalcGuardaAlAceptar()
    {
        QFETCH(QString, error);
        QFETCH(QString, puntos);
        QFETCH(QString, umbral);
        QFETCH(bool, marcado);
        auto* ventana = MostrarVentana<frmParamCalc>();
        Escribir(ventana, "Text22", EnLocal(error));
        Escribir(ventana, "Text23", EnLocal(puntos));
        Escribir(ventana, "Text24", EnLocal(umbral));
        auto* casilla = ventana->findChild<QCheckBox*>("Paso_int_cb");
        if (casilla->isChecked() != marcado)
            QTest::mouseClick(casilla, Qt::LeftButton, {}, QPoint(5, casilla->height() / 2));
        QCOMPARE(casilla->isChecked(), marcado);

        RespuestaAutomatica respuesta;
        Pulsar(ventana, "cmdAceptarSalir");
        QCOMPARE(respuesta.cantidad(), 0);
        QCOMPARE(CuantasAbiertas<frmParamCalc>(), 0);
        const Parametros p = ParametrosActuales();
        QTEST(p.error, "errorGuardado");
        QTEST(p.puntos, "puntosGuardados");
        QTEST(p.umbral, "umbralGuardado");
        QTEST(int(p.paso), "pasoGuardado");
    }

    void paramCalcRechazaSinGuardarNada_data()
    {
        QTest::addColumn<QString>("caja");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("etiqueta");  // the box's label; none: the points message
        QTest::newRow("error ilegible") << "Text22" << "abc" << "lblErrorAdm";
        QTest::newRow("puntos ilegibles") << "Text23" << "12x" << "lblPuntosInterm";
        QTest::newRow("umbral ilegible") << "Text24" << "--1" << "lblABS";
        QTest::newRow("umbral infinito") << "Text24" << "inf" << "lblABS";
        QTest::newRow("error nan") << "Text22" << "nan" << "lblErrorAdm";
        QTest::newRow("demasiados puntos") << "Text23" << "40000" << QString();
        QTest::newRow("media sobre el máximo") << "Text23" << "32767.5" << QString();
    }
    void paramCalcRechazaSinGuardarNada()
    {
        QFETCH(QString, caja);
        QFETCH(QString, texto);
        QFETCH(QString, etiqueta);
        auto* ventana = MostrarVentana<frmParamCalc>();
        // Valid new values everywhere else: none of them may be stored either.
        Escribir(ventana, "Text22", EnLocal("0.5"));
        Escribir(ventana, "Text23", QStringLiteral("20"));
        Escribir(ventana, "Text24", EnLocal("0.7"));
        QTest::mouseClick(ventana->findChild<QCheckBox*>("Paso_int_cb"), Qt::LeftButton, {},
                          QPoint(5, 5));
        const QString texto_ = EnLocal(texto);
        Escribir(ventana, caja.toLatin1().constData(), texto_);

        RespuestaAutomatica respuesta;
        Pulsar(ventana, "cmdAceptarSalir");
        QCOMPARE(respuesta.cantidad(), 1);
        QCOMPARE(respuesta.titulos().at(0), capErrorEntradaTitulo);
        const QString mensaje = respuesta.textos().at(0);
        QVERIFY2(mensaje.contains(texto_), qPrintable(mensaje));
        if (etiqueta.isEmpty())
            QCOMPARE(mensaje, capErrorPuntos.arg(texto_));
        else
            QVERIFY2(mensaje.contains(Texto(ventana, etiqueta.toLatin1().constData())),
                     qPrintable(mensaje));

        QCOMPARE(CuantasAbiertas<frmParamCalc>(), 1);
        CompararConDefecto();
    }

    void paramCalcCerrarDeOtroModoNoGuarda()
    {
        auto* ventana = MostrarVentana<frmParamCalc>();
        Escribir(ventana, "Text22", EnLocal("0.5"));
        Escribir(ventana, "Text23", QStringLiteral("7"));
        // Choosing the menu again only brings the open window forward.
        QCOMPARE(MostrarVentana<frmParamCalc>(), ventana);
        QCOMPARE(Texto(ventana, "Text22"), EnLocal("0.5"));

        QVERIFY(ventana->close());
        CompararConDefecto();
        ventana = MostrarVentana<frmParamCalc>();
        QCOMPARE(Texto(ventana, "Text23"), QStringLiteral("100"));
    }

    void paramVariosEjemploRectangular()
    {
        EstadoRectangularEjemplo();
        auto* ventana = MostrarVentana<frmParamVarios>();
        const char* cajas[] = {"Text21", "Text15", "Text16", "Text27", "Text17", "Text20",
                               "Text25", "Text18", "Text19", "Text26", "txtMomentum"};
        const char* esperados[] = {"1", "2", "4", "0.00128", "0.5", "2",
                                   "6.251", "1.5", "0.479", "1.115", "1.459"};
        for (int i = 0; i < 11; ++i)
            QCOMPARE(Texto(ventana, cajas[i]), EnLocal(esperados[i]));

        QCOMPARE(ventana->windowTitle(), QStringLiteral("Cálculo de Parámetros de Interés"));
        QCOMPARE(Texto(ventana, "frmParametros"), QStringLiteral("Parámetros"));
        QCOMPARE(Texto(ventana, "lblPramVel"), QStringLiteral("Velocidad (m/s)"));
        QCOMPARE(Texto(ventana, "lblParamCant"), QStringLiteral("Cantidad de Mov. (m^3) "));
    }

    void paramVariosCargarRefresca()
    {
        CargarTextos(1);
        EstadoRectangularEjemplo();
        auto* ventana = MostrarVentana<frmParamVarios>();
        QCOMPARE(Texto(ventana, "frmParametros"), QStringLiteral("Parameters"));
        QCOMPARE(Texto(ventana, "cmdParamSalir"), QStringLiteral("Exit"));
        QCOMPARE(Texto(ventana, "lblParamSf"), QStringLiteral("Sf"));
        QCOMPARE(Texto(ventana, "lblParamRh"), QStringLiteral("Rh (m)"));
        QCOMPARE(Texto(ventana, "lblParamFroude"), QStringLiteral("Froude"));

        // The depth keeps every digit; the others are rounded, halves to even.
        estado().tirante = 1.234567890123456;
        estado().area = 0.0625;
        estado().pendFriccion = 0.015625;
        ventana->Cargar();
        QCOMPARE(Texto(ventana, "Text21"), EnLocal("1.23456789012346"));
        QCOMPARE(Texto(ventana, "Text15"), EnLocal("0.062"));
        QCOMPARE(Texto(ventana, "Text27"), EnLocal("0.01562"));

        // Values the engine could never give must not break the window.
        estado().froude = std::numeric_limits<double>::quiet_NaN();
        estado().tension = std::numeric_limits<double>::infinity();
        ventana->Cargar();
        QVERIFY(!Texto(ventana, "Text19").isEmpty());

        Pulsar(ventana, "cmdParamSalir");
        QCOMPARE(CuantasAbiertas<frmParamVarios>(), 0);
    }

    void infoProgramaEnAmbosIdiomas_data()
    {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("cerrar");
        QTest::newRow("español") << 0 << "Información del Programa" << "Cerrar";
        QTest::newRow("english") << 1 << "Software Information" << "Close";
    }
    void infoProgramaEnAmbosIdiomas()
    {
        QFETCH(int, idioma);
        CargarTextos(static_cast<int16_t>(idioma));
        auto* ventana = MostrarVentana<frmInfoProg>();
        QCOMPARE(ventana->size(), QSize(321, 267));
        QVERIFY(SinBotonesDeTitulo(ventana, Qt::WindowCloseButtonHint));
        QTEST(ventana->windowTitle(), "titulo");
        QCOMPARE(Texto(ventana, "lblTorvelversion"), QStringLiteral("TORVEL v1.3"));
        QCOMPARE(Texto(ventana, "lblVersion"), capVersion);
        QCOMPARE(Texto(ventana, "lblBug"), capBug);
        QCOMPARE(Texto(ventana, "lblCreado"), capCreado);
        QTEST(Texto(ventana, "cmdCerrar"), "cerrar");

        QCOMPARE(MostrarVentana<frmInfoProg>(), ventana);
        Pulsar(ventana, "cmdCerrar");
        QCOMPARE(CuantasAbiertas<frmInfoProg>(), 0);
    }

    void empresaEnAmbosIdiomas_data()
    {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("actividades");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("cerrar");
        QTest::newRow("español") << 0 << "Investigación Soporte TEcnico Consultoría"
                                 << "Versión 1.3" << "Cerrar";
        QTest::newRow("english") << 1 << "Investigation TEchnical Support Consulting"
                                 << "Version 1.3" << "Close";
    }
    void empresaEnAmbosIdiomas()
    {
        QFETCH(int, idioma);
        CargarTextos(static_cast<int16_t>(idioma));
        auto* ventana = MostrarVentana<inf_zuvan>();
        QCOMPARE(ventana->size(), QSize(414, 280));
        QVERIFY(ventana->windowFlags() & Qt::FramelessWindowHint);
        QTEST(Texto(ventana, "lblInvestigacion"), "actividades");
        QTEST(Texto(ventana, "lblInfoZuvanVersion"), "version");
        QTEST(Texto(ventana, "cmdInfoCerrar"), "cerrar");
        QCOMPARE(Texto(ventana, "Torvel"), QStringLiteral("Torvel"));
        QVERIFY(!ventana->findChild<QLabel*>("Image2")->pixmap().isNull());
        QVERIFY(ventana->findChild<QPlainTextEdit*>("Text1")->isReadOnly());

        Pulsar(ventana, "cmdInfoCerrar");
        QCOMPARE(CuantasAbiertas<inf_zuvan>(), 0);
    }

    void imagenesDeLaAplicacion()
    {
        QCOMPARE(QPixmap(QStringLiteral(":/torvel/logo.png")).size(), QSize(406, 146));
        QCOMPARE(QPixmap(QStringLiteral(":/torvel/icono-32.png")).size(), QSize(32, 32));
        QCOMPARE(QPixmap(QStringLiteral(":/torvel/icono-64.png")).size(), QSize(64, 64));
        QVERIFY(QFile::exists(QStringLiteral(":/torvel/icono.svg")));
    }
};

QTEST_MAIN(PruebaVentanas)
#include "test_windows.moc"
