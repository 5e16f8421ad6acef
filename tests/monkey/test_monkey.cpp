// Random user actions on the real windows: typing anything into any box, clicking
// every button, option and menu entry (the exit among them, answered yes or no).
// After every action the program must have come back (a crash or a hang fails the
// run), with every message answered and no window open twice.
//
//   TORVEL_MONKEY_SEED     the seed (default 13013)
//   TORVEL_MONKEY_ACTIONS  how many actions (default 150)
// A failure prints the seed and every action so far, so the run can be replayed.
#include <QtWidgets>
#include <random>

#include "../common/RespuestaAutomatica.h"
#include "../common/Ventanas.h"
#include "mainwindow/RungeKutta.h"
#include "windows/VentanaUnica.h"

namespace {

// The engine's sequence is fixed by the language standard (its distributions are
// not, so none is used): a seed replays the same run with every compiler.
std::mt19937_64 gAzar;
int Entero(int n)
{
    return int(gAzar() % quint64(n));
}
template <class T>
T Elegir(const QList<T>& lista)
{
    return lista.at(Entero(int(lista.size())));
}

// Mostly numbers a user might type, so that the calculations run deep into the
// engine, and now and then garbage, huge, tiny or empty text.
QString TextoAlAzar()
{
    if (Entero(10) < 8)
        return QString::number(Entero(3000) / 1000.0 + Entero(3) * Entero(3));
    return Elegir<QString>({"", "0", "-1", "-0.001", "abc", "1,5", "1e308", "1e-320", "nan",
                            "32768", "10000", "0.0001", QString(400, '9'), " "});
}

// The usable controls of the visible windows, in a fixed order: the toolkit's own has none.
template <class T>
QList<T*> Usables()
{
    QList<QWidget*> ventanas = QApplication::topLevelWidgets();
    std::stable_sort(ventanas.begin(), ventanas.end(), [](QWidget* a, QWidget* b) {
        return qstrcmp(a->metaObject()->className(), b->metaObject()->className()) < 0;
    });
    QList<T*> controles;
    for (QWidget* ventana : ventanas) {
        if (ventana->isVisible())
            controles << ventana->findChildren<T*>();
    }
    controles.removeIf([](T* c) { return !c->isVisible() || !c->isEnabled(); });
    return controles;
}

}  // namespace

class TestMono : public QObject {
    Q_OBJECT
private slots:
    void accionesAlAzar()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        const quint64 semilla = qEnvironmentVariable("TORVEL_MONKEY_SEED", "13013").toULongLong();
        const int acciones = qEnvironmentVariable("TORVEL_MONKEY_ACTIONS", "150").toInt();
        gAzar.seed(semilla);
        QStringList registro;
        QString fallo;
        for (int i = 0; i < acciones && fallo.isEmpty(); ++i)
            fallo = UnaAccion(registro);
        DestruirVentanas();
        QVERIFY2(fallo.isEmpty(), qPrintable(QStringLiteral("seed %1: %2 after\n  %3")
                                                 .arg(semilla)
                                                 .arg(fallo, registro.join("\n  "))));
    }

private:
    QString UnaAccion(QStringList& registro)
    {
        RungeKutta* v = VentanaAbierta<RungeKutta>();
        const int n = v ? Entero(100) : -1;
        if (n < 0) {
            registro << "new main window";
            (new RungeKutta)->show();
        } else if (n < 55) {
            QLineEdit* caja = Elegir(Usables<QLineEdit>());
            const QString texto = TextoAlAzar();
            registro << "type \"" + texto.left(20) + "\" in " + caja->objectName();
            caja->selectAll();
            QTest::keyClicks(caja, texto);
        } else if (n < 82) {
            QAbstractButton* boton = Elegir(Usables<QAbstractButton>());
            registro << "click " + boton->objectName();
            Pulsar(boton->parent(), boton->objectName());
        } else {
            QList<QAction*> entradas = v->findChildren<QAction*>();
            entradas.removeIf([](QAction* a) { return !a->objectName().startsWith("mnu"); });
            QAction* entrada = Elegir(entradas);
            const bool si = Entero(2);
            registro << "menu " + entrada->objectName() + (si ? ", answer Yes" : ", answer No");
            respuestas.cambiarBoton(si ? QMessageBox::Yes : QMessageBox::No);
            entrada->trigger();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QStringList clases;
        for (QWidget* ventana : QApplication::topLevelWidgets()) {
            if (ventana->isVisible() && ventana->windowType() != Qt::Popup)
                clases << ventana->metaObject()->className();
        }
        if (QApplication::activeModalWidget())
            return "a message was left open";
        return clases.removeDuplicates() ? "a window is open twice" : QString();
    }

    RespuestaAutomatica respuestas;
};

QTEST_MAIN(TestMono)
#include "test_monkey.moc"
