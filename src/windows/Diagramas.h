// What the diagrams window and the report draw and list for one channel: the
// rating curve, the specific energy and specific force diagrams and the
// section with its water levels. Each is worked out from a copy of the main
// window's channel, so nothing here changes the calculation state.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "plot/GraficoXY.h"
#include "state/Variables.h"

// The channel as the main window read it, and the panels' last results that
// belong to that channel.
struct EntradaDiagramas {
    Variables canal;
    QString errorLectura;  // a box that could not be read, said in one line
    std::optional<std::pair<double, double>> alternos;    // two depths of equal energy
    std::optional<std::pair<double, double>> conjugados;  // y1 and its conjugate y2
};

// A copy of the calculation state as it stands, with its alternate depths
// when it holds both.
EntradaDiagramas EntradaDesdeEstado();

struct CeldaDiagrama {
    std::optional<double> valor;  // empty: the text stands instead
    QString texto;
};

struct TablaDiagrama {
    std::vector<QString> simbolos;  // header as displayed: "Q (m³/s)"
    std::vector<QString> nombres;   // long names, for the CSV and the tooltips
    std::vector<int> decimales;
    std::vector<std::vector<CeldaDiagrama>> filas;

    QString Celda(int fila, int columna) const;  // as displayed
    // Header and rows as displayed, tab-separated, for the clipboard.
    QString TextoSeparadoPorTabs() const;
    // Names and units in the current language, values in full precision with ".".
    QByteArray Csv() const;
};

struct Diagrama {
    QString mensaje;      // not empty: nothing could be drawn, and this says why
    QString descripcion;  // one line above the plot
    DatosGrafico grafico;
    TablaDiagrama tabla;
};

enum PestanaDiagrama { PestanaCurvaGasto, PestanaEnergia, PestanaFuerza, PestanaSeccion };

// Q from desde to hasta in pasos equal steps (the boxes' texts, in the user's
// locale): Q_i = desde + i·(hasta − desde)/pasos, the last exactly hasta.
Diagrama DiagramaCurvaGasto(const EntradaDiagramas& e, const QString& desde, const QString& hasta,
                            const QString& pasos);
// E = y + Q²/(2gA²) against y, with E = y, (yc, Ec), yn and the alternate depths.
Diagrama DiagramaEnergia(const EntradaDiagramas& e);
// M = A·ȳ + Q²/(gA) against y, with yc and the conjugate depths.
Diagrama DiagramaFuerza(const EntradaDiagramas& e);
// The section to scale, with yc, yn and the last profile's first and last depths.
Diagrama DiagramaSeccion(const EntradaDiagramas& e);

// The default discharge range of the rating curve: 0.1 and 2 times Q.
std::pair<double, double> RangoCaudalPorDefecto(double caudal);
constexpr int kPasosPorDefecto = 50;
constexpr int kPasosMaximos = 10000;
