// Helpers shared by the window tests.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <QPointer>
#include <QWidget>

// How many visible top-level windows of class W there are.
template <class W>
int CuantasAbiertas()
{
    int cuantas = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<W*>(widget) && widget->isVisible())
            ++cuantas;
    }
    return cuantas;
}

// Destroys every window a test left behind, including those that refuse to
// close, so that each test starts with none.
inline void DestruirVentanas()
{
    QList<QPointer<QWidget>> ventanas;
    for (QWidget* widget : QApplication::topLevelWidgets())
        ventanas << widget;
    for (const QPointer<QWidget>& ventana : ventanas) {
        if (ventana && !ventana->parentWidget())
            delete ventana.data();
    }
    for (const QPointer<QWidget>& ventana : ventanas)
        delete ventana.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The text a result box shows for a number written with ".", in the decimal
// separator of the locale the program reads and writes with.
inline QString EnLocal(QString texto)
{
    return texto.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
}
