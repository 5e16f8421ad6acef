#include <gtest/gtest.h>

#include <cmath>

#include "Canales.h"

namespace {

// The reference channel with a boundary condition, yc and yn ready.
Variables Perfil(double y0, double x0, double xf, int16_t puntos = 100, double S = 0.001)
{
    Variables v = CanalEjemplo(S);
    v.puntosPerfil = puntos;
    v.tiranteBorde = y0;
    v.xBorde = x0;
    v.xBuscado = xf;
    TirantesCriticoNormal(v);
    return v;
}

int FilasLlenas(const Variables& v)
{
    int llenas = 0;
    for (const auto& fila : v.tablaPerfil)
        llenas += fila[2] != 0;
    return llenas;
}

}  // namespace

TEST(Perfil, ZonasRelativasAynYyc)
{
    // Slope, yn and depth (yc is 0.6), and the zone; a depth on a level belongs to
    // the zone below it, except on a critical slope.
    const double casos[][4] = {
        {0.001, 1.1, 2, 1},   {0.001, 1.1, 1.1, 1},  {0.001, 1.1, 0.8, 2}, {0.001, 1.1, 0.6, 2},
        {0.001, 1.1, 0.3, 3}, {0.001, 0.4, 0.6, 1},  {0.001, 0.4, 0.5, 2}, {0.001, 0.4, 0.3, 3},
        {0.001, 0.6, 0.6, 2}, {0.001, 0.6, 0.61, 1}, {0, 1.1, 0.7, 1},     {0, 1.1, 0.6, 2},
        {0, 1.1, 0.1, 2},  // flat bed: only yc counts
    };
    for (const auto& k : casos) {
        Variables v = CanalEjemplo(k[0]);
        v.tiranteCritico = 0.6;
        v.tiranteNormal = k[1];
        EXPECT_EQ(ZonaTirante(v, k[2]), k[3]) << "S " << k[0] << " yn " << k[1] << " y " << k[2];
    }
}

TEST(Perfil, TablaConLimitesDe16Bits)
{
    Variables v;
    v.puntosPerfil = 100;
    v.tablaPerfil.assign(5, {1.0, 1.0, 1.0});
    NuevaTablaPerfil(v);
    ASSERT_EQ(v.tablaPerfil.size(), 103u);
    EXPECT_EQ(v.tablaPerfil[102][2], 0);
    v.puntosPerfil = 32765;
    NuevaTablaPerfil(v);
    EXPECT_EQ(v.tablaPerfil.size(), 32768u);
    v.puntosPerfil = 32766;
    EXPECT_ERROR_CALCULO(NuevaTablaPerfil(v), TipoError::Desbordamiento16);
    v.puntosPerfil = -5;
    EXPECT_ERROR_CALCULO(NuevaTablaPerfil(v), TipoError::OperacionInvalida);
}

TEST(Perfil, RungeKuttaEnAmbosSentidos)
{
    Variables adelante = Perfil(1.5, 0, 1000);
    CalcularPerfil(adelante);
    EXPECT_EQ(adelante.pasoX, 10);
    EXPECT_EQ(adelante.tablaPerfil[2][1], 10);
    EXPECT_EQ(adelante.tiranteFinal, 2.2498490501380952);
    EXPECT_EQ(adelante.tablaPerfil[101][2], adelante.tiranteFinal);
    EXPECT_EQ(adelante.yMaxGraf, adelante.tiranteFinal);  // the boundary depth is not in the range

    // Backward the boundary is stored in row N + 1 and x still increases down the table.
    Variables v = Perfil(1.5, 0, -1000);
    CalcularPerfil(v);
    EXPECT_EQ(v.tablaPerfil[101][1], 0);
    EXPECT_EQ(v.tablaPerfil[101][2], 1.5);
    EXPECT_EQ(v.tablaPerfil[1][1], -1000);
    EXPECT_EQ(v.tiranteFinal, v.tablaPerfil[1][2]);
    EXPECT_NEAR(v.tiranteFinal, 1.14677387495, 1e-10);
    for (int r = 2; r <= 101; ++r)
        EXPECT_GT(v.tablaPerfil[r][1], v.tablaPerfil[r - 1][1]);
    EXPECT_EQ(v.tablaPerfil[0][2] + v.tablaPerfil[102][2], 0);
    EXPECT_EQ(v.xMinGraf, -1000);
    EXPECT_EQ(v.xMaxGraf, 0);
    EXPECT_EQ(v.yMinGraf, 0);

    Variables unPaso = Perfil(1.5, 0, -1000, 1);
    CalcularPerfil(unPaso);
    EXPECT_EQ(FilasLlenas(unPaso), 2);
    EXPECT_EQ(unPaso.tablaPerfil[2][2], 1.5);
    EXPECT_EQ(unPaso.tablaPerfil[1][1], -1000);
}

TEST(Perfil, ParaAlSalirDeSuZonaOInvertirse)
{
    // An M3 curve crosses yc at the fourth step: boundary and two steps are stored.
    Variables m3 = Perfil(0.4, 0, 100, 10);
    m3.pasoInteligente = FALSO;
    CalcularPerfil(m3);
    EXPECT_EQ(m3.zonaInicial * 10 + m3.zonaActual, 32);
    EXPECT_EQ(FilasLlenas(m3), 3);
    EXPECT_GT(m3.tiranteFinal, m3.tiranteCritico);
    EXPECT_EQ(m3.yMaxGraf, m3.tiranteFinal);  // the stopping depth widens the range
    EXPECT_EQ(m3.tablaPerfil[4][1], 0);
    EXPECT_EQ(m3.perfil.metodo, MetodoPerfil::RungeKutta);
    EXPECT_EQ(m3.perfil.fin, FinPerfil::FueraDeZona);
    EXPECT_EQ(m3.perfil.xFin, 30);  // the third step, whose depth was not stored

    // Out of its zone at the first step: a negative depth, kept as the range's floor.
    Variables primero = Perfil(1.2, 0, -100000, 10);
    CalcularPerfil(primero);
    EXPECT_EQ(primero.zonaActual, 3);
    EXPECT_LT(primero.tiranteFinal, 0);
    EXPECT_EQ(primero.yMinGraf, primero.tiranteFinal);
    EXPECT_EQ(FilasLlenas(primero), 1);

    // Forward: rows 2 and 3 are exempt, the test acts from row 4 on.
    Variables adelante = Perfil(0.2, 0, 800, 20);
    CalcularPerfil(adelante);
    EXPECT_EQ(adelante.zonaActual, adelante.zonaInicial);
    EXPECT_EQ(FilasLlenas(adelante), 3);
    EXPECT_LT(adelante.tiranteFinal, adelante.tablaPerfil[3][2]);  // turned back, not stored
    EXPECT_EQ(adelante.perfil.fin, FinPerfil::Inversion);
    EXPECT_EQ(adelante.perfil.xFin, 120);
    Variables corto = Perfil(0.1, 0, 800, 10);  // turns back at the third row, still exempt
    CalcularPerfil(corto);
    EXPECT_EQ(FilasLlenas(corto), 3);

    // Backward with steps of 1 km the depth settles and turns back in its last
    // digits (rows N to N - 3 are exempt).
    Variables atras = Perfil(1.2, 0, -100000);
    CalcularPerfil(atras);
    EXPECT_EQ(atras.zonaActual, 1);
    EXPECT_EQ(FilasLlenas(atras), 13);
    EXPECT_EQ(atras.tablaPerfil[88][2], 0);
    EXPECT_GT(atras.tablaPerfil[89][2], atras.tablaPerfil[90][2]);
    EXPECT_LT(atras.tiranteFinal, atras.tablaPerfil[89][2]);
}

TEST(Perfil, PasoInteligenteYSuUmbral)
{
    auto unPaso = [](int16_t inteligente, double umbral) {
        Variables v = Perfil(0.7, 0, 50, 1);
        v.pasoInteligente = inteligente;
        v.umbralPasoInteligente = umbral;
        CalcularPerfil(v);
        EXPECT_EQ(v.pasoX, 50);  // back at full length after the fine steps
        return v.tiranteFinal;
    };
    Variables v = Perfil(0.7, 0, 50, 1);
    const double pendiente = std::abs(PendienteSuperficie(v, 0.7));
    const double simple = unPaso(FALSO, 0);
    EXPECT_EQ(unPaso(FALSO, -1), simple);             // off: never refined
    EXPECT_EQ(unPaso(VERDADERO, pendiente), simple);  // equal: not refined
    EXPECT_NE(unPaso(VERDADERO, std::nextafter(pendiente, 0.0)), simple);
    EXPECT_NE(unPaso(1, -0.3), simple);  // any non-zero value switches it on
}

TEST(Perfil, EntradasQueNoPermitenAvanzar)
{
    const std::pair<Variables, TipoError> casos[] = {
        {Perfil(1.5, 10, 10), TipoError::OperacionInvalida},
        {Perfil(1.5, 0, 100, 0), TipoError::DivisionPorCero},
        {Perfil(1.5, 0, 100, 32766), TipoError::Desbordamiento16},
        // Steps too short for the magnitude of the abscissas must not spin forever.
        {Perfil(1.5, 1e20, 1e20 + 1e5), TipoError::OperacionInvalida},
    };
    for (auto [v, tipo] : casos)
        EXPECT_ERROR_CALCULO(CalcularPerfil(v), tipo);
    // Every one of 32,765 steps refined would take many seconds; it is refused instead.
    Variables refinado = Perfil(1.5, 0, 1000, 32765);
    refinado.umbralPasoInteligente = -1;
    EXPECT_ERROR_CALCULO(CalcularPerfil(refinado), TipoError::PasoDemasiadoFino);
    // A discharge for which the Froude number at a depth of 2 m is exactly 1.
    Variables critico = Rectangular(1, 8.8588938361400409);
    EXPECT_ERROR_CALCULO(PendienteSuperficie(critico, 2), TipoError::DivisionPorCero);
}

TEST(Perfil, TipoYComoTermina)
{
    // yc 0.612; yn 1.096 at S 0.001, 0.403 at S 0.02. Subcritical curves run
    // upstream, supercritical ones downstream.
    const std::tuple<double, double, double, const char*> casos[] = {
        {0.001, 1.5, -100, "M1"}, {0.001, 0.8, -100, "M2"}, {0.001, 0.4, 10, "M3"},
        {0.02, 1.0, -10, "S1"},   {0.02, 0.5, 10, "S2"},    {0.02, 0.3, 10, "S3"},
        {-0.001, 0.8, -10, "A2"}, {-0.001, 0.4, 10, "A3"},  {0, 0.8, -10, "H2"},
    };
    for (const auto& [S, y0, xf, tipo] : casos) {
        Variables v = Perfil(y0, 0, xf, 10, S);
        EXPECT_EQ(TipoPerfil(v), "") << tipo;  // no profile yet
        CalcularPerfil(v);
        EXPECT_EQ(TipoPerfil(v), tipo) << y0 << " on " << S;
        EXPECT_EQ(v.perfil.fin == FinPerfil::Alcanzado ? v.perfil.xFin : xf, xf) << tipo;
    }
}
