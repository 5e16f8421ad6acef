// Random user actions on the real windows: typing anything into any box,
// clicking every button, option and menu entry, pressing on the plot, closing
// windows, switching the language and leaving. After every action the program
// must have come back, with no window open twice and, for a calculation button,
// with something to show for the click.
//
//   TORVEL_MONKEY_SEED     the seed (default 13013)
//   TORVEL_MONKEY_ACTIONS  how many actions (default 300)
// A failure prints every action so far, so the run can be replayed.
#include <QtWidgets>
#include <random>

#include "../common/RespuestaAutomatica.h"
#include "../common/Ventanas.h"
#include "mainwindow/RungeKutta.h"
#include "windows/Adv_faltandatos.h"
#include "windows/VentanaUnica.h"

namespace {

// The engine's sequence is fixed by the language standard (its distributions are
// not, so none is used): a seed replays the same run with every compiler.
struct Azar {
    std::mt19937_64 motor;
    int entero(int n) { return int(motor() % quint64(n)); }
    template <class T>
    T elegir(const QList<T>& lista) { return lista.at(entero(int(lista.size()))); }
};

// Mostly numbers a user might type, so that the calculations run deep into the
// engine, and now and then garbage, huge, tiny or empty text.
QString TextoAlAzar(Azar& azar)
{
    if (azar.entero(10) < 8)
        return QString::number(azar.entero(3000) / 1000.0 + azar.entero(3) * azar.entero(3));
    return azar.elegir<QString>({"", "0", "-1", "-0.001", "abc", "1,5", "1e308", "1e-320", "nan",
                                 "32768", "10000", "0.0001", QString(400, '9'), " "});
}

// The visible windows in a fixed order: the toolkit's own list has none.
QList<QWidget*> Ventanas()
{
    QList<QWidget*> ventanas = QApplication::topLevelWidgets();
    ventanas.removeIf([](QWidget* w) { return !w->isVisible() || w->windowType() == Qt::Popup; });
    std::stable_sort(ventanas.begin(), ventanas.end(), [](QWidget* a, QWidget* b) {
        return qstrcmp(a->metaObject()->className(), b->metaObject()->className()) < 0;
    });
    return ventanas;
}

template <class T>
QList<T*> Usables()
{
    QList<T*> controles;
    for (QWidget* ventana : Ventanas())
        controles << ventana->findChildren<T*>();
    controles.removeIf([](T* c) { return !c->isVisible() || !c->isEnabled(); });
    return controles;
}

// The calculation buttons, and the result boxes of the two that never beep.
const QMap<QString, QStringList> kCalculos = {
    {"Calc_tir", {}}, {"Calc_sup_libre", {}}, {"Paso_directo", {}}, {"Command1", {}},
    {"cmdAlterno", {"Text33", "Text35", "Text36"}}, {"cmdConjugado", {"txtY2Conj"}}};
const QString kMarca = QStringLiteral("#unwritten#");

}  // namespace

class TestMono : public QObject {
    Q_OBJECT
private slots:
    void accionesAlAzar()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        const quint64 semilla = qEnvironmentVariable("TORVEL_MONKEY_SEED", "13013").toULongLong();
        const int acciones = qEnvironmentVariableIntValue("TORVEL_MONKEY_ACTIONS");
        azar.motor.seed(semilla);
        QString fallo;
        for (int i = 0; i < (acciones > 0 ? acciones : 300) && fallo.isEmpty(); ++i)
            fallo = UnaAccion();
        DestruirVentanas();
        QVERIFY2(fallo.isEmpty(), qPrintable(QStringLiteral("seed %1, %2\n  %3").arg(semilla)
                                                 .arg(fallo, registro.join("\n  "))));
    }

private:
    QString UnaAccion()
    {
        RungeKutta* v = VentanaAbierta<RungeKutta>();
        const int n = v ? azar.entero(100) : -1;
        registro << QString::number(registro.size() + 1) + ". ";
        if (n < 0) {
            registro.last() += "new main window";
            (new RungeKutta)->show();
        } else if (n < 55) {
            QLineEdit* caja = azar.elegir(Usables<QLineEdit>());
            const QString texto = TextoAlAzar(azar);
            registro.last() += QStringLiteral("type \"%1\" in %2").arg(texto.left(20), caja->objectName());
            Escribir(caja->parent(), caja->objectName(), texto);
        } else if (n < 80) {
            QAbstractButton* boton = azar.elegir(Usables<QAbstractButton>());
            registro.last() += "click " + boton->objectName();
            if (qobject_cast<RungeKutta*>(boton->window()) && kCalculos.contains(boton->objectName()))
                return Calcular(v, boton->objectName());
            Pulsar(boton->parent(), boton->objectName());
        } else if (n < 93) {
            QList<QAction*> entradas = v->findChildren<QAction*>();
            entradas.removeIf([](QAction* a) { return !a->objectName().startsWith("mnu"); });
            QAction* entrada = azar.elegir(entradas);
            const bool si = azar.entero(2);
            registro.last() += "menu " + entrada->objectName() + (si ? " (Yes)" : " (No)");
            respuestas.cambiarBoton(si ? QMessageBox::Yes : QMessageBox::No);
            const QPointer<RungeKutta> principal(v);
            entrada->trigger();
            const bool sigue = principal && principal->isVisible();
            if (entrada->objectName() == "mnuLenguaje" && (sigue || !VentanaAbierta<RungeKutta>()))
                return "the language switch did not replace the main window";
            if (entrada->objectName() == "mnuSalir" && sigue == si)
                return "the main window did not follow the answer to the exit question";
        } else if (n < 98) {
            QWidget* grafico = Hijo(v, "picCurva");
            const QPoint punto(azar.entero(grafico->width()), azar.entero(grafico->height()));
            registro.last() += QStringLiteral("press the plot at %1,%2").arg(punto.x()).arg(punto.y());
            QTest::mousePress(grafico, Qt::LeftButton, {}, punto);
            const QString lectura = Hijo<QLabel>(v, "lblXY")->text().toLower();
            QTest::mouseRelease(grafico, Qt::LeftButton, {}, punto);
            if (lectura.contains("nan") || lectura.contains("inf"))
                return "the plot read-out shows " + lectura;
        } else {
            QWidget* ventana = azar.elegir(Ventanas());
            registro.last() += QStringLiteral("close ") + ventana->metaObject()->className();
            ventana->close();
        }
        return Comprobar();
    }

    // The result boxes are marked beforehand, so that a result equal to the last still counts.
    QString Calcular(RungeKutta* v, const QString& boton)
    {
        const int pitidos = v->pitidos(), mensajes = respuestas.cantidad();
        bool escrito = false;
        for (const QString& caja : kCalculos[boton])
            Hijo<QLineEdit>(v, caja)->setText(kMarca);
        Pulsar(v, boton);
        for (const QString& caja : kCalculos[boton])
            escrito = escrito || Texto(v, caja) != kMarca;
        const bool aviso = kCalculos[boton].isEmpty() && VentanaAbierta<Adv_faltandatos>();
        if (v->pitidos() == pitidos && respuestas.cantidad() == mensajes && !aviso && !escrito)
            return boton + " said nothing: no result, beep, message or warning";
        return Comprobar();
    }

    // Every message box has been answered, and no window of the program is open twice.
    static QString Comprobar()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (QApplication::activeModalWidget())
            return "a modal window was left open";
        QStringList clases;
        for (QWidget* ventana : Ventanas())
            clases << ventana->metaObject()->className();
        return clases.removeDuplicates() ? "a window is open twice: " + clases.join(", ") : QString();
    }

    Azar azar;
    RespuestaAutomatica respuestas;
    QStringList registro;
};

QTEST_MAIN(TestMono)
#include "test_monkey.moc"
