// The channel a result was computed for, told in one line, and whether two
// calculation states describe the same channel: the shape and its dimensions,
// the bed slope, the roughness and the discharge.
#pragma once

#include <QString>

struct Variables;

// "rectangular, b = 2 m, S = 0.001 m/m, n = 0.015, Q = 3 m³/s", in the current
// language and the locale's decimal separator.
QString DescripcionCanal(const Variables& v);

// Whether a and b hold the same shape, dimensions, slope, roughness and discharge.
bool MismoCanal(const Variables& a, const Variables& b);
