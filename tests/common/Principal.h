// The main window and the state it computes with, shared by the window tests.
#pragma once

#include <cstddef>

#include "Ventanas.h"
#include "mainwindow/RungeKutta.h"
#include "state/Variables.h"

// The README's rectangle (b 2, slope 0.001, n 0.015, Q 3) with the profile's
// boundary at x 1000, y 1.5, as the boxes of the main window take it.
inline const QString kEjemplo =
    QStringLiteral("Text1=2;Text5=0.001;Text6=0.015;Text7=3;Text11=1000;Text8=1.5");

// Typed into a window's boxes, each number with the locale's separator:
// "Text1=2;Text5=0.001".
inline void EscribirCajas(const QObject* ventana, const QString& cajas)
{
    for (const QString& par : cajas.split(';', Qt::SkipEmptyParts))
        Escribir(ventana, par.section('=', 0, 0), EnLocal(par.section('=', 1)));
}

// A main window shown and active, with `cajas` typed in.
inline RungeKutta* AbrirPrincipal(const QString& cajas = {})
{
    auto* v = new RungeKutta;
    v->show();
    v->activateWindow();
    if (!QTest::qWaitForWindowActive(v))
        qFatal("the main window did not become active");
    EscribirCajas(v, cajas);
    return v;
}

// The live state as bytes, the profile table's contents in place of its address.
inline QByteArray FotoEstado()
{
    const Variables& v = estado();
    const char* p = reinterpret_cast<const char*>(&v);
    const size_t corte = offsetof(Variables, tablaPerfil), resto = corte + sizeof v.tablaPerfil;
    return QByteArray(p, corte) + QByteArray(p + resto, sizeof v - resto) +
           QByteArray(reinterpret_cast<const char*>(v.tablaPerfil.data()),
                      v.tablaPerfil.size() * sizeof v.tablaPerfil[0]);
}
