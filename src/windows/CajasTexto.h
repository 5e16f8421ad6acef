// How the boxes the program writes into show what it wrote.
#pragma once

#include <initializer_list>
#include <utility>

class QLineEdit;
class QString;

// A box the program writes into (a copy, a converted value) shows the
// beginning of each text it is given, not its end; what the user types is left
// alone.
void MostrarDesdeElPrincipio(QLineEdit* caja);

// A result box: it shows the beginning of what the program writes, draws a text
// too long for it in the narrow variant of its font, and Tab passes it by (a
// click still enters it).
void PrepararResultado(QLineEdit* caja);

// Whether the text of the box fits its width in the box's present font.
bool CabeEnCaja(const QLineEdit* caja);

// Gives each box the tooltip of its pair: what the box holds and its unit.
void PonerAyudas(std::initializer_list<std::pair<QLineEdit*, const QString*>> ayudas);
