#include "windows/VentanaDiseno.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHeaderView>
#include <QPainter>
#include <QStandardItemModel>
#include <cmath>

#include "captions/Numeros.h"
#include "captions/Textos.h"
#include "engine/Csv.h"
#include "engine/modFuncionesTorvel.h"
#include "plot/Lienzo.h"
#include "ui_VentanaDiseno.h"
#include "windows/Archivos.h"
#include "windows/Mensajes.h"
#include "windows/VentanaUnica.h"

namespace {

// The unknowns in the order of the list, which is that of Incognita.
const Incognita kIncognitas[] = {Incognita::Caudal,   Incognita::Tirante, Incognita::Ancho,
                                 Incognita::Diametro, Incognita::Talud,   Incognita::Pendiente,
                                 Incognita::Manning};

// The drawing's size when the window has never been laid out.
const QSize kTamanoDibujoOculto(560, 360);

QString Unidad(Incognita dato)
{
    switch (dato) {
    case Incognita::Caudal: return QStringLiteral("m3/s");
    case Incognita::Talud: return QStringLiteral("H/V");
    case Incognita::Pendiente: return QStringLiteral("m/m");
    case Incognita::Manning: return QStringLiteral("s/m^(1/3)");
    default: return QStringLiteral("m");
    }
}

QString Clave(Incognita dato)
{
    switch (dato) {
    case Incognita::Caudal: return QStringLiteral("q");
    case Incognita::Tirante: return QStringLiteral("depth");
    case Incognita::Ancho: return QStringLiteral("b");
    case Incognita::Diametro: return QStringLiteral("d");
    case Incognita::Talud: return QStringLiteral("z");
    case Incognita::Pendiente: return QStringLiteral("slope");
    case Incognita::Manning: break;
    }
    return QStringLiteral("n");
}

// Four decimals; a small figure (a slope) keeps four significant digits instead.
QString ParaLeer(double valor)
{
    if (valor != 0 && std::fabs(valor) < 0.001)
        return NumeroATexto(valor, 4);
    return TextoRedondeado(valor, 4);
}

}  // namespace

VentanaDiseno::VentanaDiseno(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::VentanaDiseno>())
{
    ui->setupUi(this);
    setWindowIcon(IconoAplicacion());
    DibujarMarcos(this);
    for (int i = 0; i < 7; ++i)
        ui->cboDisIncognita->addItem(QString());
    ui->tblDisResultados->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    ui->tblDisResultados->verticalHeader()->hide();
    ui->tblDisResultados->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    for (Incognita dato : kIncognitas)
        CajaDe(dato)->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0.000000")) +
                                      16);
    ui->grpDisForma->setMaximumWidth(320);
    ui->grpDisDatos->setMaximumWidth(320);

    connect(ui->grupoDisForma, &QButtonGroup::buttonToggled, this,
            [this](QAbstractButton*, bool marcada) {
                if (marcada)
                    CambiarForma();
            });
    connect(ui->cboDisIncognita, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &VentanaDiseno::CambiarIncognita);
    connect(ui->cmdDisResolver, &QPushButton::clicked, this, &VentanaDiseno::Resolver);
    for (Incognita dato : kIncognitas)
        connect(CajaDe(dato), &QLineEdit::returnPressed, this, &VentanaDiseno::Resolver);
    connect(ui->cmdDisCopiar, &QPushButton::clicked, this, &VentanaDiseno::Copiar);
    connect(ui->cmdDisGuardar, &QPushButton::clicked, this, &VentanaDiseno::PedirArchivo);
    connect(ui->cmdDisUsar, &QPushButton::clicked, this, &VentanaDiseno::Usar);

    AplicarTextos();
    CambiarForma();
    resize(800, 560);
    CentrarEnPantalla(this);
}

VentanaDiseno::~VentanaDiseno() = default;

void VentanaDiseno::AplicarTextos()
{
    setWindowTitle(capDisTitulo);
    ui->grpDisForma->setTitle(capDisForma);
    ui->optDisRect->setText(capRectangular);
    ui->optDisTrap->setText(capTrapezoidal);
    ui->optDisCirc->setText(capCircular);
    ui->grpDisDatos->setTitle(capDisDatos);
    ui->lblDisIncognita->setText(capDisIncognita);
    for (Incognita dato : kIncognitas) {
        ui->cboDisIncognita->setItemText(static_cast<int>(dato), NombreDe(dato));
        auto* etiqueta = findChild<QLabel*>(CajaDe(dato)->objectName().replace(0, 3, "lbl"));
        if (etiqueta)
            etiqueta->setText(NombreDe(dato) + QStringLiteral(" (") + Unidad(dato) +
                              QLatin1Char(')'));
        CajaDe(dato)->setAccessibleName(NombreDe(dato));
    }
    ui->cmdDisResolver->setText(capDisResolver);
    ui->cmdDisCopiar->setText(capDisCopiar);
    ui->cmdDisGuardar->setText(capDisGuardar);
    ui->cmdDisUsar->setText(capDisUsar);
    ui->tblDisResultados->setHorizontalHeaderLabels({capDisResultados, QString(), QString()});
    MostrarResultado();
}

FormaCanal VentanaDiseno::Forma() const
{
    if (ui->optDisCirc->isChecked())
        return FormaCanal::Circular;
    return ui->optDisTrap->isChecked() ? FormaCanal::Trapezoidal : FormaCanal::Rectangular;
}

Incognita VentanaDiseno::IncognitaElegida() const
{
    return kIncognitas[std::clamp(ui->cboDisIncognita->currentIndex(), 0, 6)];
}

QLineEdit* VentanaDiseno::CajaDe(Incognita dato) const
{
    switch (dato) {
    case Incognita::Caudal: return ui->txtDisCaudal;
    case Incognita::Tirante: return ui->txtDisTirante;
    case Incognita::Ancho: return ui->txtDisAncho;
    case Incognita::Diametro: return ui->txtDisDiametro;
    case Incognita::Talud: return ui->txtDisTalud;
    case Incognita::Pendiente: return ui->txtDisPendiente;
    case Incognita::Manning: break;
    }
    return ui->txtDisManning;
}

QString VentanaDiseno::NombreDe(Incognita dato) const
{
    switch (dato) {
    case Incognita::Caudal: return capDisCaudal;
    case Incognita::Tirante: return capDisTirante;
    case Incognita::Ancho: return capDisAncho;
    case Incognita::Diametro: return capDisDiametro;
    case Incognita::Talud: return capDisTalud;
    case Incognita::Pendiente: return capDisPendiente;
    case Incognita::Manning: break;
    }
    return capDisManning;
}

// Only the unknowns of the shape can be chosen; one that no longer fits gives
// way to the discharge.
void VentanaDiseno::CambiarForma()
{
    const FormaCanal forma = Forma();
    auto* modelo = qobject_cast<QStandardItemModel*>(ui->cboDisIncognita->model());
    for (Incognita dato : kIncognitas)
        if (modelo)
            modelo->item(static_cast<int>(dato))->setEnabled(IncognitaAplica(forma, dato));
    if (!IncognitaAplica(forma, IncognitaElegida()))
        ui->cboDisIncognita->setCurrentIndex(static_cast<int>(Incognita::Caudal));
    CambiarIncognita();
}

// The boxes of the shape are open, but that of the unknown, which is greyed.
void VentanaDiseno::CambiarIncognita()
{
    const FormaCanal forma = Forma();
    const Incognita incognita = IncognitaElegida();
    for (Incognita dato : kIncognitas)
        CajaDe(dato)->setEnabled(IncognitaAplica(forma, dato) && dato != incognita);
}

bool VentanaDiseno::Fallar(const QString& texto)
{
    resultado_.reset();
    MostrarResultado();
    MostrarMensaje(this, texto, capDisFalloTitulo);
    return false;
}

bool VentanaDiseno::Resolver()
{
    CanalDiseno canal;
    canal.forma = Forma();
    const Incognita incognita = IncognitaElegida();
    for (Incognita dato : kIncognitas) {
        if (dato == incognita || !IncognitaAplica(canal.forma, dato))
            continue;
        const QString texto = CajaDe(dato)->text();
        try {
            CampoDe(canal, dato) = TextoANumero(texto);
        } catch (const ErrorLectura&) {
            resultado_.reset();
            MostrarResultado();
            MostrarMensaje(this, capErrorLectura.arg(NombreDe(dato), texto), capErrorEntradaTitulo);
            return false;
        }
    }
    const ResultadoDiseno r = ResolverCanal(canal, incognita);
    if (!r.ok)
        return Fallar(Motivo(r));
    resultado_ = r;
    incognitaResuelta_ = incognita;
    // A figure that is not finite is never shown as an answer.
    for (const Fila& fila : Filas())
        if (!std::isfinite(fila.valor))
            return Fallar(capDisDesborde.arg(NombreDe(incognita)));
    for (double valor : Resultados())
        if (!std::isfinite(valor))
            return Fallar(capDisDesborde.arg(NombreDe(incognita)));
    CajaDe(incognita)->setText(ParaLeer(r.valor));
    MostrarResultado();
    return true;
}

QString VentanaDiseno::Motivo(const ResultadoDiseno& r) const
{
    const QString nombre = NombreDe(r.dato);
    const RangoDato rango = RangoDeDato(r.dato);
    switch (r.motivo) {
    case MotivoDiseno::DatoFaltante: return capDisFaltante.arg(nombre);
    case MotivoDiseno::DatoFueraDeRango:
        return capDisFueraDeRango.arg(nombre, NumeroATexto(rango.minimo),
                                      NumeroATexto(rango.maximo));
    case MotivoDiseno::IncognitaNoAplica: return capDisNoAplica.arg(nombre);
    case MotivoDiseno::TiranteSobreDiametro: return capDisSobreDiametro.arg(nombre);
    case MotivoDiseno::TuboCasiVacio: return capDisCasiVacio.arg(nombre);
    case MotivoDiseno::TuboNoConduce:
        return capDisNoConduce.arg(nombre, ParaLeer(r.capacidad.qMax), ParaLeer(r.capacidad.yQMax));
    case MotivoDiseno::SinSolucionEnRango:
        return capDisSinSolucion.arg(nombre, NumeroATexto(rango.minimo),
                                     NumeroATexto(rango.maximo));
    default: return capDisDesborde.arg(nombre);
    }
}

// The rows of the results table and of Copy: the unknown first.
QList<VentanaDiseno::Fila> VentanaDiseno::Filas() const
{
    QList<Fila> filas;
    if (!resultado_)
        return filas;
    const ResultadoDiseno& r = *resultado_;
    const ElementosSeccion& e = r.elementos;
    const QString m = QStringLiteral("m"), m3s = QStringLiteral("m3/s");
    filas << Fila{QStringLiteral("value"), NombreDe(incognitaResuelta_), Unidad(incognitaResuelta_),
                  r.valor};
    if (r.canal.forma == FormaCanal::Trapezoidal)
        filas << Fila{QStringLiteral("angle"), capDisAngulo, QStringLiteral("°"),
                      TaludAGrados(r.canal.z)};
    filas << Fila{"A", capDisArea, QStringLiteral("m2"), e.area}
          << Fila{"P", capDisPerimetro, m, e.perimetro}
          << Fila{"R", capDisRadio, m, e.radioHidraulico}
          << Fila{"T", capDisAnchoSup, m, e.anchoSup}
          << Fila{"V", capDisVelocidad, QStringLiteral("m/s"), e.velocidad}
          << Fila{"Fr", capDisFroude, QString(), e.froude} << Fila{"E", capDisEnergia, m, e.energia}
          << Fila{"tau", capDisTension, QStringLiteral("Pa"), e.tension};
    if (r.tiranteCritico)
        filas << Fila{"yc", capDisCritico, m, *r.tiranteCritico};
    if (r.pendienteCritica)
        filas << Fila{"Sc", capDisPendCritica, QStringLiteral("m/m"), *r.pendienteCritica};
    if (r.canal.forma == FormaCanal::Circular) {
        filas << Fila{"pct_full", capDisPctLleno, QStringLiteral("%"), r.pctLleno}
              << Fila{"q_full", capDisQLleno, m3s, r.capacidad.qLleno}
              << Fila{"q_max", capDisQMax, m3s, r.capacidad.qMax}
              << Fila{"y_qmax", capDisYQMax, m, r.capacidad.yQMax};
        if (r.segundoTirante)
            filas << Fila{"depth_2", capDisSegundo, m, *r.segundoTirante};
    }
    return filas;
}

QMap<QString, double> VentanaDiseno::Resultados() const
{
    QMap<QString, double> mapa;
    if (!resultado_)
        return mapa;
    CanalDiseno c = resultado_->canal;
    for (Incognita dato : kIncognitas)
        if (IncognitaAplica(c.forma, dato))
            mapa.insert(Clave(dato), CampoDe(c, dato));
    for (const Fila& fila : Filas())
        mapa.insert(fila.clave, fila.valor);
    return mapa;
}

void VentanaDiseno::MostrarResultado()
{
    const QList<Fila> filas = Filas();
    QTableWidget* tabla = ui->tblDisResultados;
    tabla->setRowCount(filas.size());
    for (int i = 0; i < filas.size(); ++i) {
        const QString textos[] = {filas[i].nombre, ParaLeer(filas[i].valor), filas[i].unidad};
        for (int j = 0; j < 3; ++j) {
            auto* celda = new QTableWidgetItem(textos[j]);
            if (j == 1)
                celda->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (i == 0) {
                QFont negrita = celda->font();
                negrita.setBold(true);
                celda->setFont(negrita);
            }
            tabla->setItem(i, j, celda);
        }
    }
    tabla->resizeColumnToContents(1);
    tabla->resizeColumnToContents(2);

    const bool hay = resultado_.has_value();
    for (QWidget* boton : {ui->cmdDisCopiar, ui->cmdDisGuardar, ui->cmdDisUsar})
        boton->setEnabled(hay);
    if (!hay) {
        ui->picDisSeccion->Borrar();
        ui->lblDisRegimen->setStyleSheet(QString());
        ui->lblDisRegimen->setText(capDisSinResultado);
        return;
    }
    const ResultadoDiseno& r = *resultado_;
    ui->picDisSeccion->MostrarSeccion(r.canal, r.tiranteCritico);
    QString regimen = r.regimen == Regimen::Subcritico     ? capDisSubcritico
                      : r.regimen == Regimen::Supercritico ? capDisSupercritico
                                                           : capDisCriticoRegimen;
    regimen += QStringLiteral(" (Fr = ") + ParaLeer(r.elementos.froude) + QStringLiteral(").");
    if (r.casiCritico)
        regimen += QLatin1Char(' ') + capDisCasiCritico;
    ui->lblDisRegimen->setStyleSheet(r.casiCritico ? QStringLiteral("color: rgb(170, 40, 20);")
                                                   : QString());
    ui->lblDisRegimen->setText(regimen);
}

QString VentanaDiseno::TextoResultados() const
{
    QString texto;
    for (const Fila& fila : Filas())
        texto += fila.nombre + QLatin1Char('\t') +
                 QString::fromStdString(NumeroExacto(fila.valor)) + QLatin1Char('\t') +
                 fila.unidad + QLatin1Char('\n');
    return texto;
}

void VentanaDiseno::Copiar()
{
    if (resultado_)
        QApplication::clipboard()->setText(TextoResultados());
}

bool VentanaDiseno::GuardarSeccion(const QString& ruta)
{
    const QString tipo = QFileInfo(ruta).suffix().toLower();
    if (tipo != QLatin1String("png") && tipo != QLatin1String("svg"))
        return AvisarArchivoNoGuardado(this, ruta, capMotivoFormato);
    if (!ui->picDisSeccion->haySeccion())
        return AvisarArchivoNoGuardado(this, ruta, capDisSinDibujo);
    const DibujoSeccion* dibujo = ui->picDisSeccion;
    const QSize tamano = dibujo->isVisible() ? dibujo->size() : kTamanoDibujoOculto;
    return EscribirArchivo(this, ruta, [&](QIODevice& archivo) {
        return EscribirPintura(
            archivo, tipo, tamano, capDisTitulo,
            [dibujo](QPainter& pintor, const QRectF& area) { dibujo->Pintar(pintor, area); });
    });
}

void VentanaDiseno::PedirArchivo()
{
    const QString ruta = PedirArchivoGrafico(this, capDisGuardar, QStringLiteral("seccion"));
    if (!ruta.isEmpty())
        GuardarSeccion(ruta);
}

void VentanaDiseno::Usar()
{
    if (resultado_)
        emit usarEnPrincipal(resultado_->canal);
}
