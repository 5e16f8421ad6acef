// Writing a file the user asked for: into a temporary file of the same folder,
// renamed over the target only when everything was written (QSaveFile), so a
// failed save never leaves a half-written file behind.
#pragma once

#include <QString>
#include <functional>

class QIODevice;
class QWidget;

// Runs escribir on the open file and commits it. Any failure (a folder name,
// a missing folder, no permission, a write that fails) is told to the user in
// a message naming the file and the reason, in the current language, and
// gives false.
bool EscribirArchivo(QWidget* padre, const QString& ruta,
                     const std::function<bool(QIODevice&)>& escribir);

// The message of a file that could not be written, followed by false.
bool AvisarArchivoNoGuardado(QWidget* padre, const QString& ruta, const QString& motivo);
