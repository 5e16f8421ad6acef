// Saved cases: a round trip restores what the user sees, a case crosses
// locales, bad files change nothing, and the menus and the stored language stay.
#include "../common/RespuestaAutomatica.h"
#include "../common/Principal.h"
#include "captions/Caso.h"
#include "windows/VentanaUnica.h"

namespace {

const char* const kCajas[] = {"Text1",  "Text2",  "Text3",     "Text39", "Text4", "Text5",
                              "Text6",  "Text7",  "Text11",    "Text8",  "Text9", "Text28",
                              "Text32", "Text34", "txtY1Conj", "Text21"};

// Everything of the window a case holds, one item a control.
QStringList Foto(const RungeKutta* v)
{
    QStringList partes;
    for (QLineEdit* caja : v->findChildren<QLineEdit*>())
        partes << caja->objectName() + "=" + caja->text();
    for (QRadioButton* opcion : v->findChildren<QRadioButton*>())
        partes << opcion->objectName() + "=" + QString::number(opcion->isChecked());
    const Variables& e = estado();
    partes << QString::number(e.errorAdmisible) << QString::number(e.puntosPerfil)
           << QString::number(e.umbralPasoInteligente) << QString::number(e.pasoInteligente);
    partes.sort();
    return partes;
}

}  // namespace

class TestCasos : public QObject {
    Q_OBJECT
    RungeKutta* v = nullptr;
    std::optional<QTemporaryDir> carpeta;
private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        // English, whatever a previous run of this test left in its private store.
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "VBA_32")
            .setValue("Torvel/Languaje", "1");
    }
    // Every test starts with a main window and an empty folder.
    void init()
    {
        v = AbrirPrincipal();
        carpeta.emplace();
    }
    void cleanup() { DestruirVentanas(); }

    // The shape, the calculation and the boundary's source, one option each.
    void idaYVuelta_data()
    {
        QTest::addColumn<QString>("opciones");
        QTest::newRow("rect") << "optRectangular Option8 optManual";
        QTest::newRow("trap") << "optTrapezoidal optEnergia optRungeKutta";
        QTest::newRow("circle") << "optCircular optEnergia optCondBorde";
    }
    void idaYVuelta()
    {
        QFETCH(QString, opciones);
        const QString ruta = carpeta->filePath("a.torvel");
        for (int i = 0; i < 16; ++i)  // numbers in the locale, a text, an empty box
            Hijo<QLineEdit>(v, kCajas[i])->setText(EnLocal(QString("%1.25").arg(i + 1)));
        Hijo<QLineEdit>(v, "Text39")->setText("abc");
        Hijo<QLineEdit>(v, "Text4")->clear();
        for (const QString& opcion : opciones.split(' '))
            Hijo<QRadioButton>(v, opcion)->setChecked(true);
        Variables& e = estado();
        std::tie(e.errorAdmisible, e.puntosPerfil, e.umbralPasoInteligente, e.pasoInteligente) =
            std::tuple(0.0005, 32765, 0.25, FALSO);  // the most points
        const QStringList antes = Foto(v);
        QVERIFY(v->GuardarCaso(ruta));

        RungeKutta* otra = AbrirPrincipal();
        ParametrosPorDefecto(estado());
        QVERIFY(otra->AbrirCaso(ruta));
        QCOMPARE(Foto(otra), antes);
        // Numbers are JSON numbers, whatever the locale.
        QFile archivo(ruta);
        QVERIFY(archivo.open(QIODevice::ReadOnly));
        const QJsonObject entradas =
            QJsonDocument::fromJson(archivo.readAll())["inputs"].toObject();
        QCOMPARE(entradas["width"].toDouble(), 1.25);
        QCOMPARE(entradas["side_slope"].toString(), QString("abc"));
        QVERIFY(entradas["diameter"].isNull());
    }

    // The README's channel from docs/, padded to the largest size a case may have:
    // nothing is computed until the user asks.
    void ejemplo()
    {
        QFile ejemplo(TORVEL_EJEMPLO), grande(carpeta->filePath("grande.torvel"));
        QVERIFY(ejemplo.open(QIODevice::ReadOnly) && grande.open(QIODevice::WriteOnly));
        const QByteArray datos = ejemplo.readAll();
        grande.write(datos + QByteArray(kTamanoMaximoCaso - datos.size(), ' '));
        grande.close();
        Hijo(v, "Text7")->setFocus();
        QVERIFY(v->AbrirCaso(grande.fileName()));
        QCOMPARE(QApplication::focusWidget(), Hijo(v, "Text1"));  // ready for the user
        Hijo<QAction>(v, "mnuGuardarCaso")->trigger();            // over the case opened
        QVERIFY(QFileInfo(grande.fileName()).size() < kTamanoMaximoCaso);
        QCOMPARE(Texto(v, "Text28") + " " + Texto(v, "Text13"), EnLocal("1.2 "));
        Pulsar(v, "Calc_tir");
        QCOMPARE(Texto(v, "Text13"), EnLocal("0.6121"));
    }

    // test_casos_coma saves in a comma locale; test_casos_punto opens that file in English.
    void entreLocales()
    {
        const QString ruta = qEnvironmentVariable("TORVEL_CASO_LOCALES");
        if (ruta.isEmpty())
            QSKIP("run by test_casos_coma and test_casos_punto");
        if (qEnvironmentVariableIsSet("TORVEL_COMA")) {
            QCOMPARE(QLocale::system().decimalPoint(), QString(","));
            EscribirCajas(v, "Text5=0.001;Text8=1.5;Text34=1.25");
            Hijo<QLineEdit>(v, "Text32")->setText("1.500");  // 1.5 for the alternate depth
            QVERIFY(v->GuardarCaso(ruta));
        } else {
            QCOMPARE(QLocale::system().decimalPoint(), QString("."));
            QVERIFY(v->AbrirCaso(ruta));
            QCOMPARE(QStringList({Texto(v, "Text5"), Texto(v, "Text8"), Texto(v, "Text32"),
                                  Texto(v, "Text34")}),
                     QStringList({"0.001", "1.5", "1.500", "1.25"}));
        }
    }

    void archivosMalos_data()
    {
        QTest::addColumn<QByteArray>("datos");  // "folder" and "missing" are no file
        QTest::addColumn<QString>("mensaje");
        // Row, contents (after ", " the inputs of a case of width 9, @ a megabyte), message.
        // clang-format off
        const char* const filas[][3] = {
            {"not JSON", "{\"format\": ", "not a valid JSON file"},
            {"other format", R"({"format": "x", "version": 1})", R"(it is not a Torvel case (the field "format")"},
            {"newer", R"({"format": "torvel-case", "version": 2})", R"(made by a newer Torvel (field "version" = 2))"},
            {"type", R"(, "options": {"alternate": 1})", R"(the field "options.alternate" must be a text)"},
            {"input type", R"(, "shape": "trap", "inputs": {"q": [1]})", R"(the field "inputs.q" must be a number, a text or null)"},
            {"number", R"(, "parameters": {"admissible_error": "0.1"})", R"("parameters.admissible_error" must be a number)"},
            {"range", R"(, "parameters": {"profile_points": 32766})", R"(the field "parameters.profile_points" is out of range)"},
            {"negative", R"(, "parameters": {"admissible_error": -1})", R"("parameters.admissible_error" is out of range)"},
            {"shape", R"(, "shape": "hex")", R"("shape" is out of range)"},
            {"over 1 MB", R"(, "notes": "@")", "larger than 1 MB"},
            {"folder", "folder", "it is a folder"},
            {"missing", "missing", "the file does not exist"}};
        // clang-format on
        for (const auto& [fila, contenido, mensaje] : filas) {
            QByteArray datos = QByteArray(contenido).replace('@', QByteArray(1 << 20, 'a'));
            if (datos.startsWith(','))
                datos = R"({"format": "torvel-case", "version": 1, "inputs": {"width": 9})" +
                        datos + "}";
            QTest::newRow(fila) << datos << QString(mensaje);
        }
    }
    void archivosMalos()
    {
        QFETCH(QByteArray, datos);
        QFETCH(QString, mensaje);
        const QString ruta = carpeta->filePath("malo.torvel");
        if (datos == "folder")
            QDir(carpeta->path()).mkdir("malo.torvel");
        else if (QFile archivo(ruta); datos != "missing")
            QVERIFY(archivo.open(QIODevice::WriteOnly) && archivo.write(datos) == datos.size());
        Hijo<QLineEdit>(v, "Text1")->setText("7");
        const QStringList antes = Foto(v);
        RespuestaAutomatica respuesta;
        QVERIFY(!v->AbrirCaso(ruta));
        QCOMPARE(respuesta.cantidad(), 1);
        QVERIFY2(respuesta.textos()[0].contains(mensaje), qPrintable(respuesta.textos()[0]));
        QVERIFY(respuesta.textos()[0].contains(QDir::toNativeSeparators(ruta)));
        QCOMPARE(Foto(v), antes);
    }

    // Save as adds the suffix to a name without one; cancelled, it saves and says nothing. A
    // case that cannot be written is told of and leaves no file behind.
    void guardarComoYFalla()
    {
        QStringList vistos;
        ResponderDialogo(carpeta->filePath("tres"), "", vistos);
        Hijo<QAction>(v, "mnuGuardarCasoComo")->trigger();
        ResponderDialogo("", "", vistos);
        Hijo<QAction>(v, "mnuGuardarCasoComo")->trigger();
        QVERIFY(v->TextoInforme().contains("tres.torvel"));  // the case saved, named
        QFile::remove(carpeta->filePath("tres.torvel"));
        RespuestaAutomatica respuesta;
        QVERIFY(!v->GuardarCaso(carpeta->path()));
        QVERIFY(!v->GuardarCaso(carpeta->filePath("no/a.torvel")));
        QCOMPARE(respuesta.textos().join("|").count("could not be saved"), 2);
        QVERIFY(QDir(carpeta->path()).isEmpty());
    }

    // Save, the recent cases, a drop, the language switch, and the stored language untouched
    // through all of it.
    void menusRecientesEIdioma()
    {
        // initTestCase stored English.
        QFile almacen(
            QSettings(QSettings::NativeFormat, QSettings::UserScope, "VBA_32").fileName());
        QVERIFY(almacen.open(QIODevice::ReadOnly));
        const QByteArray guardado = almacen.readAll();
        almacen.close();

        Hijo<QLineEdit>(v, "Text1")->setText("3");
        QVERIFY(v->GuardarCaso(carpeta->filePath("uno.torvel")));
        QVERIFY(v->GuardarCaso(carpeta->filePath("dos.torvel")));
        Hijo<QLineEdit>(v, "Text1")->setText("4");
        Hijo<QAction>(v, "mnuGuardarCaso")->trigger();  // over the case saved last, unasked
        QFile dos(carpeta->filePath("dos.torvel"));
        QVERIFY(dos.open(QIODevice::ReadOnly) && dos.readAll().contains("\"width\": 4"));
        QSettings recientes(QSettings::NativeFormat, QSettings::UserScope, "Torvel", "casos");
        QVERIFY(recientes.value("recientes").toStringList().contains(dos.fileName()));
        emit Hijo<QMenu>(v, "mnuArchivo")->aboutToShow();
        QCOMPARE(Hijo<QAction>(v, "mnuCasoReciente1")->text(), QString("&1 dos.torvel"));

        QFile::remove(carpeta->filePath("dos.torvel"));
        RespuestaAutomatica respuesta;
        Hijo<QAction>(v, "mnuCasoReciente1")->trigger();
        QVERIFY(respuesta.cantidad() == 1 && respuesta.textos()[0].contains("no longer exists"));
        emit Hijo<QMenu>(v, "mnuArchivo")->aboutToShow();
        QCOMPARE(Hijo<QAction>(v, "mnuCasoReciente1")->text(), QString("&1 uno.torvel"));
        emit Hijo<QMenu>(v, "mnuArchivo")->aboutToShow();  // opened again: rebuilt, not doubled
        for (QAction* entrada : Hijo<QMenu>(v, "mnuArchivo")->actions())
            QVERIFY(!entrada->text().contains("dos.torvel"));
        QVERIFY(almacen.open(QIODevice::ReadOnly));
        QCOMPARE(almacen.readAll(), guardado);

        // The switch empties the boxes; a case opened afterwards (dropped here) fills them.
        Hijo<QAction>(v, "mnuLenguaje")->trigger();
        QTRY_VERIFY(CuantasAbiertas<RungeKutta>() == 1 && VentanaAbierta<RungeKutta>() != v);
        RungeKutta* es = VentanaAbierta<RungeKutta>();
        QVERIFY(Texto(es, "Text1").isEmpty());
        QMimeData datos;
        datos.setUrls({QUrl::fromLocalFile(carpeta->filePath("uno.torvel"))});
        QDragEnterEvent entra(QPoint(50, 50), Qt::CopyAction, &datos, Qt::LeftButton, {});
        QApplication::sendEvent(es, &entra);
        QVERIFY(entra.isAccepted());
        QDropEvent suelta(QPointF(50, 50), Qt::CopyAction, &datos, Qt::LeftButton, {});
        QApplication::sendEvent(es, &suelta);
        QTRY_COMPARE(Texto(es, "Text1"), QString("3"));
    }
};

QTEST_MAIN(TestCasos)
#include "test_casos.moc"
