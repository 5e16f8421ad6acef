// The diagrams window: for the main window's channel, the rating curve, the
// specific energy and specific force diagrams and the section with its water
// levels, each as a plot and a table, with Copy, Save table (CSV) and Save
// plot (PNG or SVG).
//
// It works on a copy of the channel that the main window gives (FijarFuente)
// and never changes the calculation state; the main window asks an open one
// to Actualizar after each calculation.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "windows/Diagramas.h"

class GraficoXY;
class QLabel;
class QPushButton;
class QSplitter;
class QTableView;
class ModeloTablaDiagrama;

namespace Ui {
class VentanaDiagramas;
}

class VentanaDiagramas : public QWidget {
    Q_OBJECT
public:
    // Where every window takes the channel from. Without one, a copy of the
    // calculation state as it stands.
    using Fuente = std::function<EntradaDiagramas()>;
    static void FijarFuente(Fuente fuente);

    explicit VentanaDiagramas(QWidget* parent = nullptr);
    ~VentanaDiagramas() override;

    // Reads the channel again and redraws the four tabs, in the current language.
    void Actualizar();

    // pestana: 0 rating curve, 1 specific energy, 2 specific force, 3 section.
    QString TextoTabla(int pestana) const;
    // These report their own failures (a message, then false).
    bool GuardarTabla(int pestana, const QString& ruta);
    bool GuardarGrafico(int pestana, const QString& ruta);
    // The one line a tab shows instead of its plot, empty when it has one.
    QString Mensaje(int pestana) const;
    GraficoXY* grafico(int pestana) const;

private:
    struct Pestana {
        QLabel* descripcion = nullptr;
        QLabel* mensaje = nullptr;
        QSplitter* division = nullptr;
        GraficoXY* grafico = nullptr;
        QTableView* tabla = nullptr;
        ModeloTablaDiagrama* modelo = nullptr;
        std::array<QPushButton*, 3> botones{};
        Diagrama diagrama;
    };
    void CrearPestana(int indice, QWidget* pagina, const QString& nombre);
    void Mostrar(int indice, Diagrama diagrama);
    void CalcularCurva();
    void AplicarTextos();

    std::unique_ptr<Ui::VentanaDiagramas> ui;
    std::array<Pestana, 4> pestanas_;
    EntradaDiagramas entrada_;
    bool rangoEditado_ = false;
};
