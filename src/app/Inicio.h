// The program's start: splash, start-up warning, then the main window.
#pragma once

// Reads the stored language, fills the captions and shows the splash; the
// splash leads on to the start-up warning, and accepting it to the main window.
void IniciarAplicacion(int demoraMs = 1000);

// Whether Qt will find a screen to open windows on. Without one, Qt would
// abort with a long platform-plugin message; the program says instead, in one
// line, how to get a display.
bool HayPantalla();
