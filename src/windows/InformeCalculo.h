// The calculation report: an A4 document in the current language, a calculation
// note. The channel in the main window's boxes and the calculation parameters;
// the method; each panel's last result together with the inputs it was
// computed from, marked when it was computed for another channel; the profile
// plot with its type, its channel and its table (over as many pages as it
// needs, thinned beyond 200 rows unless every row is asked for); the program's
// name and version, and "page n of N" on every page. It is previewed for
// printing, or written straight to a PDF file.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <memory>
#include <optional>

#include "calc/Calculos.h"
#include "state/Variables.h"

class QPagedPaintDevice;
class QTextDocument;
class QWidget;

// A panel's last successful calculation and the value typed into the panel
// itself (the alternate's y or E, the conjugate's y1, the direct step's yf).
template <class T>
struct CalculoDePanel {
    calculo::Calculo<T> calculo;
    double dato = 0;
};

// The last successful calculation of each panel of the main window, each with
// the whole state it left (its inputs included), and the last profile of
// either profile panel.
struct ResultadosPaneles {
    std::optional<calculo::Calculo<calculo::ResultadoUniforme>> uniforme;
    std::optional<CalculoDePanel<calculo::ResultadoAlterno>> alterno;      // dato: y
    std::optional<CalculoDePanel<calculo::ResultadoAlternos>> alternos;    // dato: E
    std::optional<CalculoDePanel<calculo::ResultadoConjugado>> conjugado;  // dato: y1
    std::optional<calculo::Calculo<calculo::ResultadoPerfil>> rungeKutta;
    std::optional<CalculoDePanel<calculo::ResultadoPerfil>> pasoDirecto;  // dato: yf
    std::optional<calculo::Calculo<calculo::ResultadoElementos>> elementos;
    // The state the last profile left, of either panel (empty: none yet).
    std::optional<Variables> perfil;
};

class InformeCalculo {
public:
    // Beyond this many rows the profile table is printed thinned.
    static constexpr int kFilasSinReducir = 200;

    // actual: the channel and calculation parameters in the main window now.
    // resultados: the panels' last results, each described with its own inputs.
    // caso: the saved case the window holds (its file and title), if any.
    // todasLasFilas: print every row of the profile table however long.
    InformeCalculo(const Variables& actual, const ResultadosPaneles& resultados,
                   const QString& caso = QString(), bool todasLasFilas = false);
    ~InformeCalculo();

    // Lays the report out on the pages of the device and paints it, with the
    // program and "page n of N" at the foot of every page.
    void Imprimir(QPagedPaintDevice* dispositivo) const;
    // The print preview, from which the user prints or saves a PDF.
    void Previsualizar(QWidget* padre) const;
    // Writes the report as a PDF; a failure is told to the user and gives false.
    bool GuardarPdf(QWidget* padre, const QString& ruta) const;
    // The report's text, without the page feet.
    QString Texto() const;

private:
    std::unique_ptr<QTextDocument> documento_;
};
