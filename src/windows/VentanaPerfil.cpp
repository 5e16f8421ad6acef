#include "windows/VentanaPerfil.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QPainter>
#include <QShortcut>
#include <QSvgGenerator>

#include "captions/TextoFijo.h"
#include "captions/Textos.h"
#include "engine/modFuncionesTorvel.h"
#include "plot/GraficoVentanaPerfil.h"
#include "state/Variables.h"
#include "ui_VentanaPerfil.h"
#include "windows/Archivos.h"
#include "windows/DescripcionCanal.h"
#include "windows/ModeloTablaPerfil.h"
#include "windows/VentanaUnica.h"

namespace {

// A caption of a button that opens a dialog, without its "...", as the
// dialog's title.
QString SinPuntos(QString texto)
{
    while (texto.endsWith(QLatin1Char('.')))
        texto.chop(1);
    return texto;
}

// The plot's size when the window has never been laid out (a script that saves
// without showing it).
const QSize kTamanoGraficoOculto(884, 330);

}  // namespace

QString DescripcionPerfil(const Variables& v)
{
    const QString tipo = QString::fromStdString(::TipoPerfil(v));
    const ResultadoPerfil& p = v.perfil;
    if (p.metodo == MetodoPerfil::Ninguno)
        return capPerfilNinguno;
    if (p.metodo == MetodoPerfil::PasoDirecto)
        return capPerfilTipo.arg(tipo, capMetodoPasoDirecto) + QLatin1Char('.');
    const QString x = TextoFijo(p.xFin, 2);
    const QString fin = p.fin == FinPerfil::Alcanzado        ? capFinAlcanzado.arg(x)
                        : p.fin == FinPerfil::FueraDeZona    ? capFinFueraDeZona.arg(x)
                        : p.fin == FinPerfil::FueraDeSeccion ? capFinFueraDeSeccion.arg(x)
                                                             : capFinInversion.arg(x);
    return capPerfilTipo.arg(tipo, capMetodoRungeKutta) + QStringLiteral(": ") + fin +
           QLatin1Char('.');
}

VentanaPerfil::VentanaPerfil(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::VentanaPerfil>()),
      modelo_(new ModeloTablaPerfil(this))
{
    ui->setupUi(this);
    setWindowIcon(IconoAplicacion());

    ui->tblPerfil->setModel(modelo_);
    ui->tblPerfil->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui->tblPerfil->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    ui->splPerfil->setStretchFactor(0, 3);
    ui->splPerfil->setStretchFactor(1, 2);
    // Under the description, the channel of a profile that is not the main window's.
    lblCanal_ = new QLabel(this);
    lblCanal_->setObjectName(QStringLiteral("lblCanal"));
    lblCanal_->setWordWrap(true);
    lblCanal_->setStyleSheet(QStringLiteral("color: #a03000;"));
    lblCanal_->hide();
    ui->disposicion->insertWidget(ui->disposicion->indexOf(ui->lblDescripcion) + 1, lblCanal_);

    connect(ui->cmdCopiar, &QPushButton::clicked, this, &VentanaPerfil::Copiar);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &VentanaPerfil::Copiar);
    connect(ui->cmdGuardarTabla, &QPushButton::clicked, this, &VentanaPerfil::PedirArchivoTabla);
    connect(ui->cmdGuardarGrafico, &QPushButton::clicked, this,
            &VentanaPerfil::PedirArchivoGrafico);
    connect(ui->picPerfil, &GraficoVentanaPerfil::lectura, this, [this](const QString& texto) {
        if (texto.isEmpty())
            ui->barraEstado->clearMessage();
        else
            ui->barraEstado->showMessage(texto);
    });

    Actualizar();
    CentrarEnPantalla(this);
}

VentanaPerfil::~VentanaPerfil() = default;

void VentanaPerfil::Actualizar(const Variables& perfil, const Variables& actual)
{
    perfil_ = perfil;
    actual_ = actual;
    Actualizar();
}

void VentanaPerfil::CanalActual(const Variables& actual)
{
    actual_ = actual;
    const QString texto = TextoOtroCanal();
    lblCanal_->setText(texto);
    lblCanal_->setVisible(!texto.isEmpty());
}

QString VentanaPerfil::TextoOtroCanal() const
{
    if (perfil_.perfil.metodo == MetodoPerfil::Ninguno || MismoCanal(perfil_, actual_))
        return QString();
    return capPerfilOtroCanal.arg(DescripcionCanal(perfil_));
}

void VentanaPerfil::Actualizar()
{
    // Captions too: after a language switch the next profile comes in the new one.
    setWindowTitle(capPerfilTitulo);
    ui->cmdCopiar->setText(capPerfilCopiar);
    ui->cmdGuardarTabla->setText(capPerfilGuardarTabla);
    ui->cmdGuardarGrafico->setText(capPerfilGuardarGrafico);

    const Variables& v = perfil_;
    tipo_ = QString::fromStdString(::TipoPerfil(v));
    ui->lblDescripcion->setText(DescripcionPerfil(v));
    ui->picPerfil->MostrarPerfil(v);
    modelo_->Cargar(v);
    const bool hay = v.perfil.metodo != MetodoPerfil::Ninguno;
    ui->splPerfil->setVisible(hay);
    // Alone, the line stands in the middle of the window.
    ui->lblDescripcion->setAlignment(hay ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    ui->lblDescripcion->setSizePolicy(QSizePolicy::Preferred,
                                      hay ? QSizePolicy::Fixed : QSizePolicy::Expanding);
    for (QWidget* boton : {ui->cmdCopiar, ui->cmdGuardarTabla, ui->cmdGuardarGrafico})
        boton->setEnabled(hay);
    CanalActual(actual_);
}

QAbstractItemModel* VentanaPerfil::modelo()
{
    return modelo_;
}

GraficoVentanaPerfil* VentanaPerfil::grafico()
{
    return ui->picPerfil;
}

QString VentanaPerfil::TextoTabla() const
{
    return modelo_->TextoSeparadoPorTabs();
}

void VentanaPerfil::Copiar()
{
    if (modelo_->rowCount() > 0)
        QApplication::clipboard()->setText(TextoTabla());
}

bool VentanaPerfil::GuardarTabla(const QString& ruta)
{
    if (modelo_->rowCount() == 0)
        return AvisarArchivoNoGuardado(this, ruta, capMotivoSinPerfil);
    const QByteArray csv = modelo_->Csv();
    return EscribirArchivo(this, ruta,
                           [&csv](QIODevice& archivo) { return archivo.write(csv) == csv.size(); });
}

bool VentanaPerfil::GuardarGrafico(const QString& ruta)
{
    const QString tipo = QFileInfo(ruta).suffix().toLower();
    if (tipo != QLatin1String("png") && tipo != QLatin1String("svg"))
        return AvisarArchivoNoGuardado(this, ruta, capMotivoFormato);
    if (!ui->picPerfil->hayPerfil())
        return AvisarArchivoNoGuardado(this, ruta, capMotivoSinPerfil);
    const QSize tamano = ui->picPerfil->isVisible() ? ui->picPerfil->size() : kTamanoGraficoOculto;
    const GraficoVentanaPerfil* grafico = ui->picPerfil;
    return EscribirArchivo(this, ruta, [&](QIODevice& archivo) {
        if (tipo == QLatin1String("png"))
            return grafico->Imagen(tamano, 2).save(&archivo, "PNG");
        QSvgGenerator svg;
        svg.setOutputDevice(&archivo);
        svg.setSize(tamano);
        svg.setViewBox(QRect(QPoint(0, 0), tamano));
        svg.setResolution(96);
        svg.setTitle(capPerfilTitulo);
        QPainter pintor(&svg);
        grafico->Pintar(pintor, QRectF(QPointF(0, 0), QSizeF(tamano)));
        return pintor.end();
    });
}

void VentanaPerfil::PedirArchivoTabla()
{
    const QString ruta = QFileDialog::getSaveFileName(
        this, SinPuntos(capPerfilGuardarTabla),
        QStringLiteral("perfil-%1.csv").arg(tipo_.toLower()), capFiltroCsv);
    if (!ruta.isEmpty())
        GuardarTabla(QFileInfo(ruta).suffix().isEmpty() ? ruta + QStringLiteral(".csv") : ruta);
}

void VentanaPerfil::PedirArchivoGrafico()
{
    QString filtro;
    QString ruta = QFileDialog::getSaveFileName(
        this, SinPuntos(capPerfilGuardarGrafico),
        QStringLiteral("perfil-%1.png").arg(tipo_.toLower()), capFiltroGrafico, &filtro);
    if (ruta.isEmpty())
        return;
    if (QFileInfo(ruta).suffix().isEmpty())
        ruta += filtro.contains(QLatin1String("svg")) ? QStringLiteral(".svg")
                                                      : QStringLiteral(".png");
    GuardarGrafico(ruta);
}
