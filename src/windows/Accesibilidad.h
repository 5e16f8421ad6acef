// Names that a screen reader announces for the input boxes of a window.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

// Each box with a label (its buddy) is announced by that label's text, in the
// language the window was opened in.
inline void NombrarCajasPorSusEtiquetas(QWidget* ventana)
{
    for (const QLabel* etiqueta : ventana->findChildren<QLabel*>()) {
        if (auto* caja = qobject_cast<QLineEdit*>(etiqueta->buddy()))
            caja->setAccessibleName(etiqueta->text().trimmed());
    }
}
