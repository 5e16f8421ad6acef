// Qt's own windows and texts (the standard buttons, the boxes' context menu,
// the file and print dialogs) in the program's language and font family.
#pragma once

#include <cstdint>

// idioma 0: Spanish, from Qt's translation qtbase_es where it is installed
// (English otherwise); 1: English. Called whenever the language is loaded.
void AplicarIdiomaQt(int16_t idioma);
