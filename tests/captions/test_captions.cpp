// The captions of both languages, the stored language, and number reading and writing.
#include <QFile>
#include <QSettings>
#include <QtTest>
#include <cmath>

#include "captions/ExplicarError.h"
#include "engine/ErrorCalculo.h"
#include "captions/Numeros.h"
#include "captions/Textos.h"
#include "windows/Idioma.h"

namespace {

// Every caption of the table with its two texts.
struct Fila {
    QString* variable;
    const char* espanol;
    const char* ingles;
};
const Fila kTabla[] = {
#define TEXTO(nombre, espanol, ingles) {&nombre, espanol, ingles},
#include "captions/Textos.def"
#undef TEXTO
};

// The language read back from the store, and whether it was read without complaint.
std::pair<int, bool> IdiomaLeido()
{
    Variables v;
    v.idioma = 7;  // neither language: a read that assigns nothing shows
    const bool leido = LeerIdioma(v);
    return {v.idioma, leido};
}

bool Guardar(int16_t idioma)
{
    Variables v;
    v.idioma = idioma;
    return GuardarIdioma(v);
}

bool ComaDecimal()
{
    return QLocale::system().decimalPoint() == QLatin1String(",");
}

// Reading and writing in the user's locale, whichever its decimal separator.
void NumerosEnElLocal()
{
    const QString punto = QLocale::system().decimalPoint();
    const auto local = [&punto](QString texto) { return texto.replace(u'.', punto); };
    QCOMPARE(TextoANumero(QStringLiteral("")), 0.0);
    for (const char* texto : {" ", "abc", "nan", "inf", "-inf", "1e400", "1.5x", "--1"})
        QVERIFY_THROWS_EXCEPTION(ErrorLectura, TextoANumero(QString::fromLatin1(texto)));
    QCOMPARE(TextoANumero(QStringLiteral("1e308")), 1e308);
    QCOMPARE(TextoANumero(QStringLiteral("-0")), 0.0);
    QCOMPARE(TextoANumero(local("1.5")), 1.5);
    QVERIFY_THROWS_EXCEPTION(ErrorLectura, TextoANumero(ComaDecimal() ? "1.5" : "1,5"));
    QCOMPARE(NumeroATexto(0.1 + 0.2), local("0.3"));  // 15 significant digits
    QCOMPARE(NumeroATexto(-0.0), QStringLiteral("0"));
    QCOMPARE(NumeroATexto(123456789012345.0), QStringLiteral("123456789012345"));
    QCOMPARE(NumeroATexto(1e15), QStringLiteral("1E+15"));
    QCOMPARE(NumeroATexto(0.0001), local("0.0001"));
    QCOMPARE(NumeroATexto(0.00001), QStringLiteral("1E-05"));
    QVERIFY(!std::signbit(RedondearDecimales(-0.00001, 4)));
}

}  // namespace

class TestCaptions : public QObject {
    Q_OBJECT

private slots:
    // Language 0 loads the Spanish column of the table and 1 the English one; any other value
    // leaves every caption as it was.
    void textosDeLaTabla()
    {
        for (const int16_t idioma : {0, 1}) {
            CargarTextos(idioma);
            for (const int16_t otro : {-1, 2, 32767})
                CargarTextos(otro);
            for (const Fila& fila : kTabla)
                QCOMPARE(*fila.variable,
                         QString::fromUtf8(idioma == 0 ? fila.espanol : fila.ingles));
        }
    }

    void idiomaGuardado()
    {
        const QString archivo =
            QSettings(QSettings::NativeFormat, QSettings::UserScope, "VBA_32").fileName();
        QFile::remove(archivo);
        QVERIFY(Guardar(0));
        QCOMPARE(IdiomaLeido(), std::make_pair(0, true));
        QFile guardado(archivo);
        QVERIFY(guardado.open(QIODevice::ReadOnly));
        QVERIFY(guardado.readAll().contains("[Torvel]\nLanguaje=0\n"));

        // Edited by hand: English, and a complaint; storing repairs it and says so truthfully.
        for (const char* contenido :
             {"[Torvel]\nLanguaje=2\n", "[Torvel]\nLanguaje=-1\n", "[Torvel\nLanguaje 0\x01\n"}) {
            QFile almacen(archivo);
            QVERIFY(almacen.open(QIODevice::WriteOnly | QIODevice::Truncate));
            almacen.write(contenido);
            // Dated far in the past, and flushed first, so that QSettings notices the change
            // even though the size matches its cached copy.
            almacen.flush();
            almacen.setFileTime(QDateTime(QDate(2001, 1, 1), QTime(0, 0)),
                                QFileDevice::FileModificationTime);
            QCOMPARE(IdiomaLeido(), std::make_pair(1, false));
        }
        QVERIFY(Guardar(0));
        QCOMPARE(IdiomaLeido(), std::make_pair(0, true));
    }

    // Each fault in plain words: a depth of 0 where the section was asked for, with the box
    // that held it; elsewhere the figure to six digits where there is one to tell.
    void explicaciones()
    {
        CargarTextos(1);
        const QString cifra = QLocale::system().toString(1.23457);
        using T = TipoError;
        using O = Operacion;
        const std::tuple<ErrorCalculo, QString, QString> casos[] = {
            {{T::DivisionPorCero, O::ElementosSeccion, 0}, "", capMotivoTiranteCero},
            {{T::OperacionInvalida, O::BarridoTirantes, 0}, "y", capMotivoTiranteCeroEn.arg("y")},
            {{T::Desbordamiento, O::ElementosSeccion, 0}, "", capMotivoDesborde.arg("0")},
            {{T::OperacionInvalida, O::MarchaAlterno, 1.234567}, "y", capMotivoInvalida.arg(cifra)},
            {{T::DivisionPorCero, O::TiranteCritico, 2}, "", capMotivoDivisionGeneral},
            {{T::Desbordamiento, O::ConversionAngulo, 2}, "", capMotivoDesbordeGeneral},
            {{T::OperacionInvalida, O::PerfilRungeKutta}, "", capMotivoInvalidaGeneral},
            {{T::Desbordamiento16, O::PasoDirecto, 32768}, "", capMotivoDesborde16.arg("32768")},
            {{T::SinResultado, O::MarchaConjugado, 1.234567}, "", capMotivoSinResultado.arg(cifra)},
            {{T::PasoDemasiadoFino, O::PerfilRungeKutta, 5}, "", capMotivoPasoInteligente},
            {{T::PasoDemasiadoFino, O::BarridoTirantes, 9}, "", capMotivoErrorAdmisible.arg("9")}};
        for (const auto& [error, caja, texto] : casos)
            QCOMPARE(ExplicarError(error, caja), texto);
    }

    // In both locales: a second test entry runs it with LC_ALL=de_DE.UTF-8.
    void lecturaEnElLocal()
    {
        if (qgetenv("LC_ALL") == "de_DE.UTF-8")
            QVERIFY(ComaDecimal());
        NumerosEnElLocal();
    }

    void numeroInicial_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("esperado");  // NaN: too large, refused
        const double enorme = std::nan("");
        // The leading-number rule always reads "." as the decimal separator.
        // clang-format off
        const std::pair<const char*, double> casos[] = {
            {"", 0}, {"abc", 0}, {"-", 0}, {".", 0}, {"+.e5", 0}, {"1,5", ComaDecimal() ? 1.5 : 1},
            {"  2.5abc", 2.5}, {".5", 0.5}, {"5.", 5}, {"-0", 0}, {"1 2", 12}, {"+7", 7},
            {"\t\r\n4", 4}, {"- 3 . 5 e - 1", -0.35}, {"1.2.3", 1.2}, {"12abc3", 12}, {"1e", 1},
            {"1e+", 1}, {"1E3", 1000}, {"1d2", 100}, {"2D-1", 0.2}, {"1e5e3", 1e5}, {"0.1", 0.1},
            {"0.1000000000000000055511151231257827", 0.1}, {"1e-400", 0}, {"-1e-400", 0},
            {"0e999999999999", 0}, {"1e308", 1e308}, {"0.00001e310", 1e305}, {"1e400", enorme},
            {"-1e400", enorme}, {"1.7977e308", enorme}, {"99999999999e999999999999", enorme}};
        // clang-format on
        for (const auto& [texto, esperado] : casos)
            QTest::newRow(*texto ? texto : "empty") << QString::fromLatin1(texto) << esperado;
        QTest::newRow("1 and 400 zeros") << QStringLiteral("1") + QString(400, u'0') << enorme;
        QTest::newRow("tiny, raised") << "0." + QString(400, u'0') + "1e10" << 0.0;
    }
    void numeroInicial()
    {
        QFETCH(QString, texto);
        QFETCH(double, esperado);
        if (std::isnan(esperado))
            QVERIFY_THROWS_EXCEPTION(ErrorLectura, NumeroInicial(texto));
        else
            QCOMPARE(NumeroInicial(texto), esperado);
    }
};

QTEST_GUILESS_MAIN(TestCaptions)
#include "test_captions.moc"
