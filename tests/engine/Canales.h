// Channels of the worked examples, ready for the engine.
#pragma once

#include "engine/modFuncionesTorvel.h"

inline Variables Canal(double Q, double n, double S)
{
    Variables v;
    ParametrosPorDefecto(v);
    v.caudal = Q;
    v.nManning = n;
    v.pendiente = S;
    return v;
}

inline Variables Rectangular(double b, double Q, double n = 0.015, double S = 0.001)
{
    Variables v = Canal(Q, n, S);
    v.esRectangular = VERDADERO;
    v.ancho = b;
    return v;
}

inline Variables Trapezoidal(double b, double grados, double Q, double n = 0.015, double S = 0.001)
{
    Variables v = Canal(Q, n, S);
    v.esTrapezoidal = VERDADERO;
    v.anchoFondo = b;
    v.anguloTalud = GradosARadianes(grados);
    return v;
}

inline Variables Circular(double D, double Q, double n = 0.013, double S = 0.001)
{
    Variables v = Canal(Q, n, S);
    v.esCircular = VERDADERO;
    v.diametro = D;
    return v;
}

// The reference rectangle: width 2 m, 3 m3/s, n 0.015, slope 0.001.
inline Variables CanalEjemplo(double S = 0.001)
{
    return Rectangular(2, 3, 0.015, S);
}

#define EXPECT_ERROR_CALCULO(sentencia, tipoEsperado)                      \
    do {                                                                   \
        try {                                                              \
            sentencia;                                                     \
            ADD_FAILURE() << "no ErrorCalculo from " #sentencia;           \
        } catch (const ErrorCalculo& e) {                                  \
            EXPECT_EQ(e.tipo(), tipoEsperado) << e.what();                 \
        }                                                                  \
    } while (0)
