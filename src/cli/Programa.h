// Runs one command line of torvel-calc and returns its exit status: 0 done,
// 1 a calculation could not be completed (or a batch row failed, or the output
// could not be written), 2 a usage error or an input that cannot be read.
// Nothing escapes as an exception: whatever goes wrong is one line on errores.
#pragma once

#include <QStringList>
#include <istream>
#include <ostream>

// The program itself: standard input, output and error.
int EjecutarPrograma(const QStringList& argumentos);
// The same on the given streams (batch - reads entrada).
int EjecutarPrograma(const QStringList& argumentos, std::istream& entrada, std::ostream& salida,
                     std::ostream& errores);
