// The stored language choice.
#include "windows/Idioma.h"

#include <QSettings>
#include <QString>
#include <QVariant>

// The language is kept under the organization "VBA_32" with no application name, so the
// store is the file VBA_32.conf of the user's configuration folder: group "Torvel", key
// "Languaje" (sic), text "0" or "1".
bool LeerIdioma(Variables& v)
{
    v.idioma = 1;
    QSettings almacen(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VBA_32"));
    const QVariant valor = almacen.value(QStringLiteral("Torvel/Languaje"));
    if (almacen.status() != QSettings::NoError)
        return false;
    if (!valor.isValid())
        return true;  // first start: English
    const QString texto = valor.toString();
    if (texto == QLatin1String("0"))
        v.idioma = 0;
    // Anything but "0" or "1" was edited by hand outside the program.
    return texto == QLatin1String("0") || texto == QLatin1String("1");
}

bool GuardarIdioma(const Variables& v)
{
    const QString texto = QString::number(v.idioma);
    {
        QSettings almacen(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VBA_32"));
        almacen.setValue(QStringLiteral("Torvel/Languaje"), texto);
        almacen.sync();
    }
    // A store that was corrupt keeps reporting its first error even after the
    // write has repaired it, so success is judged by reading the value back.
    QSettings comprobacion(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VBA_32"));
    return comprobacion.value(QStringLiteral("Torvel/Languaje")).toString() == texto &&
           comprobacion.status() == QSettings::NoError;
}
