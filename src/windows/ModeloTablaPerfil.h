// The rows of the last profile for the profile window's table: x and depth from
// the profile table, and the area, velocity, Froude number, specific energy and
// friction slope of each depth, worked out once when the model is loaded, and
// the elevations of the bed, the surface and the energy line.
#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <vector>

struct Variables;

class ModeloTablaPerfil : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Columna {
        ColX,
        ColY,
        ColArea,
        ColVelocidad,
        ColFroude,
        ColEnergia,
        ColFriccion,
        NumColumnas,
        // The elevations: the bed z = S·(x_max − x), lowest at 0, the surface
        // z + y and the energy line z + y + V²/2g.
        ColCota = NumColumnas,
        ColCotaSuperficie,
        ColCotaEnergia,
        NumColumnasConCotas
    };
    // The full-precision value of a cell, or an invalid QVariant for an empty one.
    static constexpr int RolValor = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    // One row per filled row of the profile table (depth not 0), in table
    // order. The derived columns come from ElementosHidraulicos on a copy of v;
    // a depth the engine cannot evaluate leaves them empty.
    void Cargar(const Variables& v);

    int rowCount(const QModelIndex& padre = QModelIndex()) const override;
    int columnCount(const QModelIndex& padre = QModelIndex()) const override;
    QVariant data(const QModelIndex& indice, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion,
                        int rol = Qt::DisplayRole) const override;

    // The cell as displayed: fixed decimals, the locale's separator.
    QString TextoCelda(int fila, int columna) const;
    // Header and rows as displayed, tab-separated, for the clipboard.
    QString TextoSeparadoPorTabs() const;
    // Header with names and units in the current language, then every value in
    // full precision with "." as decimal separator; UTF-8.
    QByteArray Csv() const;

private:
    std::optional<double> Valor(int fila, int columna) const;

    struct Fila {
        double x = 0;
        double y = 0;
        bool calculada = false;             // false: the engine could not evaluate this depth
        std::array<double, 5> derivadas{};  // A, V, Fr, E, Sf
    };
    std::vector<Fila> filas_;
    double pendiente_ = 0, xMax_ = 0, zBase_ = 0;
};
