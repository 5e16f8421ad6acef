#include "windows/frmInfoProg.h"

#include "captions/Textos.h"
#include "ui_frmInfoProg.h"
#include "windows/VentanaUnica.h"

frmInfoProg::frmInfoProg(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::frmInfoProg>())
{
    ui->setupUi(this);
    // A tool window stays out of the task bar; it still keeps the application
    // running while it is open, like every other window.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_QuitOnClose, true);
    // The long texts only fit their fixed places a little below the form's 8 pt.
    QFont letra = font();
    letra.setPointSizeF(7.5);
    setFont(letra);
    CentrarEnPantalla(this);

    ui->lblTorvelversion->setText(QStringLiteral("TORVEL v" TORVEL_VERSION));
    ui->lblVersion->setText(capVersion);
    ui->lblBug->setText(capBug);
    ui->lblCreado->setText(capCreado);
    setWindowTitle(capInfoProgTitulo);
    ui->cmdCerrar->setText(capCerrar);

    connect(ui->cmdCerrar, &QPushButton::clicked, this, &QWidget::close);
    CerrarConEscape(this);
}

frmInfoProg::~frmInfoProg() = default;
