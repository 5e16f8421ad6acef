#include <gtest/gtest.h>

#include "Canales.h"

namespace {

Variables Directo(double y0, double yT, double x0 = 0, int16_t puntos = 100)
{
    Variables v = CanalEjemplo();
    v.puntosPerfil = puntos;
    v.tiranteBorde = y0;
    v.tiranteBuscado = yT;
    v.xBorde = x0;
    TirantesCriticoNormal(v);
    NuevaTablaPerfil(v);
    return v;
}

}  // namespace

TEST(PasoDirecto, UnPaso)
{
    Variables v = CanalEjemplo();
    const double x = PasoDirecto(v, 0, 1.2, 1.5);
    EXPECT_GT(x, 0);  // an M1 curve deepens downstream
    EXPECT_EQ(v.tirante, 1.5);
    // Mean friction slope equal to the bed slope: no length can be found.
    Variables plano = CanalEjemplo();
    ElementosHidraulicos(plano, 1.2);
    const double sf1 = plano.pendFriccion;
    ElementosHidraulicos(plano, 1.3);
    plano.pendiente = (plano.pendFriccion + sf1) / 2;
    EXPECT_ERROR_CALCULO(PasoDirecto(plano, 0, 1.2, 1.3), TipoError::DivisionPorCero);
}

TEST(PasoDirecto, HaciaMayoresX)
{
    Variables v = Directo(1.2, 1.5);
    const auto xT = PerfilPasoDirecto(v);
    ASSERT_TRUE(xT.has_value());
    EXPECT_NEAR(*xT, 710.748725, 1e-6);
    EXPECT_EQ(v.tablaPerfil[1][1], 0);
    EXPECT_EQ(v.tablaPerfil[1][2], 1.2);
    EXPECT_EQ(v.tablaPerfil[102][2], 1.5000000000000002);  // accumulated, not 1.5
    EXPECT_EQ(v.tablaPerfil[0][2], 0);
    EXPECT_EQ(v.xMinGraf, 0);
    EXPECT_EQ(v.xMaxGraf, v.tablaPerfil[102][1]);
    EXPECT_EQ(v.yMaxGraf, v.tablaPerfil[102][2]);
    EXPECT_EQ(v.yMinGraf, 0);
    EXPECT_NEAR(v.tiranteNormalConj, 0.2996218, 1e-7);
    EXPECT_EQ(v.perfil.metodo, MetodoPerfil::PasoDirecto);
    EXPECT_EQ(v.perfil.xFin, *xT);
    EXPECT_EQ(TipoPerfil(v), "M1");
    for (int r = 2; r <= 102; ++r)
        EXPECT_GT(v.tablaPerfil[r][1], v.tablaPerfil[r - 1][1]);
}

TEST(PasoDirecto, HaciaMenoresX)
{
    // Target below the boundary depth: the depth counter runs downwards and
    // the points fill rows N + 2 down to 1.
    Variables v = Directo(2, 1.5, 100);
    const auto xT = PerfilPasoDirecto(v);
    ASSERT_TRUE(xT.has_value());
    EXPECT_LT(*xT, 100);
    EXPECT_EQ(v.tablaPerfil[102][1], 100);
    EXPECT_EQ(v.tablaPerfil[102][2], 2);
    EXPECT_EQ(v.tablaPerfil[1][2], 1.4999999999999996);
    EXPECT_EQ(v.xMaxGraf, 100);
    EXPECT_EQ(v.xMinGraf, v.tablaPerfil[1][1]);
    EXPECT_EQ(v.yMaxGraf, 2);
}

TEST(PasoDirecto, ZonasDistintasNoSeCalculan)
{
    for (double yT : {0.8, 0.3, 0.0}) {  // across yn, across yc and yn, empty box
        Variables v = Directo(1.5, yT);
        v.perfil.metodo = MetodoPerfil::RungeKutta;  // an earlier profile
        EXPECT_FALSE(PerfilPasoDirecto(v).has_value());
        EXPECT_EQ(TipoPerfil(v), "");  // the refused one left no profile
        EXPECT_EQ(v.zonaInicial, 1);
        for (const auto& fila : v.tablaPerfil)
            EXPECT_EQ(fila[2], 0);
        EXPECT_EQ(v.yMaxGraf, v.tiranteNormal > v.tiranteNormalConj ? v.tiranteNormal
                                                                      : v.tiranteNormalConj);
        EXPECT_EQ(v.xMinGraf, 99999);
    }
}

TEST(PasoDirecto, ProfundidadesIgualesSeRechazan)
{
    Variables v = Directo(1.5, 1.5);
    EXPECT_ERROR_CALCULO(PerfilPasoDirecto(v), TipoError::OperacionInvalida);
    Variables desborde = Directo(1.2, 1.5, 0, 100);
    desborde.puntosPerfil = 32767;
    EXPECT_ERROR_CALCULO(PerfilPasoDirecto(desborde), TipoError::Desbordamiento16);
}

TEST(PasoDirecto, TuberiaEmpinadaSinConjugadoDeYn)
{
    // The conjugate of yn would lie above the crown: no yn*, but a profile.
    Variables v = Circular(1, 0.5, 0.013, 1);
    v.tiranteBorde = 0.3;
    v.tiranteBuscado = 0.25;
    TirantesCriticoNormal(v);
    ASSERT_GT(v.tiranteNormal, 0);
    ASSERT_LT(v.tiranteNormal, v.tiranteBorde);
    NuevaTablaPerfil(v);
    v.tiranteNormalConj = 0.77;  // stale value of an earlier calculation
    EXPECT_TRUE(PerfilPasoDirecto(v).has_value());
    EXPECT_EQ(v.tiranteNormalConj, 0);
}
