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

// The save dialogs of the tables (CSV) and plots (PNG or SVG, by the filter
// chosen). The title is the button's caption without its "..."; the dialog
// starts with nombre (no suffix) in the last folder used this session; the name
// chosen gets the format's suffix unless it already ends in a known one
// ("perfil.v2" becomes "perfil.v2.csv"). Empty when the user cancels.
QString PedirArchivoTabla(QWidget* padre, const QString& boton, const QString& nombre);
QString PedirArchivoGrafico(QWidget* padre, const QString& boton, const QString& nombre);

// The message of a file that could not be written, followed by false.
bool AvisarArchivoNoGuardado(QWidget* padre, const QString& ruta, const QString& motivo);
