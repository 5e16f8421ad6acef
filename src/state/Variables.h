// The calculation state: every input, setting and result of the hydraulic
// calculations, in one struct. The input reader copies the main window's boxes
// into it, the engine reads its inputs from it and leaves its results in it, and
// the windows read the results back. Nothing else passes between them.
//
// Counts and flags are 16-bit integers, so that a count out of that range is a
// fault the user is told of; flags are true = -1, false = 0. Everything else is
// a double. Everything starts at zero.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

constexpr int16_t VERDADERO = -1;
constexpr int16_t FALSO = 0;

// The method of the last profile in tablaPerfil.
enum class MetodoPerfil : int16_t {
    Ninguno,      // no profile yet, or the last one was refused before any step
    RungeKutta,   // CalcularPerfil: the depth at a given abscissa
    PasoDirecto,  // PerfilPasoDirecto: the abscissa of a given depth
};

// How a profile ended. A direct step always reaches its target depth.
enum class FinPerfil : int16_t {
    Alcanzado,       // it reached xf (or the target depth)
    FueraDeZona,     // the depth crossed yc or yn and left its starting zone
    Inversion,       // the depth turned back (the surface reversed its trend)
    FueraDeSeccion,  // the next depth would lie at or below the bed, or at a pipe's crown
};

struct ResultadoPerfil {
    MetodoPerfil metodo = MetodoPerfil::Ninguno;
    FinPerfil fin = FinPerfil::Alcanzado;
    double xFin = 0;  // abscissa where it ended: xf, or that of the stopping step
};

struct Variables {
    // Section shape (exactly one is true after LeerDatos).
    int16_t esRectangular = 0;
    int16_t esTrapezoidal = 0;
    int16_t esCircular = 0;

    // Inputs, written only by LeerDatos.
    double pendiente = 0;     // bed slope S0 (m/m)
    double nManning = 0;      // Manning roughness n
    double caudal = 0;        // discharge Q (m3/s)
    double tiranteBorde = 0;  // boundary depth y0 (m)
    double xBorde = 0;        // boundary abscissa x0 (m)
    double xBuscado = 0;      // abscissa xf where the depth is sought (m)
    double anchoFondo = 0;    // trapezoid bottom width (m)
    double anguloTalud = 0;   // trapezoid side angle (rad)
    double ancho = 0;         // rectangle width (m)
    double diametro = 0;      // circle diameter (m)

    // Section elements of the last ElementosHidraulicos call.
    double area = 0;
    double perimetro = 0;
    double radioHidraulico = 0;
    double anchoSup = 0;
    double profHidraulica = 0;
    double velocidad = 0;
    double froude = 0;
    double tirante = 0;
    double profCentroide = 0;
    double energia = 0;
    double cantMovimiento = 0;
    double pendFriccion = 0;
    double tension = 0;
    double taludZ = 0;

    // Depth solver results.
    double tiranteCritico = 0;
    double tiranteNormal = 0;
    int16_t normalHallado = 0;
    double tiranteNormalConj = 0;

    // Calculation parameters (defaults set by the main window's load).
    double errorAdmisible = 0;
    int16_t puntosPerfil = 0;
    double umbralPasoInteligente = 0;
    int16_t pasoInteligente = 0;

    // Profiles and alternate depths.
    double tiranteBuscado = 0;
    double tiranteFinal = 0;
    double pasoX = 0;
    double tiranteAlternoSup = 0;
    double tiranteAlternoInf = 0;
    // Row r, column c is tablaPerfil[r][c]; column 1 holds x, column 2 the depth.
    std::vector<std::array<double, 3>> tablaPerfil;
    double yMaxGraf = 0;
    double yMinGraf = 0;
    double xMaxGraf = 0;
    double xMinGraf = 0;
    int16_t zonaInicial = 0;
    int16_t zonaActual = 0;
    // Which method drew the last profile and how it ended; read only by the
    // windows and tools that describe the profile, never by a calculation.
    ResultadoPerfil perfil;

    // Caption language: 0 Spanish, 1 English.
    int16_t idioma = 0;
};

// The application's single calculation state.
Variables& estado();

// The four calculation parameters at their start-up values.
void ParametrosPorDefecto(Variables& v);
