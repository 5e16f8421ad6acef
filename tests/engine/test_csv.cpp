#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

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
