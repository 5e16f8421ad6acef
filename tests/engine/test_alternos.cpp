#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "Canales.h"

namespace {

// Every march result is yc plus or minus a whole number of 0.0001 m steps.
void EsPasoEntero(double y, double yc)
{
    const double pasos = (y - yc) / 0.0001;
    EXPECT_NEAR(pasos, std::round(pasos), 1e-6) << y;
}

}  // namespace

TEST(Alternos, DeUnTirante)
{
    Variables v = CanalEjemplo();
    const double yc = 0.6121217862538432;
    const double desdeRapido = TiranteAlterno(v, 1.0);
    EXPECT_NEAR(desdeRapido, 0.4007218, 5e-8);
    EsPasoEntero(desdeRapido, yc);
    const double desdeLento = TiranteAlterno(v, 0.3);
    EXPECT_NEAR(desdeLento, 1.5249218, 5e-8);
    EsPasoEntero(desdeLento, yc);
    EXPECT_EQ(TiranteAlterno(v, yc), yc);
}

TEST(Alternos, DeUnaEnergia)
{
    Variables v = CanalEjemplo();
    TirantesAlternosEnergia(v, 1.5);
    EXPECT_NEAR(v.tiranteAlternoSup, 1.4451218, 5e-8);
    EXPECT_NEAR(v.tiranteAlternoInf, 0.3104218, 5e-8);

    // At or below the critical energy both are the critical depth.
    ElementosHidraulicos(v, v.tiranteCritico);
    EXPECT_NEAR(v.energia, 0.9181827, 5e-8);
    for (double E : {v.energia, 0.5, 0.0, -1.0}) {
        TirantesAlternosEnergia(v, E);
        EXPECT_EQ(v.tiranteAlternoSup, v.tiranteCritico);
        EXPECT_EQ(v.tiranteAlternoInf, v.tiranteCritico);
    }
}

TEST(Conjugados, SaltoHidraulico)
{
    Variables v = CanalEjemplo();
    const double yc = 0.6121217862538432;
    EXPECT_NEAR(TiranteConjugado(v, 0.3), 1.0956218, 5e-8);
    EXPECT_NEAR(TiranteConjugado(v, 1.0), 0.3418218, 5e-8);
    const double desdeMedio = TiranteConjugado(v, 0.5);
    EXPECT_NEAR(desdeMedio, 0.7399218, 5e-8);
    EsPasoEntero(desdeMedio, yc);
    EXPECT_EQ(TiranteConjugado(v, yc), yc);
    // The march leaves the elements of the depth it returns.
    EXPECT_EQ(v.tirante, yc);
}

TEST(Conjugados, SinMomentoPositivoDaMenosUno)
{
    Variables v = CanalEjemplo();
    EXPECT_EQ(TiranteConjugado(v, -0.1), -1);
    EXPECT_EQ(TiranteConjugado(v, 0), -1);
    // The critical depth is still recomputed first.
    EXPECT_EQ(v.tiranteCritico, 0.6121217862538432);
}

TEST(Marchas, FallanSinCaudal)
{
    // Zero discharge puts yc at 0, where the area vanishes: 0/0.
    Variables v = Rectangular(2, 0);
    EXPECT_ERROR_CALCULO(TiranteAlterno(v, 1), TipoError::OperacionInvalida);
    EXPECT_ERROR_CALCULO(TiranteConjugado(v, 1), TipoError::OperacionInvalida);
    // A given depth of zero has no area.
    Variables ejemplo = CanalEjemplo();
    EXPECT_ERROR_CALCULO(TiranteAlterno(ejemplo, 0), TipoError::DivisionPorCero);
}

TEST(Marchas, ObjetivoLejanoTerminaConError)
{
    // Targets far above the critical energy would march for hours; the march
    // stops 50 m from yc instead, quickly.
    Variables v = CanalEjemplo();
    const auto inicio = std::chrono::steady_clock::now();
    EXPECT_ERROR_CALCULO(TirantesAlternosEnergia(v, 1e6), TipoError::SinResultado);
    EXPECT_ERROR_CALCULO(TiranteAlterno(v, 0.001), TipoError::SinResultado);
    EXPECT_ERROR_CALCULO(TiranteConjugado(v, 0.0001), TipoError::SinResultado);
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(5));

    // Just inside the bound the result is the ordinary one.
    TirantesAlternosEnergia(v, 40);
    EXPECT_NEAR(v.tiranteAlternoSup, 40, 0.01);
}

TEST(Marchas, TuberiaNoPasaDeLaCorona)
{
    Variables v = Circular(1, 0.5);
    try {
        TirantesAlternosEnergia(v, 5);
        ADD_FAILURE() << "expected the march to reach the crown";
    } catch (const ErrorCalculo& e) {
        EXPECT_EQ(e.tipo(), TipoError::SinResultado);
        EXPECT_EQ(e.valor(), 1.0);
    }
    EXPECT_ERROR_CALCULO(TiranteConjugado(v, 0.05), TipoError::SinResultado);
}
