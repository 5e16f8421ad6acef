// Text for files and scripts: numbers in full precision, CSV lines written,
// and CSV records read; the same for the profile window's exports and for
// torvel-calc.
#pragma once

#include <cstddef>
#include <istream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

// The shortest text that reads back to the same double, with "." as decimal
// separator whatever the locale ("0.1", "1.0964999999999347", "1e-07").
std::string NumeroExacto(double valor);

// One CSV line (without its line end) from fields separated by ","; a field
// holding a comma, a quote or a line break is quoted, with quotes doubled.
std::string LineaCsv(const std::vector<std::string>& campos);

// The most a record may hold; beyond it the record is refused and the rest of
// it skipped without being kept.
constexpr std::size_t kMaxBytesRegistro = 1'000'000;
constexpr std::size_t kMaxCamposRegistro = 1000;

// One record as read: the line it starts on (the first line being 1), its
// fields, and why it could not be read whole (empty when it could).
struct RegistroCsv {
    long linea = 0;
    std::vector<std::string> campos;
    std::string falla;
};

// The input itself could not be read; what() says why.
class ErrorEntradaCsv : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// CSV records one at a time: fields separated by ",", a quote opening or
// closing a quoted stretch in which "" is a quote and commas and line breaks
// belong to the field; lines end with LF or CR LF; blank lines are skipped.
// Memory stays bounded: a record over kMaxBytesRegistro bytes or kMaxCamposRegistro fields
// is noted as such, and the rest of it is read past without being kept.
class LectorCsv {
public:
    explicit LectorCsv(std::istream& entrada) : bufer_(entrada.rdbuf()) {}

    // The next record that is not blank; false at the end of the input. With
    // detener, reading stops at the record's first fault. Throws
    // ErrorEntradaCsv when the input cannot be read.
    bool Siguiente(RegistroCsv& fila, bool detener);

private:
    enum class Fin { Entrada, Blanco, Registro };
    Fin Registro(RegistroCsv& fila, bool detener);
    int Leer() { return Byte(true); }
    int Mirar() { return Byte(false); }
    int Byte(bool avanzar);

    std::streambuf* bufer_;
    long linea_ = 1;  // the line of the next byte
};
