#include "engine/Csv.h"

#include <charconv>
#include <string>

std::string NumeroExacto(double valor)
{
    char texto[32];
    const auto fin = std::to_chars(texto, texto + sizeof texto, valor).ptr;
    return std::string(texto, fin);
}

std::string LineaCsv(const std::vector<std::string>& campos)
{
    std::string linea;
    for (size_t i = 0; i < campos.size(); ++i) {
        if (i > 0)
            linea += ',';
        const std::string& campo = campos[i];
        if (campo.find_first_of(",\"\r\n") == std::string::npos) {
            linea += campo;
            continue;
        }
        linea += '"';
        for (char ch : campo) {
            if (ch == '"')
                linea += '"';
            linea += ch;
        }
        linea += '"';
    }
    return linea;
}

namespace {

constexpr int kFin = std::char_traits<char>::eof();

// The first fault of the record; what was kept of it is let go.
void Anotar(RegistroCsv& fila, const char* falla)
{
    if (!fila.falla.empty())
        return;
    fila.falla = falla;
    fila.campos.assign(1, std::string());
}

}  // namespace

bool LectorCsv::Siguiente(RegistroCsv& fila, bool detener)
{
    for (;;) {
        fila.linea = linea_;
        fila.campos.assign(1, std::string());
        fila.falla.clear();
        switch (Registro(fila, detener)) {
        case Fin::Entrada: return false;
        case Fin::Blanco: continue;
        case Fin::Registro: return true;
        }
    }
}

// Fields separated by ",", a quote opening or closing a quoted stretch in which
// "" is a quote and commas and line breaks belong to the field; lines end with
// LF or CR LF; a blank line is no record.
LectorCsv::Fin LectorCsv::Registro(RegistroCsv& fila, bool detener)
{
    bool citado = false, blanco = true, algo = false;
    std::size_t bytes = 0;
    for (;;) {
        int c = Leer();
        if (c == kFin) {
            if (!algo)
                return Fin::Entrada;
            if (citado)
                Anotar(fila, "has a quoted field that is not closed before the end of the "
                             "input");
            break;
        }
        algo = true;
        if (c == '\n') {
            ++linea_;
            if (!citado)
                break;
        } else if (c == '\r' && !citado) {
            const int siguiente = Mirar();
            if (siguiente == '\n') {
                Leer();
                ++linea_;
                break;
            }
            if (siguiente == kFin)
                continue;  // a last line ended by CR LF, cut after the CR
            Anotar(fila, "holds a carriage return without a line feed (old Mac line ends?); "
                         "lines must end with LF or CR LF");
            if (detener)
                return Fin::Registro;
            continue;
        }
        if (++bytes > kMaxBytesRegistro) {
            Anotar(fila, "is over 1 MB (1000000 bytes)");
            if (detener)
                return Fin::Registro;
        }
        if (!fila.falla.empty()) {  // only where the record ends matters now
            if (c == '"')
                citado = !citado;
            continue;
        }
        if (c != ' ' && c != '\t')
            blanco = false;
        if (citado && c == '"' && Mirar() == '"') {
            fila.campos.back() += '"';
            Leer();
            ++bytes;
        } else if (c == '"') {
            citado = !citado;
        } else if (c == ',' && !citado) {
            if (fila.campos.size() < kMaxCamposRegistro) {
                fila.campos.emplace_back();
            } else {
                Anotar(fila, "has more than 1000 fields");
                if (detener)
                    return Fin::Registro;
            }
        } else {
            fila.campos.back() += static_cast<char>(c);
        }
    }
    return blanco && fila.falla.empty() ? Fin::Blanco : Fin::Registro;
}

int LectorCsv::Byte(bool avanzar)
{
    try {
        return avanzar ? bufer_->sbumpc() : bufer_->sgetc();
    } catch (const std::system_error& e) {  // std::ios_base::failure among them
        throw ErrorEntradaCsv(e.code().message());
    }
}
