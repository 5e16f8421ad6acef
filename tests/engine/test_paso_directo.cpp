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

TEST(PasoDirecto, HaciaMayoresYMenoresX)
{
    Variables v = Directo(1.2, 1.5);
    const auto xT = PerfilPasoDirecto(v);
    ASSERT_TRUE(xT.has_value());
    EXPECT_NEAR(*xT, 710.748725, 1e-6);
    // Depths accumulate the increments; abscissas are stored to 4 decimals.
    const double filas[][3] = {{1, 0, 1.2},
                               {2, 12.062, 1.2029702970297029},
                               {3, 23.8592, 1.2059405940594059},
                               {102, 710.7487, 1.5000000000000002}};
    for (const auto& f : filas)
        EXPECT_EQ(v.tablaPerfil[int(f[0])], (std::array<double, 3>{0, f[1], f[2]}));
    for (int r = 2; r <= 102; ++r)
        EXPECT_GT(v.tablaPerfil[r][1], v.tablaPerfil[r - 1][1]);
    EXPECT_EQ(v.tablaPerfil[0][2], 0);
    EXPECT_EQ((std::vector<double>{v.xMinGraf, v.xMaxGraf, v.yMinGraf, v.yMaxGraf, v.tirante,
                                   v.perfil.xFin}),
              (std::vector<double>{0, 710.7487, 0, 1.5000000000000002, 1.5000000000000002, *xT}));
    EXPECT_NEAR(v.tiranteNormalConj, 0.2996218, 1e-7);
    EXPECT_EQ(v.perfil.metodo, MetodoPerfil::PasoDirecto);
    EXPECT_EQ(TipoPerfil(v), "M1");

    // Target below the boundary depth, reached upstream: the points fill rows N + 2 down to 1.
    v = Directo(2, 1.5, 100);
    ASSERT_LT(PerfilPasoDirecto(v).value_or(100), 100);
    EXPECT_EQ((std::vector<double>{v.tablaPerfil[102][1], v.tablaPerfil[102][2],
                                   v.tablaPerfil[1][2], v.xMaxGraf, v.xMinGraf, v.yMaxGraf}),
              (std::vector<double>{100, 2, 1.4999999999999996, 100, v.tablaPerfil[1][1], 2}));
}

TEST(PasoDirecto, ZonasDistintasNoSeCalculan)
{
    for (double yT : {0.8, 0.3, 0.0}) {  // across yn, across yc and yn, empty box
        Variables v = Directo(1.5, yT);
        v.perfil.metodo = MetodoPerfil::RungeKutta;  // an earlier profile
        EXPECT_FALSE(PerfilPasoDirecto(v).has_value());
        EXPECT_EQ(TipoPerfil(v), "");  // the refused one left no profile
        EXPECT_EQ(v.zonaInicial, 1);
        EXPECT_EQ(v.tablaPerfil, Directo(1.5, yT).tablaPerfil);  // untouched
        EXPECT_EQ(v.yMaxGraf, v.tiranteNormal);                  // yn is above yn*
        EXPECT_EQ(v.xMinGraf, 99999);
    }
}

TEST(PasoDirecto, Fallas)
{
    // Mean friction slope equal to the bed slope: no length can be found.
    Variables plano = CanalEjemplo();
    ElementosHidraulicos(plano, 1.2);
    const double sf1 = plano.pendFriccion;
    ElementosHidraulicos(plano, 1.3);
    plano.pendiente = (plano.pendFriccion + sf1) / 2;
    EXPECT_ERROR_CALCULO(PasoDirecto(plano, 0, 1.2, 1.3), TipoError::DivisionPorCero);
    Variables iguales = Directo(1.5, 1.5), desborde = Directo(1.2, 1.5);
    EXPECT_ERROR_CALCULO(PerfilPasoDirecto(iguales), TipoError::OperacionInvalida);
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
    ASSERT_LT(v.tiranteNormal, v.tiranteBorde);
    NuevaTablaPerfil(v);
    v.tiranteNormalConj = 0.77;  // stale value of an earlier calculation
    EXPECT_TRUE(PerfilPasoDirecto(v).has_value());
    EXPECT_EQ(v.tiranteNormalConj, 0);
}
