// Helpers shared by the window tests.
#pragma once

#include <QtTest>
#include <QtWidgets>

// How many visible top-level windows of class W there are.
template <class W>
int CuantasAbiertas()
{
    int cuantas = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        cuantas += qobject_cast<W*>(widget) && widget->isVisible();
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

// The first digits of an MD5, as the tests below write them down.
inline QByteArray Huella(QByteArrayView datos)
{
    return QCryptographicHash::hash(datos, QCryptographicHash::Md5).toHex().left(12);
}

// A picture against the print of its pixels written down; when they differ the picture is
// saved to look at and the print it has is told.
inline bool ImagenIgual(const QImage& imagen, const char* huella, const QString& nombre)
{
    const QImage rgb = imagen.convertToFormat(QImage::Format_RGB32);
    const QByteArray obtenida = Huella(QByteArrayView(rgb.constBits(), rgb.sizeInBytes()));
    const bool igual = obtenida == huella;
    if (!igual) {
        const QString ruta = QDir::temp().filePath("torvel-" + nombre + ".png");
        rgb.save(ruta);
        qInfo().noquote() << obtenida << "for" << ruta << "instead of" << huella;
    }
    return igual;
}

// A text against the print written down; the whole text is told when they differ.
inline bool TextoIgual(const QString& texto, const char* huella, const QString& nombre)
{
    const QByteArray obtenida = Huella(texto.toUtf8());
    if (obtenida != huella)
        qInfo().noquote() << obtenida << "for" << nombre << "instead of" << huella << "\n" << texto;
    return obtenida == huella;
}

// Every text a window shows or announces (its title; each named control's text, title,
// tooltip and accessible name, tabs and list items, whether it is usable and shown, where a label
// stands, a menu entry's shortcut, but not the numbers in its boxes), a line a control, sorted,
// against the print written down; the whole list is told when they differ.
inline bool TextosIguales(const QWidget* ventana, const char* huella)
{
    QStringList lineas{ventana->windowTitle()};
    for (const QObject* o : ventana->findChildren<QObject*>()) {
        if (o->objectName().isEmpty() || o->objectName().startsWith("qt_"))
            continue;
        QStringList partes{o->objectName()};
        for (const char* propiedad : {"text", "title", "toolTip", "accessibleName"})
            if (!qobject_cast<const QLineEdit*>(o) || qstrcmp(propiedad, "text") != 0)
                partes << o->property(propiedad).toString();
        if (const auto* w = qobject_cast<const QWidget*>(o))  // usable, shown
            partes << QString::number(w->isEnabled()) + QString::number(w->isVisibleTo(ventana));
        if (const auto* etiqueta = qobject_cast<const QLabel*>(o))  // where a line stands
            partes << QString::number(etiqueta->alignment()) +
                          QString::number(etiqueta->sizePolicy().verticalPolicy());
        if (const auto* a = qobject_cast<const QAction*>(o))
            partes << QString::number(a->isEnabled()) + a->shortcut().toString();
        if (const auto* pestanas = qobject_cast<const QTabWidget*>(o))
            for (int i = 0; i < pestanas->count(); ++i)
                partes << pestanas->tabText(i);
        if (const auto* lista = qobject_cast<const QComboBox*>(o))
            for (int i = 0; i < lista->count(); ++i)
                partes << lista->itemText(i);
        lineas << partes.join('|');
    }
    lineas.sort();
    return TextoIgual(lineas.join('\n'), huella, ventana->metaObject()->className());
}

// Answers the next file dialog: the filter named (if any) and the file chosen, or cancelled
// without a file; what the dialog proposed (its title and file) is added to vistos.
inline void ResponderDialogo(const QString& archivo, const QString& filtro, QStringList& vistos)
{
    QTimer::singleShot(0, [archivo, filtro, &vistos] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        vistos << d->windowTitle() << d->selectedFiles().value(0);
        d->selectNameFilter(filtro);
        d->selectFile(archivo);
        QMetaObject::invokeMethod(d, archivo.isEmpty() ? "reject" : "accept");
    });
}

// The named control of a window; a misspelt name stops the test at once.
template <class T = QWidget>
T* Hijo(const QObject* ventana, const QString& nombre)
{
    T* hijo = ventana->findChild<T*>(nombre);
    if (!hijo)
        qFatal("no control named %s", qPrintable(nombre));
    return hijo;
}

inline QString Texto(const QObject* ventana, const QString& caja)
{
    return Hijo<QLineEdit>(ventana, caja)->text();
}

// Typed over whatever the box held.
inline void Escribir(const QObject* ventana, const QString& caja, const QString& texto)
{
    Hijo<QLineEdit>(ventana, caja)->clear();
    QTest::keyClicks(Hijo<QLineEdit>(ventana, caja), texto);
}

// Clicked near the left edge: the middle of a wide option may miss both box and text.
inline void Pulsar(const QObject* ventana, const QString& boton)
{
    auto* b = Hijo<QAbstractButton>(ventana, boton);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, b->height() / 2));
}

// The text a result box shows for a number written with ".", in the decimal
// separator of the locale the program reads and writes with.
inline QString EnLocal(QString texto)
{
    return texto.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
}
