// Plain-language reasons for the engine's faults.
#pragma once

#include <QString>

class ErrorCalculo;

// Why a calculation failed, in the current language, for capFalloMensaje.
// cajaTirante: the box whose depth the calculation used, named when that depth
// was 0 (empty when none was typed).
QString ExplicarError(const ErrorCalculo& e, const QString& cajaTirante = QString());
