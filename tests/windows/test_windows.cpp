// The secondary windows driven as a user would: the missing-data warning, the
// calculation parameters, the parameters of interest and the information windows.
#include <cmath>
#include <functional>

#include "../common/Canales.h"
#include "../common/RespuestaAutomatica.h"
#include "../common/Ventanas.h"
#include "captions/Textos.h"
#include "windows/Adv_faltandatos.h"
#include "windows/Archivos.h"
#include "windows/VentanaDiagramas.h"
#include "windows/VentanaDiseno.h"
#include "windows/VentanaPerfil.h"
#include "windows/VentanaUnica.h"
#include "windows/frmInfoProg.h"
#include "windows/frmParamCalc.h"
#include "windows/frmParamVarios.h"
#include "windows/inf_zuvan.h"

namespace {

// The four calculation parameters as stored, the last one -1 or 0.
QList<double> Guardados()
{
    const Variables& v = estado();
    return {v.errorAdmisible, double(v.puntosPerfil), v.umbralPasoInteligente,
            double(v.pasoInteligente)};
}

const QList<double> kPorDefecto{0.001, 100, 0.1, VERDADERO};

}  // namespace

class PruebaVentanas : public QObject {
    Q_OBJECT

private slots:
    void init() { ParametrosPorDefecto(estado()); }
    void cleanup() { DestruirVentanas(); }

    // Each window opens in the language of the captions loaded at that moment: every text
    // of it in each language, as a print.
    void textosSiguenElIdioma()
    {
        // clang-format off
        const std::tuple<std::function<QWidget*()>, const char*, const char*> ventanas[] = {
            {MostrarVentana<Adv_faltandatos>, "5dca927a727e", "bcf9ba70c4d0"},
            {MostrarVentana<frmInfoProg>, "4ccb36c60628", "ba4403387e56"},
            {MostrarVentana<inf_zuvan>, "40682c955114", "da0d1346f3f6"},
            {MostrarVentana<VentanaDiseno>, "0648436df67c", "f53729c9913b"},
            {MostrarVentana<VentanaDiagramas>, "724c924dd058", "5ea92524d372"},
            {MostrarVentana<VentanaPerfil>, "92edf780d174", "1f419b2273f9"}};
        // clang-format on
        for (const auto& [abrir, espanol, ingles] : ventanas)
            for (const int16_t idioma : {0, 1}) {
                estado() = Variables();
                CargarTextos(idioma);
                QVERIFY(TextosIguales(abrir(), idioma ? ingles : espanol));
                DestruirVentanas();
            }
    }

    // The save dialogs: titled by their button without its "...", proposing the name in the
    // folder used last, and adding the chosen format's suffix to a name without a known one.
    void dialogosDeGuardar()
    {
        CargarTextos(1);
        QTemporaryDir carpeta;
        QStringList vistos;
        ResponderDialogo(carpeta.filePath("perfil.v2"), "CSV files (*.csv)", vistos);
        QCOMPARE(PedirArchivoTabla(nullptr, "Save table...", "perfil"),
                 carpeta.filePath("perfil.v2.csv"));
        ResponderDialogo(carpeta.filePath("g"), "SVG drawing (*.svg)", vistos);
        QCOMPARE(PedirArchivoGrafico(nullptr, "Save plot...", "grafico"),
                 carpeta.filePath("g.svg"));
        QCOMPARE(vistos.mid(2) << vistos.value(0),
                 QStringList({"Save plot", carpeta.filePath("grafico.png"), "Save table"}));
    }

    void faltanDatosSoloSeCierraConSuBoton()
    {
        auto* aviso = MostrarVentana<Adv_faltandatos>();
        QVERIFY(!aviso->close());
        QTest::keyClick(aviso, Qt::Key_Escape);
        QCOMPARE(MostrarVentana<Adv_faltandatos>(), aviso);
        QCOMPARE(CuantasAbiertas<Adv_faltandatos>(), 1);
        Pulsar(aviso, "OKButton");
        Pulsar(MostrarVentana<frmInfoProg>(), "cmdCerrar");
        QCOMPARE(CuantasAbiertas<Adv_faltandatos>() + CuantasAbiertas<frmInfoProg>(), 0);
    }

    // The window shows what is stored (its check box too: both ways are clicked below and in
    // paramCalcAceptar); only cmdAceptarSalir stores, the title bar discards.
    void paramCalcMuestraElEstadoYCerrarNoGuarda()
    {
        auto* ventana = MostrarVentana<frmParamCalc>();
        for (const QString par : {"Text22=0.001", "Text23=100", "Text24=0.1"})
            QCOMPARE(Texto(ventana, par.section('=', 0, 0)), EnLocal(par.section('=', 1)));
        Pulsar(ventana, "Paso_int_cb");
        Escribir(ventana, "Text22", EnLocal("0.5"));
        QVERIFY(ventana->close());
        QCOMPARE(Guardados(), kPorDefecto);
        estado().pasoInteligente = FALSO;
        ventana = MostrarVentana<frmParamCalc>();
        Pulsar(ventana, "Paso_int_cb");
        Pulsar(ventana, "cmdAceptarSalir");
        QCOMPARE(estado().pasoInteligente, VERDADERO);
    }

    void paramCalcAceptar()
    {
        // Box, text and the value stored; NaN: refused as unreadable; infinity: too many points.
        const double ilegible = std::nan("");
        // clang-format off
        const std::tuple<const char*, const char*, double> casos[] = {
            {"Text22", "-0.002", 0.002}, {"Text23", "50.5", 50}, {"Text23", "51.5", 52},
            {"Text24", "-0.3", -0.3}, {"Text23", "", 0}, {"Text23", "-32765.4", 32765},
            {"Text22", "abc", ilegible}, {"Text23", "12x", ilegible}, {"Text24", "--1", ilegible},
            {"Text22", "nan", ilegible}, {"Text23", "32765.5", HUGE_VAL}};
        // clang-format on
        const QStringList cajas{"Text22", "Text23", "Text24"};
        const QStringList etiquetas{"lblErrorAdm", "lblPuntosInterm", "lblABS"};
        for (const auto& [caja, texto, guardado] : casos) {
            ParametrosPorDefecto(estado());
            // New values everywhere else, so that a refusal shows that none of them was stored.
            QList<double> esperado{0.5, 20, 0.7, FALSO};
            auto* ventana = MostrarVentana<frmParamCalc>();
            for (int i = 0; i < 3; ++i)
                Escribir(ventana, cajas[i], EnLocal(QString::number(esperado[i])));
            Pulsar(ventana, "Paso_int_cb");
            Escribir(ventana, caja, EnLocal(texto));
            RespuestaAutomatica respuesta;
            Pulsar(ventana, "cmdAceptarSalir");
            const bool aceptado = std::isfinite(guardado);
            if (aceptado)
                esperado[cajas.indexOf(caja)] = guardado;
            QCOMPARE(Guardados(), aceptado ? esperado : kPorDefecto);
            QCOMPARE(CuantasAbiertas<frmParamCalc>(), aceptado ? 0 : 1);
            // One message, titled as an input error, exactly when refused; an unreadable
            // box is named by its label, too many points have their own message.
            QCOMPARE(respuesta.titulos(), QStringList(aceptado ? 0 : 1, capErrorEntradaTitulo));
            const QString etiqueta = Hijo<QLabel>(ventana, etiquetas[cajas.indexOf(caja)])->text();
            const QString mensaje = respuesta.textos().value(0);
            QVERIFY2(aceptado || (mensaje.contains(EnLocal(texto)) &&
                                  (std::isinf(guardado) || mensaje.contains(etiqueta))),
                     qPrintable(mensaje));
            DestruirVentanas();
        }
    }

    // The reference rectangle (2 m, 3 m3/s, n 0.015) at a depth of 1 m: every element
    // in its box, rounded, halves to even; the depth keeps every digit.
    void paramVariosRedondea()
    {
        Variables& v = estado() = CanalEjemplo();
        ElementosHidraulicos(v, 1);
        v.area = 0.0625;
        v.pendFriccion = 0.015625;
        v.tirante = 1.234567890123456;
        auto* ventana = MostrarVentana<frmParamVarios>();
        const QString esperado = "Text21=1.23456789012346 Text15=0.062 Text16=4 Text27=0.01562 "
                                 "Text17=0.5 Text20=2 Text25=6.251 Text18=1.5 Text19=0.479 "
                                 "Text26=1.115 txtMomentum=1.459";
        for (const QString& par : esperado.split(' '))
            QCOMPARE(Texto(ventana, par.section('=', 0, 0)), EnLocal(par.section('=', 1)));
        Pulsar(ventana, "cmdParamSalir");
        QCOMPARE(CuantasAbiertas<frmParamVarios>(), 0);
    }
};

QTEST_MAIN(PruebaVentanas)
#include "test_windows.moc"
