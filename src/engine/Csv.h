// Text for files and scripts: numbers in full precision and CSV lines, the
// same for the profile window's exports and for torvel-calc.
#pragma once

#include <string>
#include <vector>

// The shortest text that reads back to the same double, with "." as decimal
// separator whatever the locale ("0.1", "1.0964999999999347", "1e-07").
std::string NumeroExacto(double valor);

// One CSV line (without its line end) from fields separated by ","; a field
// holding a comma, a quote or a line break is quoted, with quotes doubled.
std::string LineaCsv(const std::vector<std::string>& campos);
