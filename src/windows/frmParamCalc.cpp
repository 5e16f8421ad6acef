#include "windows/frmParamCalc.h"

#include <cmath>
#include <cstdint>

#include "captions/Numeros.h"
#include "captions/Textos.h"
#include "state/Variables.h"
#include "ui_frmParamCalc.h"
#include "windows/Mensajes.h"
#include "windows/Accesibilidad.h"
#include "windows/VentanaUnica.h"

namespace {

// The profile table has N + 2 rows, a count that must fit a 16-bit signed
// integer.
constexpr double kMaxPuntos = 32765;

}  // namespace

frmParamCalc::frmParamCalc(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::frmParamCalc>())
{
    ui->setupUi(this);
    DibujarMarcos(this);
    CentrarEnPantalla(this);

    const Variables& v = estado();
    ui->Text22->setText(NumeroATexto(v.errorAdmisible));
    ui->Text23->setText(NumeroATexto(v.puntosPerfil));
    ui->Text24->setText(NumeroATexto(v.umbralPasoInteligente));
    ui->Paso_int_cb->setChecked(v.pasoInteligente != FALSO);

    setWindowTitle(capParamCalcTitulo);
    ui->frmPrincipal->setTitle(capPrincipal);
    ui->lblErrorAdm->setText(capErrorAdm);
    ui->lblPuntosInterm->setText(capPuntosInterm);
    ui->lblABS->setText(capABS);
    ui->Paso_int_cb->setText(capPasoInt);
    ui->cmdAceptarSalir->setText(capAceptarSalir);

    NombrarCajasPorSusEtiquetas(this);
    ui->Text22->setToolTip(capAyudaErrorAdm);
    ui->Text23->setToolTip(capAyudaPuntos);
    ui->Text24->setToolTip(capAyudaUmbral);

    connect(ui->cmdAceptarSalir, &QPushButton::clicked, this, &frmParamCalc::cmdAceptarSalir_Click);
    // Enter accepts, as the button does; Escape closes without storing.
    for (const Qt::Key tecla : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(QKeySequence(tecla), this), &QShortcut::activated, this,
                &frmParamCalc::cmdAceptarSalir_Click);
    CerrarConEscape(this);
}

frmParamCalc::~frmParamCalc() = default;

// All three boxes are read before anything is stored, so a refused entry leaves
// the four parameters exactly as they were and the window open for a correction.
void frmParamCalc::cmdAceptarSalir_Click()
{
    double error = 0;
    double puntos = 0;
    double umbral = 0;
    if (!LeerCaja(ui->Text22, ui->lblErrorAdm, error) ||
        !LeerCaja(ui->Text23, ui->lblPuntosInterm, puntos) ||
        !LeerCaja(ui->Text24, ui->lblABS, umbral))
        return;

    // Halves go to the even neighbour (the default rounding mode).
    const double puntosRedondeados = std::nearbyint(std::fabs(puntos));
    if (puntosRedondeados > kMaxPuntos) {
        RechazarCaja(ui->Text23, capErrorPuntos.arg(ui->Text23->text()));
        return;
    }

    Variables& v = estado();
    v.errorAdmisible = std::fabs(error);
    v.puntosPerfil = static_cast<int16_t>(puntosRedondeados);
    v.umbralPasoInteligente = umbral;
    v.pasoInteligente = ui->Paso_int_cb->checkState() == Qt::Checked ? VERDADERO : FALSO;
    close();
}

// A box whose text is not a finite number is refused with a message that names
// it by its label.
bool frmParamCalc::LeerCaja(QLineEdit* caja, const QLabel* etiqueta, double& valor)
{
    bool leido = true;
    try {
        valor = TextoANumero(caja->text());
        leido = std::isfinite(valor);
    } catch (const ErrorLectura&) {
        leido = false;
    }
    if (!leido) {
        const QString nombre = etiqueta->text().isEmpty() ? caja->objectName() : etiqueta->text();
        RechazarCaja(caja, capErrorLectura.arg(nombre, caja->text()));
    }
    return leido;
}

void frmParamCalc::RechazarCaja(QLineEdit* caja, const QString& mensaje)
{
    MostrarMensaje(this, mensaje, capErrorEntradaTitulo);
    caja->setFocus();
    caja->selectAll();
}
