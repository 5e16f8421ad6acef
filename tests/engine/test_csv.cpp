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
    using Campos = std::vector<std::string>;
    // Each record and the line it starts on; a blank line follows the third.
    const std::pair<Campos, long> registros[] = {{{"x (m)", "1.5", ""}, 1},
                                                 {{"a,b", "dice \"no\"", "l\n2", "cr\r\nlf"}, 2},
                                                 {{" blancos ", "\"", ",,", "último"}, 5},
                                                 {{"fin"}, 7}};
    std::string texto;
    for (const auto& [campos, linea] : registros)
        texto += LineaCsv(campos) + (linea == 1 ? "\r\n" : linea == 5 ? "\n\n" : "\n");
    const std::string justo(kMaxBytesRegistro, 'y');  // the longest record there may be
    std::istringstream entrada(texto + justo + "\na,b" + std::string(kMaxBytesRegistro, 'x') +
                               "\n" + std::string(kMaxCamposRegistro, ',') +
                               "\nsigue\n\t \nx\ry\nfin\r");
    LectorCsv lector(entrada);
    RegistroCsv leido;
    for (const auto& [campos, linea] : registros) {
        ASSERT_TRUE(lector.Siguiente(leido, false));
        EXPECT_TRUE(leido.campos == campos && leido.linea == linea && leido.falla.empty()) << linea;
    }
    // Too long and too wide (nothing of them kept), a line of blanks and tabs skipped, a
    // lone CR, and a CR at the very end, with no line end after it, ending the last record.
    const std::pair<Campos, std::string> resto[] = {
        {{justo}, ""},
        {{""}, "is over 1 MB (1000000 bytes)"},
        {{""}, "has more than 1000 fields"},
        {{"sigue"}, ""},
        {{""},
         "holds a carriage return without a line feed (old Mac line ends?); lines must end "
         "with LF or CR LF"},
        {{"fin"}, ""}};
    for (const auto& [campos, falla] : resto) {
        ASSERT_TRUE(lector.Siguiente(leido, false));
        EXPECT_TRUE(leido.campos == campos && leido.falla == falla) << falla;
    }
    EXPECT_FALSE(lector.Siguiente(leido, false));

    std::istringstream sinCerrar("a,\"b\nc");  // the quote runs to the end of the input
    LectorCsv otro(sinCerrar);
    ASSERT_TRUE(otro.Siguiente(leido, false));
    EXPECT_EQ(leido.falla, "has a quoted field that is not closed before the end of the input");
}
