#include <gtest/gtest.h>

#include "Canales.h"

// The section elements of the worked examples, each to 7 significant digits.
TEST(Geometria, EjemplosTrabajados)
{
    struct Caso {
        const char* nombre;
        Variables canal;
        double y, A, P, T, yCentroide, F, E, M, Sf, tension;
    };
    // 45 degrees read with pi as 3.1415 is not quite pi/4: the side slope is not exactly 1.
    const Caso casos[] = {
        {"rectangle", CanalEjemplo(), 1, 2, 4, 2, 0.5, 0.4789131, 1.114679, 1.458716, 0.001275670,
         6.250783},
        {"trapezoid", Trapezoidal(2, 45, 3), 1, 3.000046, 4.828493, 4.000093, 0.4444427, 0.3686632,
         1.050967, 1.639154, 0.0004243725, 2.583983},
        {"half-full pipe", Circular(1, 0.5), 0.5, 0.3926984, 1.570795, 1, 0.2122063, 0.6487043,
         0.5826271, 0.1482282, 0.001739625, 4.262077},
    };
    for (Caso k : casos) {
        ElementosHidraulicos(k.canal, k.y);
        const Variables& v = k.canal;
        // clang-format off
        const double obtenido[] = {v.area, v.perimetro, v.anchoSup, v.profCentroide, v.froude,
            v.energia, v.cantMovimiento, v.pendFriccion, v.tension, v.radioHidraulico * v.perimetro,
            v.velocidad * v.area, v.profHidraulica * v.anchoSup, v.tirante};
        const double esperado[] = {k.A, k.P, k.T, k.yCentroide, k.F, k.E, k.M, k.Sf, k.tension,
                                   k.A, v.caudal, k.A, k.y};
        // clang-format on
        for (int i = 0; i < 13; ++i)
            EXPECT_NEAR(obtenido[i], esperado[i], 5e-7 * esperado[i]) << k.nombre << ", " << i;
    }
}

TEST(Geometria, Taludes)
{
    EXPECT_NEAR(TaludAGrados(1), 45.0013272040556, 1e-12);
    // A converted angle gives back the side slope it came from.
    Variables v = Trapezoidal(2, TaludAGrados(2), 3);
    ElementosHidraulicos(v, 1);
    EXPECT_NEAR(v.taludZ, 2.0, 1e-15);
    Variables vertical = Trapezoidal(2, 90, 3), volcado = Trapezoidal(2, 100, 3);
    ElementosHidraulicos(vertical, 1);
    ElementosHidraulicos(volcado, 1);
    EXPECT_NEAR(vertical.taludZ, 4.63e-5, 1e-7);
    EXPECT_LT(volcado.taludZ, 0);
}

TEST(Geometria, FallasEnLosBordesDelDominio)
{
    const std::tuple<Variables, double, TipoError> casos[] = {
        {CanalEjemplo(), 0, TipoError::DivisionPorCero},
        {Rectangular(0, 3), 1, TipoError::OperacionInvalida},
        {Trapezoidal(2, 0, 3), 1, TipoError::DivisionPorCero},
        {Circular(1, 0.5), 1, TipoError::DivisionPorCero},
        {Circular(1, 0.5), 1.2, TipoError::OperacionInvalida},
        {Circular(1, 0.5), -0.1, TipoError::OperacionInvalida},
        {Circular(1, 0.5), 0, TipoError::DivisionPorCero},
        {Circular(0, 0.5), 0.5, TipoError::DivisionPorCero},
        {Canal(0, 2, 0, 3, 0.015, 0.001), 1, TipoError::OperacionInvalida},  // no shape chosen
        {Rectangular(1e200, 3), 1e200, TipoError::Desbordamiento},
        {Rectangular(2, 1e300), 1, TipoError::Desbordamiento},
    };
    for (auto [v, y, tipo] : casos)
        EXPECT_ERROR_CALCULO(ElementosHidraulicos(v, y), tipo);
    EXPECT_ERROR_CALCULO(TaludAGrados(0), TipoError::DivisionPorCero);
    EXPECT_ERROR_CALCULO(GradosARadianes(1e308), TipoError::Desbordamiento);
}

// torvel-calc prints these messages as they are, whatever the captions' language.
TEST(Geometria, MensajesDeLasFallas)
{
    // clang-format off
    const std::string tipos[] = {"division by zero", "invalid operation", "overflow",
        "16-bit overflow", "no result within bounds", "admissible error too small"};
    const std::string operaciones[] = {"section elements", "critical depth",
        "critical and normal depth scan", "alternate depth", "conjugate depth",
        "Runge-Kutta profile", "direct step profile", "angle conversion"};
    // clang-format on
    for (int t = 0; t < 6; ++t)
        for (int o = 0; o < 8; ++o)
            EXPECT_EQ(ErrorCalculo(TipoError(t), Operacion(o), 0.25).what(),
                      tipos[t] + " in " + operaciones[o] + " at 0.25");
    EXPECT_STREQ(ErrorCalculo(TipoError::Desbordamiento, Operacion::PasoDirecto).what(),
                 "overflow in direct step profile");  // no figure to give
}

// A new state is blank, and a calculation starts from the four start-up parameters.
TEST(Geometria, EstadoNuevo)
{
    const Variables v;
    // clang-format off
    const double numeros[] = {v.pendiente, v.nManning, v.caudal, v.tiranteBorde, v.xBorde,
        v.xBuscado, v.anchoFondo, v.anguloTalud, v.ancho, v.diametro, v.area, v.perimetro,
        v.radioHidraulico, v.anchoSup, v.profHidraulica, v.velocidad, v.froude, v.tirante,
        v.profCentroide, v.energia, v.cantMovimiento, v.pendFriccion, v.tension, v.taludZ,
        v.tiranteCritico, v.tiranteNormal, v.tiranteNormalConj, v.errorAdmisible,
        v.umbralPasoInteligente, v.tiranteBuscado, v.tiranteFinal, v.pasoX, v.tiranteAlternoSup,
        v.tiranteAlternoInf, v.yMaxGraf, v.yMinGraf, v.xMaxGraf, v.xMinGraf, v.perfil.xFin};
    const int16_t enteros[] = {v.esRectangular, v.esTrapezoidal, v.esCircular, v.normalHallado,
        v.puntosPerfil, v.pasoInteligente, v.zonaInicial, v.zonaActual, v.idioma, FALSO};
    // clang-format on
    for (double x : numeros)
        EXPECT_EQ(x, 0.0);
    for (int16_t x : enteros)
        EXPECT_EQ(x, 0);
    EXPECT_TRUE(v.tablaPerfil.empty() && v.perfil.metodo == MetodoPerfil::Ninguno);
    Variables d;
    ParametrosPorDefecto(d);
    EXPECT_EQ(std::make_tuple(d.errorAdmisible, d.puntosPerfil, d.umbralPasoInteligente,
                              d.pasoInteligente, VERDADERO),
              std::make_tuple(0.001, int16_t(100), 0.1, int16_t(-1), int16_t(-1)));
}
