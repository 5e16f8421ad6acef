#include <gtest/gtest.h>

#include <cmath>

#include "Canales.h"

TEST(Geometria, RectanguloDelEjemplo)
{
    Variables v = CanalEjemplo();
    ElementosHidraulicos(v, 1);
    EXPECT_EQ(v.tirante, 1);
    EXPECT_EQ(v.area, 2);
    EXPECT_EQ(v.perimetro, 4);
    EXPECT_EQ(v.radioHidraulico, 0.5);
    EXPECT_EQ(v.anchoSup, 2);
    EXPECT_EQ(v.profHidraulica, 1);
    EXPECT_EQ(v.velocidad, 1.5);
    EXPECT_NEAR(v.froude, 0.478913, 5e-7);
    EXPECT_EQ(v.profCentroide, 0.5);
    EXPECT_NEAR(v.energia, 1.114679, 5e-7);
    EXPECT_NEAR(v.cantMovimiento, 1.458716, 5e-7);
    EXPECT_NEAR(v.pendFriccion, 0.00127567, 5e-9);
    EXPECT_NEAR(v.tension, 6.25078, 5e-6);
}

TEST(Geometria, TrapecioConAnguloEnGrados)
{
    // 45 degrees read with pi as 3.1415 is not quite pi/4: z is not exactly 1.
    Variables v = Trapezoidal(2, 45, 3);
    EXPECT_DOUBLE_EQ(v.anguloTalud, 45 * 3.1415 / 180);
    ElementosHidraulicos(v, 1);
    EXPECT_NEAR(v.taludZ, 1.0000463, 5e-8);
    EXPECT_NEAR(v.area, 3.0000463, 5e-8);
    EXPECT_NEAR(v.perimetro, 4.828493, 5e-7);
    EXPECT_NEAR(v.anchoSup, 4.000093, 5e-7);
    EXPECT_NEAR(v.profCentroide, 0.4444427, 5e-8);
    EXPECT_NEAR(v.energia, 1.050967, 5e-7);
    EXPECT_NEAR(v.cantMovimiento, 1.639154, 5e-7);
}

TEST(Geometria, TaludesCasiVerticalYVolcado)
{
    Variables v = Trapezoidal(2, 90, 3);
    EXPECT_DOUBLE_EQ(v.anguloTalud, 1.570750);
    ElementosHidraulicos(v, 1);
    EXPECT_NEAR(v.taludZ, 4.63e-5, 1e-7);
    EXPECT_GT(v.taludZ, 0);

    Variables volcado = Trapezoidal(2, 100, 3);
    ElementosHidraulicos(volcado, 1);
    EXPECT_LT(volcado.taludZ, 0);
}

TEST(Geometria, CirculoAMediaAltura)
{
    Variables v = Circular(1, 0.5);
    EXPECT_NEAR(SemiAnguloCircular(v, 0.5), 1.570795, 1e-12);
    ElementosHidraulicos(v, 0.5);
    EXPECT_NEAR(v.area, 0.3926984, 5e-8);
    EXPECT_NEAR(v.perimetro, 1.570795, 5e-7);
    EXPECT_NEAR(v.anchoSup, 1.0, 1e-12);
    EXPECT_NEAR(v.profCentroide, 0.2122063, 5e-8);
    EXPECT_NEAR(v.energia, 0.5826271, 5e-8);
    EXPECT_NEAR(v.froude, 0.648704, 5e-7);
}

TEST(Geometria, CadaLlamadaSobrescribeTodo)
{
    Variables v = CanalEjemplo();
    ElementosHidraulicos(v, 1);
    ElementosHidraulicos(v, 0.5);
    Variables limpio = CanalEjemplo();
    ElementosHidraulicos(limpio, 0.5);
    EXPECT_EQ(v.area, limpio.area);
    EXPECT_EQ(v.energia, limpio.energia);
    EXPECT_EQ(v.cantMovimiento, limpio.cantMovimiento);
    EXPECT_EQ(v.tension, limpio.tension);
}

TEST(Geometria, FallasEnLosBordesDelDominio)
{
    Variables rect = CanalEjemplo();
    EXPECT_ERROR_CALCULO(ElementosHidraulicos(rect, 0), TipoError::DivisionPorCero);

    Variables sinAncho = Rectangular(0, 3);
    EXPECT_ERROR_CALCULO(ElementosHidraulicos(sinAncho, 1), TipoError::OperacionInvalida);

    Variables trapecioPlano = Trapezoidal(2, 0, 3);
    EXPECT_ERROR_CALCULO(ElementosHidraulicos(trapecioPlano, 1), TipoError::DivisionPorCero);

    Variables circ = Circular(1, 0.5);
    EXPECT_ERROR_CALCULO(ElementosHidraulicos(circ, 1), TipoError::DivisionPorCero);
    EXPECT_ERROR_CALCULO(ElementosHidraulicos(circ, 1.2), TipoError::OperacionInvalida);
    EXPECT_ERROR_CALCULO(ElementosHidraulicos(circ, -0.1), TipoError::OperacionInvalida);
    EXPECT_ERROR_CALCULO(ElementosHidraulicos(circ, 0), TipoError::DivisionPorCero);

    Variables sinDiametro = Circular(0, 0.5);
    EXPECT_ERROR_CALCULO(ElementosHidraulicos(sinDiametro, 0.5), TipoError::DivisionPorCero);

    Variables sinForma = Canal(3, 0.015, 0.001);
    EXPECT_ERROR_CALCULO(ElementosHidraulicos(sinForma, 1), TipoError::OperacionInvalida);
}

TEST(Geometria, DesbordamientoNoPasaEnSilencio)
{
    Variables enorme = Rectangular(1e200, 3);
    EXPECT_ERROR_CALCULO(ElementosHidraulicos(enorme, 1e200), TipoError::Desbordamiento);
    Variables caudalEnorme = Rectangular(2, 1e300);
    EXPECT_ERROR_CALCULO(ElementosHidraulicos(caudalEnorme, 1), TipoError::Desbordamiento);
}

TEST(Geometria, ConversionesDeAngulo)
{
    EXPECT_EQ(GradosARadianes(45), 45 * 3.1415 / 180);
    EXPECT_NEAR(TaludAGrados(1), 45.0013272040556, 1e-12);
    EXPECT_NEAR(TaludAGrados(2), 26.5658346713815, 1e-12);
    EXPECT_NEAR(TaludAGrados(0.5), 63.4368197367297, 1e-12);
    // A converted angle gives back the side slope it came from.
    Variables v = Trapezoidal(2, TaludAGrados(1), 3);
    ElementosHidraulicos(v, 1);
    EXPECT_NEAR(v.taludZ, 1.0, 1e-15);
    EXPECT_ERROR_CALCULO(TaludAGrados(0), TipoError::DivisionPorCero);
    EXPECT_ERROR_CALCULO(GradosARadianes(1e308), TipoError::Desbordamiento);
}
