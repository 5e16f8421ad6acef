// The main window: every calculation panel, the profile plot, the menus and
// the language switch. The panels' calculation handlers live in
// PanelesCalculo.cpp; everything else of the window is here.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "calc/Calculos.h"
#include "captions/Caso.h"
#include "windows/InformeCalculo.h"

struct CanalDiseno;
class ErrorCalculo;
class ErrorLectura;
class GraficoPerfil;
class QAction;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QLineEdit;
class QRadioButton;

namespace Ui {
class RungeKutta;
}

class RungeKutta : public QMainWindow {
    Q_OBJECT
public:
    // Opens in the stored language (English when nothing is stored).
    explicit RungeKutta(QWidget* parent = nullptr);
    ~RungeKutta() override;

    // Copies the section shape and the thirteen numeric boxes into estado(),
    // one by one. A box that does not read as a number throws ErrorLectura
    // naming that box; the boxes read before it keep their new values.
    void LeerDatos();
    // The channel and calculation parameters as the boxes hold them now, read
    // into a copy of the state (which stays as it is); a box that cannot be
    // read gives a state without a shape, a channel no result was computed for.
    Variables CanalEnCajas() const;
    // The last result of every panel, each with the inputs it was computed from.
    const ResultadosPaneles& resultados() const { return resultados_; }
    // The calculation report's text, as the preview and the PDF print it.
    QString TextoInforme() const;
    // Tells the user which box could not be read and what it held.
    void AvisarErrorLectura(const ErrorLectura& e);

    GraficoPerfil* grafico();
    // The calculation report, as the preview shows it, written to a PDF file
    // without asking; a failure is told to the user and gives false.
    bool ExportarInforme(const QString& rutaPdf);
    // Writes a designed channel into the shape option and the geometry, slope,
    // roughness and discharge boxes; computes nothing.
    void UsarCanalDiseno(const CanalDiseno& canal);
    // Times the calculations have sounded the system beep (one per result).
    int pitidos() const { return pitidos_; }

    // Saved cases (Casos.cpp). Saving writes the boxes, options and calculation
    // parameters to the file; opening fills them as the user would type them and
    // computes nothing. A failure is told in a message naming the file and the
    // reason, leaves the window as it was, and gives false.
    bool GuardarCaso(const QString& ruta);
    bool AbrirCaso(const QString& ruta);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    // Closing the main window closes the windows that show its results too (the
    // profile, design and diagrams windows), so that the program ends; not when it only
    // gives way to itself in the other language.
    void closeEvent(QCloseEvent* evento) override;
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dragMoveEvent(QDragMoveEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;

private slots:
    void mnuparametros_Click();
    void mnuSalir_Click();
    void mnuLenguaje_Click();
    void mnuAyudaOnline_Click();
    void mnuEmpresa_Click();
    void mnuInfo_Click();
    void mnuVentanaPerfil_Click();
    void mnuInforme_Click();
    void mnuDiseno_Click();
    void mnuDiagramas_Click();
    void cmdConvertir_Click();
    void mnuAbrirCaso_Click();
    void mnuGuardarCaso_Click();
    void mnuGuardarCasoComo_Click();

    // Calculation panels (PanelesCalculo.cpp).
    void Calc_tir_Click();
    void cmdAlterno_Click();
    void cmdConjugado_Click();
    void Calc_sup_libre_Click();
    void Paso_directo_Click();
    void Command1_Click();

private:
    // The window after a language switch: the language is given, not read,
    // so that a store that cannot be written does not undo the switch.
    RungeKutta(int16_t idioma, QWidget* parent);

    void Cargar(std::optional<int16_t> idioma);
    void PrepararVentana();
    void ConectarSenales();
    void AplicarTextos();
    void NombrarCajas();
    QLineEdit* PrimeraCajaDeLaForma() const;
    double LeerCaja(QLineEdit* caja, const QString& nombre) const;
    void LeerDatos(Variables& v) const;
    // Hands the last profile and the boxes' channel to an open profile window.
    void ActualizarVentanaPerfil();
    // Tells an open profile window the channel now in the boxes.
    void AvisarCanalAVentanaPerfil();
    double LeerNumeroInicial(QLineEdit* caja, const QString& nombre);

    // Runs one calculation. A box that cannot be read, or a fault of the
    // engine, ends it with a message; after a fault the calculation state is
    // as it was before the click, so the screen and the state still agree.
    // Returns whether the calculation ran to its end.
    // conservaResultados: whether the panel's results stay on the screen after
    // a fault, as the message then says.
    bool Ejecutar(const QString& fallo, const std::function<void()>& calculo,
                  bool conservaResultados = true);
    QString MotivoDelFallo(const ErrorCalculo& e) const;
    QString DimensionQueFalta(const ErrorCalculo& e) const;
    void MostrarFlujoUniforme(const calculo::ResultadoUniforme& r);
    void MostrarPasoDirecto(const calculo::Calculo<calculo::ResultadoPerfil>& calculo);
    void Pitar();
    InformeCalculo Informe() const;
    QString NombreCaja(const QString& etiqueta, const QString& marco = QString()) const;
    // The channel for the diagrams window: the boxes read into a copy of the
    // state (the state itself stays as it was), with the alternate and
    // conjugate depths last computed when they belong to that channel.
    void OfrecerCanalADiagramas();

    // Saved cases (Casos.cpp).
    void PrepararCasos();
    QList<QPair<QString, QLineEdit*>> CajasDelCaso() const;
    QList<QPair<QString, QLineEdit*>> CajasDeResultados() const;
    Caso CasoDeLaVentana() const;
    void AplicarCaso(const Caso& caso);
    void RecordarCaso(const QString& ruta);
    void MostrarCasosRecientes();
    void AbrirCasoReciente(const QString& ruta);
    bool ArrastreDeCaso(QDropEvent* evento, QString* ruta = nullptr) const;
    QString CasoDelInforme() const;

    Ui::RungeKutta* ui;

    // Results of the uniform-flow panel that outlive the click.
    double pendCritica = 0;
    QString tipoPendiente;
    int pitidos_ = 0;

    // The box whose depth the running calculation took, when it held 0.
    QString cajaTirante_;
    // Why the running calculation would fail, when its inputs already tell.
    QString motivoSiFalla_;
    // Boxes whose click selects an option of their panel.
    QHash<QObject*, QRadioButton*> opcionDeCaja_;
    // The last alternate and conjugate pairs, with the state they were computed in.
    std::optional<std::pair<Variables, std::pair<double, double>>> ultimoAlterno_;
    std::optional<std::pair<Variables, std::pair<double, double>>> ultimoConjugado_;
    // A message to show once the window is on screen (empty: none).
    QString avisoPendiente_;
    // This window closes for a new one in the other language.
    bool cambioDeIdioma_ = false;
    // The case file the window was last opened from or saved to (empty: none),
    // and the title and notes it carried, written back on the next save.
    QString rutaCaso_;
    QString tituloCaso_;
    QString notasCaso_;
    QList<QAction*> accionesRecientes_;
    // The last successful calculation of each panel and the last profile.
    ResultadosPaneles resultados_;
    // Results > every row of the profile in the report.
    QAction* accionTodasLasFilas_ = nullptr;
};
