// Runs one command line of torvel-calc and returns its exit status: 0 done,
// 1 a calculation could not be completed (or a batch row failed), 2 a usage
// error or an input that cannot be read.
#pragma once

#include <QStringList>

int EjecutarPrograma(const QStringList& argumentos);
