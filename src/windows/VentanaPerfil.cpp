#include "windows/VentanaPerfil.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QItemSelectionModel>
#include <QFileInfo>
#include <QHeaderView>
#include <QPainter>
#include <QShortcut>
#include <algorithm>

#include "captions/TextoFijo.h"
#include "captions/Textos.h"
#include "engine/modFuncionesTorvel.h"
#include "plot/Lienzo.h"
#include "plot/GraficoVentanaPerfil.h"
#include "state/Variables.h"
#include "ui_VentanaPerfil.h"
#include "windows/Archivos.h"
#include "windows/DescripcionCanal.h"
#include "windows/ModeloTablaPerfil.h"
#include "windows/VentanaUnica.h"

namespace {

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
            &VentanaPerfil::CopiarSeleccion);
    CerrarConEscape(this);
    connect(ui->cmdGuardarTabla, &QPushButton::clicked, this, &VentanaPerfil::PedirArchivoTabla);
    connect(ui->cmdGuardarGrafico, &QPushButton::clicked, this,
            &VentanaPerfil::PedirArchivoGrafico);
    // Depths or elevations: the plot only; the table holds both.
    connect(ui->optVistaCotas, &QRadioButton::toggled, ui->picPerfil,
            &GraficoVentanaPerfil::FijarVistaCotas);
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
    ui->optVistaTirantes->setText(capVistaTirantes);
    ui->optVistaCotas->setText(capVistaCotas);

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
    for (QWidget* boton :
         {static_cast<QWidget*>(ui->cmdCopiar), static_cast<QWidget*>(ui->cmdGuardarTabla),
          static_cast<QWidget*>(ui->cmdGuardarGrafico), static_cast<QWidget*>(ui->optVistaTirantes),
          static_cast<QWidget*>(ui->optVistaCotas)})
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

QString VentanaPerfil::TextoSeleccion() const
{
    const QModelIndexList indices = ui->tblPerfil->selectionModel()
                                        ? ui->tblPerfil->selectionModel()->selectedIndexes()
                                        : QModelIndexList();
    if (indices.isEmpty())
        return QString();
    // The rectangle that holds the selection, row by row; cells not selected stay empty.
    int primeraFila = indices.first().row(), ultimaFila = primeraFila;
    int primeraCol = indices.first().column(), ultimaCol = primeraCol;
    for (const QModelIndex& i : indices) {
        primeraFila = std::min(primeraFila, i.row());
        ultimaFila = std::max(ultimaFila, i.row());
        primeraCol = std::min(primeraCol, i.column());
        ultimaCol = std::max(ultimaCol, i.column());
    }
    const QItemSelectionModel* seleccion = ui->tblPerfil->selectionModel();
    QStringList lineas;
    for (int f = primeraFila; f <= ultimaFila; ++f) {
        QStringList campos;
        for (int c = primeraCol; c <= ultimaCol; ++c)
            campos << (seleccion->isSelected(modelo_->index(f, c)) ? modelo_->TextoCelda(f, c)
                                                                   : QString());
        lineas << campos.join(QLatin1Char('\t'));
    }
    return lineas.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void VentanaPerfil::CopiarSeleccion()
{
    const QString seleccion = TextoSeleccion();
    if (seleccion.isEmpty())
        Copiar();
    else
        QApplication::clipboard()->setText(seleccion);
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
        return EscribirPintura(
            archivo, tipo, tamano, capPerfilTitulo,
            [grafico](QPainter& pintor, const QRectF& area) { grafico->Pintar(pintor, area); });
    });
}

void VentanaPerfil::PedirArchivoTabla()
{
    const QString ruta =
        ::PedirArchivoTabla(this, capPerfilGuardarTabla, capArchivoPerfil.arg(tipo_.toLower()));
    if (!ruta.isEmpty())
        GuardarTabla(ruta);
}

void VentanaPerfil::PedirArchivoGrafico()
{
    const QString ruta =
        ::PedirArchivoGrafico(this, capPerfilGuardarGrafico, capArchivoPerfil.arg(tipo_.toLower()));
    if (!ruta.isEmpty())
        GuardarGrafico(ruta);
}
