// The calculation layer: every refusal rule once, and each result equal to the
// engine's operations run in the panels' order on the same inputs.
#include <gtest/gtest.h>

#include <functional>

#include "../engine/Canales.h"
#include "calc/Calculos.h"

namespace {

using calculo::Dato;
using Motivo = calculo::Rechazo::Motivo;

// A profile's boundary condition on the reference rectangle.
Variables ConBorde(double x0, double y0, double xf)
{
    Variables v = Rectangular(2, 3);
    v.xBorde = x0, v.tiranteBorde = y0, v.xBuscado = xf;
    return v;
}

// Refused for that reason, naming that input.
template <class T>
bool Rechaza(const calculo::Calculo<T>& c, Motivo motivo, Dato dato)
{
    return !c.hecho() && c.rechazo().motivo == motivo && c.rechazo().dato == dato;
}

}  // namespace

// Each panel's rules, in the order it checks them: the first input at fault is
// the one named, and a value just inside the rule is computed.
TEST(Calculos, CadaPanelRechazaSusDatosFaltantes)
{
    using V = Variables&;
    // clang-format off
    const struct { const char* panel; std::function<void(V)> cambio; Motivo motivo; Dato dato; }
    casos[] = {
        {"uniform", [](V v) { v.pendiente = 0; }, Motivo::Cero, Dato::Pendiente},
        {"uniform", [](V v) { v.nManning = -0.015; }, Motivo::NoPositivo, Dato::Manning},
        {"uniform", [](V v) { v.caudal = 0, v.nManning = 0; }, Motivo::NoPositivo, Dato::Manning},
        {"uniform", [](V v) { v.caudal = 0; }, Motivo::NoPositivo, Dato::Caudal},
        {"uniform", [](V v) { v.errorAdmisible = 0; }, Motivo::Cero, Dato::ErrorAdmisible},
        {"rk", [](V v) { v.tiranteBorde = 0, v.nManning = 0; }, Motivo::Cero, Dato::TiranteBorde},
        {"rk", [](V v) { v.xBuscado = v.xBorde, v.caudal = 0; }, Motivo::IgualAlBorde, Dato::XBuscado},
        {"rk", [](V v) { v.nManning = 0; }, Motivo::NoPositivo, Dato::Manning},
        {"rk", [](V v) { v.caudal = -1; }, Motivo::NoPositivo, Dato::Caudal},
        {"rk", [](V v) { v.puntosPerfil = 0; }, Motivo::Cero, Dato::PuntosPerfil},
        {"direct", [](V v) { v.nManning = 0, v.tiranteBorde = 0; }, Motivo::NoPositivo, Dato::Manning},
        {"direct", [](V v) { v.caudal = 0; }, Motivo::NoPositivo, Dato::Caudal},
        {"direct", [](V v) { v.tiranteBorde = -1.5; }, Motivo::NoPositivo, Dato::TiranteBorde},
        {"direct", [](V v) { v.puntosPerfil = 0; }, Motivo::Cero, Dato::PuntosPerfil},
        {"direct", [](V v) { v.tiranteBorde = 1.2; }, Motivo::IgualAlBorde, Dato::TiranteBuscado},
        {"direct", [](V v) { v.tiranteBorde = 0.5; }, Motivo::ZonasDistintas, Dato::TiranteBuscado},
        {"elements", [](V v) { v.nManning = 0; }, Motivo::NoPositivo, Dato::Manning},
        {"elements", [](V v) { v.caudal = 0; }, Motivo::NoPositivo, Dato::Caudal},
        {"elements", [](V v) { v.tirante = 0; }, Motivo::NoPositivo, Dato::Tirante},
    };  // clang-format on
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.panel);
        Variables v = ConBorde(1000, 1.5, 0);
        v.tirante = 1;  // the depth given to the elements
        caso.cambio(v);
        const std::string panel = caso.panel;
        if (panel == "uniform")
            EXPECT_TRUE(Rechaza(calculo::FlujoUniforme(v), caso.motivo, caso.dato));
        else if (panel == "rk")
            EXPECT_TRUE(Rechaza(calculo::PerfilRungeKutta(v), caso.motivo, caso.dato));
        else if (panel == "direct")
            EXPECT_TRUE(Rechaza(calculo::PerfilPasoDirecto(v, 1.2), caso.motivo, caso.dato));
        else
            EXPECT_TRUE(Rechaza(calculo::Elementos(v, v.tirante), caso.motivo, caso.dato));
    }
    // A negative bed slope is an input, not missing data.
    Variables adversa = Rectangular(2, 3, 0.015, -0.002);
    EXPECT_TRUE(calculo::FlujoUniforme(adversa).hecho());
    // The alternate and conjugate panels check nothing: n and Q of 0 still compute.
    Variables sinN = Rectangular(2, 3, 0);
    EXPECT_NEAR(calculo::AlternoDeTirante(sinN, 1)->tirante, 0.4007, 5e-5);
    EXPECT_NEAR(calculo::Conjugado(sinN, 0.3)->tirante, 1.0956, 5e-5);
}

// What the state a calculation leaves must hold for whatever shows it next; the
// numbers themselves are compared with the engine through torvel-calc
// (test_cli) and with the panels (test_frentes).
TEST(Calculos, EstadoQueDejaCadaCalculo)
{
    for (const Variables& canal : {Rectangular(2, 3), Circular(1, 0.5), Circular(1, 2)}) {
        const auto u = calculo::FlujoUniforme(canal);
        Variables v = canal;
        if (!u->qLleno)  // the elements of yn stay
            ElementosHidraulicos(v, u->yn);
        EXPECT_TRUE(u->qLleno || u.estado.energia == v.energia);
        EXPECT_EQ(u->pct.has_value(), canal.esCircular && !u->qLleno);
        EXPECT_EQ(u->tipo, u->qLleno ? "" : "M");
    }

    Variables v = ConBorde(1000, 1.5, 0);
    const auto rk = calculo::PerfilRungeKutta(v);
    ASSERT_TRUE(rk.hecho());
    TirantesCriticoNormal(v);
    CalcularPerfil(v);
    EXPECT_EQ(rk->tiranteFinal, v.tiranteFinal);
    EXPECT_EQ(rk.estado.tiranteNormalConj, ConjugadoDeNormal(v));
    EXPECT_GE(rk.estado.yMaxGraf, rk.estado.tiranteNormalConj);
    EXPECT_EQ(rk.estado.tablaPerfil, v.tablaPerfil);
    ElementosHidraulicos(v, v.tiranteFinal);
    EXPECT_EQ(rk->energia, v.energia);

    const auto directo = calculo::PerfilPasoDirecto(ConBorde(1000, 1.5, 0), 1.2);
    ASSERT_TRUE(directo.hecho());
    EXPECT_NEAR(directo->xFinal, 289.25, 0.005);
    EXPECT_EQ(directo.estado.tiranteBuscado, 1.2);
    EXPECT_EQ(directo.estado.perfil.metodo, MetodoPerfil::PasoDirecto);
    // A refused direct step leaves a fresh, empty table: no profile to describe.
    const auto igual = calculo::PerfilPasoDirecto(ConBorde(1000, 1.5, 0), 1.5);
    EXPECT_EQ(igual.estado.tablaPerfil.size(), 103u);
    EXPECT_EQ(igual.estado.tablaPerfil[1][2], 0);

    Variables elementos = Trapezoidal(2, 30, 3);
    const auto e = calculo::Elementos(elementos, 0.8);
    ElementosHidraulicos(elementos, 0.8);
    EXPECT_EQ(e.estado.energia, elementos.energia);
    EXPECT_EQ(e.estado.cantMovimiento, elementos.cantMovimiento);

    const auto alternos = calculo::AlternosDeEnergia(Rectangular(2, 3), 1.5);
    EXPECT_NEAR(alternos->inferior, 0.3104, 5e-5);
    EXPECT_NEAR(alternos->superior, 1.4451, 5e-5);
}

// A profile that ends early is a result when it took a step, and refused when it
// could not take one: explained by the boundary at yc, or by steps too long.
TEST(Calculos, PerfilSinUnPasoSeRechaza)
{
    Variables m3 = ConBorde(0, 0.4, 100);  // leaves its zone after two steps
    m3.puntosPerfil = 10;
    m3.pasoInteligente = FALSO;
    const auto corto = calculo::PerfilRungeKutta(m3);
    EXPECT_TRUE(corto.hecho() && corto.estado.perfil.fin == FinPerfil::FueraDeZona &&
                corto.estado.perfil.xFin == 20);

    Variables empinado =
        Trapezoidal(2, 45, 3, 0.015, 0.05);  // the first step reaches below the bed
    empinado.xBorde = 0, empinado.tiranteBorde = 1, empinado.xBuscado = -1000;
    EXPECT_TRUE(Rechaza(calculo::PerfilRungeKutta(empinado), Motivo::SinAvance, Dato::XBuscado));
    EXPECT_TRUE(Rechaza(calculo::PerfilRungeKutta(ConBorde(0, 0.6121, 10)), Motivo::SinAvance,
                        Dato::TiranteBorde));
    // Small but positive n and Q are data, not missing data.
    Variables pequeno = ConBorde(1000, 1.5, 0);
    pequeno.caudal = pequeno.nManning = 0.5;
    EXPECT_TRUE(calculo::PerfilPasoDirecto(pequeno, 1.6).hecho() &&
                calculo::PerfilRungeKutta(pequeno).hecho());
}

TEST(Calculos, BordeEnCriticoComoLoMuestranLasCajas)
{
    const double yc = 0.6121217862538432;
    for (const auto& [y0, critico] :
         {std::pair{0.6121, yc}, {0.61214, yc}, {0.61216, 0.0}, {0.612, 0.0}})
        EXPECT_EQ(calculo::BordeEnCritico(ConBorde(0, y0, 10)).value_or(0), critico) << y0;
    Variables sinYc = Rectangular(2, 3);  // a scan too fine to run: no yc to compare with
    sinYc.errorAdmisible = 1e-300;
    EXPECT_FALSE(calculo::BordeEnCritico(sinYc));
}
