// The interface language kept between sessions in the user's settings.
#pragma once

#include "state/Variables.h"

// Reads the stored language into v.idioma (1 when absent). A stored value
// other than "0" or "1", or a settings store that cannot be read, gives 1 and
// returns false so that the caller can tell the user.
bool LeerIdioma(Variables& v);
// Stores v.idioma. Returns false when the settings store could not be written.
bool GuardarIdioma(const Variables& v);
