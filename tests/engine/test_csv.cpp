#include <gtest/gtest.h>

#include <clocale>
#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "engine/Csv.h"

TEST(Csv, NumerosExactosYCamposCitados)
{
    std::setlocale(LC_ALL, "de_DE.UTF-8");  // a comma locale, if installed, changes nothing
    for (double x : {0.1, 1.0964999999999347, -1e-7, 32765.0, 6.02e23})
        EXPECT_EQ(std::strtod(NumeroExacto(x).c_str(), nullptr), x) << NumeroExacto(x);
    std::setlocale(LC_ALL, "C");

    EXPECT_EQ(LineaCsv({"x (m)", "1.5", ""}), "x (m),1.5,");
    EXPECT_EQ(LineaCsv({"a,b", "dice \"no\"", "l\n2"}), "\"a,b\",\"dice \"\"no\"\"\",\"l\n2\"");
}

// What LineaCsv writes, LectorCsv reads back field for field, whatever the
// fields hold; and a record too long or too wide is refused, not kept.
TEST(Csv, LoEscritoSeLeeIgual)
{
    const std::vector<std::vector<std::string>> registros = {
        {"x (m)", "1.5", ""},
        {"a,b", "dice \"no\"", "l\n2", "cr\r\nlf"},
        {" blancos ", "\"", ",,", "último"},
        {""},  // one empty field is a blank line: skipped
        {"fin"},
    };
    std::string texto;
    for (const auto& campos : registros)
        texto += LineaCsv(campos) + (campos.size() == 3 ? "\r\n" : "\n");
    std::istringstream entrada(texto + "a,b" + std::string(kMaxBytesRegistro, 'x') + "\n" +
                               std::string(kMaxCamposRegistro, ',') + "\nsigue\n\t \nx\ry\nfin\r");
    LectorCsv lector(entrada);
    RegistroCsv leido;
    long linea = 1;
    for (const auto& campos : registros) {
        if (campos == std::vector<std::string>{""}) {
            ++linea;
            continue;
        }
        ASSERT_TRUE(lector.Siguiente(leido, false));
        EXPECT_EQ(leido.campos, campos);
        EXPECT_EQ(leido.linea, linea);
        EXPECT_EQ(leido.falla, "");
        for (const std::string& campo : campos)
            linea += std::count(campo.begin(), campo.end(), '\n');
        ++linea;
    }
    for (const char* falla : {"is over 1 MB (1000000 bytes)", "has more than 1000 fields"}) {
        ASSERT_TRUE(lector.Siguiente(leido, false));
        EXPECT_EQ(leido.falla, falla);
        EXPECT_LE(leido.campos.size(), 1u);  // nothing of it kept
    }
    ASSERT_TRUE(lector.Siguiente(leido, false));
    EXPECT_EQ(leido.campos, std::vector<std::string>{"sigue"});
    // A line of blanks and tabs is no record; a lone CR is a fault; a CR at the very
    // end, with no line end after it, ends the last record.
    ASSERT_TRUE(lector.Siguiente(leido, false));
    EXPECT_EQ(leido.falla, "holds a carriage return without a line feed (old Mac line ends?); "
                           "lines must end with LF or CR LF");
    ASSERT_TRUE(lector.Siguiente(leido, false));
    EXPECT_EQ(leido.campos, std::vector<std::string>{"fin"});
    EXPECT_EQ(leido.falla, "");
    EXPECT_FALSE(lector.Siguiente(leido, false));

    std::istringstream sinCerrar("a,\"b\nc");  // the quote runs to the end of the input
    LectorCsv otro(sinCerrar);
    ASSERT_TRUE(otro.Siguiente(leido, false));
    EXPECT_EQ(leido.falla, "has a quoted field that is not closed before the end of the input");
}
