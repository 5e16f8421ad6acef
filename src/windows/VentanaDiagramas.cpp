#include "windows/VentanaDiagramas.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>

#include "captions/Numeros.h"
#include "captions/Textos.h"
#include "plot/GraficoXY.h"
#include "state/Variables.h"
#include "ui_VentanaDiagramas.h"
#include "windows/Archivos.h"
#include "windows/VentanaUnica.h"

// A diagram's table as a read-only model; the cells are formatted when shown.
class ModeloTablaDiagrama : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void Cargar(const TablaDiagrama* tabla)
    {
        beginResetModel();
        tabla_ = tabla;
        endResetModel();
    }
    int rowCount(const QModelIndex& padre = QModelIndex()) const override
    {
        return padre.isValid() || !tabla_ ? 0 : int(tabla_->filas.size());
    }
    int columnCount(const QModelIndex& padre = QModelIndex()) const override
    {
        return padre.isValid() || !tabla_ ? 0 : int(tabla_->simbolos.size());
    }
    QVariant data(const QModelIndex& indice, int rol) const override
    {
        if (!indice.isValid() || !tabla_)
            return {};
        if (rol == Qt::DisplayRole)
            return tabla_->Celda(indice.row(), indice.column());
        if (rol == Qt::TextAlignmentRole)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override
    {
        if (orientacion == Qt::Vertical)
            return rol == Qt::DisplayRole ? QVariant(seccion + 1) : QVariant();
        if (!tabla_ || seccion >= int(tabla_->simbolos.size()))
            return {};
        if (rol == Qt::DisplayRole)
            return tabla_->simbolos[seccion];
        if (rol == Qt::ToolTipRole)
            return tabla_->nombres[seccion];
        return {};
    }

private:
    const TablaDiagrama* tabla_ = nullptr;
};

namespace {

VentanaDiagramas::Fuente& FuenteActual()
{
    static VentanaDiagramas::Fuente fuente;
    return fuente;
}

EntradaDiagramas LeerEntrada()
{
    return FuenteActual() ? FuenteActual()() : EntradaDesdeEstado();
}

const QSize kTamanoGraficoOculto(884, 330);
const char* const kNombres[] = {"CurvaGasto", "Energia", "Fuerza", "Seccion"};
const char* const kArchivos[] = {"curva-de-gasto", "energia-especifica", "fuerza-especifica",
                                 "seccion"};

}  // namespace

void VentanaDiagramas::FijarFuente(Fuente fuente)
{
    FuenteActual() = std::move(fuente);
}

VentanaDiagramas::VentanaDiagramas(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::VentanaDiagramas>())
{
    ui->setupUi(this);
    setWindowIcon(IconoAplicacion());
    QWidget* paginas[] = {ui->tabCurvaGasto, ui->tabEnergia, ui->tabFuerza, ui->tabSeccion};
    for (int i = 0; i < 4; ++i)
        CrearPestana(i, paginas[i], QString::fromLatin1(kNombres[i]));

    for (QLineEdit* caja : {ui->txtQDesde, ui->txtQHasta, ui->txtPasos}) {
        connect(caja, &QLineEdit::textEdited, this, [this] { rangoEditado_ = true; });
        connect(caja, &QLineEdit::returnPressed, this, &VentanaDiagramas::CalcularCurva);
    }
    connect(ui->cmdCalcularCurva, &QPushButton::clicked, this, &VentanaDiagramas::CalcularCurva);
    CerrarConEscape(this);
    Actualizar();
    CentrarEnPantalla(this);
}

VentanaDiagramas::~VentanaDiagramas()
{
    // The models outlive the tables they show (they are children, deleted later).
    for (Pestana& p : pestanas_)
        p.modelo->Cargar(nullptr);
}

void VentanaDiagramas::CrearPestana(int indice, QWidget* pagina, const QString& nombre)
{
    Pestana& p = pestanas_[indice];
    auto* disposicion = qobject_cast<QBoxLayout*>(pagina->layout());
    p.descripcion = new QLabel(pagina);
    p.descripcion->setObjectName(QStringLiteral("lblDescripcion") + nombre);
    p.descripcion->setTextInteractionFlags(Qt::TextSelectableByMouse);
    p.mensaje = new QLabel(pagina);
    p.mensaje->setObjectName(QStringLiteral("lblMensaje") + nombre);
    p.mensaje->setAlignment(Qt::AlignCenter);
    p.mensaje->setWordWrap(true);
    p.mensaje->setTextInteractionFlags(Qt::TextSelectableByMouse);
    p.division = new QSplitter(Qt::Vertical, pagina);
    p.division->setObjectName(QStringLiteral("spl") + nombre);
    p.division->setChildrenCollapsible(false);
    p.grafico = new GraficoXY(p.division);
    p.grafico->setObjectName(QStringLiteral("pic") + nombre);
    p.tabla = new QTableView(p.division);
    p.tabla->setObjectName(QStringLiteral("tbl") + nombre);
    p.tabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    p.tabla->setAlternatingRowColors(true);
    p.tabla->setSelectionBehavior(QAbstractItemView::SelectRows);
    p.tabla->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    p.tabla->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    p.modelo = new ModeloTablaDiagrama(this);
    p.tabla->setModel(p.modelo);
    p.division->setStretchFactor(0, 3);
    p.division->setStretchFactor(1, 2);

    auto* botones = new QHBoxLayout;
    const char* const prefijos[] = {"cmdCopiar", "cmdGuardarTabla", "cmdGuardarGrafico"};
    for (int b = 0; b < 3; ++b) {
        p.botones[b] = new QPushButton(pagina);
        p.botones[b]->setObjectName(QLatin1String(prefijos[b]) + nombre);
        botones->addWidget(p.botones[b]);
    }
    botones->addStretch();
    disposicion->addWidget(p.descripcion);
    disposicion->addWidget(p.mensaje, 1);
    disposicion->addWidget(p.division, 1);
    disposicion->addLayout(botones);

    connect(p.botones[0], &QPushButton::clicked, this, [this, indice] {
        if (!pestanas_[indice].diagrama.tabla.filas.empty())
            QApplication::clipboard()->setText(TextoTabla(indice));
    });
    connect(p.botones[1], &QPushButton::clicked, this, [this, indice] {
        const QString ruta = PedirArchivoTabla(this, capPerfilGuardarTabla, kArchivos[indice]);
        if (!ruta.isEmpty())
            GuardarTabla(indice, ruta);
    });
    connect(p.botones[2], &QPushButton::clicked, this, [this, indice] {
        const QString ruta = PedirArchivoGrafico(this, capPerfilGuardarGrafico, kArchivos[indice]);
        if (!ruta.isEmpty())
            GuardarGrafico(indice, ruta);
    });
    connect(p.grafico, &GraficoXY::lectura, this, [this](const QString& texto) {
        if (texto.isEmpty())
            ui->barraEstado->clearMessage();
        else
            ui->barraEstado->showMessage(texto);
    });
}

void VentanaDiagramas::AplicarTextos()
{
    setWindowTitle(capDiagramasTitulo);
    const QString* titulos[] = {&capTabCurvaGasto, &capTabEnergia, &capTabFuerza, &capTabSeccion};
    for (int i = 0; i < 4; ++i) {
        ui->tabDiagramas->setTabText(i, *titulos[i]);
        pestanas_[i].botones[0]->setText(capPerfilCopiar);
        pestanas_[i].botones[1]->setText(capPerfilGuardarTabla);
        pestanas_[i].botones[2]->setText(capPerfilGuardarGrafico);
    }
    ui->lblQDesde->setText(capQDesde);
    ui->lblQHasta->setText(capQHasta);
    ui->lblPasos->setText(capPasos);
    ui->cmdCalcularCurva->setText(capCalcularCurva);
}

void VentanaDiagramas::Actualizar()
{
    AplicarTextos();
    entrada_ = LeerEntrada();
    // The range follows the main window's discharge until the user types one.
    const double q = entrada_.canal.caudal;
    if (!rangoEditado_ && q > 0 && std::isfinite(q) && entrada_.errorLectura.isEmpty()) {
        const auto [desde, hasta] = RangoCaudalPorDefecto(q);
        ui->txtQDesde->setText(NumeroATexto(desde));
        ui->txtQHasta->setText(NumeroATexto(hasta));
    }
    if (ui->txtPasos->text().isEmpty() && !rangoEditado_)
        ui->txtPasos->setText(QString::number(kPasosPorDefecto));
    CalcularCurva();
    Mostrar(PestanaEnergia, DiagramaEnergia(entrada_));
    Mostrar(PestanaFuerza, DiagramaFuerza(entrada_));
    Mostrar(PestanaSeccion, DiagramaSeccion(entrada_));
}

void VentanaDiagramas::CalcularCurva()
{
    // 10,000 steps take a second or two.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Mostrar(PestanaCurvaGasto, DiagramaCurvaGasto(entrada_, ui->txtQDesde->text(),
                                                  ui->txtQHasta->text(), ui->txtPasos->text()));
    QApplication::restoreOverrideCursor();
}

void VentanaDiagramas::Mostrar(int indice, Diagrama diagrama)
{
    Pestana& p = pestanas_[indice];
    p.modelo->Cargar(nullptr);
    p.diagrama = std::move(diagrama);
    const bool hay = p.diagrama.mensaje.isEmpty();
    if (!hay) {
        // Nothing of an earlier calculation stays.
        p.diagrama.grafico = DatosGrafico();
        p.diagrama.tabla.filas.clear();
        p.diagrama.descripcion.clear();
    }
    p.mensaje->setText(p.diagrama.mensaje);
    p.mensaje->setVisible(!hay);
    p.descripcion->setText(p.diagrama.descripcion);
    p.descripcion->setVisible(hay);
    p.division->setVisible(hay);
    p.grafico->Mostrar(p.diagrama.grafico);
    p.modelo->Cargar(&p.diagrama.tabla);
    for (QPushButton* boton : p.botones)
        boton->setEnabled(hay);
}

QString VentanaDiagramas::TextoTabla(int pestana) const
{
    if (pestana < 0 || pestana > 3 || pestanas_[pestana].diagrama.tabla.filas.empty())
        return QString();
    return pestanas_[pestana].diagrama.tabla.TextoSeparadoPorTabs();
}

QString VentanaDiagramas::Mensaje(int pestana) const
{
    return pestanas_.at(pestana).diagrama.mensaje;
}

GraficoXY* VentanaDiagramas::grafico(int pestana) const
{
    return pestanas_.at(pestana).grafico;
}

bool VentanaDiagramas::GuardarTabla(int pestana, const QString& ruta)
{
    if (pestana < 0 || pestana > 3 || pestanas_[pestana].diagrama.tabla.filas.empty())
        return AvisarArchivoNoGuardado(this, ruta, capMotivoSinDatos);
    const QByteArray csv = pestanas_[pestana].diagrama.tabla.Csv();
    return EscribirArchivo(this, ruta,
                           [&csv](QIODevice& archivo) { return archivo.write(csv) == csv.size(); });
}

bool VentanaDiagramas::GuardarGrafico(int pestana, const QString& ruta)
{
    const QString tipo = QFileInfo(ruta).suffix().toLower();
    if (tipo != QLatin1String("png") && tipo != QLatin1String("svg"))
        return AvisarArchivoNoGuardado(this, ruta, capMotivoFormato);
    if (pestana < 0 || pestana > 3 || !pestanas_[pestana].grafico->hayDatos())
        return AvisarArchivoNoGuardado(this, ruta, capMotivoSinDatos);
    const GraficoXY* grafico = pestanas_[pestana].grafico;
    const QSize tamano = grafico->isVisible() ? grafico->size() : kTamanoGraficoOculto;
    return EscribirArchivo(this, ruta, [&](QIODevice& archivo) {
        return grafico->Escribir(archivo, tipo, tamano, capDiagramasTitulo);
    });
}
