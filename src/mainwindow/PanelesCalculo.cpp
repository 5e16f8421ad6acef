// Command handlers of the main window's calculation panels: read the boxes,
// ask the calculation layer, then write the rounded results (or open the
// missing-data warning it calls for). Every result is computed before anything
// is written, so a calculation that fails leaves the previous results on the
// screen.
#include <QApplication>

#include "calc/Calculos.h"
#include "captions/ExplicarError.h"
#include "captions/Numeros.h"
#include "captions/Textos.h"
#include "mainwindow/RungeKutta.h"
#include "plot/GraficoPerfil.h"
#include "state/Variables.h"
#include "ui_RungeKutta.h"
#include "windows/Adv_faltandatos.h"
#include "windows/Mensajes.h"
#include "windows/VentanaDiagramas.h"
#include "windows/VentanaUnica.h"
#include "windows/frmParamVarios.h"

bool RungeKutta::Ejecutar(const QString& fallo, const std::function<void()>& calculo,
                          bool conservaResultados)
{
    const Variables antes = estado();
    cajaTirante_.clear();
    motivoSiFalla_.clear();
    // An open diagrams window follows every calculation.
    struct AlTerminar {
        ~AlTerminar()
        {
            if (VentanaDiagramas* abierta = VentanaAbierta<VentanaDiagramas>())
                abierta->Actualizar();
        }
    } alTerminar;
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
        const auto calculo = calculo::FlujoUniforme(estado());
        if (!calculo.hecho()) {
            ui->Por_Diam->clear();
            ui->Text37->clear();
            ui->Text38->clear();
            MostrarVentana<Adv_faltandatos>();
            return;
        }
        estado() = calculo.estado;
        resultados_.uniforme = calculo;
        MostrarFlujoUniforme(*calculo);
    });
}

// yc, yn, the critical slope, the slope type and the two energies. A depth the
// scans did not find (0) is never evaluated: the boxes that depend on it stay
// empty.
void RungeKutta::MostrarFlujoUniforme(const calculo::ResultadoUniforme& r)
{
    const bool circular = estado().esCircular != 0;
    ui->Text13->setText(TextoRedondeado(r.yc, 4));
    ui->Text14->setText(r.qLleno ? QStringLiteral("Q LLENO") : TextoRedondeado(r.yn, 4));
    ui->Por_Diam->setText(r.pct && circular ? TextoRedondeado(*r.pct, 2) : QString());
    ui->Text37->clear();
    ui->Text38->clear();
    Pitar();
    if (r.qLleno)
        return;  // the energies of the previous calculation stay

    if (r.sc) {
        pendCritica = *r.sc;
        ui->Text38->setText(TextoRedondeado(pendCritica, 3));
        // Exactly critical: no new letter.
        if (!r.tipo.empty())
            tipoPendiente = QString::fromStdString(r.tipo);
        ui->Text37->setText(tipoPendiente);
    }
    ui->txtEyc->setText(r.ec ? TextoRedondeado(*r.ec, 3) : QString());
    ui->txtEYn->setText(r.en ? TextoRedondeado(*r.en, 3) : QString());
}

// --- Alternate and conjugate depths -------------------------------------------------

void RungeKutta::cmdAlterno_Click()
{
    Ejecutar(capFalloAlterno, [this] {
        LeerDatos();
        const QString marco = ui->frmTirantesAlternos->title();
        if (ui->optEnergia->isChecked()) {
            const double E0 =
                LeerNumeroInicial(ui->Text34, NombreCaja(ui->optEnergia->text(), marco));
            const auto calculo = calculo::AlternosDeEnergia(estado(), E0);
            estado() = calculo.estado;
            resultados_.alternos = {calculo, E0};
            ui->Text35->setText(TextoRedondeado(calculo->superior, 4));
            ui->Text36->setText(TextoRedondeado(calculo->inferior, 4));
            ultimoAlterno_ = {calculo.estado, {calculo->superior, calculo->inferior}};
        } else if (ui->Option8->isChecked()) {
            const QString caja = NombreCaja(ui->Option8->text(), marco);
            const double y0 = LeerNumeroInicial(ui->Text32, caja);
            if (y0 == 0)
                cajaTirante_ = caja;
            const auto calculo = calculo::AlternoDeTirante(estado(), y0);
            estado() = calculo.estado;
            resultados_.alterno = {calculo, y0};
            ui->Text33->setText(TextoRedondeado(calculo->tirante, 4));
            ultimoAlterno_ = {calculo.estado, {y0, calculo->tirante}};
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
            const auto calculo = calculo::Conjugado(estado(), y1);
            estado() = calculo.estado;
            resultados_.conjugado = {calculo, y1};
            ui->txtY2Conj->setText(TextoRedondeado(calculo->tirante, 4));
            ultimoConjugado_ = {calculo.estado, {y1, calculo->tirante}};
        },
        false);
    // No result is shown as no result, never as a depth of 0.
    if (!hecho) {
        ui->txtY2Conj->clear();
        resultados_.conjugado.reset();
    }
}

// --- Given xf, find yf (Runge-Kutta) -------------------------------------------------

void RungeKutta::Calc_sup_libre_Click()
{
    Ejecutar(capFalloRungeKutta, [this] {
        LeerDatos();
        const Variables entrada = estado();
        const auto calculo = [&] {
            try {
                return calculo::PerfilRungeKutta(entrada);
            } catch (const ErrorCalculo&) {
                // At the critical depth dy/dx has no value: the march cannot leave it.
                if (const std::optional<double> yc = calculo::BordeEnCritico(entrada))
                    motivoSiFalla_ = capMotivoBordeCritico.arg(TextoRedondeado(*yc, 4));
                throw;
            }
        }();
        if (!calculo.hecho()) {
            if (calculo.rechazo().motivo != calculo::Rechazo::Motivo::SinAvance) {
                MostrarVentana<Adv_faltandatos>();
                return;
            }
            const std::optional<double> yc = calculo::BordeEnCritico(entrada);
            const QString motivo = yc ? capMotivoBordeCritico.arg(TextoRedondeado(*yc, 4))
                                      : capMotivoPasoLargo;
            MostrarMensaje(this, capFalloMensaje.arg(capFalloRungeKutta, motivo), capFalloTitulo);
            return;
        }
        estado() = calculo.estado;
        resultados_.rungeKutta = calculo;
        resultados_.perfil = calculo.estado;
        grafico()->DibujarPerfil(estado());
        ui->Text10->setText(TextoRedondeado(calculo->tiranteFinal, 4));
        ui->Text12->setText(TextoRedondeado(calculo->energia, 4));
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
        const QString caja = NombreCaja(ui->Label37->text(), ui->frmDadoyf->title());
        const double yf = LeerCaja(ui->Text28, caja);
        if (yf == 0)
            cajaTirante_ = caja;
        const auto calculo = calculo::PerfilPasoDirecto(estado(), yf);
        estado() = calculo.estado;
        if (calculo.hecho()) {
            resultados_.pasoDirecto = {calculo, yf};
            resultados_.perfil = calculo.estado;
        }
        MostrarPasoDirecto(calculo);
        Pitar();
        ui->Text34->setText(ui->Text31->text());
        ui->Text32->setText(ui->Text28->text());
    });
}

// A zero or negative boundary depth, roughness or discharge is passed over
// without a message; only the beep and the copies follow.
void RungeKutta::MostrarPasoDirecto(const calculo::Calculo<calculo::ResultadoPerfil>& calculo)
{
    if (calculo.hecho()) {
        grafico()->DibujarPerfil(estado());
        ui->Text30->setText(TextoRedondeado(calculo->xFinal, 2));
        ui->Text31->setText(TextoRedondeado(calculo->energia, 3));
        return;
    }
    switch (calculo.rechazo().motivo) {
    case calculo::Rechazo::Motivo::Cero:
    case calculo::Rechazo::Motivo::NoPositivo:
        if (calculo.rechazo().dato == calculo::Dato::PuntosPerfil)
            MostrarVentana<Adv_faltandatos>();
        break;
    case calculo::Rechazo::Motivo::IgualAlBorde: MostrarMensaje(this, capPasoDirectoIguales); break;
    case calculo::Rechazo::Motivo::ZonasDistintas:
        MostrarMensaje(this, QStringLiteral("Yo & Yf incorrectos"));
        break;
    case calculo::Rechazo::Motivo::SinAvance: break;  // a Runge-Kutta refusal only
    }
}

// --- Parameters of interest --------------------------------------------------------------

void RungeKutta::Command1_Click()
{
    Ejecutar(capFalloParametros, [this] {
        LeerDatos();
        double y = 0;
        if (ui->optRungeKutta->isChecked())
            y = LeerCaja(ui->Text10, NombreCaja(ui->Label15->text(), ui->frmDadoxf->title()));
        if (ui->optCondBorde->isChecked())
            y = LeerCaja(ui->Text8,
                         NombreCaja(ui->lblCdeBTirante->text(), ui->frmCondBorde->title()));
        if (ui->optManual->isChecked())
            y = LeerCaja(ui->Text21, NombreCaja(ui->optManual->text()));
        const auto calculo = calculo::Elementos(estado(), y);
        if (!calculo.hecho()) {
            MostrarVentana<Adv_faltandatos>();
            return;
        }
        estado() = calculo.estado;
        resultados_.elementos = calculo;
        // The window copies the elements when it opens; an open one is
        // refreshed so that it always shows the depth asked for last.
        if (frmParamVarios* abierta = VentanaAbierta<frmParamVarios>())
            abierta->Cargar();
        MostrarVentana<frmParamVarios>();
        Pitar();
    });
}
