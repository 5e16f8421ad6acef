// Channels of the worked examples, ready for the engine.
#pragma once

#include "engine/modFuncionesTorvel.h"

// Shape 0 none, 1 rectangular (a = width), 2 trapezoidal (a = base width,
// b = side angle in degrees), 3 circular (a = diameter).
inline Variables Canal(int forma, double a, double b, double Q, double n, double S)
{
    Variables v;
    ParametrosPorDefecto(v);
    v.esRectangular = forma == 1 ? VERDADERO : FALSO;
    v.esTrapezoidal = forma == 2 ? VERDADERO : FALSO;
    v.esCircular = forma == 3 ? VERDADERO : FALSO;
    v.ancho = v.anchoFondo = v.diametro = a;
    v.anguloTalud = GradosARadianes(b);
    v.caudal = Q;
    v.nManning = n;
    v.pendiente = S;
    return v;
}

inline Variables Rectangular(double b, double Q, double n = 0.015, double S = 0.001)
{
    return Canal(1, b, 0, Q, n, S);
}

inline Variables Trapezoidal(double b, double grados, double Q, double n = 0.015, double S = 0.001)
{
    return Canal(2, b, grados, Q, n, S);
}

inline Variables Circular(double D, double Q, double n = 0.013, double S = 0.001)
{
    return Canal(3, D, 0, Q, n, S);
}

// The reference rectangle: width 2 m, 3 m3/s, n 0.015, slope 0.001.
inline Variables CanalEjemplo(double S = 0.001)
{
    return Rectangular(2, 3, 0.015, S);
}
