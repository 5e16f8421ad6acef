// The caption strings, defined and filled from the table Textos.def.
#include "captions/Textos.h"

// An empty text would leave a label or a message blank without a warning, so it does not
// compile.
#define TEXTO(nombre, espanol, ingles)                                                             \
    QString nombre;                                                                                \
    static_assert(sizeof(espanol) > 1 && sizeof(ingles) > 1, #nombre " has an empty text");
#include "captions/Textos.def"
#undef TEXTO

void CargarTextos(int16_t idioma)
{
    if (idioma == 0) {
#define TEXTO(nombre, espanol, ingles) nombre = QStringLiteral(espanol);
#include "captions/Textos.def"
#undef TEXTO
    } else if (idioma == 1) {
#define TEXTO(nombre, espanol, ingles) nombre = QStringLiteral(ingles);
#include "captions/Textos.def"
#undef TEXTO
    }
}
