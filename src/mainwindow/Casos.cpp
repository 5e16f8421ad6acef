// Saved cases in the main window: the File menu's Open, Save and Save as, the
// last five cases, and a case file dropped on the window.
#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QSettings>
#include <QTimer>
#include <QUrl>

#include "captions/Textos.h"
#include "mainwindow/RungeKutta.h"
#include "state/Variables.h"
#include "ui_RungeKutta.h"
#include "windows/Archivos.h"
#include "windows/Mensajes.h"
#include "windows/VentanaUnica.h"
#include "windows/frmParamCalc.h"

namespace {

constexpr int kCasosRecientes = 5;

// The recent cases live in a store of their own (Torvel/casos.conf), far from
// the stored language; it is read and written only on the user's actions.
QSettings AlmacenCasos()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Torvel"),
                     QStringLiteral("casos"));
}

const QString kClaveRecientes = QStringLiteral("recientes");

QStringList LeerRecientes()
{
    return AlmacenCasos().value(kClaveRecientes).toStringList();
}

void GuardarRecientes(const QStringList& rutas)
{
    QSettings almacen = AlmacenCasos();
    almacen.setValue(kClaveRecientes, rutas);
}

QString Nativa(const QString& ruta)
{
    return QDir::toNativeSeparators(ruta);
}

}  // namespace

void RungeKutta::PrepararCasos()
{
    connect(ui->mnuAbrirCaso, &QAction::triggered, this, &RungeKutta::mnuAbrirCaso_Click);
    connect(ui->mnuGuardarCaso, &QAction::triggered, this, &RungeKutta::mnuGuardarCaso_Click);
    connect(ui->mnuGuardarCasoComo, &QAction::triggered, this,
            &RungeKutta::mnuGuardarCasoComo_Click);
    // The list is read when the menu opens, never before.
    connect(ui->mnuArchivo, &QMenu::aboutToShow, this, &RungeKutta::MostrarCasosRecientes);
    setAcceptDrops(true);
    for (QLineEdit* caja : ui->centralwidget->findChildren<QLineEdit*>())
        caja->installEventFilter(this);
}

// The input boxes, each under its key in the file.
QList<QPair<QString, QLineEdit*>> RungeKutta::CajasDelCaso() const
{
    const QList<QLineEdit*> cajas = {
        ui->Text1,  ui->Text2,  ui->Text3,     ui->Text39, ui->Text4, ui->Text5,
        ui->Text6,  ui->Text7,  ui->Text11,    ui->Text8,  ui->Text9, ui->Text28,
        ui->Text32, ui->Text34, ui->txtY1Conj, ui->Text21,
    };
    QList<QPair<QString, QLineEdit*>> pares;
    for (int i = 0; i < cajas.size(); ++i)
        pares.append({ClavesEntradas().at(i), cajas.at(i)});
    return pares;
}

QList<QPair<QString, QLineEdit*>> RungeKutta::CajasDeResultados() const
{
    return {
        {QStringLiteral("critical_slope"), ui->Text38},
        {QStringLiteral("slope_type"), ui->Text37},
        {QStringLiteral("critical_depth"), ui->Text13},
        {QStringLiteral("critical_energy"), ui->txtEyc},
        {QStringLiteral("normal_depth"), ui->Text14},
        {QStringLiteral("normal_energy"), ui->txtEYn},
        {QStringLiteral("percent_diameter"), ui->Por_Diam},
        {QStringLiteral("alternate_depth"), ui->Text33},
        {QStringLiteral("alternate_supercritical"), ui->Text36},
        {QStringLiteral("alternate_subcritical"), ui->Text35},
        {QStringLiteral("conjugate_depth"), ui->txtY2Conj},
        {QStringLiteral("rk_depth"), ui->Text10},
        {QStringLiteral("rk_energy"), ui->Text12},
        {QStringLiteral("direct_step_x"), ui->Text30},
        {QStringLiteral("direct_step_energy"), ui->Text31},
    };
}

Caso RungeKutta::CasoDeLaVentana() const
{
    Caso caso;
    caso.forma = ui->optCircular->isChecked()      ? QStringLiteral("circle")
                 : ui->optTrapezoidal->isChecked() ? QStringLiteral("trap")
                                                   : QStringLiteral("rect");
    // These three boxes are read by their leading number, "." in every locale.
    const QList<QLineEdit*> lecturaInicial = {ui->Text32, ui->Text34, ui->txtY1Conj};
    for (const auto& [clave, caja] : CajasDelCaso())
        caso.entradas.append(
            {clave, ValorCaso::DesdeTexto(caja->text(), lecturaInicial.contains(caja))});
    caso.modoAlterno = ui->optEnergia->isChecked() ? QStringLiteral("energy")
                                                   : QStringLiteral("depth");
    caso.fuenteTirante = ui->optCondBorde->isChecked()    ? QStringLiteral("boundary")
                         : ui->optRungeKutta->isChecked() ? QStringLiteral("runge_kutta")
                                                          : QStringLiteral("manual");
    const Variables& v = estado();
    caso.errorAdmisible = v.errorAdmisible;
    caso.puntosPerfil = v.puntosPerfil;
    caso.umbralPasoInteligente = v.umbralPasoInteligente;
    caso.pasoInteligente = v.pasoInteligente != FALSO;
    caso.titulo = tituloCaso_;
    caso.notas = notasCaso_;
    for (const auto& [clave, caja] : CajasDeResultados())
        caso.resultados.append({clave, ValorCaso::DesdeTexto(caja->text())});
    return caso;
}

// As the user would: the shape and options are chosen, the boxes typed, the
// parameters accepted. The results of another channel do not stay beside it.
void RungeKutta::AplicarCaso(const Caso& caso)
{
    QRadioButton* forma = caso.forma == QLatin1String("circle") ? ui->optCircular
                          : caso.forma == QLatin1String("trap") ? ui->optTrapezoidal
                                                                : ui->optRectangular;
    forma->setChecked(true);
    (caso.modoAlterno == QLatin1String("energy") ? ui->optEnergia : ui->Option8)->setChecked(true);
    QRadioButton* fuente = caso.fuenteTirante == QLatin1String("boundary")      ? ui->optCondBorde
                           : caso.fuenteTirante == QLatin1String("runge_kutta") ? ui->optRungeKutta
                                                                                : ui->optManual;
    fuente->setChecked(true);
    for (const auto& [clave, caja] : CajasDelCaso())
        caja->setText(caso.Entrada(clave).ComoTexto());
    for (const auto& [clave, caja] : CajasDeResultados())
        caja->clear();

    Variables& v = estado();
    v.errorAdmisible = caso.errorAdmisible;
    v.puntosPerfil = caso.puntosPerfil;
    v.umbralPasoInteligente = caso.umbralPasoInteligente;
    v.pasoInteligente = caso.pasoInteligente ? VERDADERO : FALSO;
    tituloCaso_ = caso.titulo;
    notasCaso_ = caso.notas;
    // An open parameters window would store its old values over the case's.
    if (frmParamCalc* parametros = VentanaAbierta<frmParamCalc>())
        parametros->close();
    PrimeraCajaDeLaForma()->setFocus();
}

// The case's file and title, as the report names them.
QString RungeKutta::CasoDelInforme() const
{
    if (rutaCaso_.isEmpty())
        return QString();
    const QString archivo = QFileInfo(rutaCaso_).fileName();
    return tituloCaso_.isEmpty() ? archivo : archivo + QStringLiteral(" (") + tituloCaso_ + ')';
}

bool RungeKutta::GuardarCaso(const QString& ruta)
{
    const QByteArray datos = EscribirCaso(CasoDeLaVentana());
    const bool guardado = EscribirArchivo(
        this, ruta, [&datos](QIODevice& archivo) { return archivo.write(datos) == datos.size(); });
    if (guardado) {
        rutaCaso_ = QFileInfo(ruta).absoluteFilePath();
        RecordarCaso(rutaCaso_);
    }
    return guardado;
}

bool RungeKutta::AbrirCaso(const QString& ruta)
{
    Caso caso;
    QString motivo;
    if (!LeerCaso(ruta, caso, motivo)) {
        MostrarMensaje(this, capErrorAbrirCaso.arg(Nativa(ruta), motivo));
        return false;
    }
    AplicarCaso(caso);
    rutaCaso_ = QFileInfo(ruta).absoluteFilePath();
    RecordarCaso(rutaCaso_);
    return true;
}

void RungeKutta::RecordarCaso(const QString& ruta)
{
    QStringList rutas = LeerRecientes();
    rutas.removeAll(ruta);
    rutas.prepend(ruta);
    GuardarRecientes(rutas.mid(0, kCasosRecientes));
}

void RungeKutta::mnuAbrirCaso_Click()
{
    const QString ruta = QFileDialog::getOpenFileName(
        this, capTituloAbrirCaso, QFileInfo(rutaCaso_).absolutePath(), capFiltroCaso);
    if (!ruta.isEmpty())
        AbrirCaso(ruta);
}

void RungeKutta::mnuGuardarCaso_Click()
{
    if (rutaCaso_.isEmpty())
        mnuGuardarCasoComo_Click();
    else
        GuardarCaso(rutaCaso_);
}

void RungeKutta::mnuGuardarCasoComo_Click()
{
    QString ruta = QFileDialog::getSaveFileName(this, capMnuGuardarCaso, rutaCaso_, capFiltroCaso);
    if (ruta.isEmpty())
        return;
    if (QFileInfo(ruta).suffix().isEmpty())
        ruta += QLatin1Char('.') + QLatin1String(kExtensionCaso);
    GuardarCaso(ruta);
}

// The last five cases, numbered, between Save as and Exit.
void RungeKutta::MostrarCasosRecientes()
{
    qDeleteAll(accionesRecientes_);
    accionesRecientes_.clear();
    const QStringList rutas = LeerRecientes();
    for (int i = 0; i < rutas.size() && i < kCasosRecientes; ++i) {
        const QString ruta = rutas.at(i);
        auto* accion =
            new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(ruta).fileName()), this);
        accion->setObjectName(QStringLiteral("mnuCasoReciente%1").arg(i + 1));
        accion->setToolTip(Nativa(ruta));
        accion->setStatusTip(Nativa(ruta));
        connect(accion, &QAction::triggered, this, [this, ruta] { AbrirCasoReciente(ruta); });
        ui->mnuArchivo->insertAction(ui->nadaCasos, accion);
        accionesRecientes_ << accion;
    }
    if (!accionesRecientes_.isEmpty()) {
        auto* separador = new QAction(this);
        separador->setSeparator(true);
        ui->mnuArchivo->insertAction(accionesRecientes_.first(), separador);
        accionesRecientes_.prepend(separador);
    }
}

void RungeKutta::AbrirCasoReciente(const QString& ruta)
{
    if (QFileInfo(ruta).isFile()) {
        AbrirCaso(ruta);
        return;
    }
    QStringList rutas = LeerRecientes();
    rutas.removeAll(ruta);
    GuardarRecientes(rutas);
    MostrarMensaje(this, capCasoRecienteFalta.arg(Nativa(ruta)));
}

// A drag that carries exactly one local .torvel file.
bool RungeKutta::ArrastreDeCaso(QDropEvent* evento, QString* ruta) const
{
    const QMimeData* datos = evento->mimeData();
    if (!datos || !datos->hasUrls() || datos->urls().size() != 1)
        return false;
    const QUrl url = datos->urls().first();
    if (!url.isLocalFile() ||
        QFileInfo(url.toLocalFile())
                .suffix()
                .compare(QLatin1String(kExtensionCaso), Qt::CaseInsensitive) != 0)
        return false;
    if (ruta)
        *ruta = url.toLocalFile();
    return true;
}

void RungeKutta::dragEnterEvent(QDragEnterEvent* evento)
{
    if (ArrastreDeCaso(evento))
        evento->acceptProposedAction();
}

void RungeKutta::dragMoveEvent(QDragMoveEvent* evento)
{
    if (ArrastreDeCaso(evento))
        evento->acceptProposedAction();
}

void RungeKutta::dropEvent(QDropEvent* evento)
{
    QString ruta;
    if (!ArrastreDeCaso(evento, &ruta))
        return;
    evento->acceptProposedAction();
    // Opened once the drop is over, so that a message does not hold the drag.
    QTimer::singleShot(0, this, [this, ruta] { AbrirCaso(ruta); });
}
