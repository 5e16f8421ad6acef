// Reading and writing of numbers.
//
// Boxes are read and written in the user's locale through QLocale. The leading-number rule
// of the alternate and conjugate boxes takes "." as the decimal separator in every locale, and
// the locale's own separator as well, so that the results copied into those boxes read back
// as written. It is converted with std::from_chars: strtod and atof follow the C locale, which
// the application takes from the user's environment.
#include "captions/Numeros.h"
#include "engine/Aritmetica.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace {

std::string MensajeLectura(const QString& texto, const QString& caja)
{
    QString mensaje = QStringLiteral("not a number: \"%1\"").arg(texto);
    if (!caja.isEmpty())
        mensaje = caja + QStringLiteral(": ") + mensaje;
    return mensaje.toStdString();
}

bool EsBlanco(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool EsDigito(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The leading number of a text, blanks dropped: sign, mantissa ("12.5", ".5", "5.") and
// decimal exponent.
struct NumeroLeido {
    bool negativo = false;
    std::string mantisa;
    long long exponente = 0;
};

// Reads the characters of a text one by one, stepping over blanks.
class Lector {
public:
    explicit Lector(const QString& texto) : texto_(texto) {}

    QChar Actual()
    {
        while (pos_ < texto_.size() && EsBlanco(texto_[pos_]))
            ++pos_;
        return pos_ < texto_.size() ? texto_[pos_] : QChar();
    }
    void Avanzar() { ++pos_; }

private:
    const QString& texto_;
    qsizetype pos_ = 0;
};

// "." in every locale, and the locale's own decimal separator.
bool EsSeparadorDecimal(QChar c)
{
    const QString local = QLocale::system().decimalPoint();
    return c == u'.' || (local.size() == 1 && c == local.front());
}

// Returns false when the text does not begin with a number.
bool LeerNumeroInicial(const QString& texto, NumeroLeido& numero)
{
    Lector lector(texto);
    if (lector.Actual() == u'+' || lector.Actual() == u'-') {
        numero.negativo = lector.Actual() == u'-';
        lector.Avanzar();
    }
    bool hayDigitos = false;
    bool hayPunto = false;
    for (QChar c = lector.Actual(); EsDigito(c) || (!hayPunto && EsSeparadorDecimal(c));
         c = lector.Actual()) {
        const bool punto = !EsDigito(c);
        hayPunto = hayPunto || punto;
        hayDigitos = hayDigitos || !punto;
        numero.mantisa += punto ? '.' : char(c.unicode());
        lector.Avanzar();
    }
    if (!hayDigitos)
        return false;

    const QChar marca = lector.Actual().toLower();
    if (marca != u'e' && marca != u'd')
        return true;
    lector.Avanzar();
    bool exponenteNegativo = false;
    if (lector.Actual() == u'+' || lector.Actual() == u'-') {
        exponenteNegativo = lector.Actual() == u'-';
        lector.Avanzar();
    }
    // An exponent without digits ("1e", "1e+") is not part of the number. Huge exponents
    // saturate: the result is out of range long before.
    long long exponente = 0;
    bool hayExponente = false;
    for (QChar c = lector.Actual(); EsDigito(c); c = lector.Actual()) {
        exponente = std::min(exponente * 10 + (c.unicode() - u'0'), 1000000000LL);
        hayExponente = true;
        lector.Avanzar();
    }
    if (hayExponente)
        numero.exponente = exponenteNegativo ? -exponente : exponente;
    return true;
}

// Decimal exponent of the first significant digit of a mantissa: 2 for "123.4", -3 for
// "0.0012", 0 when every digit is zero.
long long OrdenDeMagnitud(const std::string& mantisa)
{
    const std::size_t punto = std::min(mantisa.find('.'), mantisa.size());
    const std::size_t primera = mantisa.find_first_not_of("0.");
    if (primera == std::string::npos)
        return 0;
    if (primera < punto)
        return static_cast<long long>(punto - primera) - 1;
    return -static_cast<long long>(primera - punto);
}

}  // namespace

ErrorLectura::ErrorLectura(const QString& texto, const QString& caja)
    : std::runtime_error(MensajeLectura(texto, caja)), texto_(texto), caja_(caja)
{
}

double TextoANumero(const QString& texto)
{
    if (texto.isEmpty())
        return 0;
    bool ok = false;
    const double valor = QLocale::system().toDouble(texto, &ok);
    // QLocale accepts "nan" and "inf", which no calculation can use.
    if (!ok || !std::isfinite(valor))
        throw ErrorLectura(texto);
    return valor;
}

double NumeroInicial(const QString& texto)
{
    NumeroLeido numero;
    if (!LeerNumeroInicial(texto, numero))
        return 0;
    const std::string limpio = numero.mantisa + 'e' + std::to_string(numero.exponente);
    double valor = 0;
    const auto resultado = std::from_chars(limpio.data(), limpio.data() + limpio.size(), valor);
    if (resultado.ec == std::errc::result_out_of_range) {
        // Too small a magnitude is simply zero; too large cannot be represented.
        if (OrdenDeMagnitud(numero.mantisa) + numero.exponente > 0)
            throw ErrorLectura(texto);
        valor = 0;
    }
    return numero.negativo ? -valor : valor;
}

QString NumeroATexto(double valor, int cifras)
{
    if (valor == 0)
        valor = 0;  // never show "-0"
    QLocale local = QLocale::system();
    local.setNumberOptions(QLocale::OmitGroupSeparator);
    return local.toString(valor, 'G', cifras);
}

double RedondearDecimales(double valor, int decimales)
{
    // The same rounding as the x of the profile points.
    return aritmetica::Redondear(valor, decimales);
}

QString TextoRedondeado(double valor, int decimales)
{
    return NumeroATexto(RedondearDecimales(valor, decimales));
}
