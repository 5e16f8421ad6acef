// Reading and writing of numbers in the user's locale.
#pragma once

#include <QString>
#include <stdexcept>

// A text that does not read as a number. caja names the box (its label) when
// the reader knows it.
class ErrorLectura : public std::runtime_error {
public:
    ErrorLectura(const QString& texto, const QString& caja = QString());
    const QString& texto() const { return texto_; }
    const QString& caja() const { return caja_; }

private:
    QString texto_;
    QString caja_;
};

// Converts a text with the user's locale (QLocale::system()); an empty text
// gives 0. Anything else that is not a number, a single blank included, throws
// ErrorLectura.
double TextoANumero(const QString& texto);

// The leading-number rule of the alternate and conjugate boxes: the longest
// leading part of the text that reads as a number (optional sign, digits, one
// decimal separator, "." or the locale's own, optional exponent; no group
// separators), blanks skipped;
// 0 when the text does not begin with a number. Only a number beyond the range
// of a double throws ErrorLectura.
double NumeroInicial(const QString& texto);

// The general number format: up to 15 significant digits, no trailing zeros,
// the locale's decimal separator, no group separators, no exponent for ordinary
// magnitudes (45.0013272040556, 0.6121, 2).
// cifras: significant digits, fewer for a figure quoted in a message.
QString NumeroATexto(double valor, int cifras = 15);
// valor rounded to the given decimals, halves to the even neighbour, applied to
// the exact binary value.
double RedondearDecimales(double valor, int decimales);
// RedondearDecimales followed by NumeroATexto.
QString TextoRedondeado(double valor, int decimales);
