#include "windows/Archivos.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

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

// The reason of the call that just failed: the system's error where it tells
// (a full disk or quota, a file too large; no permission, a read-only disk),
// else Qt's.
QString MotivoDelSistema(const QSaveFile& archivo, int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return capMotivoEscritura;
    case EACCES:
    case EPERM:
    case EROFS: return capMotivoPermiso;
    case 0: return Motivo(archivo);
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
    // A file in place that may not be written is not replaced behind its back
    // (the temporary file would be renamed over it).
    if (destino.exists() && !destino.isWritable())
        return AvisarArchivoNoGuardado(padre, ruta, capMotivoPermiso);
    QSaveFile archivo(ruta);
    errno = 0;
    if (!archivo.open(QIODevice::WriteOnly))
        return AvisarArchivoNoGuardado(padre, ruta, MotivoDelSistema(archivo, errno));
    // What is still in the file's buffer is written here, where a failure is
    // seen: commit() would drop a failure of its own last flush and keep a
    // truncated file.
    errno = 0;
    if (!escribir(archivo) || !archivo.flush()) {
        const int error = errno;
        archivo.cancelWriting();
        // A write fails for want of room, unless the system says it was refused.
        const bool negada = error == EACCES || error == EPERM || error == EROFS;
        const QString motivo = negada ? capMotivoPermiso : capMotivoEscritura;
        return AvisarArchivoNoGuardado(padre, ruta, motivo);
    }
    errno = 0;
    if (!archivo.commit())
        return AvisarArchivoNoGuardado(padre, ruta, MotivoDelSistema(archivo, errno));
    return true;
}
