// The channel design window: Manning's formula solved exactly (calc/Diseno.h)
// for one unknown of a rectangle, trapezoid or pipe, its results rounded for
// reading, the section drawn to scale, and the solved channel copied, saved as
// a drawing or handed to the main window.
//
// It never touches the calculation state; "Use in main window" only emits
// usarEnPrincipal, which the main window connects when it opens the window.
#pragma once

#include <QMap>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include "calc/Diseno.h"

class QLineEdit;

namespace Ui {
class VentanaDiseno;
}

class VentanaDiseno : public QWidget {
    Q_OBJECT
public:
    explicit VentanaDiseno(QWidget* parent = nullptr);
    ~VentanaDiseno() override;

    // Captions in the current language; the results, if any, are shown again.
    void AplicarTextos();

    // Reads the boxes and solves for the chosen unknown. A box that does not
    // read, or a refusal of the solver, is told in a message; then false.
    bool Resolver();
    // The last solution by name (empty before one): value, b, d, z, angle,
    // slope, n, q, depth, A, P, R, T, V, Fr, E, tau, yc, Sc and for a pipe
    // pct_full, q_full, q_max, y_qmax and depth_2.
    QMap<QString, double> Resultados() const;
    // The drawing as PNG (twice its size on screen) or SVG, by the suffix;
    // failures are told in a message, then false.
    bool GuardarSeccion(const QString& ruta);
    // What Copy puts on the clipboard: "name\tvalue\tunit" lines, full precision.
    QString TextoResultados() const;

signals:
    void usarEnPrincipal(const CanalDiseno& canal);

private:
    struct Fila {
        QString clave, nombre, unidad;
        double valor;
    };

    FormaCanal Forma() const;
    Incognita IncognitaElegida() const;
    QLineEdit* CajaDe(Incognita dato) const;
    QString NombreDe(Incognita dato) const;
    void CambiarForma();
    void CambiarIncognita();
    bool Fallar(const QString& texto);
    QString Motivo(const ResultadoDiseno& r) const;
    QList<Fila> Filas() const;
    void MostrarResultado();
    void Copiar();
    void PedirArchivo();
    void Usar();

    std::unique_ptr<Ui::VentanaDiseno> ui;
    std::optional<ResultadoDiseno> resultado_;
    Incognita incognitaResuelta_ = Incognita::Caudal;
};
