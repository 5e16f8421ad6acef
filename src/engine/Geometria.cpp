// Section geometry: every hydraulic element of a rectangular, trapezoidal or
// circular section for one depth.
//
//   SemiAnguloCircular    half central angle of a part-full circle
//   ElementosHidraulicos  area, perimeter, radius, widths, centroid, then the
//                         elements common to all shapes (Froude, energy,
//                         momentum, friction slope, shear stress)
//   GradosARadianes, TaludAGrados   the side-angle conversions (pi as 3.1415)
//
// Constants are the ones the results were always computed with: g = 9.81,
// 2g = 19.62, unit weight 9800 N/m3, pi = 3.14159 in the circular angle.
#include "engine/modFuncionesTorvel.h"

#include <cmath>

#include "engine/Aritmetica.h"

using aritmetica::Comprobador;

namespace {

void SeccionRectangular(Variables& v, double y, const Comprobador& c)
{
    const double b = v.ancho;
    v.area = c.finito(b * y);
    v.anchoSup = b;
    v.perimetro = c.finito((y + y) + b);
    v.profCentroide = c.finito(y / 2);
}

void SeccionTrapezoidal(Variables& v, double y, const Comprobador& c)
{
    const double b = v.anchoFondo;
    const double z = c.dividir(1, std::tan(v.anguloTalud));
    v.taludZ = z;
    v.area = c.finito((z * y + b) * y);
    v.perimetro = c.finito((y + y) * c.raiz(c.potencia(z, 2) + 1) + b);
    v.anchoSup = c.finito((z + z) * y + b);
    v.profCentroide = c.dividir(c.potencia(y, 3) * (z + z) / 6 + c.potencia(y, 2) * b / 2, v.area);
}

void SeccionCircular(Variables& v, double y, const Comprobador& c)
{
    const double D = v.diametro;
    const double theta = SemiAnguloCircular(v, y);
    const double seno = std::sin(theta);
    const double coseno = std::cos(theta);
    v.area = c.finito(c.potencia(D, 2) * (theta - coseno * seno) / 4);
    v.perimetro = c.finito(D * theta);
    v.anchoSup = c.finito(D * seno);
    v.profCentroide = c.dividir(
        (c.potencia(D, 3) / 24) * ((3 * seno - c.potencia(seno, 3)) - 3 * theta * coseno), v.area);
}

// Elements that depend only on A, P, T and the flow, in the order they were
// always evaluated.
void ElementosComunes(Variables& v, double y, const Comprobador& c)
{
    const double A = v.area;
    const double P = v.perimetro;
    const double T = v.anchoSup;
    const double Q = v.caudal;
    const double n = v.nManning;

    v.radioHidraulico = c.dividir(A, P);
    v.profHidraulica = c.dividir(A, T);
    // Q^2 enters three elements; one power gives the same number for all three.
    const double Q2 = c.potencia(Q, 2);
    v.froude = c.raiz(c.dividir(Q2 * T, c.potencia(A, 3) * 9.81));
    v.velocidad = c.dividir(Q, A);
    v.energia = c.finito(c.dividir(Q2, c.potencia(A, 2) * 19.62) + y);
    // A centroid depth of exactly -1 marks a momentum that cannot be formed.
    if (v.profCentroide == -1.0)
        v.cantMovimiento = -1.0;
    else
        v.cantMovimiento = c.finito(c.dividir(Q2 / 9.81, A) + v.profCentroide * A);
    v.pendFriccion = c.dividir(c.potencia(n, 2) * c.potencia(v.velocidad, 2),
                               c.potencia(v.radioHidraulico, 4.0 / 3.0));
    v.tension = c.finito(v.radioHidraulico * 9800 * v.pendFriccion);
}

}  // namespace

double SemiAnguloCircular(const Variables& v, double y)
{
    const Comprobador c(Operacion::ElementosSeccion, y);
    const double t = c.finito(1 - c.dividir(y + y, v.diametro));
    const double s = c.raiz(1 - t * t);
    return kPiCircular / 2 - std::atan(c.dividir(t, s));
}

void ElementosHidraulicos(Variables& v, double y)
{
    const Comprobador c(Operacion::ElementosSeccion, y);
    v.tirante = y;
    if (v.esRectangular)
        SeccionRectangular(v, y, c);
    else if (v.esTrapezoidal)
        SeccionTrapezoidal(v, y, c);
    else if (v.esCircular)
        SeccionCircular(v, y, c);
    else
        c.fallar(TipoError::OperacionInvalida);  // no shape chosen
    ElementosComunes(v, y, c);
}

double GradosARadianes(double grados)
{
    const Comprobador c(Operacion::ConversionAngulo, grados);
    return c.finito(grados * kPiAngulos / 180);
}

double TaludAGrados(double z)
{
    const Comprobador c(Operacion::ConversionAngulo, z);
    return RadianesAGrados(std::atan(c.dividir(1, z)));
}

double RadianesAGrados(double radianes)
{
    return radianes * 180 / kPiAngulos;
}
