// Random user actions on the real windows: typing anything into any box,
// clicking every button, option and menu entry, pressing on the plot, opening
// and closing windows, switching the language and leaving. After every action
// the program must have come back in time, with no window open twice and, for a
// calculation button, with something to show for the click.
//
//   TORVEL_MONKEY_SEED     the seed (default 13013), printed before the first action
//   TORVEL_MONKEY_ACTIONS  how many actions (default 2000)
//   TORVEL_MONKEY_VERBOSE  1: print every action before it is done, which shows
//                          the culprit of a crash or a hang when a seed is replayed
#include <QtTest>
#include <QtWidgets>
#include <algorithm>
#include <cstdio>
#include <random>

#include "../common/RespuestaAutomatica.h"
#include "../common/Ventanas.h"
#include "mainwindow/RungeKutta.h"
#include "windows/Adv_faltandatos.h"
#include "windows/VentanaUnica.h"

namespace {

constexpr qint64 kLimiteAccionMs = 60'000;  // generous: CI repeats this under the sanitizers

// The engine's sequence is fixed by the language standard (its distributions are
// not, so none is used): a seed replays the same run with every compiler.
struct Azar {
    std::mt19937_64 motor;
    int entero(int n) { return int(motor() % quint64(n)); }  // 0 .. n-1
    double real(double a, double b) { return a + (b - a) * double(motor() >> 11) * 0x1.0p-53; }
    bool moneda(double p) { return real(0, 1) < p; }
    template <class T>
    T elegir(const QList<T>& lista) { return lista.at(entero(int(lista.size()))); }
};

// A plausible value for the box, by what the box holds in the worked examples.
QString Plausible(Azar& azar, const QString& caja)
{
    // Lowest, highest, fewest decimals (1) and how many more may be drawn (4).
    static const QMap<QString, QList<double>> rangos = {
        {"Text1", {0.5, 5}},  {"Text2", {0.5, 5}},  {"Text3", {1, 89}}, {"Text4", {0.5, 3}},
        {"Text7", {0.1, 10}}, {"Text9", {-2000, 2000, 0, 0}}, {"Text11", {-2000, 2000, 0, 0}},
        {"Text5", {0.0001, 0.05, 4, 3}}, {"Text6", {0.01, 0.03, 3, 0}},
    };
    static const QMap<QString, QStringList> listas = {
        {"Text22", {"0.001", "0.0005", "0.002", "0.01", "0.0001", "0.00001"}},
        {"Text24", {"0.1", "0", "0.01", "1", "-0.3", "0.5"}},
    };
    if (listas.contains(caja))
        return azar.elegir(listas.value(caja));
    // Huge profiles take about a second each, so they stay rare.
    if (caja == "Text23")
        return azar.elegir(azar.moneda(0.1)
                               ? QStringList{"10000", "32765", "32767", "32768", "65536"}
                               : QStringList{"0", "1", "2", "10", "50.5", "100", "500", "1000"});
    const QList<double> r = rangos.value(caja, {0.1, 3});  // depths and energies
    const int mas = int(r.value(3, 4));
    return QString::number(azar.real(r[0], r[1]), 'f',
                           int(r.value(2, 1)) + (mas ? azar.entero(mas) : 0));
}

// The user goes through calm spells, typing sensible numbers that let the
// calculations run deep into the engine, and wild ones: one bad box refuses a
// whole panel, so garbage all the time would leave the engine untouched.
QString TextoAlAzar(Azar& azar, const QString& caja, bool calma)
{
    const int tipo = azar.entero(100);
    if (tipo < (calma ? 92 : 60))
        return Plausible(azar, caja);
    if (tipo < (calma ? 96 : 72))
        return QLatin1Char('-') + Plausible(azar, caja);
    if (!calma && tipo < 75)
        return azar.elegir<QString>({QString(1000, '9'), "0." + QString(997, '0') + "1",
                                     QString(1000, 'x'), QStringLiteral("1.5 ").repeated(250)});
    if (calma)
        return azar.elegir<QString>({"0", "-0", "", "1e-320"});
    return azar.elegir<QString>({"abc", "1a", "--", "%1", "1e", ".", "1e308", "-1e308", "1e-320",
                                 "-0", "0", "nan", "inf", "1,5", " ", "  ", ""});
}

// How a typed text appears in the log: long ones by their start and length.
QString Citar(const QString& texto)
{
    if (texto.size() <= 40)
        return '"' + texto + '"';
    return QStringLiteral("\"%1...\" (%2 characters)").arg(texto.left(12)).arg(texto.size());
}

// The visible windows in a fixed order: the toolkit's own list has none.
QList<QWidget*> VentanasAbiertas()
{
    QList<QWidget*> ventanas = QApplication::topLevelWidgets();
    ventanas.removeIf([](QWidget* w) {
        return !w->isVisible() || w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip;
    });
    std::stable_sort(ventanas.begin(), ventanas.end(), [](QWidget* a, QWidget* b) {
        return qstrcmp(a->metaObject()->className(), b->metaObject()->className()) < 0;
    });
    return ventanas;
}

template <class T>
QList<T*> ControlesUsables()
{
    QList<T*> controles;
    for (QWidget* ventana : VentanasAbiertas())
        controles << ventana->findChildren<T*>();
    controles.removeIf([](T* control) { return !control->isVisible() || !control->isEnabled(); });
    return controles;
}

QString Nombre(const QWidget* control)
{
    return QString::fromLatin1(control->window()->metaObject()->className()) + QLatin1Char('.')
           + control->objectName();
}

// The calculation buttons. The alternate and conjugate panels do not beep, so
// the result boxes listed here are their only answer; the others beep with
// every result.
const QMap<QString, QStringList> kCalculos = {
    {"Calc_tir", {}}, {"Calc_sup_libre", {}}, {"Paso_directo", {}}, {"Command1", {}},
    {"cmdAlterno", {"Text33", "Text35", "Text36"}}, {"cmdConjugado", {"txtY2Conj"}},
};

}  // namespace

class TestMono : public QObject {
    Q_OBJECT
private slots:
    void accionesAlAzar()
    {
        // The monkey reopens the main window itself when it is closed.
        QApplication::setQuitOnLastWindowClosed(false);
        // Every run starts in the first-start language, whatever the last run stored.
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "VBA_32")
            .remove("Torvel/Languaje");
        // The headless platform warns at every window it cannot raise or resize to
        // its hints; thousands of those lines would hide the report.
        static const QtMessageHandler anterior = qInstallMessageHandler(
            [](QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
                if (!texto.startsWith(QLatin1String("This plugin does not support")))
                    anterior(tipo, contexto, texto);
            });
        const quint64 semilla = qEnvironmentVariable("TORVEL_MONKEY_SEED", "13013").toULongLong();
        const int pedidas = qEnvironmentVariableIntValue("TORVEL_MONKEY_ACTIONS");
        const int acciones = pedidas > 0 ? pedidas : 2000;
        // Printed first, so that a crash or a timeout still tells which run to replay.
        std::printf("monkey: seed %llu, %d actions\n", semilla, acciones);
        std::fflush(stdout);

        azar_.motor.seed(semilla);
        QElapsedTimer reloj;
        reloj.start();
        QString fallo;
        for (int i = 0; i < acciones && fallo.isEmpty(); ++i)
            fallo = UnaAccion();
        DestruirVentanas();
        if (!fallo.isEmpty())
            std::fprintf(stderr, "\nmonkey FAILED at action %lld of %d, seed %llu: %s\n"
                         "Actions so far:\n  %s\nReplay: TORVEL_MONKEY_SEED=%llu "
                         "TORVEL_MONKEY_ACTIONS=%lld\n\n", registro_.size(), acciones, semilla,
                         qPrintable(fallo), qPrintable(registro_.join("\n  ")), semilla,
                         registro_.size());
        QVERIFY2(fallo.isEmpty(), qPrintable(fallo));
        std::printf("monkey: seed %llu, %d actions in %.1f s; %d message boxes answered\n",
                    semilla, acciones, reloj.elapsed() / 1000.0, respuestas_.cantidad());
        for (const QString& titulo : respuestas_.titulos())
            ++cuentas_["  titled " + Citar(titulo)];
        for (auto it = cuentas_.cbegin(); it != cuentas_.cend(); ++it)
            std::printf("  %-52s %d\n", qPrintable(it.key()), it.value());
    }

private:
    QString UnaAccion()
    {
        // Wild spells last about 50 actions, calm ones about 200.
        if (azar_.moneda(calma_ ? 0.005 : 0.02))
            calma_ = !calma_;
        // Closing the main window and switching the language empty every box, so
        // they stay rare enough for the user to fill a panel in between.
        const int n = VentanaAbierta<RungeKutta>() ? azar_.entero(100) : -1;
        const QString tipo = n < 0 ? "new main window" : n < 50 ? "type" : n < 75 ? "button"
                             : n < 84 ? "option" : n < 91 ? "menu" : n < 98 ? "plot"
                             : n < 99 ? "logo" : "close window";
        // Decided before the clock starts, so that a replay does the same.
        const auto salir = azar_.moneda(0.5) ? QMessageBox::Yes : QMessageBox::No;

        calculo_.clear();
        QElapsedTimer reloj;
        reloj.start();
        QString fallo = Hacer(tipo, salir);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ++cuentas_[tipo];
        if (fallo.isEmpty() && reloj.elapsed() >= kLimiteAccionMs)
            fallo = QStringLiteral("the action took %1 ms").arg(reloj.elapsed());
        if (fallo.isEmpty())
            fallo = VentanasMal();
        if (fallo.isEmpty() && !calculo_.isEmpty())
            fallo = ComprobarCalculo();
        return fallo;
    }

    QString Hacer(const QString& tipo, QMessageBox::StandardButton salir)
    {
        if (tipo == "type")
            Escribir();
        else if (tipo == "button")
            Pulsar();
        else if (tipo == "menu")
            return Menu(salir);
        else if (tipo == "plot")
            return Grafico();
        else if (tipo == "option") {
            auto opciones = ControlesUsables<QAbstractButton>();
            opciones.removeIf([](QAbstractButton* b) {
                return !qobject_cast<QRadioButton*>(b) && !qobject_cast<QCheckBox*>(b);
            });
            QAbstractButton* opcion = azar_.elegir(opciones);
            Anotar(tipo + QLatin1Char(' ') + Nombre(opcion));
            QTest::mouseClick(opcion, Qt::LeftButton, {}, QPoint(5, opcion->height() / 2));
        } else if (tipo == "close window") {
            QWidget* ventana = azar_.elegir(VentanasAbiertas());
            Anotar(tipo + QLatin1Char(' ') + ventana->metaObject()->className());
            ventana->close();
        } else if (tipo == "logo") {
            Anotar(tipo);
            QTest::mouseClick(VentanaAbierta<RungeKutta>()->findChild<QLabel*>("picZuvan"),
                              Qt::LeftButton);
        } else {
            Anotar(tipo);
            (new RungeKutta)->show();
        }
        return {};
    }

    void Escribir()
    {
        // Most typing goes to the main window's inputs (white; results are grey),
        // as a user's would.
        QList<QLineEdit*> cajas = ControlesUsables<QLineEdit>();
        if (azar_.moneda(0.7)) {
            cajas.removeIf([](QLineEdit* caja) {
                return !qobject_cast<RungeKutta*>(caja->window())
                       || caja->palette().color(QPalette::Base) == QColor(224, 224, 224);
            });
        }
        QLineEdit* caja = azar_.elegir(cajas);
        const QString texto = TextoAlAzar(azar_, caja->objectName(), calma_);
        // Half the time the user clicks into the box first, which may pick an option.
        const bool clic = azar_.moneda(0.5);
        Anotar(QStringLiteral("type %1%2 %3%4").arg(Nombre(caja), clic ? " (clicked)" : "",
                                                    Citar(texto), calma_ ? "" : " (wild spell)"));
        if (clic)
            QTest::mouseClick(caja, Qt::LeftButton);
        QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
        if (texto.isEmpty())
            QTest::keyClick(caja, Qt::Key_Backspace);
        else
            QTest::keyClicks(caja, texto);
    }

    // The result boxes are marked beforehand so that a result equal to the
    // previous one still counts as written; a mark nothing overwrote is taken
    // away again.
    void Pulsar()
    {
        QPushButton* boton = azar_.elegir(ControlesUsables<QPushButton>());
        Anotar(QStringLiteral("button ") + Nombre(boton));
        principal_ = qobject_cast<RungeKutta*>(boton->window());
        if (principal_ && kCalculos.contains(boton->objectName())) {
            calculo_ = boton->objectName();
            pitidos_ = principal_->pitidos();
            mensajes_ = respuestas_.cantidad();
            marcas_.clear();
            for (const QString& nombre : kCalculos.value(calculo_)) {
                auto* caja = principal_->findChild<QLineEdit*>(nombre);
                marcas_.append({caja, caja->text()});
                caja->setText(kMarca);
            }
        }
        QTest::mouseClick(boton, Qt::LeftButton);
    }

    QString ComprobarCalculo()
    {
        if (!principal_)
            return QStringLiteral("the main window went away during %1").arg(calculo_);
        bool escrito = false;
        for (const auto& [caja, antes] : marcas_) {
            escrito = escrito || caja->text() != kMarca;
            if (caja->text() == kMarca)
                caja->setText(antes);
        }
        const bool pito = principal_->pitidos() > pitidos_;
        const bool mensaje = respuestas_.cantidad() > mensajes_;
        // The alternate and conjugate panels never refuse through the warning,
        // so one left open from before is no answer of theirs.
        const bool advertencia = marcas_.isEmpty() && VentanaAbierta<Adv_faltandatos>();
        const char* resultado = pito ? "beeped" : mensaje ? "message box"
                                : advertencia ? "missing-data warning"
                                : escrito     ? "result written" : nullptr;
        if (!resultado)
            return calculo_ + " said nothing: no result, beep, message or warning";
        ++cuentas_[QStringLiteral("  %1: %2").arg(calculo_, resultado)];
        return {};
    }

    // Every entry, enabled or not. The two that replace or close the main window
    // are held to it, since the monkey would otherwise quietly open a new one.
    QString Menu(QMessageBox::StandardButton salir)
    {
        const QPointer<RungeKutta> principal = VentanaAbierta<RungeKutta>();
        QList<QAction*> entradas = principal->findChildren<QAction*>();
        entradas.removeIf([](QAction* a) {
            return !a->objectName().startsWith("mnu") && !a->objectName().startsWith("nada");
        });
        QAction* entrada = azar_.elegir(entradas);
        const QString nombre = entrada->objectName();
        const bool esSalir = nombre == "mnuSalir";
        Anotar("menu " + nombre + (entrada->isEnabled() ? "" : " (disabled)")
               + (!esSalir ? "" : salir == QMessageBox::Yes ? ", answer Yes" : ", answer No"));
        respuestas_.cambiarBoton(esSalir ? salir : QMessageBox::Ok);
        entrada->trigger();
        respuestas_.cambiarBoton(QMessageBox::Ok);

        const bool sigue = principal && principal->isVisible();
        if (nombre == "mnuLenguaje" && (sigue || !VentanaAbierta<RungeKutta>()))
            return QStringLiteral("the language switch did not replace the main window");
        if (esSalir && sigue != (salir == QMessageBox::No))
            return QStringLiteral("the main window did not follow the answer to the exit question");
        return {};
    }

    // Press and release anywhere; the read-out shows numbers while the button is down.
    QString Grafico()
    {
        QWidget* grafico = VentanaAbierta<RungeKutta>()->findChild<QWidget*>("picCurva");
        const QPoint pulsado(azar_.entero(grafico->width()), azar_.entero(grafico->height()));
        const QPoint soltado(azar_.entero(grafico->width() + 40) - 20,
                             azar_.entero(grafico->height() + 40) - 20);
        const Qt::MouseButton boton = azar_.moneda(0.8) ? Qt::LeftButton : Qt::RightButton;
        Anotar(QStringLiteral("plot press (%1,%2) release (%3,%4)%5")
                   .arg(pulsado.x()).arg(pulsado.y()).arg(soltado.x()).arg(soltado.y())
                   .arg(boton == Qt::LeftButton ? "" : " right button"));
        QTest::mousePress(grafico, boton, {}, pulsado);
        const QString texto = VentanaAbierta<RungeKutta>()->findChild<QLabel*>("lblXY")->text();
        QTest::mouseRelease(grafico, boton, {}, soltado);
        if (texto.toLower().contains("nan") || texto.toLower().contains("inf"))
            return QStringLiteral("the plot read-out shows \"%1\"").arg(texto);
        return {};
    }

    // Every message box has been answered, and every window of the program is a
    // single instance, whatever its class.
    static QString VentanasMal()
    {
        if (QApplication::activeModalWidget())
            return QStringLiteral("a modal window was left open");
        QStringList clases;
        for (QWidget* ventana : VentanasAbiertas())
            clases << ventana->metaObject()->className();
        const QString todas = clases.join(", ");
        return clases.removeDuplicates() ? "a window is open twice among " + todas : QString();
    }

    void Anotar(const QString& accion)
    {
        registro_ << QStringLiteral("%1. %2").arg(registro_.size() + 1).arg(accion);
        if (detallado_)  // stderr is unbuffered: the line is out before the action runs
            std::fprintf(stderr, "%s\n", qPrintable(registro_.last()));
    }

    inline static const QString kMarca = QStringLiteral("#unwritten#");

    Azar azar_;
    const bool detallado_ = qEnvironmentVariableIntValue("TORVEL_MONKEY_VERBOSE") != 0;
    RespuestaAutomatica respuestas_;
    bool calma_ = true;
    QStringList registro_;  // every action, numbered from 1
    QMap<QString, int> cuentas_;  // actions by kind, answers by button and title
    QString calculo_;  // the calculation button of this action, if any
    QPointer<RungeKutta> principal_;
    QList<QPair<QPointer<QLineEdit>, QString>> marcas_;  // result boxes and what they held
    int pitidos_ = 0, mensajes_ = 0;
};

QTEST_MAIN(TestMono)
#include "test_monkey.moc"
