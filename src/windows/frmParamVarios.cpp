#include "windows/frmParamVarios.h"

#include <exception>

#include "captions/Numeros.h"
#include "captions/Textos.h"
#include "state/Variables.h"
#include "ui_frmParamVarios.h"
#include "windows/Accesibilidad.h"
#include "windows/CajasTexto.h"
#include "windows/VentanaUnica.h"

namespace {

// Rewrites the box's text rounded to its decimals. The text itself is read
// back, not the value, so that what is rounded is what the user saw. A text
// that does not read back (a non-finite value) keeps its full form.
void RedondearCaja(QLineEdit* caja, int decimales)
{
    try {
        caja->setText(TextoRedondeado(TextoANumero(caja->text()), decimales));
    } catch (const std::exception&) {
    }
}

}  // namespace

frmParamVarios::frmParamVarios(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::frmParamVarios>())
{
    ui->setupUi(this);
    DibujarMarcos(this);
    CentrarEnPantalla(this);

    // lblParamSf, lblParamRh and lblParamFroude keep their fixed captions.
    setWindowTitle(capParamVariosTitulo);
    ui->frmParametros->setTitle(capParametros);
    ui->lblParamTirante->setText(capParamTirante);
    ui->lblParamArea->setText(capParamArea);
    ui->lblParamPerim->setText(capParamPerim);
    ui->lblParamAncho->setText(capParamAncho);
    ui->lblParamTens->setText(capParamTens);
    ui->lblPramVel->setText(capParamVel);
    ui->lblParamEnergia->setText(capParamEnergia);
    ui->lblParamCant->setText(capParamCant);
    ui->cmdParamSalir->setText(capParamSalir);

    NombrarCajasPorSusEtiquetas(this);
    PonerAyudas({{ui->Text21, &capAyudaParamTirante},
                 {ui->Text15, &capAyudaParamArea},
                 {ui->Text16, &capAyudaParamPerim},
                 {ui->Text17, &capAyudaParamRh},
                 {ui->Text18, &capAyudaParamVel},
                 {ui->Text19, &capAyudaParamFroude},
                 {ui->Text20, &capAyudaParamAncho},
                 {ui->Text27, &capAyudaParamSf},
                 {ui->Text25, &capAyudaParamTens},
                 {ui->Text26, &capAyudaParamEnergia},
                 {ui->txtMomentum, &capAyudaParamCant}});

    connect(ui->cmdParamSalir, &QPushButton::clicked, this, &QWidget::close);
    CerrarConEscape(this);
    for (QLineEdit* caja : findChildren<QLineEdit*>())
        MostrarDesdeElPrincipio(caja);

    Cargar();
}

frmParamVarios::~frmParamVarios() = default;

void frmParamVarios::Cargar()
{
    struct Fila {
        QLineEdit* caja;
        double valor;
        int decimales;  // -1: the depth is shown with all its digits
    };
    const Variables& v = estado();
    const Fila filas[] = {
        {ui->Text21, v.tirante, -1},
        {ui->Text15, v.area, 3},
        {ui->Text16, v.perimetro, 3},
        {ui->Text17, v.radioHidraulico, 3},
        {ui->Text18, v.velocidad, 3},
        {ui->Text19, v.froude, 3},
        {ui->Text20, v.anchoSup, 3},
        {ui->Text27, v.pendFriccion, 5},
        {ui->Text25, v.tension, 3},
        {ui->Text26, v.energia, 3},
        {ui->txtMomentum, v.cantMovimiento, 3},
    };
    for (const Fila& fila : filas)
        fila.caja->setText(NumeroATexto(fila.valor));
    for (const Fila& fila : filas) {
        if (fila.decimales >= 0)
            RedondearCaja(fila.caja, fila.decimales);
    }
}
