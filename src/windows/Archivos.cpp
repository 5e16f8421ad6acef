#include "windows/Archivos.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "captions/Textos.h"
#include "windows/Mensajes.h"

namespace {

// The reason in the user's language. A folder that does not exist and a
// folder name are told apart before the file is opened, so a file that cannot
// be created or renamed into place is one the user may not write there.
QString Motivo(const QSaveFile& archivo)
{
    switch (archivo.error()) {
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError: return capMotivoEscritura;
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
    case QFileDevice::RenameError: return capMotivoPermiso;
    default: return archivo.errorString();
    }
}

}  // namespace

bool AvisarArchivoNoGuardado(QWidget* padre, const QString& ruta, const QString& motivo)
{
    MostrarMensaje(padre, capErrorGuardar.arg(QDir::toNativeSeparators(ruta), motivo));
    return false;
}

bool EscribirArchivo(QWidget* padre, const QString& ruta,
                     const std::function<bool(QIODevice&)>& escribir)
{
    const QFileInfo destino(ruta);
    if (ruta.isEmpty() || destino.isDir())
        return AvisarArchivoNoGuardado(padre, ruta, capMotivoCarpeta);
    if (!destino.absoluteDir().exists())
        return AvisarArchivoNoGuardado(padre, ruta, capMotivoSinCarpeta);
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly))
        return AvisarArchivoNoGuardado(padre, ruta, Motivo(archivo));
    if (!escribir(archivo)) {
        archivo.cancelWriting();
        return AvisarArchivoNoGuardado(padre, ruta, capMotivoEscritura);
    }
    if (!archivo.commit())
        return AvisarArchivoNoGuardado(padre, ruta, Motivo(archivo));
    return true;
}
