// Caption strings of the two interface languages.
//
// Each translatable text is one variable, listed with both its texts in Textos.def;
// CargarTextos fills them all for one language and every window copies the ones it needs
// when it is created. They are empty until CargarTextos runs.
#pragma once

#include <QString>
#include <cstdint>

#define TEXTO(nombre, espanol, ingles) extern QString nombre;
#include "captions/Textos.def"
#undef TEXTO

// Fills every caption string with the texts of language 0 (Spanish) or 1
// (English); any other value changes nothing.
void CargarTextos(int16_t idioma);
