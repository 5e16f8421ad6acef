#include "windows/TextosQt.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

const QString kTraduccion = QStringLiteral("qtbase_es");

}  // namespace

void AplicarIdiomaQt(int16_t idioma)
{
    // Windows without a font of their own (message boxes, menus, dialogs)
    // take the family of the main window.
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));

    // The translation lives as a child of the application: installed while
    // the language is Spanish, removed when it is English.
    auto* traductor = qApp->findChild<QTranslator*>(kTraduccion);
    if (idioma != 0) {
        delete traductor;  // its destructor uninstalls it
        return;
    }
    if (traductor)
        return;
    traductor = new QTranslator(qApp);
    traductor->setObjectName(kTraduccion);
    if (traductor->load(kTraduccion, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traductor);
    else
        delete traductor;  // not installed: Qt's texts stay in English
}
