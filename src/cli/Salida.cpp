#include "cli/Salida.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <QLocale>

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

// As the main window rounds, but with "." in every locale, as the other formats.
std::string TextoRedondeadoConPunto(double valor, int decimales)
{
    double redondeado = RedondearDecimales(valor, decimales);
    if (redondeado == 0)
        redondeado = 0;  // never "-0"
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    return c.toString(redondeado, 'G', 15).toStdString();
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
    return TextoRedondeadoConPunto(c.numero, u ? u->decimales : 4);
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

// The length of the well-formed UTF-8 sequence at texto[i], or 0.
std::size_t SecuenciaUtf8(const std::string& texto, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(texto[k]); };
    const unsigned char b = byte(i);
    std::size_t largo = 0;
    unsigned char menor = 0x80, mayor = 0xBF;  // the second byte's range
    if (b >= 0xC2 && b <= 0xDF)
        largo = 2;
    else if (b >= 0xE0 && b <= 0xEF)
        largo = 3;
    else if (b >= 0xF0 && b <= 0xF4)
        largo = 4;
    if (largo == 0 || i + largo > texto.size())
        return 0;
    if (b == 0xE0)
        menor = 0xA0;  // no overlong forms
    else if (b == 0xED)
        mayor = 0x9F;  // no surrogates
    else if (b == 0xF0)
        menor = 0x90;
    else if (b == 0xF4)
        mayor = 0x8F;  // nothing above U+10FFFF
    if (byte(i + 1) < menor || byte(i + 1) > mayor)
        return 0;
    for (std::size_t k = 2; k < largo; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
            return 0;
    return largo;
}

// A JSON string: control characters escaped, and each byte that is not part
// of well-formed UTF-8 replaced by U+FFFD, so that any input gives valid JSON.
std::string CadenaJson(const std::string& texto)
{
    std::string r = "\"";
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const unsigned char ch = static_cast<unsigned char>(texto[i]);
        if (ch == '"' || ch == '\\') {
            r += '\\';
            r += static_cast<char>(ch);
        } else if (ch < 0x20) {
            static const char hex[] = "0123456789abcdef";
            r += "\\u00";
            r += hex[ch >> 4];
            r += hex[ch & 15];
        } else if (ch < 0x80) {
            r += static_cast<char>(ch);
        } else if (const std::size_t largo = SecuenciaUtf8(texto, i)) {
            r.append(texto, i, largo);
            i += largo - 1;
        } else {
            r += "\xEF\xBF\xBD";
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

std::vector<std::string> TextosExactos(const std::vector<Celda>& celdas)
{
    std::vector<std::string> textos;
    for (const Celda& c : celdas)
        textos.push_back(TextoExacto(c));
    return textos;
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
    TablaEnCurso tabla(resultado, formato, salida, resultado.filas.size());
    for (const std::vector<Celda>& fila : resultado.filas)
        tabla.Agregar(fila);
    tabla.Terminar();
}

TablaEnCurso::TablaEnCurso(const Resultado& inicio, Formato formato, std::ostream& salida,
                           std::size_t filasParaAnchos)
    : forma_{inicio.campos, inicio.nombreTabla, inicio.columnas, {}, inicio.filasComoListas},
      formato_(formato), salida_(salida), filasParaAnchos_(filasParaAnchos)
{
    const Resultado& r = forma_;
    if (formato_ == Formato::Json) {
        salida_ << "{";
        bool primero = true;
        for (const Campo& c : r.campos) {
            salida_ << (primero ? "\n  " : ",\n  ") << CadenaJson(c.nombre) << ": "
                    << Json(c.valor);
            primero = false;
        }
        if (!r.nombreTabla.empty())
            salida_ << (primero ? "\n  " : ",\n  ") << CadenaJson(r.nombreTabla) << ": [";
    } else if (formato_ == Formato::Csv) {
        if (!r.campos.empty()) {
            std::vector<std::string> nombres, valores;
            for (const Campo& c : r.campos) {
                nombres.push_back(c.nombre);
                valores.push_back(TextoExacto(c.valor));
            }
            salida_ << LineaCsv(nombres) << "\n" << LineaCsv(valores) << "\n";
        }
        if (r.nombreTabla.empty())
            return;
        if (!r.campos.empty())
            salida_ << "\n";  // the table follows, after a blank line
        salida_ << LineaCsv(r.columnas) << "\n";
    } else {
        std::size_t ancho = 0;
        for (const Campo& c : r.campos)
            ancho = std::max(ancho, ConUnidad(c.nombre).size());
        for (const Campo& c : r.campos) {
            std::string nombre = ConUnidad(c.nombre);
            nombre.resize(ancho, ' ');
            salida_ << nombre << "  " << TextoLegible(c.nombre, c.valor) << "\n";
        }
        if (!r.nombreTabla.empty() && !r.campos.empty())
            salida_ << "\n";
    }
}

void TablaEnCurso::Agregar(std::vector<Celda> fila)
{
    if (formato_ != Formato::Texto || anchosFijos_) {
        EscribirFila(fila);
        return;
    }
    retenidas_.push_back(std::move(fila));
    if (retenidas_.size() >= filasParaAnchos_)
        FijarAnchos();
}

// The widths of the text columns from the rows held; then the head and those rows.
void TablaEnCurso::FijarAnchos()
{
    for (const std::string& col : forma_.columnas)
        anchos_.push_back(ConUnidad(col).size());
    for (const auto& fila : retenidas_)
        for (std::size_t i = 0; i < fila.size(); ++i)
            anchos_[i] = std::max(anchos_[i], TextoLegible(forma_.columnas[i], fila[i]).size());
    for (std::size_t i = 0; i < forma_.columnas.size(); ++i)
        salida_ << (i ? "  " : "") << Rellenar(ConUnidad(forma_.columnas[i]), anchos_[i]);
    salida_ << "\n";
    anchosFijos_ = true;
    for (const auto& fila : retenidas_)
        EscribirFila(fila);
    retenidas_.clear();
}

void TablaEnCurso::EscribirFila(const std::vector<Celda>& fila)
{
    if (formato_ == Formato::Json) {
        salida_ << (escritas_ ? ",\n    " : "\n    ") << FilaJson(forma_, fila);
    } else if (formato_ == Formato::Csv) {
        salida_ << LineaCsv(TextosExactos(fila)) << "\n";
    } else {
        for (std::size_t i = 0; i < fila.size(); ++i)
            salida_ << (i ? "  " : "")
                    << Rellenar(TextoLegible(forma_.columnas[i], fila[i]), anchos_[i]);
        salida_ << "\n";
    }
    ++escritas_;
}

void TablaEnCurso::Terminar()
{
    if (formato_ == Formato::Json) {
        if (!forma_.nombreTabla.empty())
            salida_ << (escritas_ == 0 ? "]" : "\n  ]");
        salida_ << "\n}\n";
    } else if (formato_ == Formato::Texto && !forma_.nombreTabla.empty() && !anchosFijos_) {
        FijarAnchos();
    }
}

SalidaDescriptor::SalidaDescriptor(int descriptor) : descriptor_(descriptor)
{
    setp(bufer_, bufer_ + sizeof bufer_);
}

bool SalidaDescriptor::Vaciar()
{
    const char* p = pbase();
    while (error_ == 0 && p < pptr()) {
        const ssize_t n = ::write(descriptor_, p, static_cast<std::size_t>(pptr() - p));
        if (n > 0)
            p += n;
        else if (n < 0 && errno != EINTR)
            error_ = errno;
        else if (n == 0)
            error_ = EIO;
    }
    setp(bufer_, bufer_ + sizeof bufer_);
    return error_ == 0;
}

SalidaDescriptor::int_type SalidaDescriptor::overflow(int_type c)
{
    if (!Vaciar())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int SalidaDescriptor::sync()
{
    return Vaciar() ? 0 : -1;
}

const char* MotivoFalloSalida(const std::ostream& salida)
{
    const auto* descriptor = dynamic_cast<const SalidaDescriptor*>(salida.rdbuf());
    if (descriptor != nullptr && descriptor->Error() != 0)
        return std::strerror(descriptor->Error());
    return "the output stream failed";
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
