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
    NuevaTablaPerfil(v);  // rows 0 to N + 2, zeroed
    EXPECT_EQ(v.tablaPerfil, decltype(v.tablaPerfil)(103, {0.0, 0.0, 0.0}));
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
    Variables v = Perfil(1.5, 0, 1000);
    CalcularPerfil(v);
    const double yf = 2.2498490501380952;  // the boundary depth is not in the plot range
    EXPECT_EQ((std::vector<double>{v.pasoX, v.tablaPerfil[2][1], v.tiranteFinal,
                                   v.tablaPerfil[101][2], v.yMaxGraf}),
              (std::vector<double>{10, 10, yf, yf, yf}));

    // Backward the boundary is stored in row N + 1 and x still increases down the table.
    v = Perfil(1.5, 1000, 0);
    CalcularPerfil(v);
    EXPECT_EQ((std::vector<double>{
                  v.tablaPerfil[101][1], v.tablaPerfil[101][2], v.tablaPerfil[1][1], v.tiranteFinal,
                  v.tablaPerfil[0][2] + v.tablaPerfil[102][2], v.xMinGraf, v.xMaxGraf, v.yMinGraf}),
              (std::vector<double>{1000, 1.5, 0, v.tablaPerfil[1][2], 0, 0, 1000, 0}));
    EXPECT_NEAR(v.tiranteFinal, 1.14677387495, 1e-10);
    for (int r = 2; r <= 101; ++r)
        EXPECT_GT(v.tablaPerfil[r][1], v.tablaPerfil[r - 1][1]);

    v = Perfil(1.5, 0, -1000, 1);
    CalcularPerfil(v);
    EXPECT_EQ(FilasLlenas(v), 2);
    EXPECT_EQ(v.tablaPerfil[2][2], 1.5);
    EXPECT_EQ(v.tablaPerfil[1][1], -1000);
}

TEST(Perfil, ParaAlSalirDeSuZonaOInvertirse)
{
    // The stopping depth is returned and widens the plot range, but is not stored.
    const struct {
        double y0, xf;
        int16_t puntos, inteligente;
        int zona, filas;
        FinPerfil fin;
        double xFin;
    } casos[] = {
        // An M3 curve would cross yc at the third step: it ends at the second.
        {0.4, 100, 10, FALSO, 3, 3, FinPerfil::FueraDeZona, 20},
        // The first step would reach a negative depth: only the boundary is left.
        {1.2, -100000, 10, VERDADERO, 1, 1, FinPerfil::FueraDeSeccion, 0},
        // Forward: rows 2 and 3 are exempt, the test acts from row 4 on.
        {0.2, 800, 20, VERDADERO, 3, 3, FinPerfil::Inversion, 120},
        {0.1, 800, 10, VERDADERO, 3, 3, FinPerfil::Inversion, 240},
        // Backward with steps of 1 km the depth settles and turns back in its last
        // digits (rows N to N - 3 are exempt).
        {1.2, -100000, 100, VERDADERO, 1, 13, FinPerfil::Inversion, -13000},
    };
    for (const auto& c : casos) {
        Variables v = Perfil(c.y0, 0, c.xf, c.puntos);
        v.pasoInteligente = c.inteligente;
        CalcularPerfil(v);
        // The last stored row and the one before it in the direction of the march.
        const int s = c.xf > 0 ? 1 : -1, ultima = s > 0 ? c.filas : c.puntos + 2 - c.filas;
        const double y = v.tiranteFinal, y1 = v.tablaPerfil[ultima][2];
        const double y2 = v.tablaPerfil[ultima - s][2];
        EXPECT_EQ(v.zonaActual, c.zona) << c.y0;
        EXPECT_EQ(FilasLlenas(v), c.filas) << c.y0;
        EXPECT_EQ(v.perfil.metodo, MetodoPerfil::RungeKutta);
        EXPECT_EQ(v.perfil.fin, c.fin) << c.y0;
        EXPECT_EQ(v.perfil.xFin, c.xFin) << c.y0;
        if (c.fin == FinPerfil::Inversion)
            EXPECT_LT((y - y1) * (y1 - y2), 0) << c.y0;
        else  // the result is the last point inside, the table's last row
            EXPECT_EQ(y, y1) << c.y0;
    }
}

// A profile whose next step, or one of the intelligent step's shorter steps,
// would cross yc or reach the bed ends at its last point inside: yf is the
// table's last row, in the starting zone and above the bed, and x_end its x.
TEST(Perfil, TerminaEnSuUltimoPuntoDentro)
{
    // clang-format off
    const struct { double S, y0, xf; int16_t inteligente; FinPerfil fin; double xFin, yf; } casos[] = {
        {-0.002, 0.4, 25, VERDADERO, FinPerfil::FueraDeZona, 15.2607, 0.6114492273420961},
        {-0.002, 0.4, 25, FALSO, FinPerfil::FueraDeZona, 15.25, 0.6065732686986727},
        {0, 0.3, 80, VERDADERO, FinPerfil::FueraDeSeccion, 35.2, 0.5834654583229085},
        {0.05, 1, -100, VERDADERO, FinPerfil::FueraDeZona, -4.357, 0.6131226348404576},
        {0.05, 1, -100, FALSO, FinPerfil::FueraDeSeccion, -5, 0.617686543051092},
    };  // clang-format on
    for (const auto& c : casos) {
        Variables v = Perfil(c.y0, 0, c.xf, 100, c.S);
        v.pasoInteligente = c.inteligente;
        CalcularPerfil(v);
        EXPECT_TRUE(v.perfil.fin == c.fin && v.perfil.xFin == c.xFin && v.tiranteFinal == c.yf)
            << c.S << " " << c.inteligente << ": " << v.perfil.xFin << " " << v.tiranteFinal;
        const int ultima = c.xf > 0 ? FilasLlenas(v) : 102 - FilasLlenas(v);
        EXPECT_EQ(v.tablaPerfil[ultima], (std::array<double, 3>{0, c.xFin, c.yf}));
        EXPECT_EQ(ZonaTirante(v, c.yf), v.zonaInicial);
        // The rising curves' last point is the top of the plot.
        EXPECT_EQ(v.yMaxGraf == c.yf, c.yf > c.y0) << c.y0;
    }
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
    refinado.puntosPerfil = 1400;  // 1,400 refined steps are still within reach
    CalcularPerfil(refinado);
    EXPECT_EQ(refinado.perfil.fin, FinPerfil::Alcanzado);
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
