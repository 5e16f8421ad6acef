// A saved case (.torvel): the main window's inputs, options and calculation
// parameters as UTF-8 JSON. Qt Core only, so that it can serve a command line
// as well; the window fills its boxes from a Caso and builds one from them.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <cstdint>

// One box of a case: empty, a number, or a text that does not read as one
// (kept as typed, so that nothing typed is lost).
struct ValorCaso {
    enum class Tipo { Vacio, Numero, Texto };
    Tipo tipo = Tipo::Vacio;
    double numero = 0;
    QString texto;

    // As the user typed it. lecturaInicial: the box is read by its leading
    // number (NumeroInicial), so a number is kept only where both readings
    // agree ("1.500" is 1.5 there, 1500 in a Spanish locale's other boxes).
    static ValorCaso DesdeTexto(const QString& texto, bool lecturaInicial = false);
    QString ComoTexto() const;  // as the user would type it
    bool operator==(const ValorCaso& otro) const;
};

struct Caso {
    QString forma = QStringLiteral("rect");  // "rect", "trap" or "circle"
    // Keyed by the names of ClavesEntradas(); a key missing is an empty box.
    QList<QPair<QString, ValorCaso>> entradas;
    QString modoAlterno = QStringLiteral("depth");     // "depth" or "energy"
    QString fuenteTirante = QStringLiteral("manual");  // "boundary", "runge_kutta", "manual"
    double errorAdmisible = 0.001;
    int16_t puntosPerfil = 100;
    double umbralPasoInteligente = 0.1;
    bool pasoInteligente = true;
    QString titulo;
    QString notas;
    // The text each result box showed; written for reference, never read back.
    QList<QPair<QString, ValorCaso>> resultados;

    ValorCaso Entrada(const QString& clave) const;
};

constexpr int kVersionCaso = 1;
constexpr qint64 kTamanoMaximoCaso = 1024 * 1024;
extern const char kExtensionCaso[];  // "torvel"

// The input keys, in the order they are written.
const QList<QString>& ClavesEntradas();

// The whole file, indented.
QByteArray EscribirCaso(const Caso& caso);
// Reads and checks the whole file before anything is given back. On failure
// motivo says why, in the current language, naming the field at fault.
bool LeerCaso(const QString& ruta, Caso& caso, QString& motivo);
// The same checks on bytes already read.
bool InterpretarCaso(const QByteArray& datos, Caso& caso, QString& motivo);
