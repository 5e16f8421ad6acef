#include <gtest/gtest.h>

#include <chrono>

#include "Canales.h"

TEST(Tirantes, RectanguloDelEjemplo)
{
    Variables v = CanalEjemplo();
    TirantesCriticoNormal(v);
    EXPECT_EQ(v.tiranteCritico, 0.6121217862538432);  // closed form
    EXPECT_EQ(v.tiranteNormal, 1.0964999999999347);   // a grid point
    EXPECT_EQ(v.normalHallado, FALSO);

    Variables empinado = CanalEjemplo(0.02);
    TirantesCriticoNormal(empinado);
    EXPECT_EQ(empinado.tiranteNormal, 0.3775000000000003);
}

TEST(Tirantes, Trapecio)
{
    Variables v = Trapezoidal(2, 45, 3);
    TirantesCriticoNormal(v);
    EXPECT_EQ(v.tiranteCritico, 0.5554999999999942);
    EXPECT_EQ(v.tiranteNormal, 0.7894999999999684);
}

TEST(Tirantes, Circulo)
{
    Variables v = Circular(1, 0.5);
    TirantesCriticoNormal(v);
    EXPECT_EQ(v.tiranteCritico, 0.3990000000000003);
    EXPECT_EQ(v.tiranteNormal, 0.5929999999999901);
    EXPECT_EQ(v.normalHallado, VERDADERO);
}

TEST(Tirantes, CirculoQueNoConduceElCaudal)
{
    Variables lleno = Circular(1, 2);
    TirantesCriticoNormal(lleno);
    EXPECT_EQ(lleno.tiranteCritico, 0.811999999999966);
    EXPECT_EQ(lleno.tiranteNormal, 0);
    EXPECT_EQ(lleno.normalHallado, FALSO);

    // Above the full-pipe capacity but below the largest part-full one: two
    // changes of sign, the first one is the normal depth.
    Variables dos = Circular(1, 0.79);
    TirantesCriticoNormal(dos);
    EXPECT_EQ(dos.tiranteNormal, 0.8634999999999603);
    EXPECT_EQ(dos.normalHallado, VERDADERO);
}

TEST(Tirantes, SinPendienteOSinRugosidadNoHayNormal)
{
    for (double S : {0.0, -0.001}) {
        Variables v = CanalEjemplo(S);
        TirantesCriticoNormal(v);
        EXPECT_EQ(v.tiranteNormal, 0);
        EXPECT_EQ(v.tiranteCritico, 0.6121217862538432);
    }
    Variables sinN = Trapezoidal(2, 45, 3, 0);
    TirantesCriticoNormal(sinN);
    EXPECT_EQ(sinN.tiranteNormal, 0);
    EXPECT_EQ(sinN.tiranteCritico, 0.5554999999999942);

    Variables circ = Circular(1, 0.5, 0.013, -0.001);
    TirantesCriticoNormal(circ);
    EXPECT_EQ(circ.normalHallado, FALSO);
}

TEST(Tirantes, ResultadosAnterioresSeBorran)
{
    Variables v = CanalEjemplo();
    TirantesCriticoNormal(v);
    v.pendiente = 0;
    TirantesCriticoNormal(v);
    EXPECT_EQ(v.tiranteNormal, 0);

    Variables circ = Circular(1, 0.5);
    TirantesCriticoNormal(circ);
    circ.caudal = 2;
    TirantesCriticoNormal(circ);
    EXPECT_EQ(circ.normalHallado, FALSO);
    EXPECT_EQ(circ.tiranteNormal, 0);
}

TEST(Tirantes, TrapecioMasAllaDe50MetrosDaCero)
{
    Variables v = Trapezoidal(0.1, 45, 1e6, 0.015, 1e-6);
    TirantesCriticoNormal(v);
    EXPECT_EQ(v.tiranteCritico, 0);
    EXPECT_EQ(v.tiranteNormal, 0);
}

TEST(Tirantes, ErrorAdmisibleNuloOMinusculoSeRechaza)
{
    for (double error : {0.0, -0.001, 1e-12, 1e-300}) {
        Variables v = Trapezoidal(2, 45, 3);
        v.errorAdmisible = error;
        const auto inicio = std::chrono::steady_clock::now();
        EXPECT_ERROR_CALCULO(TirantesCriticoNormal(v), TipoError::PasoDemasiadoFino);
        EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(1));
    }
    // The closed-form critical depth needs no scan: a rectangle without a
    // normal depth to look for is not refused.
    Variables rect = CanalEjemplo(0);
    rect.errorAdmisible = 0;
    TirantesCriticoNormal(rect);
    EXPECT_EQ(rect.tiranteCritico, 0.6121217862538432);
}

TEST(Tirantes, ElBarridoCircularNoLlegaAlDiametro)
{
    // 0.001 + 0.0005 lands exactly on this diameter; the scan must stop below
    // it instead of dividing by zero at the crown.
    ASSERT_EQ(0.001 + 0.0005, 0.0015);
    Variables v = Circular(0.0015, 1e-7);
    TirantesCriticoNormal(v);
    EXPECT_LT(v.tiranteCritico, 0.0015);
    EXPECT_LT(v.tiranteNormal, 0.0015);
}

TEST(Tirantes, FallasDelCalculo)
{
    Variables sinAncho = Rectangular(0, 3);
    EXPECT_ERROR_CALCULO(TirantesCriticoNormal(sinAncho), TipoError::DivisionPorCero);
    Variables caudalNegativo = Rectangular(2, -3);
    EXPECT_ERROR_CALCULO(TirantesCriticoNormal(caudalNegativo), TipoError::OperacionInvalida);
}

TEST(Tirantes, PendienteCriticaDelEjemplo)
{
    Variables v = CanalEjemplo();
    TirantesCriticoNormal(v);
    EXPECT_NEAR(PendienteCritica(v), 0.0049140, 5e-8);
    EXPECT_EQ(v.tirante, v.tiranteCritico);

    Variables trapecio = Trapezoidal(2, 45, 3);
    TirantesCriticoNormal(trapecio);
    EXPECT_NEAR(PendienteCritica(trapecio), 0.003, 5e-4);
}
