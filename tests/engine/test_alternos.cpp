#include <gtest/gtest.h>

#include <functional>

#include <cmath>

#include "Canales.h"

// The marches of the reference rectangle (yc 0.6121218): every result is yc
// plus or minus a whole number of 0.0001 m steps.
TEST(Marchas, EjemplosDelRectangulo)
{
    const double yc = 0.6121217862538432;
    Variables v = CanalEjemplo();
    TirantesAlternosEnergia(v, 1.5);
    const std::pair<double, double> resultados[] = {
        {TiranteAlterno(v, 1.0), 0.4007218},   {TiranteAlterno(v, 0.3), 1.5249218},
        {v.tiranteAlternoSup, 1.4451218},      {v.tiranteAlternoInf, 0.3104218},
        {TiranteConjugado(v, 0.3), 1.0956218}, {TiranteConjugado(v, 1.0), 0.3418218},
        {TiranteConjugado(v, 0.5), 0.7399218}};
    for (const auto& [y, esperado] : resultados) {
        EXPECT_NEAR(y, esperado, 5e-8);
        const double pasos = (y - yc) / 0.0001;
        EXPECT_NEAR(pasos, std::round(pasos), 1e-6) << y;
    }
    // The march leaves the elements of the depth it returns.
    EXPECT_EQ(v.tirante, resultados[6].first);
    EXPECT_EQ(TiranteConjugado(v, yc), yc);
    EXPECT_EQ(TiranteAlterno(v, yc), yc);
    EXPECT_EQ(v.tirante, yc);
    // At or below the critical energy both alternate depths are yc.
    const double Ec = v.energia;
    EXPECT_NEAR(Ec, 0.9181827, 5e-8);
    for (double E : {Ec, 0.5, 0.0, -1.0}) {
        TirantesAlternosEnergia(v, E);
        EXPECT_EQ(v.tiranteAlternoSup, yc);
        EXPECT_EQ(v.tiranteAlternoInf, yc);
    }
}

// A depth whose momentum is not positive has no conjugate: -1, however absurd the channel.
TEST(Marchas, ConjugadoSinMomentoPositivo)
{
    Variables v = CanalEjemplo();
    EXPECT_EQ(TiranteConjugado(v, -0.1), -1);
    EXPECT_EQ(TiranteConjugado(v, 0), -1);
    EXPECT_EQ(v.tiranteCritico, 0.6121217862538432);  // still recomputed first
    Variables absurdo = Rectangular(-2, -3, 0.015, 0);
    EXPECT_EQ(TiranteConjugado(absurdo, 0.3), -1);
}

TEST(Marchas, Fallas)
{
    // Zero discharge puts yc at 0, where the area vanishes: 0/0.
    Variables sinCaudal = Rectangular(2, 0), v = CanalEjemplo(), tubo = Circular(1, 0.5);
    EXPECT_ERROR_CALCULO(TiranteAlterno(sinCaudal, 1), TipoError::OperacionInvalida);
    EXPECT_ERROR_CALCULO(TiranteConjugado(sinCaudal, 1), TipoError::OperacionInvalida);
    EXPECT_ERROR_CALCULO(TiranteAlterno(v, 0), TipoError::DivisionPorCero);
    // Targets far above the critical energy stop 50 m from yc instead of marching for hours.
    EXPECT_ERROR_CALCULO(TirantesAlternosEnergia(v, 1e6), TipoError::SinResultado);
    EXPECT_ERROR_CALCULO(TiranteAlterno(v, 0.001), TipoError::SinResultado);
    EXPECT_ERROR_CALCULO(TiranteConjugado(v, 0.0001), TipoError::SinResultado);
    TirantesAlternosEnergia(v, 40);  // just inside the bound
    EXPECT_NEAR(v.tiranteAlternoSup, 40, 0.01);
    // A pipe's march stops at the crown; a march down stops at the bed (a force no
    // supercritical depth of the grid reaches).
    const std::pair<std::function<void()>, double> topes[] = {
        {[&] { TirantesAlternosEnergia(tubo, 5); }, 1.0}, {[&] { TiranteConjugado(v, 150); }, 0.0}};
    for (const auto& [marcha, tope] : topes) {
        try {
            marcha();
            ADD_FAILURE() << "expected the march to stop at " << tope;
        } catch (const ErrorCalculo& e) {
            EXPECT_EQ(std::make_pair(e.tipo(), e.valor()),
                      std::make_pair(TipoError::SinResultado, tope));
        }
    }
    EXPECT_ERROR_CALCULO(TiranteConjugado(tubo, 0.05), TipoError::SinResultado);
}
