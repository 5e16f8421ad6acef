// The batch command: one CSV row in, one row out, computed by a bounded pool of
// workers and written in input order as the rows complete. At most a few
// hundred rows per worker are held at any time, whatever the file's length.
#pragma once

#include <istream>
#include <ostream>

#include "cli/Opciones.h"

// Reads the rows from entrada and writes the results to salida. Returns the
// exit status: 0, or 1 when any row failed. Throws ErrorUso for a header that
// cannot be used.
int EjecutarLote(const Pedido& pedido, std::istream& entrada, std::ostream& salida);
