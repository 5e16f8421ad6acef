#include "windows/inf_zuvan.h"

#include "captions/Textos.h"
#include "ui_inf_zuvan.h"
#include "windows/VentanaUnica.h"

inf_zuvan::inf_zuvan(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::inf_zuvan>())
{
    ui->setupUi(this);
    // No title bar and no task-bar entry. Tool windows do not keep an
    // application alive by default; this one must, because it may be the last
    // window left after the start-up warning's "Salir".
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_QuitOnClose, true);
    setFixedSize(414, 280);
    CentrarEnPantalla(this);

    ui->lblInfoZuvanVersion->setText(capInfoZuvanVersion.arg(QStringLiteral(TORVEL_VERSION)));
    ui->lblInvestigacion->setText(capInvestigacion);
    ui->cmdInfoCerrar->setText(capInfoCerrar);
    ui->Text1->setPlainText(capTituloPrincipal);

    connect(ui->cmdInfoCerrar, &QPushButton::clicked, this, &QWidget::close);
    CerrarConEscape(this);
}

inf_zuvan::~inf_zuvan() = default;
