// Captions of both languages, the stored language, and number reading and writing.
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtTest>
#include <cmath>
#include <unistd.h>

#include "captions/modBelco.h"

namespace {

// Every caption, listed independently of the code that fills them.
const QString* const todosLosTextos[] = {
    &capTituloPrincipal, &capTitFlujoUniforme, &capGeomCanal, &capRectangular, &capAncho,
    &capTrapezoidal, &capAnchFondo, &capAngTaludGrados, &capAngTaludMetros, &capConvertir,
    &capCircular, &capDiametro, &capOtrasCaract, &capPendiente, &capNumManning, &capCaudal,
    &capPendCritica, &capTipo, &capTiranteFlujoUniforme, &capCritico, &capNormal,
    &capPorcDiametro, &capCalcTir, &capTirantesAlternos, &capEnergia, &capAlterno,
    &capFlujoGradVar, &capEcSuperficie, &capConjugado, &capCmdConjugado, &capCondBorde,
    &capCdeBTirante, &capDadoxf, &capRungeKutta, &capCalcSupLibre, &capDadoxfEnergia,
    &capDadoyf, &capDadoyfPasoDirecto, &capPasoDirecto, &capDadoyfEnergia, &capParamHidraulicos,
    &capSelecTirante, &capOptCondBorde, &capOptRungeKutta, &capManual, &capCommand1,
    &capMnuArchivo, &capMnuParametros, &capMnuCargar, &capMnuSalir, &capMnuEdicion,
    &capMnuExportar, &capMnuBorrar, &capMnuAyuda, &capMnuAyudaOnline, &capMnuEmpresa,
    &capMnuInfo, &capMnuIdiom, &capParamVariosTitulo, &capParametros, &capParamTirante,
    &capParamArea, &capParamPerim, &capParamAncho, &capParamTens, &capParamVel,
    &capParamEnergia, &capParamCant, &capParamSalir, &capParamCalcTitulo, &capPrincipal,
    &capErrorAdm, &capPuntosInterm, &capPasoInt, &capABS, &capAceptarSalir, &capAtencion,
    &capOKButton, &capFaltanDatosTitulo, &capVersion, &capBug, &capCreado, &capInfoProgTitulo,
    &capCerrar, &capInvestigacion, &capInfoZuvanVersion, &capInfoCerrar, &capAyudaOnlineMsg,
    &capSalirMsg, &capMnuLenguaje, &capErrorEntradaTitulo, &capErrorLectura, &capErrorPuntos,
    &capErrorIdiomaLeer, &capErrorIdiomaGuardar};

QStringList CopiaDeTextos()
{
    QStringList copia;
    for (const QString* texto : todosLosTextos)
        copia << *texto;
    return copia;
}

QString CarpetaConfiguracion()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString ArchivoIdioma()
{
    return CarpetaConfiguracion() + QStringLiteral("/VBA_32.conf");
}

// Writes the store by hand, as an editor would. The date set far in the past makes sure
// QSettings notices the change even when the size matches its cached copy.
void EscribirAlmacen(const QByteArray& contenido)
{
    QFile archivo(ArchivoIdioma());
    QVERIFY(archivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
    archivo.write(contenido);
    archivo.setFileTime(QDateTime(QDate(2001, 1, 1), QTime(0, 0)),
                        QFileDevice::FileModificationTime);
}

bool ComaDecimal()
{
    return QLocale::system().decimalPoint() == QLatin1String(",");
}

} // namespace

class TestCaptions : public QObject {
    Q_OBJECT

private slots:
    void textosExactos();
    void cadaTextoLlenoEnAmbosIdiomas();
    void idiomaGuardado();
    void idiomaIlegibleOInvalido();
    void idiomaNoSeGuarda();
    void lecturaInvalida();
    void lecturaConPunto();
    void lecturaConComa();
    void numeroInicial_data();
    void numeroInicial();
    void numeroInicialFueraDeRango();
    void redondeo_data();
    void redondeo();
    void redondeoSinNumero();
    void escrituraConPunto();
};

void TestCaptions::textosExactos()
{
    CargarTextos(0);
    QCOMPARE(capTiranteFlujoUniforme, QStringLiteral("Tirantes Flujo Uniforme "));
    QCOMPARE(capMnuLenguaje, QStringLiteral("In english please "));
    QCOMPARE(capParamCant, QStringLiteral("Cantidad de Mov. (m^3) "));
    QCOMPARE(capParamCalcTitulo, QStringLiteral("Torvel - Seteo de parámetros de cálculo"));
    QCOMPARE(capMnuAyudaOnline, QStringLiteral("Ayuda en linea"));
    QCOMPARE(capInvestigacion, QStringLiteral("Investigación Soporte TEcnico Consultoría"));
    QCOMPARE(capAtencion,
             QStringLiteral("Atención!!  Verifique los valores de entradas de datos, se han "
                            "detectado valores nulos y/o caudales o números de Manning "
                            "negativos."));
    QVERIFY(capAyudaOnlineMsg.endsWith(QStringLiteral("Muchas Gracias")));

    CargarTextos(1);
    QCOMPARE(capTiranteFlujoUniforme, QStringLiteral("Uniform Flow Depths"));
    QCOMPARE(capMnuLenguaje, QStringLiteral("En Español por favor"));
    QCOMPARE(capParamCant, QStringLiteral("Momentum (m^3) "));
    QCOMPARE(capParamCalcTitulo, QStringLiteral(" Set Parameters"));
    QCOMPARE(capAngTaludGrados, QStringLiteral("Side Slope Angle (grades)"));
    QCOMPARE(capAtencion,
             QStringLiteral("Attention!! Verify the values of entrances of data, null values "
                            "and/or negative flows or Manning's roughness coefficients have "
                            "been detected."));
    QVERIFY(capAyudaOnlineMsg.endsWith(QStringLiteral(". Thank you")));

    // Any other language leaves the current texts alone.
    const QStringList antes = CopiaDeTextos();
    CargarTextos(5);
    CargarTextos(-1);
    QCOMPARE(CopiaDeTextos(), antes);
}

void TestCaptions::cadaTextoLlenoEnAmbosIdiomas()
{
    for (int16_t idioma : {0, 1}) {
        CargarTextos(idioma);
        for (const QString* texto : todosLosTextos)
            QVERIFY2(!texto->trimmed().isEmpty(), qPrintable(QString::number(idioma)));
        // The message captions are filled with arg(): each placeholder must be there.
        QVERIFY(capErrorLectura.contains(QLatin1String("%1")));
        QVERIFY(capErrorLectura.contains(QLatin1String("%2")));
        QVERIFY(capErrorPuntos.contains(QLatin1String("%1")));
    }
}

void TestCaptions::idiomaGuardado()
{
    QFile::remove(ArchivoIdioma());
    Variables v;
    v.idioma = 0;
    QVERIFY(LeerIdioma(v));
    QCOMPARE(v.idioma, int16_t(1)); // first start: English

    v.idioma = 0;
    QVERIFY(GuardarIdioma(v));
    QFile archivo(ArchivoIdioma());
    QVERIFY(archivo.open(QIODevice::ReadOnly));
    const QByteArray contenido = archivo.readAll();
    QVERIFY2(contenido.contains("[Torvel]\nLanguaje=0\n"), contenido.constData());

    v.idioma = 1;
    QVERIFY(LeerIdioma(v));
    QCOMPARE(v.idioma, int16_t(0));
    v.idioma = 1;
    QVERIFY(GuardarIdioma(v));
    v.idioma = 0;
    QVERIFY(LeerIdioma(v));
    QCOMPARE(v.idioma, int16_t(1));
}

void TestCaptions::idiomaIlegibleOInvalido()
{
    Variables v;
    for (const char* contenido : {"[Torvel]\nLanguaje=2\n", "[Torvel]\nLanguaje=abc\n",
                                  "[Torvel]\nLanguaje=-1\n", "[Torvel\nLanguaje 0 \x01\x02\n"}) {
        EscribirAlmacen(contenido);
        v.idioma = 0;
        QVERIFY2(!LeerIdioma(v), contenido);
        QCOMPARE(v.idioma, int16_t(1));
    }
    // Storing a language repairs the corrupt store and says so truthfully.
    v.idioma = 0;
    QVERIFY(GuardarIdioma(v));
    v.idioma = 1;
    QVERIFY(LeerIdioma(v));
    QCOMPARE(v.idioma, int16_t(0));

    // A folder where the file should be can be neither read nor written.
    QFile::remove(ArchivoIdioma());
    QVERIFY(QDir().mkpath(ArchivoIdioma()));
    v.idioma = 0;
    QVERIFY(!LeerIdioma(v));
    QCOMPARE(v.idioma, int16_t(1));
    QVERIFY(!GuardarIdioma(v));
    QVERIFY(QDir().rmdir(ArchivoIdioma()));
}

void TestCaptions::idiomaNoSeGuarda()
{
    QFile::remove(ArchivoIdioma());
    const QByteArray carpeta = QFile::encodeName(CarpetaConfiguracion());
    QFile::setPermissions(CarpetaConfiguracion(), QFile::ReadOwner | QFile::ExeOwner);
    const bool escribible = access(carpeta.constData(), W_OK) == 0;
    Variables v;
    v.idioma = 0;
    const bool guardado = escribible || GuardarIdioma(v);
    QFile::setPermissions(CarpetaConfiguracion(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (escribible)
        QSKIP("a read-only folder is still writable for this user");
    QVERIFY(!guardado);
}

void TestCaptions::lecturaInvalida()
{
    QCOMPARE(TextoANumero(QString()), 0.0);
    QCOMPARE(TextoANumero(QStringLiteral("")), 0.0);
    for (const char* texto : {" ", "abc", "nan", "inf", "-inf", "1e400", "1.5x", "--1"}) {
        try {
            TextoANumero(QString::fromLatin1(texto));
            QFAIL(texto);
        } catch (const ErrorLectura& e) {
            QCOMPARE(e.texto(), QString::fromLatin1(texto));
            QVERIFY(QByteArray(e.what()).contains(texto));
        }
    }
    QCOMPARE(TextoANumero(QStringLiteral("1e308")), 1e308);
    QCOMPARE(TextoANumero(QStringLiteral("-0")), 0.0);
    QCOMPARE(TextoANumero(QStringLiteral("25")), 25.0);
}

void TestCaptions::lecturaConPunto()
{
    if (ComaDecimal())
        QSKIP("the locale's decimal separator is not \".\"");
    QCOMPARE(TextoANumero(QStringLiteral("1.5")), 1.5);
    QCOMPARE(TextoANumero(QStringLiteral("-0.0025")), -0.0025);
    QVERIFY_THROWS_EXCEPTION(ErrorLectura, TextoANumero(QStringLiteral("1,5")));
}

// Run by a second test entry with LC_ALL=de_DE.UTF-8.
void TestCaptions::lecturaConComa()
{
    if (!ComaDecimal())
        QSKIP("the locale's decimal separator is not \",\"");
    QCOMPARE(TextoANumero(QStringLiteral("1,5")), 1.5);
    QVERIFY_THROWS_EXCEPTION(ErrorLectura, TextoANumero(QStringLiteral("1.5")));
    QCOMPARE(NumeroATexto(0.6121), QStringLiteral("0,6121"));
    QCOMPARE(NumeroATexto(1234567.25), QStringLiteral("1234567,25"));
    QCOMPARE(TextoRedondeado(1.44514, 4), QStringLiteral("1,4451"));
    // The leading-number rule ignores the locale.
    QCOMPARE(NumeroInicial(QStringLiteral("1,5")), 1.0);
    QCOMPARE(NumeroInicial(QStringLiteral("2.5")), 2.5);
}

void TestCaptions::numeroInicial_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<double>("esperado");
    const std::pair<const char*, double> casos[] = {
        {"", 0}, {"abc", 0}, {"-", 0}, {".", 0}, {"+.e5", 0}, {"1,5", 1}, {"  2.5abc", 2.5},
        {".5", 0.5}, {"5.", 5}, {"-0", 0}, {"1 2", 12}, {"+7", 7}, {"\t\r\n4", 4},
        {"- 3 . 5 e - 1", -0.35}, {"1.2.3", 1.2}, {"12abc3", 12}, {"1e", 1}, {"1e+", 1},
        {"1E3", 1000}, {"1d2", 100}, {"2D-1", 0.2}, {"1e5e3", 1e5}, {"0.1", 0.1},
        {"0.1000000000000000055511151231257827", 0.1}, {"1e-400", 0}, {"-1e-400", 0},
        {"0e999999999999", 0}, {"1e308", 1e308}, {"0.00001e310", 1e305}};
    for (const auto& [texto, esperado] : casos)
        QTest::newRow(*texto ? texto : "empty") << QString::fromLatin1(texto) << esperado;
}

void TestCaptions::numeroInicial()
{
    QFETCH(QString, texto);
    QFETCH(double, esperado);
    QCOMPARE(NumeroInicial(texto), esperado);
}

void TestCaptions::numeroInicialFueraDeRango()
{
    for (const char* enorme : {"1e400", "-1e400", "1.7977e308", "99999999999e999999999999"})
        QVERIFY_THROWS_EXCEPTION(ErrorLectura, NumeroInicial(QString::fromLatin1(enorme)));
    QVERIFY_THROWS_EXCEPTION(ErrorLectura, NumeroInicial(QStringLiteral("1") + QString(400, u'0')));
}

void TestCaptions::redondeo_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<int>("decimales");
    QTest::addColumn<double>("esperado");
    // Exact halves go to the even neighbour; 2.00005 and 0.40075 are stored below the half.
    QTest::newRow("0.125") << 0.125 << 2 << 0.12;
    QTest::newRow("0.375") << 0.375 << 2 << 0.38;
    QTest::newRow("2.5") << 2.5 << 0 << 2.0;
    QTest::newRow("3.5") << 3.5 << 0 << 4.0;
    QTest::newRow("-2.5") << -2.5 << 0 << -2.0;
    QTest::newRow("1.0964999999999347") << 1.0964999999999347 << 4 << 1.0965;
    QTest::newRow("2.00005") << 2.00005 << 4 << 2.0;
    QTest::newRow("0.40075") << 0.40075 << 4 << 0.4007;
    QTest::newRow("1e300") << 1e300 << 4 << 1e300;
}

void TestCaptions::redondeo()
{
    QFETCH(double, valor);
    QFETCH(int, decimales);
    QFETCH(double, esperado);
    QCOMPARE(RedondearDecimales(valor, decimales), esperado);
}

void TestCaptions::redondeoSinNumero()
{
    QVERIFY(std::isnan(RedondearDecimales(std::nan(""), 4)));
    QCOMPARE(RedondearDecimales(HUGE_VAL, 4), HUGE_VAL);
    QVERIFY(!std::signbit(RedondearDecimales(-0.00001, 4)));
}

void TestCaptions::escrituraConPunto()
{
    if (ComaDecimal())
        QSKIP("the locale's decimal separator is not \".\"");
    // Angles of 1/z for z = 1, 2 and 0.5, in the program's own degrees.
    QCOMPARE(NumeroATexto(std::atan(1.0 / 1) * 180 / 3.1415), QStringLiteral("45.0013272040556"));
    QCOMPARE(NumeroATexto(std::atan(1.0 / 2) * 180 / 3.1415), QStringLiteral("26.5658346713815"));
    QCOMPARE(NumeroATexto(std::atan(1.0 / 0.5) * 180 / 3.1415),
             QStringLiteral("63.4368197367297"));
    QCOMPARE(NumeroATexto(0.6121), QStringLiteral("0.6121"));
    QCOMPARE(NumeroATexto(2), QStringLiteral("2"));
    QCOMPARE(NumeroATexto(59.3), QStringLiteral("59.3"));
    QCOMPARE(NumeroATexto(0.001), QStringLiteral("0.001"));
    QCOMPARE(NumeroATexto(100), QStringLiteral("100"));
    QCOMPARE(NumeroATexto(0.1 + 0.2), QStringLiteral("0.3"));
    QCOMPARE(NumeroATexto(-0.0), QStringLiteral("0"));
    QCOMPARE(NumeroATexto(123456789012345.0), QStringLiteral("123456789012345"));
    QCOMPARE(NumeroATexto(1e15), QStringLiteral("1E+15"));
    QCOMPARE(NumeroATexto(0.0001), QStringLiteral("0.0001"));
    QCOMPARE(NumeroATexto(0.00001), QStringLiteral("1E-05"));
    QCOMPARE(TextoRedondeado(-0.00001, 4), QStringLiteral("0"));
    QCOMPARE(TextoRedondeado(1.5, 4), QStringLiteral("1.5"));
    QCOMPARE(TextoRedondeado(0.40075, 4), QStringLiteral("0.4007"));
}

QTEST_GUILESS_MAIN(TestCaptions)
#include "test_captions.moc"
