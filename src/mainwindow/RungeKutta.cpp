#include "mainwindow/RungeKutta.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <utility>

#include "captions/Numeros.h"
#include "captions/Textos.h"
#include "engine/modFuncionesTorvel.h"
#include "plot/GraficoPerfil.h"
#include "state/Variables.h"
#include "ui_RungeKutta.h"
#include "windows/CajasTexto.h"
#include "windows/Idioma.h"
#include "windows/InformeCalculo.h"
#include "windows/VentanaDiagramas.h"
#include "windows/Mensajes.h"
#include "windows/TextosQt.h"
#include "windows/VentanaDiseno.h"
#include "windows/VentanaPerfil.h"
#include "windows/VentanaUnica.h"
#include "windows/frmInfoProg.h"
#include "windows/frmParamCalc.h"
#include "windows/inf_zuvan.h"

namespace {

const QColor kGrisFondo(224, 224, 224);
constexpr int kAnchoCliente = 653;
constexpr int kAltoCliente = 492;

void PintarFondo(QWidget* widget, QPalette::ColorRole rol)
{
    QPalette paleta = widget->palette();
    paleta.setColor(rol, kGrisFondo);
    widget->setPalette(paleta);
}

// The heading is 18 pt where it fits; a longer caption (the Spanish one) shrinks
// just enough to stay whole inside its place.
void AjustarTitulo(QLabel* titulo)
{
    QFont fuente = titulo->font();
    fuente.setPointSize(18);
    while (fuente.pointSize() > 8 &&
           QFontMetrics(fuente).horizontalAdvance(titulo->text()) > titulo->width())
        fuente.setPointSize(fuente.pointSize() - 1);
    titulo->setFont(fuente);
}

// Tab enters an option group at its chosen option, as it does in any dialog of the
// desktop; the arrow keys move among the others. Qt itself only does this once one
// of the options has had the focus, so before that Tab would stop at the first.
void EntrarPorOpcionMarcada(QButtonGroup* grupo)
{
    const QAbstractButton* marcada = grupo->checkedButton();
    if (!marcada)
        return;
    for (QAbstractButton* opcion : grupo->buttons()) {
        const int politica = opcion == marcada ? opcion->focusPolicy() | Qt::TabFocus
                                               : opcion->focusPolicy() & ~Qt::TabFocus;
        opcion->setFocusPolicy(static_cast<Qt::FocusPolicy>(politica));
    }
}

// A label that sits on its frame's top border, at the right, covers the border
// under its text only, as the frame's title does at the left.
void TaparBorde(QLabel* etiqueta)
{
    const QRect lugar = etiqueta->geometry();
    const int ancho = etiqueta->fontMetrics().horizontalAdvance(etiqueta->text()) + 4;
    etiqueta->setGeometry(lugar.right() + 1 - ancho, lugar.y(), ancho, lugar.height());
    etiqueta->setAutoFillBackground(true);
}

}  // namespace

RungeKutta::RungeKutta(QWidget* parent) : QMainWindow(parent), ui(new Ui::RungeKutta)
{
    PrepararVentana();
    Cargar(std::nullopt);
}

RungeKutta::RungeKutta(int16_t idioma, QWidget* parent)
    : QMainWindow(parent), ui(new Ui::RungeKutta)
{
    PrepararVentana();
    Cargar(idioma);
}

RungeKutta::~RungeKutta()
{
    delete ui;
}

GraficoPerfil* RungeKutta::grafico()
{
    return ui->picCurva;
}

// The fixed look of the window: everything here is the same in both languages.
void RungeKutta::PrepararVentana()
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    // Minimise and close only: the panels are laid out for one size.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(IconoAplicacion());

    ui->Label38->setText(QStringLiteral("Torvel " TORVEL_VERSION));
    PintarFondo(this, QPalette::Window);
    PintarFondo(ui->lblXY, QPalette::Window);
    // Result boxes are grey so that the user tells them from the inputs at a glance.
    for (QLineEdit* resultado : {ui->Text13, ui->Text14, ui->txtEyc, ui->txtEYn, ui->Por_Diam,
                                 ui->Text38, ui->Text37, ui->Text33, ui->Text35, ui->Text36,
                                 ui->txtY2Conj, ui->Text10, ui->Text12, ui->Text30, ui->Text31}) {
        PintarFondo(resultado, QPalette::Base);
        PrepararResultado(resultado);
    }
    // The converted angle and the copies from the profile panels.
    for (QLineEdit* copia : {ui->Text3, ui->Text32, ui->Text34})
        MostrarDesdeElPrincipio(copia);
    DibujarMarcos(ui->centralwidget);

    const QPixmap logo(QStringLiteral(":/torvel/logo.png"));
    if (!logo.isNull())
        ui->picZuvan->setPixmap(
            logo.scaled(ui->picZuvan->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    ui->picZuvan->setAlignment(Qt::AlignCenter);
    ui->picZuvan->setCursor(Qt::PointingHandCursor);
    ui->picZuvan->installEventFilter(this);

    // Clicking into a box picks the shape or mode the box belongs to.
    opcionDeCaja_ = {
        {ui->Text1, ui->optRectangular}, {ui->Text2, ui->optTrapezoidal},
        {ui->Text3, ui->optTrapezoidal}, {ui->Text4, ui->optCircular},
        {ui->Text32, ui->Option8},       {ui->Text33, ui->Option8},
        {ui->Text34, ui->optEnergia},    {ui->Text35, ui->optEnergia},
        {ui->Text36, ui->optEnergia},    {ui->Text21, ui->optManual},
    };
    for (QObject* caja : opcionDeCaja_.keys())
        caja->installEventFilter(this);
    for (QButtonGroup* grupo : {ui->grupoForma, ui->grupoModoAlterno, ui->grupoTirante})
        EntrarPorOpcionMarcada(grupo);

    ui->picCurva->setEtiquetaLectura(ui->lblXY);
    accionTodasLasFilas_ = ui->mnuResultados->addAction(QString());
    accionTodasLasFilas_->setObjectName(QStringLiteral("mnuInformeTodasFilas"));
    accionTodasLasFilas_->setCheckable(true);
    ConectarSenales();
    PrepararCasos();
    OfrecerCanalADiagramas();

    resize(kAnchoCliente, kAltoCliente + menuBar()->sizeHint().height());
    CentrarEnPantalla(this);
}

// What changes with the language: the parameters go back to their defaults on
// every opening, and the captions follow the language.
void RungeKutta::Cargar(std::optional<int16_t> idioma)
{
    setWindowTitle(QStringLiteral("TORVEL v" TORVEL_VERSION));
    Variables& v = estado();
    ParametrosPorDefecto(v);
    bool idiomaLegible = true;
    if (idioma)
        v.idioma = *idioma;
    else
        idiomaLegible = LeerIdioma(v);
    CargarTextos(v.idioma);
    AplicarIdiomaQt(v.idioma);
    AplicarTextos();
    PrimeraCajaDeLaForma()->setFocus();
    // Told only once the window is up, so that the message has a window to sit on.
    if (!idiomaLegible)
        avisoPendiente_ = capErrorIdiomaLeer;
}

void RungeKutta::ConectarSenales()
{
    connect(ui->mnuparametros, &QAction::triggered, this, &RungeKutta::mnuparametros_Click);
    connect(ui->mnuSalir, &QAction::triggered, this, &RungeKutta::mnuSalir_Click);
    connect(ui->mnuLenguaje, &QAction::triggered, this, &RungeKutta::mnuLenguaje_Click);
    connect(ui->mnuAyudaOnline, &QAction::triggered, this, &RungeKutta::mnuAyudaOnline_Click);
    connect(ui->mnuEmpresa, &QAction::triggered, this, &RungeKutta::mnuEmpresa_Click);
    connect(ui->mnuInfo, &QAction::triggered, this, &RungeKutta::mnuInfo_Click);
    connect(ui->mnuVentanaPerfil, &QAction::triggered, this, &RungeKutta::mnuVentanaPerfil_Click);
    connect(ui->mnuInforme, &QAction::triggered, this, &RungeKutta::mnuInforme_Click);
    connect(ui->mnuDiseno, &QAction::triggered, this, &RungeKutta::mnuDiseno_Click);
    connect(ui->mnuDiagramas, &QAction::triggered, this, &RungeKutta::mnuDiagramas_Click);
    connect(ui->picCurva, &GraficoPerfil::dobleClic, this, &RungeKutta::mnuVentanaPerfil_Click);
    // An open profile window follows every profile drawn, and tells whether the
    // channel in the boxes is still the profile's.
    connect(ui->picCurva, &GraficoPerfil::perfilDibujado, this,
            &RungeKutta::ActualizarVentanaPerfil);
    for (QLineEdit* caja :
         {ui->Text1, ui->Text2, ui->Text3, ui->Text4, ui->Text5, ui->Text6, ui->Text7})
        connect(caja, &QLineEdit::textChanged, this, &RungeKutta::AvisarCanalAVentanaPerfil);
    connect(ui->grupoForma, &QButtonGroup::buttonToggled, this,
            &RungeKutta::AvisarCanalAVentanaPerfil);

    connect(ui->cmdConvertir, &QPushButton::clicked, this, &RungeKutta::cmdConvertir_Click);
    connect(ui->Calc_tir, &QPushButton::clicked, this, &RungeKutta::Calc_tir_Click);
    connect(ui->cmdAlterno, &QPushButton::clicked, this, &RungeKutta::cmdAlterno_Click);
    connect(ui->cmdConjugado, &QPushButton::clicked, this, &RungeKutta::cmdConjugado_Click);
    connect(ui->Calc_sup_libre, &QPushButton::clicked, this, &RungeKutta::Calc_sup_libre_Click);
    connect(ui->Paso_directo, &QPushButton::clicked, this, &RungeKutta::Paso_directo_Click);
    connect(ui->Command1, &QPushButton::clicked, this, &RungeKutta::Command1_Click);

    // Enter in an input box runs the calculation of its panel. The geometry
    // feeds the uniform flow, except the side slope, which Conv. converts; the
    // boundary condition belongs to both profiles, so it runs neither.
    const std::pair<QLineEdit*, QPushButton*> porEnter[] = {
        {ui->Text1, ui->Calc_tir},         {ui->Text2, ui->Calc_tir},
        {ui->Text3, ui->Calc_tir},         {ui->Text4, ui->Calc_tir},
        {ui->Text5, ui->Calc_tir},         {ui->Text6, ui->Calc_tir},
        {ui->Text7, ui->Calc_tir},         {ui->Text39, ui->cmdConvertir},
        {ui->Text34, ui->cmdAlterno},      {ui->Text32, ui->cmdAlterno},
        {ui->txtY1Conj, ui->cmdConjugado}, {ui->Text9, ui->Calc_sup_libre},
        {ui->Text28, ui->Paso_directo},    {ui->Text21, ui->Command1},
    };
    for (const auto& [caja, boton] : porEnter)
        connect(caja, &QLineEdit::returnPressed, boton, &QPushButton::click);

    // A click into a box changes the option without focusing it; Tab must follow.
    for (QButtonGroup* grupo : {ui->grupoForma, ui->grupoModoAlterno, ui->grupoTirante})
        connect(grupo, &QButtonGroup::buttonToggled, this,
                [grupo] { EntrarPorOpcionMarcada(grupo); });
}

void RungeKutta::AplicarTextos()
{
    ui->lblTituloPrincipal->setText(capTituloPrincipal);
    AjustarTitulo(ui->lblTituloPrincipal);
    ui->lblTitFlujoUniforme->setText(capTitFlujoUniforme);

    ui->frmGeomCanal->setTitle(capGeomCanal);
    ui->optRectangular->setText(capRectangular);
    ui->lblAncho->setText(capAncho);
    ui->optTrapezoidal->setText(capTrapezoidal);
    ui->lblAnchFondo->setText(capAnchFondo);
    ui->lblAngTaludGrados->setText(capAngTaludGrados);
    ui->lblAngTaludMetros->setText(capAngTaludMetros);
    ui->cmdConvertir->setText(capConvertir);
    ui->optCircular->setText(capCircular);
    ui->lblDiametro->setText(capDiametro);

    ui->frmOtrasCaract->setTitle(capOtrasCaract);
    ui->lblPendiente->setText(capPendiente);
    ui->lblNumManning->setText(capNumManning);
    ui->lblCaudal->setText(capCaudal);
    ui->lblPendCritica->setText(capPendCritica);
    ui->lblTipo->setText(capTipo);

    ui->frmTiranteFlujoUniforme->setTitle(capTiranteFlujoUniforme);
    ui->lblCritico->setText(capCritico);
    ui->lblNormal->setText(capNormal);
    ui->lblPorcDiametro->setText(capPorcDiametro);
    ui->Calc_tir->setText(capCalcTir);

    ui->frmTirantesAlternos->setTitle(capTirantesAlternos);
    ui->optEnergia->setText(capEnergia);
    ui->cmdAlterno->setText(capAlterno);

    ui->lblFlujoGradVar->setText(capFlujoGradVar);
    ui->lblEcSuperficie->setText(capEcSuperficie);

    ui->Conjugado->setTitle(capConjugado);
    ui->cmdConjugado->setText(capCmdConjugado);

    ui->frmCondBorde->setTitle(capCondBorde);
    ui->lblCdeBTirante->setText(capCdeBTirante);

    ui->frmDadoxf->setTitle(capDadoxf);
    ui->lblRungeKutta->setText(capRungeKutta);
    TaparBorde(ui->lblRungeKutta);
    ui->Calc_sup_libre->setText(capCalcSupLibre);
    ui->lblDadoxfEnergia->setText(capDadoxfEnergia);

    ui->frmDadoyf->setTitle(capDadoyf);
    ui->lblDadoyfPasoDirecto->setText(capDadoyfPasoDirecto);
    TaparBorde(ui->lblDadoyfPasoDirecto);
    ui->Paso_directo->setText(capPasoDirecto);
    ui->lblDadoyfEnergia->setText(capDadoyfEnergia);

    ui->frmParamHidraulicos->setTitle(capParamHidraulicos);
    ui->lblSelecTirante->setText(capSelecTirante);
    ui->optCondBorde->setText(capOptCondBorde);
    ui->optRungeKutta->setText(capOptRungeKutta);
    ui->optManual->setText(capManual);
    ui->Command1->setText(capCommand1);

    ui->mnuArchivo->setTitle(capMnuArchivo);
    ui->mnuparametros->setText(capMnuParametros);
    ui->mnuCargar->setText(capMnuCargar);
    ui->mnuSalir->setText(capMnuSalir);
    ui->mnuAbrirCaso->setText(capMnuAbrirCaso);
    ui->mnuGuardarCaso->setText(capMnuGuardarCaso);
    ui->mnuGuardarCasoComo->setText(capMnuGuardarCasoComo);
    ui->mnuEdicion->setTitle(capMnuEdicion);
    ui->mnuExportar->setText(capMnuExportar);
    ui->mnuBorrar->setText(capMnuBorrar);
    ui->mnuAyuda->setTitle(capMnuAyuda);
    ui->mnuAyudaOnline->setText(capMnuAyudaOnline);
    ui->mnuEmpresa->setText(capMnuEmpresa);
    ui->mnuInfo->setText(capMnuInfo);
    ui->mnuidiom->setTitle(capMnuIdiom);
    ui->mnuLenguaje->setText(capMnuLenguaje);
    ui->mnuResultados->setTitle(capMnuResultados);
    ui->mnuVentanaPerfil->setText(capMnuVentanaPerfil);
    ui->mnuInforme->setText(capMnuInforme);
    accionTodasLasFilas_->setText(capMnuInformeTodasFilas);
    ui->mnuHerramientas->setTitle(capMnuHerramientas);
    ui->mnuDiseno->setText(capMnuDiseno);
    ui->mnuDiagramas->setText(capMnuDiagramas);

    NombrarCajas();
    PonerAyudas({
        {ui->Text1, &capAyudaAncho},           {ui->Text2, &capAyudaAnchFondo},
        {ui->Text3, &capAyudaAngGrados},       {ui->Text39, &capAyudaAngMetros},
        {ui->Text4, &capAyudaDiametro},        {ui->Text5, &capAyudaPendiente},
        {ui->Text6, &capAyudaManning},         {ui->Text7, &capAyudaCaudal},
        {ui->Text38, &capAyudaPendCritica},    {ui->Text37, &capAyudaTipo},
        {ui->Text13, &capAyudaCritico},        {ui->txtEyc, &capAyudaEnergiaCritica},
        {ui->Text14, &capAyudaNormal},         {ui->txtEYn, &capAyudaEnergiaNormal},
        {ui->Por_Diam, &capAyudaPorcDiametro}, {ui->Text11, &capAyudaXBorde},
        {ui->Text8, &capAyudaTiranteBorde},    {ui->Text9, &capAyudaXf},
        {ui->Text10, &capAyudaYfHallado},      {ui->Text12, &capAyudaEnergiaPerfil},
        {ui->Text31, &capAyudaEnergiaPerfil},  {ui->Text28, &capAyudaYf},
        {ui->Text30, &capAyudaXfHallado},      {ui->Text34, &capAyudaEnergiaDada},
        {ui->Text36, &capAyudaAlternoInf},     {ui->Text35, &capAyudaAlternoSup},
        {ui->Text32, &capAyudaTiranteDado},    {ui->Text33, &capAyudaAlterno},
        {ui->txtY1Conj, &capAyudaY1Conj},      {ui->txtY2Conj, &capAyudaY2Conj},
        {ui->Text21, &capAyudaTiranteManual},
    });
    // The plot has no label to be announced by.
    ui->picCurva->setAccessibleName(capGraficoNombre);
    ui->picCurva->setAccessibleDescription(capGraficoDescripcion);
}

// A screen reader announces each box by the name the input-error messages give it:
// its label, preceded by its frame, option or row where the label alone repeats
// elsewhere in the window.
void RungeKutta::NombrarCajas()
{
    const QString condBorde = ui->frmCondBorde->title();
    const QString dadoxf = ui->frmDadoxf->title();
    const QString dadoyf = ui->frmDadoyf->title();
    const QString alternos = ui->frmTirantesAlternos->title();
    const QString porEnergia = NombreCaja(ui->optEnergia->text(), alternos);
    const QString conjugados = ui->Conjugado->title();

    const std::pair<QLineEdit*, QString> nombres[] = {
        {ui->Text1, NombreCaja(ui->lblAncho->text())},
        {ui->Text2, NombreCaja(ui->lblAnchFondo->text())},
        {ui->Text3, NombreCaja(ui->lblAngTaludGrados->text())},
        {ui->Text39, NombreCaja(ui->lblAngTaludMetros->text())},
        {ui->Text4, NombreCaja(ui->lblDiametro->text())},
        {ui->Text5, NombreCaja(ui->lblPendiente->text())},
        {ui->Text6, NombreCaja(ui->lblNumManning->text())},
        {ui->Text7, NombreCaja(ui->lblCaudal->text())},
        {ui->Text38, NombreCaja(ui->lblPendCritica->text())},
        {ui->Text37, NombreCaja(ui->lblTipo->text())},
        {ui->Text13, NombreCaja(ui->lblCritico->text())},
        {ui->txtEyc, NombreCaja(ui->LblEYc->text(), ui->lblCritico->text())},
        {ui->Text14, NombreCaja(ui->lblNormal->text())},
        {ui->txtEYn, NombreCaja(ui->lblEYn->text(), ui->lblNormal->text())},
        {ui->Por_Diam, NombreCaja(ui->lblPorcDiametro->text())},
        {ui->Text11, NombreCaja(ui->Label16->text(), condBorde)},
        {ui->Text8, NombreCaja(ui->lblCdeBTirante->text(), condBorde)},
        {ui->Text9, NombreCaja(ui->Label14->text(), dadoxf)},
        {ui->Text10, NombreCaja(ui->Label15->text(), dadoxf)},
        {ui->Text12, NombreCaja(ui->lblDadoxfEnergia->text(), dadoxf)},
        {ui->Text28, NombreCaja(ui->Label37->text(), dadoyf)},
        {ui->Text30, NombreCaja(ui->Label39->text(), dadoyf)},
        {ui->Text31, NombreCaja(ui->lblDadoyfEnergia->text(), dadoyf)},
        {ui->Text34, porEnergia},
        {ui->Text36, NombreCaja(ui->lblEnerTir1->text(), porEnergia)},
        {ui->Text35, NombreCaja(ui->lblEnerTir2->text(), porEnergia)},
        {ui->Text32, NombreCaja(ui->Option8->text(), alternos)},
        {ui->Text33, NombreCaja(ui->lblTirante2->text(), alternos)},
        {ui->txtY1Conj, NombreCaja(ui->Label22->text(), conjugados)},
        {ui->txtY2Conj, NombreCaja(ui->Label23->text(), conjugados)},
        {ui->Text21, NombreCaja(ui->optManual->text())},
    };
    for (const auto& [caja, nombre] : nombres)
        caja->setAccessibleName(nombre);
}

QLineEdit* RungeKutta::PrimeraCajaDeLaForma() const
{
    if (ui->optCircular->isChecked())
        return ui->Text4;
    return ui->optTrapezoidal->isChecked() ? ui->Text2 : ui->Text1;
}

// --- Menus ----------------------------------------------------------------------

void RungeKutta::mnuparametros_Click()
{
    MostrarVentana<frmParamCalc>();
}

void RungeKutta::mnuSalir_Click()
{
    // The title is the same in both languages.
    const auto respuesta = MostrarMensaje(this, capSalirMsg,
                                          QStringLiteral("Salir de la Aplicación"),
                                          QMessageBox::Yes | QMessageBox::No);
    if (respuesta == QMessageBox::Yes)
        close();
}

// The window opens afresh in the other language, where this one stood; what the
// user typed is dropped, the calculation state stays.
void RungeKutta::mnuLenguaje_Click()
{
    Variables& v = estado();
    v.idioma = v.idioma == 0 ? 1 : 0;
    const bool guardado = GuardarIdioma(v);

    auto* nueva = new RungeKutta(v.idioma, nullptr);
    nueva->resultados_ = resultados_;
    nueva->accionTodasLasFilas_->setChecked(accionTodasLasFilas_->isChecked());
    if (!guardado)
        nueva->avisoPendiente_ = capErrorIdiomaGuardar;
    nueva->move(pos());
    nueva->show();
    // The profile window describes a result, not a form: it follows the language.
    if (VentanaPerfil* perfil = VentanaAbierta<VentanaPerfil>()) {
        perfil->Actualizar();
        nueva->AvisarCanalAVentanaPerfil();  // the new window's boxes
    }
    // So does the design window, which now hands its channel to the new window.
    if (VentanaDiseno* diseno = VentanaAbierta<VentanaDiseno>()) {
        diseno->AplicarTextos();
        connect(diseno, &VentanaDiseno::usarEnPrincipal, nueva, &RungeKutta::UsarCanalDiseno,
                Qt::UniqueConnection);
    }
    if (VentanaDiagramas* diagramas = VentanaAbierta<VentanaDiagramas>())
        diagramas->Actualizar();
    cambioDeIdioma_ = true;
    close();
}

void RungeKutta::mnuAyudaOnline_Click()
{
    MostrarMensaje(this, capAyudaOnlineMsg);
}

void RungeKutta::mnuEmpresa_Click()
{
    MostrarVentana<inf_zuvan>();
}

void RungeKutta::mnuInfo_Click()
{
    MostrarVentana<frmInfoProg>();
}

void RungeKutta::mnuVentanaPerfil_Click()
{
    MostrarVentana<VentanaPerfil>();
    ActualizarVentanaPerfil();
}

void RungeKutta::ActualizarVentanaPerfil()
{
    if (VentanaPerfil* abierta = VentanaAbierta<VentanaPerfil>())
        abierta->Actualizar(resultados_.perfil.value_or(Variables()), CanalEnCajas());
}

void RungeKutta::AvisarCanalAVentanaPerfil()
{
    if (VentanaPerfil* abierta = VentanaAbierta<VentanaPerfil>())
        abierta->CanalActual(CanalEnCajas());
}

void RungeKutta::mnuDiseno_Click()
{
    VentanaDiseno* diseno = MostrarVentana<VentanaDiseno>();
    connect(diseno, &VentanaDiseno::usarEnPrincipal, this, &RungeKutta::UsarCanalDiseno,
            Qt::UniqueConnection);
}

// The designed channel goes into the geometry and flow boxes, and nothing else:
// the user computes when ready.
void RungeKutta::UsarCanalDiseno(const CanalDiseno& canal)
{
    switch (canal.forma) {
    case FormaCanal::Rectangular:
        ui->optRectangular->setChecked(true);
        ui->Text1->setText(NumeroATexto(canal.b));
        break;
    case FormaCanal::Trapezoidal:
        ui->optTrapezoidal->setChecked(true);
        ui->Text2->setText(NumeroATexto(canal.b));
        ui->Text3->setText(NumeroATexto(TaludAGrados(canal.z)));
        break;
    case FormaCanal::Circular:
        ui->optCircular->setChecked(true);
        ui->Text4->setText(NumeroATexto(canal.d));
        break;
    }
    ui->Text5->setText(NumeroATexto(canal.pendiente));
    ui->Text6->setText(NumeroATexto(canal.n));
    ui->Text7->setText(NumeroATexto(canal.caudal));
}

void RungeKutta::mnuDiagramas_Click()
{
    MostrarVentana<VentanaDiagramas>();
}

namespace {

// Whether two states hold the same section and discharge, on which the
// specific energy and force depend.
bool MismoCanal(const Variables& a, const Variables& b)
{
    return a.esRectangular == b.esRectangular && a.esTrapezoidal == b.esTrapezoidal &&
           a.esCircular == b.esCircular && a.ancho == b.ancho && a.anchoFondo == b.anchoFondo &&
           a.anguloTalud == b.anguloTalud && a.diametro == b.diametro && a.caudal == b.caudal;
}

}  // namespace

void RungeKutta::OfrecerCanalADiagramas()
{
    QPointer<RungeKutta> ventana(this);
    VentanaDiagramas::FijarFuente([ventana]() {
        EntradaDiagramas e;
        e.canal = estado();
        if (!ventana)
            return e;
        try {
            ventana->LeerDatos();
        } catch (const ErrorLectura& error) {
            e.errorLectura = capErrorLectura.arg(error.caja(), error.texto()).section('\n', 0, 0);
        }
        std::swap(e.canal, estado());  // the state goes back as it was
        if (ventana->ultimoAlterno_ && MismoCanal(ventana->ultimoAlterno_->first, e.canal))
            e.alternos = ventana->ultimoAlterno_->second;
        if (ventana->ultimoConjugado_ && MismoCanal(ventana->ultimoConjugado_->first, e.canal))
            e.conjugados = ventana->ultimoConjugado_->second;
        return e;
    });
}

InformeCalculo RungeKutta::Informe() const
{
    return InformeCalculo(CanalEnCajas(), resultados_, CasoDelInforme(),
                          accionTodasLasFilas_->isChecked());
}

void RungeKutta::mnuInforme_Click()
{
    Informe().Previsualizar(this);
}

bool RungeKutta::ExportarInforme(const QString& rutaPdf)
{
    return Informe().GuardarPdf(this, rutaPdf);
}

QString RungeKutta::TextoInforme() const
{
    return Informe().Texto();
}

void RungeKutta::closeEvent(QCloseEvent* evento)
{
    QMainWindow::closeEvent(evento);
    if (!evento->isAccepted() || cambioDeIdioma_)
        return;
    if (auto* perfil = VentanaAbierta<VentanaPerfil>())
        perfil->close();
    if (auto* diseno = VentanaAbierta<VentanaDiseno>())
        diseno->close();
    if (auto* diagramas = VentanaAbierta<VentanaDiagramas>())
        diagramas->close();
}

void RungeKutta::showEvent(QShowEvent* evento)
{
    QMainWindow::showEvent(evento);
    if (avisoPendiente_.isEmpty())
        return;
    const QString aviso = std::exchange(avisoPendiente_, QString());
    QTimer::singleShot(0, this, [this, aviso] { MostrarMensaje(this, aviso); });
}

// --- Geometry panel and the click rules -----------------------------------------

void RungeKutta::cmdConvertir_Click()
{
    // A ratio that is not a number, or one too small to invert, leaves the angle as it is.
    try {
        const double z = TextoANumero(ui->Text39->text());
        if (z > 0)
            ui->Text3->setText(NumeroATexto(TaludAGrados(z)));
        else
            MostrarMensaje(this,
                           QStringLiteral("El ángulo no esta correctamente expresado, por favor "
                                          "verifique el dato de entrada"),
                           QStringLiteral("Error en la entrada de datos"));
    } catch (const ErrorLectura&) {
    } catch (const ErrorCalculo&) {
    }
}

bool RungeKutta::eventFilter(QObject* objeto, QEvent* evento)
{
    // A case dropped on a box opens, as it does on the rest of the window; any
    // other drop keeps going to the box.
    switch (evento->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (objeto != this && ArrastreDeCaso(static_cast<QDropEvent*>(evento))) {
            QMainWindow::event(evento);
            return true;
        }
        break;
    default: break;
    }
    // Only a mouse press selects: reaching a box with Tab must not change the shape.
    if (evento->type() == QEvent::MouseButtonPress) {
        if (QRadioButton* opcion = opcionDeCaja_.value(objeto))
            opcion->setChecked(true);
        if (objeto == ui->picZuvan)
            return true;  // keeps the release for the logo
    }
    if (objeto == ui->picZuvan && evento->type() == QEvent::MouseButtonRelease) {
        const auto* raton = static_cast<QMouseEvent*>(evento);
        if (ui->picZuvan->rect().contains(raton->position().toPoint()))
            MostrarVentana<inf_zuvan>();
        return true;
    }
    return QMainWindow::eventFilter(objeto, evento);
}

// --- Input reading -----------------------------------------------------------------

void RungeKutta::LeerDatos()
{
    LeerDatos(estado());
}

Variables RungeKutta::CanalEnCajas() const
{
    Variables v = estado();
    try {
        LeerDatos(v);
    } catch (const ErrorLectura&) {
        v.esRectangular = v.esTrapezoidal = v.esCircular = FALSO;
    }
    return v;
}

// One by one: a box that cannot be read leaves the ones before it read.
void RungeKutta::LeerDatos(Variables& v) const
{
    v.esRectangular = ui->optRectangular->isChecked() ? VERDADERO : FALSO;
    v.esTrapezoidal = ui->optTrapezoidal->isChecked() ? VERDADERO : FALSO;
    v.esCircular = ui->optCircular->isChecked() ? VERDADERO : FALSO;

    v.pendiente = LeerCaja(ui->Text5, NombreCaja(ui->lblPendiente->text()));
    v.nManning = LeerCaja(ui->Text6, NombreCaja(ui->lblNumManning->text()));
    v.caudal = LeerCaja(ui->Text7, NombreCaja(ui->lblCaudal->text()));
    v.tiranteBorde =
        LeerCaja(ui->Text8, NombreCaja(ui->lblCdeBTirante->text(), ui->frmCondBorde->title()));
    v.xBuscado = LeerCaja(ui->Text9, NombreCaja(ui->Label14->text(), ui->frmDadoxf->title()));
    v.xBorde = LeerCaja(ui->Text11, NombreCaja(ui->Label16->text(), ui->frmCondBorde->title()));
    v.ancho = LeerCaja(ui->Text1, NombreCaja(ui->lblAncho->text()));
    v.anchoFondo = LeerCaja(ui->Text2, NombreCaja(ui->lblAnchFondo->text()));
    v.anguloTalud = GradosARadianes(LeerCaja(ui->Text3, NombreCaja(ui->lblAngTaludGrados->text())));
    v.diametro = LeerCaja(ui->Text4, NombreCaja(ui->lblDiametro->text()));
}

double RungeKutta::LeerCaja(QLineEdit* caja, const QString& nombre) const
{
    try {
        return TextoANumero(caja->text());
    } catch (const ErrorLectura&) {
        throw ErrorLectura(caja->text(), nombre);
    }
}

// The box as the user sees it: its label, and for the boxes whose label repeats
// elsewhere ("x (m)", "Tirante (m)"), the frame it sits in.
QString RungeKutta::NombreCaja(const QString& etiqueta, const QString& marco) const
{
    QString nombre = etiqueta.trimmed();
    if (nombre.endsWith(QLatin1Char('=')))
        nombre.chop(1);
    nombre = nombre.trimmed();
    if (marco.isEmpty())
        return nombre;
    return marco.trimmed() + QStringLiteral(": ") + nombre;
}

void RungeKutta::AvisarErrorLectura(const ErrorLectura& e)
{
    MostrarMensaje(this, capErrorLectura.arg(e.caja(), e.texto()), capErrorEntradaTitulo);
}
