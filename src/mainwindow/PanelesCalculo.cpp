// Command handlers of the main window's calculation panels: read the boxes,
// check what the panel needs, run the engine, then write the rounded results.
// Every result is computed before anything is written, so a calculation that
// fails leaves the previous results on the screen.
#include <QApplication>

#include "captions/ExplicarError.h"
#include "captions/Numeros.h"
#include "captions/Textos.h"
#include "engine/modFuncionesTorvel.h"
#include "mainwindow/RungeKutta.h"
#include "plot/GraficoPerfil.h"
#include "state/Variables.h"
#include "ui_RungeKutta.h"
#include "windows/Adv_faltandatos.h"
#include "windows/Mensajes.h"
#include "windows/VentanaUnica.h"
#include "windows/frmParamVarios.h"

namespace {

// Both profile panels draw yc, yn and yn*, so the depth range must hold them.
void AmpliarRangoConReferencias(Variables& v)
{
    for (double referencia : {v.tiranteCritico, v.tiranteNormal, v.tiranteNormalConj}) {
        if (v.yMaxGraf < referencia)
            v.yMaxGraf = referencia;
    }
}

}  // namespace

bool RungeKutta::Ejecutar(const QString& fallo, const std::function<void()>& calculo,
                          bool conservaResultados)
{
    const Variables antes = estado();
    cajaTirante_.clear();
    motivoSiFalla_.clear();
    try {
        calculo();
        return true;
    } catch (const ErrorLectura& e) {
        AvisarErrorLectura(e);
    } catch (const ErrorCalculo& e) {
        const QString motivo = MotivoDelFallo(e);  // from the inputs as they were read
        estado() = antes;
        const QString& mensaje = conservaResultados ? capFalloMensaje : capFalloMensajeVacio;
        MostrarMensaje(this, mensaje.arg(fallo, motivo), capFalloTitulo);
    }
    return false;
}

// The inputs say more than the depth where a fault surfaced: a section without
// one of its dimensions, a profile that starts at the critical depth (where
// dy/dx has no value), a depth of 0 typed into a box.
QString RungeKutta::MotivoDelFallo(const ErrorCalculo& e) const
{
    const QString dimension = DimensionQueFalta(e);
    if (!dimension.isEmpty())
        return capMotivoSinDimension.arg(dimension);
    if (!motivoSiFalla_.isEmpty())
        return motivoSiFalla_;
    return ExplicarError(e, cajaTirante_);
}

// The label of the chosen section's dimension that is 0. A trapezoid without a
// base is a triangle, which only fails for a depth of 0.
QString RungeKutta::DimensionQueFalta(const ErrorCalculo& e) const
{
    const Variables& v = estado();
    if (v.esRectangular != 0 && v.ancho == 0)
        return NombreCaja(ui->lblAncho->text());
    if (v.esCircular != 0 && v.diametro == 0)
        return NombreCaja(ui->lblDiametro->text());
    if (v.esTrapezoidal == 0)
        return QString();
    if (v.anguloTalud == 0)
        return NombreCaja(ui->lblAngTaludGrados->text());
    const bool enSeccion = e.operacion() == Operacion::ElementosSeccion ||
                           e.operacion() == Operacion::BarridoTirantes;
    if (v.anchoFondo == 0 && enSeccion && e.tieneValor() && e.valor() != 0)
        return NombreCaja(ui->lblAnchFondo->text());
    return QString();
}

void RungeKutta::Pitar()
{
    ++pitidos_;
    QApplication::beep();
}

double RungeKutta::LeerNumeroInicial(QLineEdit* caja, const QString& nombre)
{
    try {
        return NumeroInicial(caja->text());
    } catch (const ErrorLectura&) {  // only a number beyond the range of a double
        throw ErrorLectura(caja->text(), nombre);
    }
}

// --- Uniform flow -------------------------------------------------------------------

void RungeKutta::Calc_tir_Click()
{
    Ejecutar(capFalloFlujoUniforme, [this] {
        LeerDatos();
        const Variables& v = estado();
        if (v.pendiente == 0 || v.nManning <= 0 || v.caudal <= 0 || v.errorAdmisible == 0) {
            ui->Por_Diam->clear();
            ui->Text37->clear();
            ui->Text38->clear();
            MostrarVentana<Adv_faltandatos>();
            return;
        }
        MostrarFlujoUniforme();
    });
}

// yc, yn, the critical slope, the slope type and the two energies. A depth the
// scans did not find (0) is never evaluated: the boxes that depend on it stay
// empty.
void RungeKutta::MostrarFlujoUniforme()
{
    Variables& v = estado();
    TirantesCriticoNormal(v);
    const double yc = v.tiranteCritico;
    const double yn = v.tiranteNormal;
    const bool circular = v.esCircular != 0;
    const bool qLleno = circular && !v.normalHallado;  // the pipe cannot carry Q

    std::optional<double> sc, energiaCritica, energiaNormal;
    if (!qLleno && yc != 0) {
        sc = PendienteCritica(v);  // leaves the elements of yc in the state
        energiaCritica = v.energia;
    }
    if (!qLleno && yn != 0) {
        ElementosHidraulicos(v, yn);
        energiaNormal = v.energia;
    }

    ui->Text13->setText(TextoRedondeado(yc, 4));
    ui->Text14->setText(qLleno ? QStringLiteral("Q LLENO") : TextoRedondeado(yn, 4));
    ui->Por_Diam->setText(circular && !qLleno ? TextoRedondeado(yn * 100 / v.diametro, 2)
                                              : QString());
    ui->Text37->clear();
    ui->Text38->clear();
    Pitar();
    if (qLleno)
        return;  // the energies of the previous calculation stay

    if (sc) {
        pendCritica = *sc;
        ui->Text38->setText(TextoRedondeado(pendCritica, 3));
        // Exactly critical: no new letter.
        if (pendCritica > v.pendiente)
            tipoPendiente = QStringLiteral("M");
        else if (pendCritica < v.pendiente)
            tipoPendiente = QStringLiteral("S");
        ui->Text37->setText(tipoPendiente);
    }
    ui->txtEyc->setText(energiaCritica ? TextoRedondeado(*energiaCritica, 3) : QString());
    ui->txtEYn->setText(energiaNormal ? TextoRedondeado(*energiaNormal, 3) : QString());
}

// --- Alternate and conjugate depths -------------------------------------------------

void RungeKutta::cmdAlterno_Click()
{
    Ejecutar(capFalloAlterno, [this] {
        LeerDatos();
        Variables& v = estado();
        const QString marco = ui->frmTirantesAlternos->title();
        if (ui->optEnergia->isChecked()) {
            const double E0 =
                LeerNumeroInicial(ui->Text34, NombreCaja(ui->optEnergia->text(), marco));
            TirantesAlternosEnergia(v, E0);
            ui->Text35->setText(TextoRedondeado(v.tiranteAlternoSup, 4));
            ui->Text36->setText(TextoRedondeado(v.tiranteAlternoInf, 4));
        } else if (ui->Option8->isChecked()) {
            const QString caja = NombreCaja(ui->Option8->text(), marco);
            const double y0 = LeerNumeroInicial(ui->Text32, caja);
            if (y0 == 0)
                cajaTirante_ = caja;
            ui->Text33->setText(TextoRedondeado(TiranteAlterno(v, y0), 4));
        }
    });
}

void RungeKutta::cmdConjugado_Click()
{
    const bool hecho = Ejecutar(
        capFalloConjugado,
        [this] {
            LeerDatos();
            const QString caja = NombreCaja(ui->Label22->text(), ui->Conjugado->title());
            const double y1 = LeerNumeroInicial(ui->txtY1Conj, caja);
            if (y1 == 0)
                cajaTirante_ = caja;
            ui->txtY2Conj->setText(TextoRedondeado(TiranteConjugado(estado(), y1), 4));
        },
        false);
    // No result is shown as no result, never as a depth of 0.
    if (!hecho)
        ui->txtY2Conj->clear();
}

// --- Given xf, find yf (Runge-Kutta) -------------------------------------------------

void RungeKutta::Calc_sup_libre_Click()
{
    Ejecutar(capFalloRungeKutta, [this] {
        LeerDatos();
        Variables& v = estado();
        if (v.tiranteBorde == 0 || v.xBuscado == v.xBorde || v.nManning <= 0 || v.caudal <= 0 ||
            v.puntosPerfil == 0) {
            MostrarVentana<Adv_faltandatos>();
            return;
        }
        TirantesCriticoNormal(v);
        // At the critical depth dy/dx has no value: the march cannot leave it.
        if (RedondearDecimales(v.tiranteBorde, 4) == RedondearDecimales(v.tiranteCritico, 4))
            motivoSiFalla_ = capMotivoBordeCritico.arg(TextoRedondeado(v.tiranteCritico, 4));
        CalcularPerfil(v);
        // Without a normal depth the yn* of an earlier calculation stays.
        if (v.tiranteNormal != 0)
            v.tiranteNormalConj = ConjugadoDeNormal(v);
        AmpliarRangoConReferencias(v);
        // The elements of the depth found, for the parameters-of-interest window.
        ElementosHidraulicos(v, v.tiranteFinal);

        grafico()->DibujarPerfil(v);
        ui->Text10->setText(TextoRedondeado(v.tiranteFinal, 4));
        ui->Text12->setText(TextoRedondeado(v.energia, 4));
        ui->Text32->setText(ui->Text10->text());
        ui->Text34->setText(ui->Text12->text());
        Pitar();
    });
}

// --- Given yf, find xf (direct step) ---------------------------------------------------

void RungeKutta::Paso_directo_Click()
{
    Ejecutar(capFalloPasoDirecto, [this] {
        LeerDatos();
        Variables& v = estado();
        const QString caja = NombreCaja(ui->Label37->text(), ui->frmDadoyf->title());
        v.tiranteBuscado = LeerCaja(ui->Text28, caja);
        if (v.tiranteBuscado == 0)
            cajaTirante_ = caja;
        NuevaTablaPerfil(v);

        // A zero or negative boundary depth, roughness or discharge is passed
        // over without a message; only the beep and the copies below follow.
        if (v.nManning > 0 && v.caudal > 0 && v.tiranteBorde > 0) {
            if (v.puntosPerfil == 0)
                MostrarVentana<Adv_faltandatos>();
            else if (v.tiranteBuscado == v.tiranteBorde)
                MostrarMensaje(this, capPasoDirectoIguales);
            else
                CalcularPasoDirecto();
        }
        Pitar();
        ui->Text34->setText(ui->Text31->text());
        ui->Text32->setText(ui->Text28->text());
    });
}

void RungeKutta::CalcularPasoDirecto()
{
    Variables& v = estado();
    TirantesCriticoNormal(v);
    const std::optional<double> xT = PerfilPasoDirecto(v);
    if (!xT) {
        MostrarMensaje(this, QStringLiteral("Yo & Yf incorrectos"));
        return;
    }
    ElementosHidraulicos(v, v.tiranteBuscado);
    grafico()->DibujarPerfil(v);
    ui->Text30->setText(TextoRedondeado(*xT, 2));
    ui->Text31->setText(TextoRedondeado(v.energia, 3));
}

// --- Parameters of interest --------------------------------------------------------------

void RungeKutta::Command1_Click()
{
    Ejecutar(capFalloParametros, [this] {
        LeerDatos();
        Variables& v = estado();
        double y = 0;
        if (ui->optRungeKutta->isChecked())
            y = LeerCaja(ui->Text10, NombreCaja(ui->Label15->text(), ui->frmDadoxf->title()));
        if (ui->optCondBorde->isChecked())
            y = LeerCaja(ui->Text8,
                         NombreCaja(ui->lblCdeBTirante->text(), ui->frmCondBorde->title()));
        if (ui->optManual->isChecked())
            y = LeerCaja(ui->Text21, NombreCaja(ui->optManual->text()));
        if (v.nManning <= 0 || v.caudal <= 0 || y <= 0) {
            MostrarVentana<Adv_faltandatos>();
            return;
        }
        ElementosHidraulicos(v, y);
        // The window copies the elements when it opens; an open one is
        // refreshed so that it always shows the depth asked for last.
        if (frmParamVarios* abierta = VentanaAbierta<frmParamVarios>())
            abierta->Cargar();
        MostrarVentana<frmParamVarios>();
        Pitar();
    });
}
