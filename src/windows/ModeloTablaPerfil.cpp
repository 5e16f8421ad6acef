#include "windows/ModeloTablaPerfil.h"

#include <algorithm>

#include "captions/TextoFijo.h"
#include "captions/Textos.h"
#include "engine/Csv.h"
#include "engine/modFuncionesTorvel.h"
#include "state/Variables.h"

namespace {

constexpr int kDecimales[ModeloTablaPerfil::NumColumnasConCotas] = {2, 4, 4, 4, 4, 4, 6, 4, 4, 4};

QString Encabezado(int columna)
{
    static const char* const kSimbolos[] = {
        "x (m)", "y (m)", "A (m²)", "V (m/s)",   "Fr",
        "E (m)", "Sf",    "z (m)",  "z + y (m)", "z + y + V²/2g (m)"};
    return QString::fromUtf8(kSimbolos[columna]);
}

QString NombreColumna(int columna)
{
    const QString* nombres[] = {
        &capColX,       &capColTirante,  &capColArea, &capColVelocidad,      &capColFroude,
        &capColEnergia, &capColFriccion, &capColCota, &capColCotaSuperficie, &capColCotaEnergia};
    return *nombres[columna];
}

}  // namespace

void ModeloTablaPerfil::Cargar(const Variables& v)
{
    beginResetModel();
    filas_.clear();
    if (v.perfil.metodo != MetodoPerfil::Ninguno) {
        Variables copia = v;
        for (size_t i = 1; i < v.tablaPerfil.size(); ++i) {
            const auto& punto = v.tablaPerfil[i];
            if (punto[2] == 0)
                continue;
            Fila fila{punto[1], punto[2]};
            try {
                ElementosHidraulicos(copia, fila.y);
                fila.derivadas = {copia.area, copia.velocidad, copia.froude, copia.energia,
                                  copia.pendFriccion};
                fila.calculada = true;
            } catch (const ErrorCalculo&) {
            }
            filas_.push_back(fila);
        }
    }
    // The bed's lowest point: at x_max for a falling bed, at x_min for a rising one.
    pendiente_ = v.pendiente;
    xMax_ = zBase_ = 0;
    if (!filas_.empty()) {
        double xMin = filas_.front().x;
        xMax_ = xMin;
        for (const Fila& f : filas_) {
            xMin = std::min(xMin, f.x);
            xMax_ = std::max(xMax_, f.x);
        }
        zBase_ = std::min(0.0, pendiente_ * (xMax_ - xMin));
    }
    endResetModel();
}

int ModeloTablaPerfil::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : static_cast<int>(filas_.size());
}

int ModeloTablaPerfil::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : NumColumnasConCotas;
}

std::optional<double> ModeloTablaPerfil::Valor(int fila, int columna) const
{
    const Fila& f = filas_[fila];
    if (columna == ColX)
        return f.x;
    if (columna == ColY)
        return f.y;
    const double z = pendiente_ * (xMax_ - f.x) - zBase_;
    if (columna == ColCota)
        return z;
    if (columna == ColCotaSuperficie)
        return z + f.y;
    if (!f.calculada)
        return std::nullopt;
    if (columna == ColCotaEnergia)
        return z + f.derivadas[ColEnergia - ColArea];
    return f.derivadas[columna - ColArea];
}

QString ModeloTablaPerfil::TextoCelda(int fila, int columna) const
{
    const std::optional<double> valor = Valor(fila, columna);
    return valor ? TextoFijo(*valor, kDecimales[columna]) : QString();
}

QVariant ModeloTablaPerfil::data(const QModelIndex& indice, int rol) const
{
    if (!indice.isValid())
        return {};
    if (rol == Qt::DisplayRole)
        return TextoCelda(indice.row(), indice.column());
    if (rol == Qt::TextAlignmentRole)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (rol == RolValor) {
        const std::optional<double> valor = Valor(indice.row(), indice.column());
        return valor ? QVariant(*valor) : QVariant();
    }
    return {};
}

QVariant ModeloTablaPerfil::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion == Qt::Vertical)
        return rol == Qt::DisplayRole ? QVariant(seccion + 1) : QVariant();
    if (rol == Qt::DisplayRole)
        return Encabezado(seccion);
    if (rol == Qt::ToolTipRole)
        return NombreColumna(seccion);
    return {};
}

QString ModeloTablaPerfil::TextoSeparadoPorTabs() const
{
    QStringList lineas;
    QStringList campos;
    for (int c = 0; c < NumColumnasConCotas; ++c)
        campos << Encabezado(c);
    lineas << campos.join(QLatin1Char('\t'));
    for (int f = 0; f < rowCount(); ++f) {
        campos.clear();
        for (int c = 0; c < NumColumnasConCotas; ++c)
            campos << TextoCelda(f, c);
        lineas << campos.join(QLatin1Char('\t'));
    }
    return lineas.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QByteArray ModeloTablaPerfil::Csv() const
{
    std::vector<std::string> campos;
    for (int c = 0; c < NumColumnasConCotas; ++c)
        campos.push_back((NombreColumna(c) + QLatin1Char(' ') + Encabezado(c)).toStdString());
    std::string texto = LineaCsv(campos) + '\n';
    texto.reserve(filas_.size() * 140);
    for (int f = 0; f < rowCount(); ++f) {
        for (int c = 0; c < NumColumnasConCotas; ++c) {
            const std::optional<double> valor = Valor(f, c);
            if (c > 0)
                texto += ',';
            if (valor)
                texto += NumeroExacto(*valor);
        }
        texto += '\n';
    }
    return QByteArray::fromStdString(texto);
}
