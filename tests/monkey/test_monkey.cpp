// Random user actions on the real windows: typing anything into any box,
// clicking every button, option and menu entry, pressing on the plot, opening
// and closing windows, switching the language and leaving. After every action
// the program must have come back in time, with no window open twice and, for a
// calculation button, with something to show for the click.
//
//   TORVEL_MONKEY_SEED     the seed (default 13013); a failure prints it
//   TORVEL_MONKEY_ACTIONS  how many actions (default 2000)
//   TORVEL_MONKEY_VERBOSE  1: print every action before it is done, which shows
//                          the culprit of a crash when a seed is replayed
#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QtTest>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>
#include <unistd.h>

#include "../common/RespuestaAutomatica.h"
#include "../common/Ventanas.h"
#include "mainwindow/RungeKutta.h"
#include "windows/Adv_faltandatos.h"
#include "windows/VentanaUnica.h"
#include "windows/frmInfoProg.h"
#include "windows/frmParamCalc.h"
#include "windows/frmParamVarios.h"
#include "windows/inf_zuvan.h"

namespace {

constexpr qint64 kLimiteAccionMs = 60'000;  // generous: CI repeats this under the sanitizers

// --- Seeded choices -------------------------------------------------------------------

// SplitMix64: the same sequence with every compiler and standard library, so a
// seed replays the same run anywhere.
class Azar {
public:
    explicit Azar(quint64 semilla) : x_(semilla) {}

    quint64 siguiente()
    {
        quint64 z = (x_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int entero(int n) { return int(siguiente() % quint64(n)); }  // 0 .. n-1
    double real(double a, double b) { return a + (b - a) * double(siguiente() >> 11) * 0x1.0p-53; }
    bool moneda(double p) { return real(0, 1) < p; }
    template <class T>
    T elegir(const QList<T>& lista) { return lista.at(entero(int(lista.size()))); }

private:
    quint64 x_;
};

// --- What is typed -----------------------------------------------------------------------

// A plausible value for the box, by what the box holds in the worked examples.
QString Plausible(Azar& azar, const QString& caja)
{
    auto numero = [&azar](double a, double b) {
        return QString::number(azar.real(a, b), 'f', 1 + azar.entero(4));
    };
    if (caja == "Text1" || caja == "Text2")
        return numero(0.5, 5);
    if (caja == "Text3")
        return numero(1, 89);
    if (caja == "Text39")
        return numero(0.1, 3);
    if (caja == "Text4")
        return numero(0.5, 3);
    if (caja == "Text5")
        return QString::number(azar.real(0.0001, 0.05), 'f', 4 + azar.entero(3));
    if (caja == "Text6")
        return QString::number(azar.real(0.01, 0.03), 'f', 3);
    if (caja == "Text7")
        return numero(0.1, 10);
    if (caja == "Text9" || caja == "Text11")
        return QString::number(azar.entero(4001) - 2000);
    if (caja == "Text22")
        return azar.elegir<QString>({"0.001", "0.0005", "0.002", "0.01", "0.0001", "0.00001"});
    if (caja == "Text23") {
        // Huge profiles take about a second each, so they stay rare.
        if (azar.moneda(0.1))
            return azar.elegir<QString>({"10000", "32765", "32767", "32768", "65536"});
        return azar.elegir<QString>({"0", "1", "2", "10", "50.5", "100", "500", "1000"});
    }
    if (caja == "Text24")
        return azar.elegir<QString>({"0.1", "0", "0.01", "1", "-0.3", "0.5"});
    return numero(0.1, 3);  // depths and energies
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
    if (!calma && tipo < 75) {
        switch (azar.entero(4)) {
        case 0: return QString(1000, QLatin1Char('9'));
        case 1: return QStringLiteral("0.") + QString(997, QLatin1Char('0')) + QLatin1Char('1');
        case 2: return QString(1000, QLatin1Char('x'));
        default: return QStringLiteral("1.5 ").repeated(250);
        }
    }
    if (calma)
        return azar.elegir<QString>({"0", "-0", "", "1e-320"});
    return azar.elegir<QString>({"abc", "1a", "--", "%1", "1e", ".", "1e308", "-1e308", "1e-320",
                                 "-0", "0", "nan", "inf", "1,5", " ", "  ", ""});
}

// How a typed text appears in the log: long ones by their start and length.
QString Citar(const QString& texto)
{
    if (texto.size() <= 40)
        return QLatin1Char('"') + texto + QLatin1Char('"');
    return QStringLiteral("\"%1...\" (%2 characters)").arg(texto.left(12)).arg(texto.size());
}

// --- Windows -------------------------------------------------------------------------------

// The visible windows in a fixed order: the toolkit's own list has none.
QList<QWidget*> VentanasAbiertas()
{
    QList<QWidget*> ventanas;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType tipo = w->windowType();
        if (w->isVisible() && tipo != Qt::Popup && tipo != Qt::ToolTip)
            ventanas << w;
    }
    std::stable_sort(ventanas.begin(), ventanas.end(), [](QWidget* a, QWidget* b) {
        return qstrcmp(a->metaObject()->className(), b->metaObject()->className()) < 0;
    });
    return ventanas;
}

template <class T>
QList<T*> ControlesUsables(const QList<QWidget*>& ventanas)
{
    QList<T*> controles;
    for (QWidget* ventana : ventanas) {
        for (T* control : ventana->findChildren<T*>()) {
            if (control->isVisible() && control->isEnabled())
                controles << control;
        }
    }
    return controles;
}

QString Nombre(const QObject* control, const QWidget* ventana)
{
    return QString::fromLatin1(ventana->metaObject()->className()) + QLatin1Char('.')
           + control->objectName();
}

RungeKutta* VentanaPrincipal()
{
    return VentanaAbierta<RungeKutta>();
}

// The result boxes where each calculation button shows what it found. The
// alternate and conjugate panels do not beep, so their boxes are their only
// answer; the other panels beep with every result.
const QMap<QString, QStringList>& ResultadosDe()
{
    static const QMap<QString, QStringList> resultados = {
        {"Calc_tir", {"Text13", "Text14", "txtEyc", "txtEYn", "Por_Diam", "Text38", "Text37"}},
        {"cmdAlterno", {"Text33", "Text35", "Text36"}},
        {"cmdConjugado", {"txtY2Conj"}},
        {"Calc_sup_libre", {"Text10", "Text12"}},
        {"Paso_directo", {"Text30", "Text31"}},
        {"Command1", {}},
    };
    return resultados;
}

// --- Reporting a crash or a hang -----------------------------------------------------------

// A fatal signal can only use what is ready beforehand: this line is rewritten
// before every action.
char gAccionEnCurso[512] = "monkey: crashed before the first action\n";
struct sigaction gAnteriores[NSIG];

void AlMorir(int senal)
{
    ssize_t escrito = write(STDERR_FILENO, gAccionEnCurso, strlen(gAccionEnCurso));
    (void)escrito;
    // The previous handler (the sanitizer's or the default) then reports as usual.
    sigaction(senal, &gAnteriores[senal], nullptr);
    if (senal == SIGABRT)
        raise(senal);
}

void VigilarSenales()
{
    struct sigaction accion {};
    accion.sa_handler = AlMorir;
    for (int senal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        sigaction(senal, &accion, &gAnteriores[senal]);
}

// The headless platform warns at every window it cannot raise or resize to its
// hints; thousands of those lines would hide the report.
void AcallarPlataforma()
{
    static const QtMessageHandler anterior = qInstallMessageHandler(
        [](QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
            if (!texto.startsWith(QLatin1String("This plugin does not support")))
                anterior(tipo, contexto, texto);
        });
}

// --- The monkey ----------------------------------------------------------------------------

class Mono {
public:
    Mono(quint64 semilla, int acciones)
        : semilla_(semilla), acciones_(acciones), azar_(semilla),
          detallado_(qEnvironmentVariableIntValue("TORVEL_MONKEY_VERBOSE") != 0)
    {
    }

    // Runs every action; returns the first fault found, or nothing.
    QString Correr()
    {
        Vigilante vigilante(*this);
        QElapsedTimer total;
        total.start();
        for (numero_ = 1; numero_ <= acciones_; ++numero_) {
            const QString fallo = UnaAccion();
            if (!fallo.isEmpty()) {
                ImprimirRegistro(fallo);
                return fallo;
            }
        }
        segundos_ = total.elapsed() / 1000.0;
        ImprimirResumen();
        return {};
    }

private:
    // Aborts, with the log, an action that never comes back.
    class Vigilante {
    public:
        explicit Vigilante(Mono& mono) : hilo_([this, &mono] { Vigilar(mono); }) {}
        ~Vigilante()
        {
            {
                std::lock_guard<std::mutex> cerrojo(m_);
                fin_ = true;
            }
            cv_.notify_all();
            hilo_.join();
        }

    private:
        void Vigilar(Mono& mono)
        {
            std::unique_lock<std::mutex> cerrojo(m_);
            while (!cv_.wait_for(cerrojo, std::chrono::seconds(1), [this] { return fin_; })) {
                const qint64 inicio = mono.inicioMs_.load();
                if (inicio >= 0 && Ahora() - inicio > kLimiteAccionMs) {
                    mono.ImprimirRegistro(QStringLiteral("action still running after %1 s (hang)")
                                              .arg(kLimiteAccionMs / 1000));
                    std::_Exit(3);
                }
            }
        }

        std::mutex m_;
        std::condition_variable cv_;
        bool fin_ = false;
        std::thread hilo_;
    };

    static qint64 Ahora()
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }

    QString UnaAccion()
    {
        // Wild spells last about 50 actions, calm ones about 200.
        if (azar_.moneda(calma_ ? 0.005 : 0.02))
            calma_ = !calma_;
        const QString tipo = VentanaPrincipal() ? ElegirTipo() : QStringLiteral("new main window");
        // Decided before the clock starts, so that a replay does the same.
        const auto salir = azar_.moneda(0.5) ? QMessageBox::Yes : QMessageBox::No;

        Calculo calculo;
        QElapsedTimer reloj;
        reloj.start();
        inicioMs_ = Ahora();
        QString fallo = Hacer(tipo, salir, calculo);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        inicioMs_ = -1;
        const qint64 ms = reloj.elapsed();

        ++cuentas_[tipo];
        if (ms > peorMs_) {
            peorMs_ = ms;
            peorAccion_ = numero_;
        }
        if (fallo.isEmpty() && ms >= kLimiteAccionMs)
            fallo = QStringLiteral("the action took %1 ms").arg(ms);
        if (fallo.isEmpty())
            fallo = VentanasRepetidas();
        if (fallo.isEmpty() && QApplication::activeModalWidget())
            fallo = QStringLiteral("a modal window was left open");
        if (fallo.isEmpty() && !calculo.boton.isEmpty())
            fallo = ComprobarCalculo(calculo);
        return fallo;
    }

    // Closing the main window and switching the language empty every box, so
    // they stay rare enough for the user to fill a panel in between.
    QString ElegirTipo()
    {
        static const QList<QPair<int, QString>> pesos = {
            {50, "type"}, {25, "button"}, {9, "option"}, {7, "menu"},
            {7, "plot"},  {1, "logo"},    {1, "close window"},
        };
        int n = azar_.entero(100);
        for (const auto& [peso, tipo] : pesos) {
            if (n < peso)
                return tipo;
            n -= peso;
        }
        return pesos.last().second;
    }

    // What a calculation click is judged on afterwards.
    struct Calculo {
        QString boton;
        QPointer<RungeKutta> ventana;
        QStringList cajas;
        QStringList antes;
        int pitidos = 0;
        int mensajes = 0;
    };

    QString Hacer(const QString& tipo, QMessageBox::StandardButton salir, Calculo& calculo)
    {
        const QList<QWidget*> ventanas = VentanasAbiertas();
        if (tipo == "new main window") {
            Anotar(tipo);
            (new RungeKutta)->show();
        } else if (tipo == "type") {
            Escribir(ventanas);
        } else if (tipo == "button") {
            Pulsar(ventanas, calculo);
        } else if (tipo == "option") {
            auto opciones = ControlesUsables<QAbstractButton>(ventanas);
            opciones.removeIf([](QAbstractButton* b) {
                return !qobject_cast<QRadioButton*>(b) && !qobject_cast<QCheckBox*>(b);
            });
            QAbstractButton* opcion = azar_.elegir(opciones);
            Anotar(tipo + QLatin1Char(' ') + Nombre(opcion, opcion->window()));
            QTest::mouseClick(opcion, Qt::LeftButton, {}, QPoint(5, opcion->height() / 2));
        } else if (tipo == "menu") {
            return Menu(salir);
        } else if (tipo == "plot") {
            return Grafico();
        } else if (tipo == "logo") {
            Anotar(tipo);
            QTest::mouseClick(VentanaPrincipal()->findChild<QLabel*>("picZuvan"), Qt::LeftButton);
        } else {
            QWidget* ventana = azar_.elegir(ventanas);
            Anotar(tipo + QLatin1Char(' ') + ventana->metaObject()->className());
            ventana->close();
        }
        return {};
    }

    void Escribir(const QList<QWidget*>& ventanas)
    {
        // Most typing goes to the main window's inputs (white; results are grey),
        // as a user's would.
        QList<QLineEdit*> cajas = ControlesUsables<QLineEdit>(ventanas);
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
        Anotar(QStringLiteral("type %1%2 %3%4")
                   .arg(Nombre(caja, caja->window()), clic ? " (clicked)" : "", Citar(texto),
                        calma_ ? "" : " (wild spell)"));
        if (clic)
            QTest::mouseClick(caja, Qt::LeftButton);
        QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
        if (texto.isEmpty())
            QTest::keyClick(caja, Qt::Key_Backspace);
        else
            QTest::keyClicks(caja, texto);
    }

    void Pulsar(const QList<QWidget*>& ventanas, Calculo& calculo)
    {
        QPushButton* boton = azar_.elegir(ControlesUsables<QPushButton>(ventanas));
        Anotar(QStringLiteral("button ") + Nombre(boton, boton->window()));
        auto* principal = qobject_cast<RungeKutta*>(boton->window());
        if (principal && ResultadosDe().contains(boton->objectName()))
            PrepararCalculo(principal, boton->objectName(), calculo);
        QTest::mouseClick(boton, Qt::LeftButton);
    }

    // The panels that do not beep are judged by their boxes; the boxes are
    // marked beforehand so that a result equal to the previous one still
    // counts as written. A mark nothing overwrote is taken away again.
    void PrepararCalculo(RungeKutta* principal, const QString& boton, Calculo& calculo)
    {
        calculo.boton = boton;
        calculo.ventana = principal;
        calculo.cajas = ResultadosDe().value(boton);
        calculo.pitidos = principal->pitidos();
        calculo.mensajes = respuestas_.cantidad();
        for (const QString& nombre : calculo.cajas) {
            auto* caja = principal->findChild<QLineEdit*>(nombre);
            calculo.antes << caja->text();
            if (Marcado(boton))
                caja->setText(kMarca);
        }
    }

    static bool Marcado(const QString& boton)
    {
        return boton == "cmdAlterno" || boton == "cmdConjugado";
    }

    QString ComprobarCalculo(const Calculo& calculo)
    {
        RungeKutta* principal = calculo.ventana;
        if (!principal)
            return QStringLiteral("the main window went away during %1").arg(calculo.boton);
        const bool marcado = Marcado(calculo.boton);
        bool escrito = false;
        for (int i = 0; i < calculo.cajas.size(); ++i) {
            auto* caja = principal->findChild<QLineEdit*>(calculo.cajas.at(i));
            if (caja->text() == kMarca)
                caja->setText(calculo.antes.at(i));
            else if (marcado || caja->text() != calculo.antes.at(i))
                escrito = true;
        }
        const bool pito = principal->pitidos() > calculo.pitidos;
        const bool mensaje = respuestas_.cantidad() > calculo.mensajes;
        // The alternate and conjugate panels never refuse through the warning,
        // so one left open from before is no answer of theirs.
        const bool advertencia = !marcado && VentanaAbierta<Adv_faltandatos>() != nullptr;
        const QString resultado = pito          ? QStringLiteral("beeped")
                                  : mensaje     ? QStringLiteral("message box")
                                  : advertencia ? QStringLiteral("missing-data warning")
                                  : escrito     ? QStringLiteral("result written")
                                                : QStringLiteral("nothing");
        ++cuentas_[QStringLiteral("  %1: %2").arg(calculo.boton, resultado)];
        if (escrito || pito || mensaje || advertencia)
            return {};
        return QStringLiteral("%1 said nothing: no result, beep, message or warning")
            .arg(calculo.boton);
    }

    // Every entry, enabled or not. The two that replace or close the main window
    // are held to it, since the monkey would otherwise quietly open a new one.
    QString Menu(QMessageBox::StandardButton salir)
    {
        RungeKutta* principal = VentanaPrincipal();
        QList<QAction*> entradas;
        for (QAction* a : principal->findChildren<QAction*>()) {
            if (a->objectName().startsWith("mnu") || a->objectName().startsWith("nada"))
                entradas << a;
        }
        QAction* entrada = azar_.elegir(entradas);
        const QString nombre = entrada->objectName();
        Anotar(QStringLiteral("menu %1%2%3")
                   .arg(nombre, entrada->isEnabled() ? "" : " (disabled)",
                        nombre != "mnuSalir"            ? ""
                        : salir == QMessageBox::Yes ? ", answer Yes"
                                                    : ", answer No"));
        const QPointer<RungeKutta> antes = principal;
        if (nombre == "mnuSalir")
            respuestas_.cambiarBoton(salir);
        entrada->trigger();
        respuestas_.cambiarBoton(QMessageBox::Ok);

        const bool sigue = antes && antes->isVisible();
        if (nombre == "mnuLenguaje" && (sigue || !VentanaPrincipal()))
            return QStringLiteral("the language switch did not replace the main window");
        if (nombre == "mnuSalir" && sigue != (salir == QMessageBox::No))
            return QStringLiteral("the main window did not follow the answer to the exit question");
        return {};
    }

    // Press and release anywhere; the read-out shows numbers while the button is down.
    QString Grafico()
    {
        QWidget* grafico = VentanaPrincipal()->findChild<QWidget*>("picCurva");
        auto* lectura = VentanaPrincipal()->findChild<QLabel*>("lblXY");
        const QPoint pulsado(azar_.entero(grafico->width()), azar_.entero(grafico->height()));
        const QPoint soltado(azar_.entero(grafico->width() + 40) - 20,
                             azar_.entero(grafico->height() + 40) - 20);
        const Qt::MouseButton boton = azar_.moneda(0.8) ? Qt::LeftButton : Qt::RightButton;
        Anotar(QStringLiteral("plot press (%1,%2) release (%3,%4)%5")
                   .arg(pulsado.x()).arg(pulsado.y()).arg(soltado.x()).arg(soltado.y())
                   .arg(boton == Qt::LeftButton ? "" : " right button"));
        QTest::mousePress(grafico, boton, {}, pulsado);
        const QString texto = lectura->text();
        QTest::mouseRelease(grafico, boton, {}, soltado);
        if (texto.contains("nan", Qt::CaseInsensitive)
            || texto.contains("inf", Qt::CaseInsensitive))
            return QStringLiteral("the plot read-out shows \"%1\"").arg(texto);
        return {};
    }

    QString VentanasRepetidas() const
    {
        const QList<QPair<const char*, int>> cuentas = {
            {"RungeKutta", CuantasAbiertas<RungeKutta>()},
            {"frmParamCalc", CuantasAbiertas<frmParamCalc>()},
            {"frmParamVarios", CuantasAbiertas<frmParamVarios>()},
            {"frmInfoProg", CuantasAbiertas<frmInfoProg>()},
            {"inf_zuvan", CuantasAbiertas<inf_zuvan>()},
            {"Adv_faltandatos", CuantasAbiertas<Adv_faltandatos>()},
        };
        for (const auto& [clase, n] : cuentas) {
            if (n > 1)
                return QStringLiteral("%1 windows %2 are open").arg(n).arg(clase);
        }
        return {};
    }

    void Anotar(const QString& accion)
    {
        const QString linea = QStringLiteral("%1. %2").arg(numero_).arg(accion);
        {
            std::lock_guard<std::mutex> cerrojo(registroM_);
            registro_ << linea;
        }
        std::snprintf(gAccionEnCurso, sizeof gAccionEnCurso,
                      "monkey: crashed in action %s (seed %llu); replay it with "
                      "TORVEL_MONKEY_SEED=%llu TORVEL_MONKEY_VERBOSE=1\n",
                      qPrintable(linea.left(300)), semilla_, semilla_);
        if (detallado_)
            std::fprintf(stderr, "%s\n", qPrintable(linea));
    }

    void ImprimirRegistro(const QString& fallo)
    {
        std::lock_guard<std::mutex> cerrojo(registroM_);
        std::fprintf(stderr, "\nmonkey FAILED at action %d of %d, seed %llu: %s\nActions so far:\n",
                     numero_, acciones_, semilla_, qPrintable(fallo));
        for (const QString& linea : registro_)
            std::fprintf(stderr, "  %s\n", qPrintable(linea));
        std::fprintf(stderr, "Replay: TORVEL_MONKEY_SEED=%llu TORVEL_MONKEY_ACTIONS=%d\n\n",
                     semilla_, numero_);
        std::fflush(stderr);
    }

    void ImprimirResumen() const
    {
        std::printf("monkey: seed %llu, %d actions in %.1f s; slowest action %d took %lld ms: %s\n",
                    semilla_, acciones_, segundos_, peorAccion_, peorMs_,
                    qPrintable(registro_.value(peorAccion_ - 1)));
        QMap<QString, int> titulos;
        for (const QString& titulo : respuestas_.titulos())
            ++titulos[titulo];
        std::printf("  message boxes answered: %d\n", respuestas_.cantidad());
        for (auto it = titulos.cbegin(); it != titulos.cend(); ++it)
            std::printf("    titled %-43s %d\n", qPrintable(Citar(it.key())), it.value());
        for (auto it = cuentas_.cbegin(); it != cuentas_.cend(); ++it)
            std::printf("  %-52s %d\n", qPrintable(it.key()), it.value());
        if (detallado_) {
            // What the user was told, so that a reader can judge every refusal.
            QMap<QString, int> textos;
            for (const QString& texto : respuestas_.textos())
                ++textos[texto.section(QLatin1Char('\n'), 0, 0).left(160)];
            for (auto it = textos.cbegin(); it != textos.cend(); ++it)
                std::printf("  %5d x %s\n", it.value(), qPrintable(it.key()));
        }
        std::fflush(stdout);
    }

    inline static const QString kMarca = QStringLiteral("#unwritten#");

    const unsigned long long semilla_;
    const int acciones_;
    Azar azar_;
    const bool detallado_;
    RespuestaAutomatica respuestas_;

    int numero_ = 0;
    bool calma_ = true;
    std::atomic<qint64> inicioMs_{-1};
    std::mutex registroM_;
    QStringList registro_;
    QMap<QString, int> cuentas_;
    qint64 peorMs_ = -1;
    int peorAccion_ = 0;
    double segundos_ = 0;
};

}  // namespace

class TestMono : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The monkey reopens the main window itself when it is closed.
        QApplication::setQuitOnLastWindowClosed(false);
        // Every run starts in the first-start language, whatever the last run stored.
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VBA_32"))
            .remove(QStringLiteral("Torvel/Languaje"));
        VigilarSenales();
        AcallarPlataforma();
    }

    void accionesAlAzar()
    {
        bool leida = false;
        quint64 semilla = qEnvironmentVariable("TORVEL_MONKEY_SEED").toULongLong(&leida);
        if (!leida)
            semilla = 13013;
        int acciones = qEnvironmentVariableIntValue("TORVEL_MONKEY_ACTIONS", &leida);
        if (!leida || acciones <= 0)
            acciones = 2000;
        std::printf("monkey: seed %llu, %d actions\n", semilla, acciones);
        std::fflush(stdout);

        const QString fallo = Mono(semilla, acciones).Correr();
        DestruirVentanas();
        QVERIFY2(fallo.isEmpty(), qPrintable(fallo));
    }
};

QTEST_MAIN(TestMono)
#include "test_monkey.moc"
