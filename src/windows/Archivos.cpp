#include "windows/Archivos.h"

#include <QDir>
#include <QFileDialog>
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

// A caption of a button that opens a dialog, without its "...", as the
// dialog's title.
QString SinPuntos(QString texto)
{
    while (texto.endsWith(QLatin1Char('.')))
        texto.chop(1);
    return texto;
}

// The folder of the last table or plot saved in this session.
QString& UltimaCarpeta()
{
    static QString carpeta;
    return carpeta;
}

QString PedirArchivo(QWidget* padre, const QString& boton, const QString& nombre,
                     const QString& filtros, const QStringList& conocidos)
{
    const QString propuesto = nombre + QLatin1Char('.') + conocidos.front();
    QString filtro;
    const QString ruta = QFileDialog::getSaveFileName(
        padre, SinPuntos(boton),
        UltimaCarpeta().isEmpty() ? propuesto : QDir(UltimaCarpeta()).filePath(propuesto), filtros,
        &filtro);
    if (ruta.isEmpty())
        return ruta;
    UltimaCarpeta() = QFileInfo(ruta).absolutePath();
    if (conocidos.contains(QFileInfo(ruta).suffix().toLower()))
        return ruta;
    const bool svg = conocidos.contains(QStringLiteral("svg")) &&
                     filtro.contains(QLatin1String("svg"));
    return ruta + QLatin1Char('.') + (svg ? QStringLiteral("svg") : conocidos.front());
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

QString PedirArchivoTabla(QWidget* padre, const QString& boton, const QString& nombre)
{
    return PedirArchivo(padre, boton, nombre, capFiltroCsv, {QStringLiteral("csv")});
}

QString PedirArchivoGrafico(QWidget* padre, const QString& boton, const QString& nombre)
{
    return PedirArchivo(padre, boton, nombre, capFiltroGrafico,
                        {QStringLiteral("png"), QStringLiteral("svg")});
}
