#include "engine/Csv.h"

#include <charconv>

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
