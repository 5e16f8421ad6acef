// The profile window: the last profile of either panel drawn large, what kind
// of profile it is and how it ended, its table with the section elements of
// every point, and the table and plot as clipboard text, CSV, PNG or SVG.
//
// It describes the profile it is given, with the state that profile's
// calculation left (its own channel and boundary), never the state of the
// calculations that came after it; the main window hands an open one each new
// profile, and the channel in its boxes, so that the window says when the
// profile was computed for another channel.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "state/Variables.h"

class GraficoVentanaPerfil;
class ModeloTablaPerfil;
class QAbstractItemModel;
class QLabel;

namespace Ui {
class VentanaPerfil;
}

class VentanaPerfil : public QWidget {
    Q_OBJECT
public:
    explicit VentanaPerfil(QWidget* parent = nullptr);
    ~VentanaPerfil() override;

    // Shows perfil, the state a profile's calculation left, in the current
    // language; actual: the channel in the main window's boxes now.
    void Actualizar(const Variables& perfil, const Variables& actual);
    // The same profile again, in the current language (after a language switch).
    void Actualizar();
    // The channel in the main window's boxes now: the window says whether the
    // profile was computed for another one.
    void CanalActual(const Variables& actual);
    // "Computed for another channel ..." or empty.
    QString TextoOtroCanal() const;

    // What Copy puts on the clipboard: header and rows as displayed, tab-separated.
    QString TextoTabla() const;
    // What Ctrl+C puts on the clipboard when cells are selected: those cells as
    // displayed, tab-separated, without the header; empty without a selection.
    QString TextoSeleccion() const;
    // These report their own failures (a message, then false), for the buttons
    // and for scripts alike.
    bool GuardarTabla(const QString& ruta);
    // PNG at twice the plot's size on screen, or SVG, by the file's suffix.
    bool GuardarGrafico(const QString& ruta);
    // "M1" ... "A3", empty when there is no profile.
    QString TipoPerfil() const { return tipo_; }
    QAbstractItemModel* modelo();
    GraficoVentanaPerfil* grafico();

private:
    void Copiar();
    // Ctrl+C: the selected cells, or the whole table when none is selected.
    void CopiarSeleccion();
    void PedirArchivoTabla();
    void PedirArchivoGrafico();

    std::unique_ptr<Ui::VentanaPerfil> ui;
    ModeloTablaPerfil* modelo_;
    QString tipo_;
    // The profile shown and the main window's channel.
    Variables perfil_;
    Variables actual_;
    QLabel* lblCanal_;
};

// One line on the last profile: its type and method and, for Runge-Kutta, how
// it ended; or that there is none yet.
QString DescripcionPerfil(const Variables& v);
