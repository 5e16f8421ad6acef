// The profile window: the last profile of either panel drawn large, what kind
// of profile it is and how it ended, its table with the section elements of
// every point, and the table and plot as clipboard text, CSV, PNG or SVG.
//
// It reads the calculation state and never changes it; the main window asks an
// open one to Actualizar after each profile it draws.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>

struct Variables;
class GraficoVentanaPerfil;
class ModeloTablaPerfil;
class QAbstractItemModel;

namespace Ui {
class VentanaPerfil;
}

class VentanaPerfil : public QWidget {
    Q_OBJECT
public:
    explicit VentanaPerfil(QWidget* parent = nullptr);
    ~VentanaPerfil() override;

    // Shows the profile now in the calculation state, in the current language.
    void Actualizar();

    // What Copy puts on the clipboard: header and rows as displayed, tab-separated.
    QString TextoTabla() const;
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
    void PedirArchivoTabla();
    void PedirArchivoGrafico();

    std::unique_ptr<Ui::VentanaPerfil> ui;
    ModeloTablaPerfil* modelo_;
    QString tipo_;
};

// One line on the last profile: its type and method and, for Runge-Kutta, how
// it ended; or that there is none yet.
QString DescripcionPerfil(const Variables& v);
