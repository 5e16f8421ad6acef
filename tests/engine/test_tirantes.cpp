#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "Canales.h"
#include "engine/Csv.h"
#include "engine/Evaluador.h"

// yc and yn of the worked examples, to the last digit: the closed form of the
// rectangle, and grid points built by repeated addition everywhere else.
TEST(Tirantes, EjemplosExactos)
{
    struct Ejemplo {
        const char* nombre;
        Variables canal;
        double yc, yn;
        int16_t hallado;
    };
    const Ejemplo ejemplos[] = {
        {"rectangle", CanalEjemplo(), 0.6121217862538432, 1.0964999999999347, FALSO},
        {"steep rectangle", CanalEjemplo(0.02), 0.6121217862538432, 0.3775000000000003, FALSO},
        {"trapezoid", Trapezoidal(2, 45, 3), 0.5554999999999942, 0.7894999999999684, FALSO},
        {"pipe", Circular(1, 0.5), 0.3990000000000003, 0.5929999999999901, VERDADERO},
        {"pipe beyond its capacity", Circular(1, 2), 0.811999999999966, 0, FALSO},
        // Two changes of sign below the crown: the first one is yn.
        {"pipe with two changes", Circular(1, 0.79), 0.5064999999999996, 0.8634999999999603,
         VERDADERO},
        // No normal depth without a positive slope or roughness.
        {"flat rectangle", CanalEjemplo(0), 0.6121217862538432, 0, FALSO},
        {"adverse rectangle", CanalEjemplo(-0.001), 0.6121217862538432, 0, FALSO},
        {"trapezoid without n", Trapezoidal(2, 45, 3, 0), 0.5554999999999942, 0, FALSO},
        // Depths beyond the 50 m scans are not found.
        {"huge trapezoid", Trapezoidal(0.1, 45, 1e6, 0.015, 1e-6), 0, 0, FALSO},
        // The scan stops below a diameter that 0.001 + 0.0005 lands on exactly.
        {"tiny pipe", Circular(0.0015, 1e-7), 0, 0, FALSO},
    };
    for (Ejemplo e : ejemplos) {
        // Results of an earlier channel must not survive.
        e.canal.tiranteNormal = 9;
        e.canal.normalHallado = VERDADERO;
        TirantesCriticoNormal(e.canal);
        EXPECT_EQ(e.canal.tiranteCritico, e.yc) << e.nombre;
        EXPECT_EQ(e.canal.tiranteNormal, e.yn) << e.nombre;
        EXPECT_EQ(e.canal.normalHallado, e.hallado) << e.nombre;
    }
    Variables v = CanalEjemplo();
    TirantesCriticoNormal(v);
    EXPECT_NEAR(PendienteCritica(v), 0.0049140, 5e-8);
    EXPECT_EQ(v.tirante, v.tiranteCritico);
}

TEST(Tirantes, Fallas)
{
    for (double error : {0.0, -0.001, 1e-12, 1e-300}) {
        Variables v = Trapezoidal(2, 45, 3);
        v.errorAdmisible = error;
        EXPECT_ERROR_CALCULO(TirantesCriticoNormal(v), TipoError::PasoDemasiadoFino);
    }
    // The closed-form critical depth needs no scan: a rectangle without a
    // normal depth to look for is not refused.
    Variables rect = CanalEjemplo(0);
    rect.errorAdmisible = 0;
    TirantesCriticoNormal(rect);
    EXPECT_EQ(rect.tiranteCritico, 0.6121217862538432);
    Variables sinAncho = Rectangular(0, 3), caudalNegativo = Rectangular(2, -3);
    EXPECT_ERROR_CALCULO(TirantesCriticoNormal(sinAncho), TipoError::DivisionPorCero);
    EXPECT_ERROR_CALCULO(TirantesCriticoNormal(caudalNegativo), TipoError::OperacionInvalida);
}

TEST(Tirantes, ElPresupuestoCuentaLosPasosDados)
{
    // Some 220,000 steps of 0.000005 m reach yn: it is found, not refused.
    Variables v = CanalEjemplo();
    v.errorAdmisible = 0.00001;
    TirantesCriticoNormal(v);
    EXPECT_EQ(v.tiranteNormal, 1.0961800000029474);
    // No root below 50 m: that scan really runs past the budget.
    Variables enorme = Trapezoidal(0.1, 45, 1e6, 0.015, 1e-6);
    enorme.errorAdmisible = 0.00001;
    EXPECT_ERROR_CALCULO(TirantesCriticoNormal(enorme), TipoError::PasoDemasiadoFino);
}

// The quick evaluations of the scans and the profile give what the full ones give, to the
// bit or by the same fault, at ordinary and absurd depths, in every shape and at angles
// other than 45 degrees; and the full Manning residual is Q/A - R^(2/3) S^(1/2) / n.
TEST(Tirantes, EvaluacionRapidaIgualALaCompleta)
{
    EXPECT_NEAR(ResiduoNormal(*std::make_unique<Variables>(CanalEjemplo()), 1),
                1.5 - std::pow(0.5, 2.0 / 3.0) * std::sqrt(0.001) / 0.015, 1e-14);
    // The value to the last digit, or the fault.
    const auto valor = [](const std::function<double()>& f) {
        try {
            return NumeroExacto(f());
        } catch (const ErrorCalculo& e) {
            return std::string(e.what());
        }
    };
    // clang-format off
    const Variables canales[] = {CanalEjemplo(), Trapezoidal(2, 30, 3), Trapezoidal(0.5, 75, 1),
        Circular(1, 0.5), Rectangular(1e16, 3), Trapezoidal(2, 1e-14, 3), Circular(1, 1e16),
        Rectangular(2, 3, 1e-16), CanalEjemplo(-0.01)};
    for (const Variables& canal : canales)
        for (double y : {0.3, 0.8, 1e-17, 1e-7, 3e7, 1e17}) {
            Variables rapido = canal, completo = canal;
            Evaluador e(rapido);
            const std::function<double()> pares[][2] = {
                {[&] { return e.ResiduoCritico(y); },
                 [&] { return ElementosHidraulicos(completo, y), std::pow(completo.froude, 2) - 1; }},
                {[&] { return e.ResiduoNormal(y); }, [&] { return ResiduoNormal(completo, y); }},
                {[&] { return e.PendienteSuperficie(y); }, [&] { return PendienteSuperficie(completo, y); }}};
            for (const auto& [rapida, completa] : pares)
                EXPECT_EQ(valor(rapida), valor(completa)) << canal.anguloTalud << " " << y;
        }
    // clang-format on
}
