#include "windows/Advertencia_alpha.h"

#include <QCloseEvent>
#include <QIcon>

#include "ui_Advertencia_alpha.h"
#include "windows/Form_inicio.h"
#include "windows/VentanaUnica.h"
#include "windows/inf_zuvan.h"

Advertencia_alpha::Advertencia_alpha(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Advertencia_alpha>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(382, 156);
    setWindowIcon(IconoAplicacion());
    CentrarEnPantalla(this);

    connect(ui->Aceptar, &QPushButton::clicked, this, &Advertencia_alpha::Aceptar_Click);
    connect(ui->Salir, &QPushButton::clicked, this, [this] {
        emit abandonada();
        close();
    });
    connect(ui->Informacion, &QPushButton::clicked, this, &Advertencia_alpha::Informacion_Click);
}

Advertencia_alpha::~Advertencia_alpha() = default;

void Advertencia_alpha::Aceptar_Click()
{
    emit aceptada();
    close();
}

void Advertencia_alpha::Informacion_Click()
{
    MostrarVentana<inf_zuvan>();
}

// However the warning is closed, the splash behind it goes with it.
void Advertencia_alpha::closeEvent(QCloseEvent* evento)
{
    QWidget::closeEvent(evento);
    if (auto* inicio = VentanaAbierta<Form_inicio>())
        inicio->close();
}
