#include "windows/Adv_faltandatos.h"

#include <QCloseEvent>

#include "captions/Textos.h"
#include "ui_Adv_faltandatos.h"
#include "windows/VentanaUnica.h"

Adv_faltandatos::Adv_faltandatos(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Adv_faltandatos>())
{
    ui->setupUi(this);
    // A title but no title-bar button at all: only OKButton dismisses it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(348, 79);
    CentrarEnPantalla(this);

    ui->lblAtencion->setText(capAtencion);
    ui->OKButton->setText(capOKButton);
    setWindowTitle(capFaltanDatosTitulo);

    connect(ui->OKButton, &QPushButton::clicked, this, &Adv_faltandatos::OKButton_Click);
}

Adv_faltandatos::~Adv_faltandatos() = default;

void Adv_faltandatos::OKButton_Click()
{
    cierrePermitido_ = true;
    close();
}

// Alt+F4 and the like from the window manager are refused; Escape never reaches
// here because a plain widget does not treat it as a close request.
void Adv_faltandatos::closeEvent(QCloseEvent* evento)
{
    if (cierrePermitido_)
        evento->accept();
    else
        evento->ignore();
}
