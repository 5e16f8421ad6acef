#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "Canales.h"

namespace {

// The reference channel with a boundary condition, yc and yn ready.
Variables Perfil(double y0, double x0, double xf, int16_t puntos = 100)
{
    Variables v = CanalEjemplo();
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

TEST(Zonas, RelativasAynYyc)
{
    Variables v = CanalEjemplo();
    v.tiranteCritico = 0.6;
    v.tiranteNormal = 1.1;
    EXPECT_EQ(ZonaTirante(v, 2), 1);
    EXPECT_EQ(ZonaTirante(v, 1.1), 1);  // at the upper level
    EXPECT_EQ(ZonaTirante(v, 0.8), 2);
    EXPECT_EQ(ZonaTirante(v, 0.6), 2);  // at the lower level
    EXPECT_EQ(ZonaTirante(v, 0.3), 3);

    v.tiranteNormal = 0.4;  // steep: yn below yc
    EXPECT_EQ(ZonaTirante(v, 0.6), 1);
    EXPECT_EQ(ZonaTirante(v, 0.5), 2);
    EXPECT_EQ(ZonaTirante(v, 0.3), 3);

    v.tiranteNormal = 0.6;  // critical slope
    EXPECT_EQ(ZonaTirante(v, 0.6), 2);
    EXPECT_EQ(ZonaTirante(v, 0.61), 1);

    v.pendiente = 0;  // flat or adverse bed: only yc counts
    v.tiranteNormal = 1.1;
    EXPECT_EQ(ZonaTirante(v, 0.7), 1);
    EXPECT_EQ(ZonaTirante(v, 0.6), 2);
    EXPECT_EQ(ZonaTirante(v, 0.1), 2);
}

TEST(TablaPerfil, FilasYLimitesDe16Bits)
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

TEST(RungeKutta, HaciaAdelanteLlenaDesdeLaFilaUno)
{
    Variables v = Perfil(1.5, 0, 1000);
    CalcularPerfil(v);
    EXPECT_EQ(v.pasoX, 10);
    EXPECT_EQ(v.tablaPerfil[1][1], 0);
    EXPECT_EQ(v.tablaPerfil[1][2], 1.5);
    EXPECT_EQ(v.tablaPerfil[101][1], 1000);
    EXPECT_EQ(v.tiranteFinal, v.tablaPerfil[101][2]);
    EXPECT_EQ(v.tablaPerfil[0][2], 0);
    EXPECT_EQ(v.tablaPerfil[102][2], 0);
    for (int r = 2; r <= 101; ++r) {
        EXPECT_GT(v.tablaPerfil[r][2], v.tablaPerfil[r - 1][2]);  // M1 rises downstream
        EXPECT_EQ(v.tablaPerfil[r][0], 0);
    }
    EXPECT_EQ(v.xMinGraf, 0);
    EXPECT_EQ(v.xMaxGraf, 1000);
    EXPECT_EQ(v.yMaxGraf, v.tiranteFinal);  // the boundary depth is not in the range
    EXPECT_EQ(v.yMinGraf, 0);
}

TEST(RungeKutta, HaciaAtrasGuardaLaFronteraEnNMasUno)
{
    Variables v = Perfil(1.5, 0, -1000);
    CalcularPerfil(v);
    EXPECT_EQ(v.tablaPerfil[101][1], 0);
    EXPECT_EQ(v.tablaPerfil[101][2], 1.5);
    EXPECT_EQ(v.tablaPerfil[1][1], -1000);
    EXPECT_EQ(v.tiranteFinal, v.tablaPerfil[1][2]);
    EXPECT_NEAR(v.tiranteFinal, 1.14677387495, 1e-10);
    for (int r = 2; r <= 101; ++r)
        EXPECT_GT(v.tablaPerfil[r][1], v.tablaPerfil[r - 1][1]);  // always increasing x
    EXPECT_EQ(v.xMinGraf, -1000);
    EXPECT_EQ(v.xMaxGraf, 0);
}

TEST(RungeKutta, UnSoloPaso)
{
    Variables v = Perfil(1.5, 0, -1000, 1);
    CalcularPerfil(v);
    EXPECT_EQ(FilasLlenas(v), 2);
    EXPECT_EQ(v.tablaPerfil[2][2], 1.5);
    EXPECT_EQ(v.tablaPerfil[1][1], -1000);
}

TEST(RungeKutta, ParaAlSalirDeSuZona)
{
    // An M3 curve rises towards yc and crosses it at the fourth step.
    Variables v = Perfil(0.4, 0, 100, 10);
    v.pasoInteligente = FALSO;
    CalcularPerfil(v);
    EXPECT_EQ(v.zonaInicial, 3);
    EXPECT_EQ(v.zonaActual, 2);
    EXPECT_EQ(FilasLlenas(v), 3);  // boundary and two steps
    EXPECT_GT(v.tiranteFinal, v.tiranteCritico);
    EXPECT_EQ(v.yMaxGraf, v.tiranteFinal);  // the stopping depth widens the range
    EXPECT_EQ(v.tablaPerfil[4][1], 0);
    EXPECT_EQ(v.tablaPerfil[4][2], 0);
    EXPECT_EQ(v.perfil.metodo, MetodoPerfil::RungeKutta);
    EXPECT_EQ(v.perfil.fin, FinPerfil::FueraDeZona);
    EXPECT_EQ(v.perfil.xFin, 30);  // the third step, whose depth was not stored
}

TEST(RungeKutta, ZonaCambiadaEnElPrimerPasoDejaProfundidadNegativa)
{
    Variables v = Perfil(1.2, 0, -100000, 10);
    CalcularPerfil(v);
    EXPECT_EQ(v.zonaActual, 3);
    EXPECT_LT(v.tiranteFinal, 0);
    EXPECT_EQ(v.yMinGraf, v.tiranteFinal);
    EXPECT_EQ(FilasLlenas(v), 1);
}

TEST(RungeKutta, ParaAlInvertirse)
{
    // Forward: rows 2 and 3 are exempt, the test acts from row 4 on.
    Variables adelante = Perfil(0.2, 0, 800, 20);
    CalcularPerfil(adelante);
    EXPECT_EQ(adelante.zonaActual, adelante.zonaInicial);
    EXPECT_EQ(FilasLlenas(adelante), 3);
    EXPECT_LT(adelante.tiranteFinal, adelante.tablaPerfil[3][2]);  // turned back, not stored
    EXPECT_EQ(adelante.tablaPerfil[4][2], 0);
    EXPECT_EQ(adelante.perfil.fin, FinPerfil::Inversion);
    EXPECT_EQ(adelante.perfil.xFin, 120);

    // Backward, with steps of 1 km: the depth settles on a level and turns
    // back in its last digits (rows N to N - 3 are exempt).
    Variables atras = Perfil(1.2, 0, -100000);
    CalcularPerfil(atras);
    EXPECT_EQ(atras.zonaActual, 1);
    EXPECT_EQ(FilasLlenas(atras), 13);
    EXPECT_EQ(atras.tablaPerfil[88][2], 0);
    EXPECT_GT(atras.tablaPerfil[89][2], atras.tablaPerfil[90][2]);
    EXPECT_LT(atras.tiranteFinal, atras.tablaPerfil[89][2]);
}

TEST(RungeKutta, PasoInteligenteYSuUmbral)
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

TEST(RungeKutta, EntradasQueNoPermitenAvanzar)
{
    Variables mismoX = Perfil(1.5, 10, 10);
    EXPECT_ERROR_CALCULO(CalcularPerfil(mismoX), TipoError::OperacionInvalida);

    Variables sinPuntos = Perfil(1.5, 0, 100, 0);
    EXPECT_ERROR_CALCULO(CalcularPerfil(sinPuntos), TipoError::DivisionPorCero);

    Variables demasiados = Perfil(1.5, 0, 100, 32766);
    EXPECT_ERROR_CALCULO(CalcularPerfil(demasiados), TipoError::Desbordamiento16);

    // Steps too short for the magnitude of the abscissas must not spin forever.
    Variables lejano = Perfil(1.5, 1e20, 1e20 + 1e5);
    EXPECT_ERROR_CALCULO(CalcularPerfil(lejano), TipoError::OperacionInvalida);

    // A discharge for which the Froude number at a depth of 2 m is exactly 1.
    Variables critico = Rectangular(1, 8.8588938361400409);
    EXPECT_ERROR_CALCULO(PendienteSuperficie(critico, 2), TipoError::DivisionPorCero);
}

TEST(RungeKutta, PresupuestoDeEvaluaciones)
{
    // Every one of 32,765 steps refined would take many seconds; it is
    // refused after about a second of work instead.
    Variables v = Perfil(1.5, 0, 1000, 32765);
    v.umbralPasoInteligente = -1;
    const auto inicio = std::chrono::steady_clock::now();
    EXPECT_ERROR_CALCULO(CalcularPerfil(v), TipoError::PasoDemasiadoFino);
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(20));
}

TEST(RungeKutta, TipoDelPerfilYComoTermina)
{
    struct Caso {
        double S, y0, xf;
        const char* tipo;
    };
    // The reference rectangle: yc 0.612; yn 1.096 at S 0.001, 0.403 at S 0.02.
    // Subcritical curves run upstream, supercritical ones downstream.
    const Caso casos[] = {
        {0.001, 1.5, -100, "M1"}, {0.001, 0.8, -100, "M2"}, {0.001, 0.4, 10, "M3"},
        {0.02, 1.0, -10, "S1"},   {0.02, 0.5, 10, "S2"},    {0.02, 0.3, 10, "S3"},
        {-0.001, 0.8, -10, "A2"}, {-0.001, 0.4, 10, "A3"},  {0, 0.8, -10, "H2"},
    };
    for (const Caso& k : casos) {
        Variables v = Perfil(k.y0, 0, k.xf, 10);
        v.pendiente = k.S;
        TirantesCriticoNormal(v);
        EXPECT_EQ(TipoPerfil(v), "") << k.tipo;  // no profile yet
        CalcularPerfil(v);
        EXPECT_EQ(TipoPerfil(v), k.tipo) << k.y0 << " on " << k.S;
        if (v.perfil.fin == FinPerfil::Alcanzado) {
            EXPECT_EQ(v.perfil.xFin, k.xf) << k.tipo;
        }
    }
}
