#include "cli/Salida.h"

#include <algorithm>
#include <cstring>

#include "captions/Numeros.h"
#include "engine/Csv.h"

namespace {

struct Unidad {
    const char* nombre;
    const char* unidad;
    int decimales;  // in text output
};

// Units and the decimals people read them with; the depths and energies as
// the main window rounds them, slopes with enough digits to differ.
const Unidad kUnidades[] = {
    {"yc", "m", 4},         {"yn", "m", 4},      {"Sc", "m/m", 6},
    {"Ec", "m", 4},         {"En", "m", 4},      {"pct_diameter", "%", 2},
    {"A", "m2", 4},         {"P", "m", 4},       {"R", "m", 4},
    {"T", "m", 4},          {"D_h", "m", 4},     {"V", "m/s", 4},
    {"Fr", "", 4},          {"E", "m", 4},       {"M", "m3", 4},
    {"Sf", "m/m", 6},       {"tau", "N/m2", 4},  {"centroid", "m", 4},
    {"alt_depth", "m", 4},  {"alt_sup", "m", 4}, {"alt_inf", "m", 4},
    {"conj_depth", "m", 4}, {"yf", "m", 4},      {"xf", "m", 2},
    {"x_end", "m", 2},      {"Q", "m3/s", 4},    {"x", "m", 2},
    {"y", "m", 4},          {"b", "m", 4},       {"angle", "deg", 4},
    {"d", "m", 4},          {"slope", "m/m", 6}, {"q", "m3/s", 4},
    {"depth", "m", 4},      {"energy", "m", 4},
};

const Unidad* BuscarUnidad(const std::string& nombre)
{
    for (const Unidad& u : kUnidades)
        if (nombre == u.nombre)
            return &u;
    return nullptr;
}

std::string TextoLegible(const std::string& nombre, const Celda& c)
{
    if (!c.leyenda.empty())
        return c.leyenda;
    switch (c.tipo) {
    case Celda::Tipo::Vacia: return "-";
    case Celda::Tipo::Logico: return c.logico ? "yes" : "no";
    case Celda::Tipo::Texto: return c.texto;
    case Celda::Tipo::Numero: break;
    }
    const Unidad* u = BuscarUnidad(nombre);
    return TextoRedondeado(c.numero, u ? u->decimales : 4).toStdString();
}

std::string TextoExacto(const Celda& c)
{
    switch (c.tipo) {
    case Celda::Tipo::Vacia: return {};
    case Celda::Tipo::Logico: return c.logico ? "true" : "false";
    case Celda::Tipo::Texto: return c.texto;
    case Celda::Tipo::Numero: break;
    }
    return NumeroExacto(c.numero);
}

std::string CadenaJson(const std::string& texto)
{
    std::string r = "\"";
    for (unsigned char ch : texto) {
        if (ch == '"' || ch == '\\') {
            r += '\\';
            r += static_cast<char>(ch);
        } else if (ch < 0x20) {
            static const char hex[] = "0123456789abcdef";
            r += "\\u00";
            r += hex[ch >> 4];
            r += hex[ch & 15];
        } else {
            r += static_cast<char>(ch);
        }
    }
    return r + "\"";
}

std::string Json(const Celda& c)
{
    switch (c.tipo) {
    case Celda::Tipo::Vacia: return "null";
    case Celda::Tipo::Texto: return CadenaJson(c.texto);
    default: return TextoExacto(c);
    }
}

std::string Rellenar(std::string texto, std::size_t ancho)
{
    if (texto.size() < ancho)
        texto.insert(0, ancho - texto.size(), ' ');
    return texto;
}

std::string ObjetoJson(const std::vector<std::string>& nombres, const std::vector<Celda>& celdas)
{
    std::string r = "{";
    for (std::size_t i = 0; i < nombres.size(); ++i)
        r += (i ? ", " : "") + CadenaJson(nombres[i]) + ": " + Json(celdas[i]);
    return r + "}";
}

std::string FilaJson(const Resultado& r, const std::vector<Celda>& fila)
{
    if (!r.filasComoListas)
        return ObjetoJson(r.columnas, fila);
    std::string t = "[";
    for (std::size_t i = 0; i < fila.size(); ++i)
        t += (i ? ", " : "") + Json(fila[i]);
    return t + "]";
}

void EscribirJson(const Resultado& r, std::ostream& salida)
{
    salida << "{";
    bool primero = true;
    for (const Campo& c : r.campos) {
        salida << (primero ? "\n  " : ",\n  ") << CadenaJson(c.nombre) << ": " << Json(c.valor);
        primero = false;
    }
    if (!r.nombreTabla.empty()) {
        salida << (primero ? "\n  " : ",\n  ") << CadenaJson(r.nombreTabla) << ": [";
        for (std::size_t i = 0; i < r.filas.size(); ++i)
            salida << (i ? ",\n    " : "\n    ") << FilaJson(r, r.filas[i]);
        salida << (r.filas.empty() ? "]" : "\n  ]");
    }
    salida << "\n}\n";
}

void EscribirCsv(const Resultado& r, std::ostream& salida)
{
    if (!r.campos.empty()) {
        std::vector<std::string> nombres, valores;
        for (const Campo& c : r.campos) {
            nombres.push_back(c.nombre);
            valores.push_back(TextoExacto(c.valor));
        }
        salida << LineaCsv(nombres) << "\n" << LineaCsv(valores) << "\n";
    }
    if (r.nombreTabla.empty())
        return;
    if (!r.campos.empty())
        salida << "\n";  // the table follows, after a blank line
    salida << LineaCsv(r.columnas) << "\n";
    for (const auto& fila : r.filas) {
        std::vector<std::string> textos;
        for (const Celda& c : fila)
            textos.push_back(TextoExacto(c));
        salida << LineaCsv(textos) << "\n";
    }
}

void EscribirTexto(const Resultado& r, std::ostream& salida)
{
    std::size_t ancho = 0;
    for (const Campo& c : r.campos)
        ancho = std::max(ancho, ConUnidad(c.nombre).size());
    for (const Campo& c : r.campos) {
        std::string nombre = ConUnidad(c.nombre);
        nombre.resize(ancho, ' ');
        salida << nombre << "  " << TextoLegible(c.nombre, c.valor) << "\n";
    }
    if (r.nombreTabla.empty())
        return;
    if (!r.campos.empty())
        salida << "\n";
    std::vector<std::vector<std::string>> textos;
    std::vector<std::size_t> anchos;
    for (const std::string& col : r.columnas)
        anchos.push_back(ConUnidad(col).size());
    for (const auto& fila : r.filas) {
        textos.emplace_back();
        for (std::size_t i = 0; i < fila.size(); ++i) {
            textos.back().push_back(TextoLegible(r.columnas[i], fila[i]));
            anchos[i] = std::max(anchos[i], textos.back().back().size());
        }
    }
    for (std::size_t i = 0; i < r.columnas.size(); ++i)
        salida << (i ? "  " : "") << Rellenar(ConUnidad(r.columnas[i]), anchos[i]);
    salida << "\n";
    for (const auto& fila : textos) {
        for (std::size_t i = 0; i < fila.size(); ++i)
            salida << (i ? "  " : "") << Rellenar(fila[i], anchos[i]);
        salida << "\n";
    }
}

// Batch rows in text keep a fixed width, as they are written before the
// following rows are known.
std::size_t AnchoLote(const std::string& columna)
{
    return std::max<std::size_t>(ConUnidad(columna).size(), 10);
}

}  // namespace

std::string ConUnidad(const std::string& nombre)
{
    const Unidad* u = BuscarUnidad(nombre);
    if (u == nullptr || std::strlen(u->unidad) == 0)
        return nombre;
    return nombre + " (" + u->unidad + ")";
}

void Escribir(const Resultado& resultado, Formato formato, std::ostream& salida)
{
    if (formato == Formato::Json)
        EscribirJson(resultado, salida);
    else if (formato == Formato::Csv)
        EscribirCsv(resultado, salida);
    else
        EscribirTexto(resultado, salida);
}

std::string EncabezadoFilas(const std::vector<std::string>& columnas, Formato formato)
{
    if (formato == Formato::Json)
        return "[";
    if (formato == Formato::Csv)
        return LineaCsv(columnas) + "\n";
    std::string linea;
    for (std::size_t i = 0; i < columnas.size(); ++i)
        linea += (i ? "  " : "") + Rellenar(ConUnidad(columnas[i]), AnchoLote(columnas[i]));
    return linea + "\n";
}

std::string Fila(const std::vector<std::string>& columnas, const std::vector<Celda>& celdas,
                 Formato formato, bool primera)
{
    if (formato == Formato::Json)
        return (primera ? "\n  " : ",\n  ") + ObjetoJson(columnas, celdas);
    std::vector<std::string> textos;
    for (std::size_t i = 0; i < celdas.size(); ++i) {
        if (formato == Formato::Csv)
            textos.push_back(TextoExacto(celdas[i]));
        else
            textos.push_back(
                Rellenar(TextoLegible(columnas[i], celdas[i]), AnchoLote(columnas[i])));
    }
    if (formato == Formato::Csv)
        return LineaCsv(textos) + "\n";
    std::string linea;
    for (std::size_t i = 0; i < textos.size(); ++i)
        linea += (i ? "  " : "") + textos[i];
    return linea + "\n";
}

std::string CierreFilas(Formato formato)
{
    return formato == Formato::Json ? "\n]\n" : std::string();
}
