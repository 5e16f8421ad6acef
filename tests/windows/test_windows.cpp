// The secondary windows driven as a user would: the missing-data warning, the
// calculation parameters, the parameters of interest and the information windows.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QtTest>
#include <cmath>
#include <tuple>

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

// What a control shows: a frame its title, and no name the window's title.
QString Texto(QWidget* ventana, const QString& nombre)
{
    if (nombre.isEmpty())
        return ventana->windowTitle();
    const QWidget* control = ventana->findChild<QWidget*>(nombre);
    const char* propiedad = qobject_cast<const QGroupBox*>(control) ? "title" : "text";
    return control ? control->property(propiedad).toString() : "<no " + nombre + ">";
}

void Escribir(QWidget* ventana, const QString& nombre, const QString& texto)
{
    auto* caja = ventana->findChild<QLineEdit*>(nombre);
    caja->clear();
    QTest::keyClicks(caja, texto);
}

void Pulsar(QWidget* ventana, const char* nombre)
{
    QTest::mouseClick(ventana->findChild<QAbstractButton*>(nombre), Qt::LeftButton);
}

// Clicked on its box: the middle of a wide check box may miss both box and text.
QCheckBox* CambiarPasoInteligente(QWidget* ventana)
{
    auto* casilla = ventana->findChild<QCheckBox*>("Paso_int_cb");
    QTest::mouseClick(casilla, Qt::LeftButton, {}, QPoint(5, casilla->height() / 2));
    return casilla;
}

// The four calculation parameters as stored, the last one -1 or 0.
QList<double> Guardados()
{
    const Variables& v = estado();
    return {v.errorAdmisible, double(v.puntosPerfil), v.umbralPasoInteligente,
            double(v.pasoInteligente)};
}

const QList<double> kPorDefecto{0.001, 100, 0.1, VERDADERO};

template <class W>
QWidget* Abrir() { return MostrarVentana<W>(); }

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
    void init() { ParametrosPorDefecto(estado()); }
    void cleanup() { DestruirVentanas(); }

    void textosSiguenElIdioma()
    {
        // The control, empty for the window title, and its text in that language.
        const std::tuple<int16_t, QWidget* (*)(), const char*, const char*> filas[] = {
            {0, Abrir<Adv_faltandatos>, "", "Advertencia, faltan datos!!"},
            {1, Abrir<Adv_faltandatos>, "OKButton", "Ok"},
            {0, Abrir<frmInfoProg>, "cmdCerrar", "Cerrar"},
            {1, Abrir<frmInfoProg>, "", "Software Information"},
            {0, Abrir<inf_zuvan>, "lblInvestigacion", "Investigación Soporte TEcnico Consultoría"},
            {0, Abrir<inf_zuvan>, "lblInfoZuvanVersion", "Versión 1.3"},
            {0, Abrir<frmParamCalc>, "", "Torvel - Seteo de parámetros de cálculo"},
            {1, Abrir<frmParamCalc>, "frmPrincipal", "Parameters"},
            {0, Abrir<frmParamVarios>, "", "Cálculo de Parámetros de Interés"},
            {0, Abrir<frmParamVarios>, "lblParamCant", "Cantidad de Mov. (m^3) "},
            {1, Abrir<frmParamVarios>, "cmdParamSalir", "Exit"}};
        for (const auto& [idioma, abrir, control, texto] : filas) {
            CargarTextos(idioma);
            QCOMPARE(Texto(abrir(), control), QString::fromUtf8(texto));
            DestruirVentanas();  // the next one opens in its own language
        }
    }

    void faltanDatosSoloSeCierraConSuBoton()
    {
        auto* aviso = MostrarVentana<Adv_faltandatos>();
        QVERIFY(!(aviso->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                          Qt::WindowMaximizeButtonHint)));
        QVERIFY(!aviso->close());
        QTest::keyClick(aviso, Qt::Key_Escape);
        QCOMPARE(MostrarVentana<Adv_faltandatos>(), aviso);
        QCOMPARE(CuantasAbiertas<Adv_faltandatos>(), 1);
        Pulsar(aviso, "OKButton");
        Pulsar(MostrarVentana<frmInfoProg>(), "cmdCerrar");
        QCOMPARE(CuantasAbiertas<Adv_faltandatos>() + CuantasAbiertas<frmInfoProg>(), 0);
    }

    // Only cmdAceptarSalir stores; the title bar, or anything else, discards.
    void paramCalcMuestraElEstadoYCerrarNoGuarda()
    {
        auto* ventana = MostrarVentana<frmParamCalc>();
        QCOMPARE(Texto(ventana, "Text22"), EnLocal("0.001"));
        QCOMPARE(Texto(ventana, "Text23"), QStringLiteral("100"));
        QCOMPARE(Texto(ventana, "Text24"), EnLocal("0.1"));
        QVERIFY(!CambiarPasoInteligente(ventana)->isChecked());  // it was shown checked
        Escribir(ventana, "Text22", EnLocal("0.5"));
        QVERIFY(ventana->close());
        QCOMPARE(Guardados(), kPorDefecto);

        estado().pasoInteligente = FALSO;
        ventana = MostrarVentana<frmParamCalc>();
        QVERIFY(CambiarPasoInteligente(ventana)->isChecked());
        Pulsar(ventana, "cmdAceptarSalir");
        QCOMPARE(estado().pasoInteligente, VERDADERO);
    }

    void paramCalcAceptar_data()
    {
        QTest::addColumn<QString>("caja");
        QTest::addColumn<QString>("texto");
        // The value stored; NaN: refused as unreadable; infinity: refused, too many points.
        QTest::addColumn<double>("guardado");
        const double ilegible = std::nan("");
        const std::tuple<const char*, const char*, double> casos[] = {
            {"Text22", "-0.002", 0.002}, {"Text23", "50.5", 50}, {"Text23", "51.5", 52},
            {"Text24", "-0.3", -0.3}, {"Text23", "", 0}, {"Text23", "-32765.4", 32765},
            {"Text22", "abc", ilegible}, {"Text23", "12x", ilegible}, {"Text24", "--1", ilegible},
            {"Text24", "inf", ilegible}, {"Text22", "nan", ilegible},
            {"Text23", "40000", HUGE_VAL}, {"Text23", "32765.5", HUGE_VAL}};
        for (const auto& [caja, texto, guardado] : casos)
            QTest::addRow("%s '%s'", caja, texto) << QString(caja) << QString(texto) << guardado;
    }
    void paramCalcAceptar()
    {
        QFETCH(QString, caja);
        QFETCH(QString, texto);
        QFETCH(double, guardado);
        const QStringList cajas{"Text22", "Text23", "Text24"};
        const char* etiquetas[] = {"lblErrorAdm", "lblPuntosInterm", "lblABS"};
        // New values everywhere else, so that a refusal shows that none of them was stored.
        QList<double> esperado{0.5, 20, 0.7, FALSO};
        auto* ventana = MostrarVentana<frmParamCalc>();
        for (int i = 0; i < 3; ++i)
            Escribir(ventana, cajas[i], EnLocal(QString::number(esperado[i])));
        CambiarPasoInteligente(ventana);
        texto = EnLocal(texto);
        Escribir(ventana, caja, texto);

        RespuestaAutomatica respuesta;
        Pulsar(ventana, "cmdAceptarSalir");
        const bool aceptado = std::isfinite(guardado);
        if (aceptado)
            esperado[cajas.indexOf(caja)] = guardado;
        QCOMPARE(Guardados(), aceptado ? esperado : kPorDefecto);
        QCOMPARE(CuantasAbiertas<frmParamCalc>(), aceptado ? 0 : 1);
        // One message, titled as an input error, exactly when refused.
        QCOMPARE(respuesta.titulos(), QStringList(aceptado ? 0 : 1, capErrorEntradaTitulo));
        if (aceptado)
            return;
        const QString mensaje = respuesta.textos().at(0);
        const QString etiqueta = Texto(ventana, etiquetas[cajas.indexOf(caja)]);
        // An unreadable box is named by its label; too many points have their own message.
        QVERIFY2(mensaje.contains(texto) && (std::isinf(guardado) || mensaje.contains(etiqueta)),
                 qPrintable(mensaje));
    }

    void paramVariosEjemploYCargar()
    {
        EstadoRectangularEjemplo();
        auto* ventana = MostrarVentana<frmParamVarios>();
        const std::pair<const char*, const char*> cajas[] = {
            {"Text21", "1"},     {"Text15", "2"},   {"Text16", "4"},     {"Text27", "0.00128"},
            {"Text17", "0.5"},   {"Text20", "2"},   {"Text25", "6.251"}, {"Text18", "1.5"},
            {"Text19", "0.479"}, {"Text26", "1.115"}, {"txtMomentum", "1.459"}};
        for (const auto& [caja, texto] : cajas)
            QCOMPARE(Texto(ventana, caja), EnLocal(texto));

        // The depth keeps every digit; the others are rounded, halves to even.
        estado().tirante = 1.234567890123456;
        estado().area = 0.0625;
        estado().pendFriccion = 0.015625;
        ventana->Cargar();
        QCOMPARE(Texto(ventana, "Text21"), EnLocal("1.23456789012346"));
        QCOMPARE(Texto(ventana, "Text15"), EnLocal("0.062"));
        QCOMPARE(Texto(ventana, "Text27"), EnLocal("0.01562"));

        // Values the engine could never give must not break the window.
        estado().froude = std::nan("");
        estado().tension = HUGE_VAL;
        ventana->Cargar();
        QVERIFY(!Texto(ventana, "Text19").isEmpty());
        Pulsar(ventana, "cmdParamSalir");
        QCOMPARE(CuantasAbiertas<frmParamVarios>(), 0);
    }
};

QTEST_MAIN(PruebaVentanas)
#include "test_windows.moc"
