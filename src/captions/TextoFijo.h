// Numbers in tables and on axes: a fixed count of decimals, the locale's
// decimal separator, no group separators (so that a pasted column stays a
// number in a spreadsheet), and never "-0.00".
#pragma once

#include <QLocale>
#include <QString>
#include <cmath>

inline QString TextoFijo(double valor, int decimales)
{
    QLocale local = QLocale::system();
    local.setNumberOptions(QLocale::OmitGroupSeparator);
    if (std::fabs(valor) < 0.5 * std::pow(10.0, -decimales))
        valor = 0;
    return local.toString(valor, 'f', decimales);
}
