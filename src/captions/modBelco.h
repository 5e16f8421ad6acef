// Caption strings of the two interface languages, and the reading and writing of
// numbers in the user's locale.
//
// Each translatable text is one variable; CargarTextos fills them all for one
// language and every window copies the ones it needs when it is created.
#pragma once

#include <QString>
#include <cstdint>
#include <stdexcept>

#include "state/Variables.h"

// --- Caption strings (empty until CargarTextos runs) ---------------------------

extern QString capTituloPrincipal;
extern QString capTitFlujoUniforme;
extern QString capGeomCanal;
extern QString capRectangular;
extern QString capAncho;
extern QString capTrapezoidal;
extern QString capAnchFondo;
extern QString capAngTaludGrados;
extern QString capAngTaludMetros;
extern QString capConvertir;
extern QString capCircular;
extern QString capDiametro;
extern QString capOtrasCaract;
extern QString capPendiente;
extern QString capNumManning;
extern QString capCaudal;
extern QString capPendCritica;
extern QString capTipo;
extern QString capTiranteFlujoUniforme;
extern QString capCritico;
extern QString capNormal;
extern QString capPorcDiametro;
extern QString capCalcTir;
extern QString capTirantesAlternos;
extern QString capEnergia;
extern QString capAlterno;
extern QString capFlujoGradVar;
extern QString capEcSuperficie;
extern QString capConjugado;
extern QString capCmdConjugado;
extern QString capCondBorde;
extern QString capCdeBTirante;
extern QString capDadoxf;
extern QString capRungeKutta;
extern QString capCalcSupLibre;
extern QString capDadoxfEnergia;
extern QString capDadoyf;
extern QString capDadoyfPasoDirecto;
extern QString capPasoDirecto;
extern QString capDadoyfEnergia;
extern QString capParamHidraulicos;
extern QString capSelecTirante;
extern QString capOptCondBorde;
extern QString capOptRungeKutta;
extern QString capManual;
extern QString capCommand1;
extern QString capMnuArchivo;
extern QString capMnuParametros;
extern QString capMnuCargar;
extern QString capMnuSalir;
extern QString capMnuEdicion;
extern QString capMnuExportar;
extern QString capMnuBorrar;
extern QString capMnuAyuda;
extern QString capMnuAyudaOnline;
extern QString capMnuEmpresa;
extern QString capMnuInfo;
extern QString capMnuIdiom;
extern QString capParamVariosTitulo;
extern QString capParametros;
extern QString capParamTirante;
extern QString capParamArea;
extern QString capParamPerim;
extern QString capParamAncho;
extern QString capParamTens;
extern QString capParamVel;
extern QString capParamEnergia;
extern QString capParamCant;
extern QString capParamSalir;
extern QString capParamCalcTitulo;
extern QString capPrincipal;
extern QString capErrorAdm;
extern QString capPuntosInterm;
extern QString capPasoInt;
extern QString capABS;
extern QString capAceptarSalir;
extern QString capAtencion;
extern QString capOKButton;
extern QString capFaltanDatosTitulo;
extern QString capVersion;
extern QString capBug;
extern QString capCreado;
extern QString capInfoProgTitulo;
extern QString capCerrar;
extern QString capInvestigacion;
extern QString capInfoZuvanVersion;
extern QString capInfoCerrar;
extern QString capAyudaOnlineMsg;
extern QString capSalirMsg;
extern QString capMnuLenguaje;

// Texts of our own for the messages that explain refused input and faults.
// Arguments are filled with one QString::arg call (arg(caja, texto)), so that a
// "%1" typed by the user is not replaced in turn.
extern QString capErrorEntradaTitulo;  // title of the input-error messages
extern QString capErrorLectura;        // %1 the box's label, %2 the text typed
extern QString capErrorPuntos;         // %1 the text typed: points out of 1..32767
extern QString capErrorIdiomaLeer;     // the stored language could not be read
extern QString capErrorIdiomaGuardar;  // the language could not be stored

// A calculation that could not be completed: the title, the message (%1 what
// failed, %2 why), what failed in each panel, and why (see ExplicarError).
extern QString capFalloTitulo;
extern QString capFalloMensaje;
extern QString capFalloFlujoUniforme;
extern QString capFalloAlterno;
extern QString capFalloConjugado;
extern QString capFalloRungeKutta;
extern QString capFalloPasoDirecto;
extern QString capFalloParametros;
extern QString capMotivoDivision;  // %1 the depth
extern QString capMotivoInvalida;  // %1 the depth
extern QString capMotivoDesborde;  // %1 the depth
extern QString capMotivoDivisionGeneral;
extern QString capMotivoInvalidaGeneral;
extern QString capMotivoDesbordeGeneral;
extern QString capMotivoTiranteCero;
extern QString capMotivoDesborde16;      // %1 the count
extern QString capMotivoSinResultado;    // %1 the depth where the search stopped
extern QString capMotivoErrorAdmisible;  // %1 the upper end of the scan
extern QString capMotivoPasoInteligente;
// The direct step refuses a target depth equal to the boundary depth.
extern QString capPasoDirectoIguales;
// What a screen reader says of the profile plot, which has no label.
extern QString capGraficoNombre;
extern QString capGraficoDescripcion;

// The results menu, the profile window, its exports and the calculation report.
extern QString capMnuResultados;
extern QString capMnuVentanaPerfil;
extern QString capMnuInforme;
extern QString capPerfilTitulo;
extern QString capPerfilNinguno;  // before any profile
extern QString capPerfilTipo;     // %1 the type ("M1"), %2 the method
extern QString capMetodoRungeKutta;
extern QString capMetodoPasoDirecto;
extern QString capFinAlcanzado;    // %1 xf
extern QString capFinFueraDeZona;  // %1 the x where it stopped
extern QString capFinInversion;    // %1 the x where it stopped
extern QString capPerfilCopiar;
extern QString capPerfilGuardarTabla;
extern QString capPerfilGuardarGrafico;
extern QString capLeyendaPerfil;
extern QString capEjeX;
extern QString capEjeY;
extern QString capColX;        // names of the table's columns, for the
extern QString capColTirante;  // CSV header and the column tooltips
extern QString capColArea;
extern QString capColVelocidad;
extern QString capColFroude;
extern QString capColEnergia;
extern QString capColFriccion;
extern QString capFiltroCsv;
extern QString capFiltroGrafico;
extern QString capErrorGuardar;  // %1 the file, %2 why
extern QString capMotivoCarpeta;
extern QString capMotivoSinCarpeta;
extern QString capMotivoPermiso;
extern QString capMotivoEscritura;
extern QString capMotivoFormato;
extern QString capMotivoSinPerfil;
extern QString capInformeTitulo;
extern QString capInformeFecha;  // %1 the date
extern QString capInformeCanal;
extern QString capInformeForma;
extern QString capInformeParametros;
extern QString capInformeBorde;  // %1 x0, %2 y0
extern QString capInformeResultados;
extern QString capInformeSinResultados;
extern QString capInformeSi;
extern QString capInformeNo;

// Fills every caption string with the texts of language 0 (Spanish) or 1
// (English); any other value changes nothing.
void CargarTextos(int16_t idioma);

class ErrorCalculo;
// Why a calculation failed, in the current language, for capFalloMensaje.
// cajaTirante: the box whose depth the calculation used, named when that depth
// was 0 (empty when none was typed).
QString ExplicarError(const ErrorCalculo& e, const QString& cajaTirante = QString());

// --- Numbers ---------------------------------------------------------------------

// A text that does not read as a number. caja names the box (its label) when
// the reader knows it.
class ErrorLectura : public std::runtime_error {
public:
    ErrorLectura(const QString& texto, const QString& caja = QString());
    const QString& texto() const { return texto_; }
    const QString& caja() const { return caja_; }

private:
    QString texto_;
    QString caja_;
};

// Converts a text with the user's locale (QLocale::system()); an empty text
// gives 0. Anything else that is not a number, a single blank included, throws
// ErrorLectura.
double TextoANumero(const QString& texto);

// The leading-number rule of the alternate and conjugate boxes: the longest
// leading part of the text that reads as a number (optional sign, digits, one
// decimal separator, "." or the locale's own, optional exponent; no group
// separators), blanks skipped;
// 0 when the text does not begin with a number. Only a number beyond the range
// of a double throws ErrorLectura.
double NumeroInicial(const QString& texto);

// The general number format: up to 15 significant digits, no trailing zeros,
// the locale's decimal separator, no group separators, no exponent for ordinary
// magnitudes (45.0013272040556, 0.6121, 2).
// cifras: significant digits, fewer for a figure quoted in a message.
QString NumeroATexto(double valor, int cifras = 15);
// valor rounded to the given decimals, halves to the even neighbour, applied to
// the exact binary value.
double RedondearDecimales(double valor, int decimales);
// RedondearDecimales followed by NumeroATexto.
QString TextoRedondeado(double valor, int decimales);

// --- Tooltips of the boxes: what each value is and its unit ---

extern QString capAyudaAncho;
extern QString capAyudaAnchFondo;
extern QString capAyudaAngGrados;
extern QString capAyudaAngMetros;
extern QString capAyudaDiametro;
extern QString capAyudaPendiente;
extern QString capAyudaManning;
extern QString capAyudaCaudal;
extern QString capAyudaPendCritica;
extern QString capAyudaTipo;
extern QString capAyudaCritico;
extern QString capAyudaEnergiaCritica;
extern QString capAyudaNormal;
extern QString capAyudaEnergiaNormal;
extern QString capAyudaPorcDiametro;
extern QString capAyudaXBorde;
extern QString capAyudaTiranteBorde;
extern QString capAyudaXf;
extern QString capAyudaYfHallado;
extern QString capAyudaEnergiaPerfil;
extern QString capAyudaYf;
extern QString capAyudaXfHallado;
extern QString capAyudaEnergiaDada;
extern QString capAyudaAlternoInf;
extern QString capAyudaAlternoSup;
extern QString capAyudaTiranteDado;
extern QString capAyudaAlterno;
extern QString capAyudaY1Conj;
extern QString capAyudaY2Conj;
extern QString capAyudaTiranteManual;
extern QString capAyudaErrorAdm;
extern QString capAyudaPuntos;
extern QString capAyudaUmbral;
extern QString capAyudaParamTirante;
extern QString capAyudaParamArea;
extern QString capAyudaParamPerim;
extern QString capAyudaParamRh;
extern QString capAyudaParamVel;
extern QString capAyudaParamFroude;
extern QString capAyudaParamAncho;
extern QString capAyudaParamSf;
extern QString capAyudaParamTens;
extern QString capAyudaParamEnergia;
extern QString capAyudaParamCant;

// Faults explained by the inputs rather than by the depth where they surfaced.
extern QString capFalloMensajeVacio;    // %1 what failed, %2 why; no result is kept
extern QString capMotivoSinDimension;   // %1 the label of the empty dimension
extern QString capMotivoTiranteCeroEn;  // %1 the box that held the depth 0
extern QString capMotivoBordeCritico;   // %1 the critical depth
