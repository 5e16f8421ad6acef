// Channel design: every unknown round-trips, the elements and depths agree with
// the engine, a pipe's two depths and its capacity, and the refusals.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "calc/Diseno.h"
#include "../engine/Canales.h"

namespace {

using F = FormaCanal;
using I = Incognita;

// A channel whose Q is the one Manning gives at depth y.
CanalDiseno Canal(F forma, double b, double d, double grados, double y, double S = 0.001,
                  double n = 0.015)
{
    CanalDiseno c{forma, b, d, grados > 0 ? TaludDeAngulo(grados).value() : 0, S, n, 0, y};
    c.caudal = CaudalDeTirante(c, y).value();
    return c;
}

// clang-format off
const CanalDiseno kCanales[] = {
    Canal(F::Rectangular, 2, 0, 0, 1), Canal(F::Rectangular, 0.3, 0, 0, 4, 0.02),
    Canal(F::Trapezoidal, 2, 0, 30, 0.8), Canal(F::Trapezoidal, 5, 0, 60, 2.5, 1e-4),
    Canal(F::Trapezoidal, 0, 0, 20, 0.4, 0.05), Canal(F::Trapezoidal, 1.5, 0, 75, 1.2),
    Canal(F::Circular, 0, 1, 0, 0.6, 0.001, 0.013), Canal(F::Circular, 0, 2.5, 0, 0.3, 0.01)};
// clang-format on

// The side angles of kCanales, in degrees.
const double kGrados[] = {0, 0, 30, 60, 20, 75, 0, 0};

// The field of each unknown, in the order of Incognita.
// clang-format off
double CanalDiseno::*const kCampo[] = {&CanalDiseno::caudal, &CanalDiseno::tirante, &CanalDiseno::b,
    &CanalDiseno::d, &CanalDiseno::z, &CanalDiseno::pendiente, &CanalDiseno::n};  // clang-format on

// The elements the design and the engine both give, in one order.
const auto kElementos = [](const auto& x) {
    return std::array{x.area,   x.perimetro, x.radioHidraulico, x.anchoSup,    x.velocidad,
                      x.froude, x.energia,   x.tension,         x.pendFriccion};
};

const auto Relativo = [](double a, double b) { return std::abs(a - b) / std::abs(b); };

// The same channel as the engine's state; z = TaludDeAngulo(grados) is the
// engine's own z, bit for bit.
Variables Estado(const CanalDiseno& c, double grados)
{
    return ::Canal(int(c.forma) + 1, c.b + c.d, grados, c.caudal, c.n, c.pendiente);  // one is 0
}

}  // namespace

TEST(Diseno, CadaIncognitaDaElMismoCaudal)
{
    for (const CanalDiseno& c : kCanales) {
        for (I i :
             {I::Caudal, I::Tirante, I::Ancho, I::Diametro, I::Talud, I::Pendiente, I::Manning}) {
            // Each shape's own unknowns; a triangle's width of 0 is no root.
            if ((i == I::Ancho && (c.forma == F::Circular || c.b == 0)) ||
                (i == I::Diametro && c.forma != F::Circular) ||
                (i == I::Talud && c.forma != F::Trapezoidal))
                continue;
            CanalDiseno dado = c;
            const double original = std::exchange(dado.*kCampo[int(i)], std::nan(""));
            const ResultadoDiseno r = ResolverCanal(dado, i);
            const std::string que = "shape " + std::to_string(int(c.forma)) + ", unknown " +
                                    std::to_string(int(i)) + ", Q " + std::to_string(c.caudal);
            ASSERT_TRUE(r.ok) << que << ", refused " << int(r.motivo);
            const double Q = CaudalDeTirante(r.canal, r.canal.tirante).value();
            EXPECT_LT(Relativo(Q, c.caudal), 1e-12) << que;
            EXPECT_LT(Relativo(r.valor, original), 1e-13) << que;
            EXPECT_LT(Relativo(r.elementos.pendFriccion, r.canal.pendiente), 1e-12) << que;
        }
    }
}

TEST(Diseno, ElementosComoElMotor)
{
    for (int k = 0; k < 8; ++k) {
        const CanalDiseno& c = kCanales[k];
        Variables v = Estado(c, kGrados[k]);
        for (double y : {0.01, 0.3, 0.77, 0.999}) {
            const double yy = c.forma == F::Circular ? y * c.d : 3 * y;
            ElementosHidraulicos(v, yy);
            EXPECT_EQ(kElementos(ElementosDiseno(c, yy).value()), kElementos(v))
                << "channel " << k << ", y " << yy;
        }
    }
}

// The engine's scans land on a grid point within its admissible error of the
// exact depths; the exact critical depth has Q²·T = g·A³ and the engine's Sc.
TEST(Diseno, TirantesComoElBarridoDelMotor)
{
    for (int k = 0; k < 8; ++k) {
        const CanalDiseno& c = kCanales[k];
        Variables v = Estado(c, kGrados[k]);
        TirantesCriticoNormal(v);
        const ResultadoDiseno r = ResolverCanal(c, I::Tirante);
        ASSERT_TRUE(r.ok && r.tiranteCritico && r.pendienteCritica) << k;
        EXPECT_NEAR(v.tiranteNormal, r.valor, v.errorAdmisible) << k;
        EXPECT_NEAR(v.tiranteCritico, *r.tiranteCritico, v.errorAdmisible) << k;
        EXPECT_TRUE(c.forma != F::Rectangular || v.tiranteCritico == *r.tiranteCritico) << k;
        EXPECT_NEAR(ElementosDiseno(c, *r.tiranteCritico)->froude, 1, 1e-14) << k;
        v.tiranteCritico = *r.tiranteCritico;
        EXPECT_EQ(PendienteCritica(v), *r.pendienteCritica) << k;
        EXPECT_EQ(r.regimen, r.elementos.froude < 1 ? Regimen::Subcritico : Regimen::Supercritico);
    }
}

TEST(Diseno, TuboConDosTirantesOSinCapacidad)
{
    CanalDiseno tubo = kCanales[6];
    const CapacidadTubo k = CapacidadDeTubo(tubo).value();
    EXPECT_NEAR(k.yQMax / tubo.d, 0.938, 0.001);
    EXPECT_GT(k.qMax, k.qLleno);
    for (double dy : {-1e-4, 1e-4})
        EXPECT_LT(CaudalDeTirante(tubo, k.yQMax + dy).value(), k.qMax);

    tubo.caudal = (k.qLleno + k.qMax) / 2;
    const ResultadoDiseno dos = ResolverCanal(tubo, I::Tirante);
    ASSERT_TRUE(dos.ok && dos.segundoTirante);
    EXPECT_TRUE(dos.valor < k.yQMax && k.yQMax < *dos.segundoTirante &&
                *dos.segundoTirante < tubo.d);
    for (double y : {dos.valor, *dos.segundoTirante})
        EXPECT_LT(Relativo(CaudalDeTirante(tubo, y).value(), tubo.caudal), 1e-12);

    tubo.tirante = k.yQMax;  // the depth of the largest discharge is the only one for it
    const ResultadoDiseno cima = ResolverCanal(tubo, I::Caudal);
    EXPECT_TRUE(cima.ok && cima.valor == k.qMax && !cima.segundoTirante);

    tubo.caudal = k.qMax * 1.01;
    const ResultadoDiseno no = ResolverCanal(tubo, I::Tirante);
    EXPECT_TRUE(!no.ok && no.motivo == MotivoDiseno::TuboNoConduce && no.dato == I::Caudal);
    EXPECT_TRUE(no.capacidad.qMax == k.qMax && no.capacidad.yQMax == k.yQMax);
}

TEST(Diseno, RechazosNombranElDato)
{
    using M = MotivoDiseno;
    const CanalDiseno rect = kCanales[0], trap = kCanales[2], tubo = kCanales[6];
    auto con = [](CanalDiseno c, double CanalDiseno::*campo, double valor) {
        c.*campo = valor;
        return c;
    };
    // clang-format off
    const struct { CanalDiseno canal; I incognita, dato; M motivo; } casos[] = {
        {con(rect, &CanalDiseno::b, 0), I::Tirante, I::Ancho, M::DatoFaltante},
        {con(rect, &CanalDiseno::pendiente, std::nan("")), I::Tirante, I::Pendiente, M::DatoFaltante},
        {con(trap, &CanalDiseno::caudal, HUGE_VAL), I::Tirante, I::Caudal, M::DatoFaltante},
        {con(trap, &CanalDiseno::n, -0.015), I::Caudal, I::Manning, M::DatoFaltante},
        {con(trap, &CanalDiseno::z, 0), I::Caudal, I::Talud, M::DatoFaltante},
        {con(trap, &CanalDiseno::tirante, 1e-300), I::Caudal, I::Tirante, M::DatoFueraDeRango},
        {con(tubo, &CanalDiseno::caudal, 1e300), I::Tirante, I::Caudal, M::DatoFueraDeRango},
        {con(tubo, &CanalDiseno::d, 1e300), I::Caudal, I::Diametro, M::DatoFueraDeRango},
        {con(rect, &CanalDiseno::pendiente, 2e3), I::Caudal, I::Pendiente, M::DatoFueraDeRango},
        {rect, I::Diametro, I::Diametro, M::IncognitaNoAplica},
        {tubo, I::Talud, I::Talud, M::IncognitaNoAplica},
        {tubo, I::Ancho, I::Ancho, M::IncognitaNoAplica},
        {con(tubo, &CanalDiseno::tirante, 1), I::Manning, I::Tirante, M::TiranteSobreDiametro},
        {con(rect, &CanalDiseno::caudal, 1e9), I::Ancho, I::Ancho, M::SinSolucionEnRango},
        {con(rect, &CanalDiseno::caudal, 1e9), I::Tirante, I::Tirante, M::SinSolucionEnRango},
        {con(trap, &CanalDiseno::caudal, 1e-3), I::Talud, I::Talud, M::SinSolucionEnRango},
        {con(trap, &CanalDiseno::caudal, 1e-3), I::Ancho, I::Ancho, M::SinSolucionEnRango},
        {con(tubo, &CanalDiseno::caudal, 1e-3), I::Diametro, I::Diametro, M::SinSolucionEnRango},
        {con(rect, &CanalDiseno::caudal, 1e-9), I::Pendiente, I::Pendiente, M::SinSolucionEnRango},
        {con(tubo, &CanalDiseno::tirante, 1e-4), I::Caudal, I::Tirante, M::TuboCasiVacio},
        {con(rect, &CanalDiseno::tirante, 1.5e4), I::Caudal, I::Tirante, M::DatoFueraDeRango},
        {con(tubo, &CanalDiseno::caudal, 1e-9), I::Tirante, I::Tirante, M::TuboCasiVacio}};
    // clang-format on
    for (const auto& k : casos) {
        const ResultadoDiseno r = ResolverCanal(k.canal, k.incognita);
        EXPECT_TRUE(!r.ok && r.motivo == k.motivo && r.dato == k.dato)
            << int(k.dato) << " " << int(k.motivo) << " got " << int(r.motivo);
    }
    EXPECT_TRUE(ResolverCanal(con(tubo, &CanalDiseno::tirante, 5e-3), I::Caudal).ok);  // 0.5 % full
    EXPECT_EQ(TaludDeAngulo(45).value(), 1 / std::tan(GradosARadianes(45)));
    for (double grados : {0.0, -10.0, 91.0, std::nan(""), HUGE_VAL})
        EXPECT_FALSE(TaludDeAngulo(grados)) << grados;
}

// Every input at the ends of its range, every shape and unknown: a refusal, or
// finite numbers and a channel that carries its Q.
TEST(Diseno, NuncaNaN)
{
    // Shape, width, S, n, Q, depth and unknown: every combination, the digits of one counter.
    // clang-format off
    const std::vector<double> tabla[] = {{0, 1, 2}, {1e-6, 1, 1e4}, {1e-9, 1e3}, {1e-6, 10},
        {1e-9, 1, 1e9}, {1e-6, 1, 1e4}, {0, 1, 2, 3, 4, 5, double(I::Manning)}};  // clang-format on
    int resueltos = 0, total = 1;
    for (const auto& valores : tabla)
        total *= int(valores.size());
    for (int k = 0; k < total; ++k) {
        double x[7];
        for (int j = 0, resto = k; j < 7; resto /= int(tabla[j++].size()))
            x[j] = tabla[j][resto % tabla[j].size()];
        const CanalDiseno c{F(int(x[0])), x[1], x[1] * 2, x[1], x[2], x[3], x[4], x[5]};
        const ResultadoDiseno r = ResolverCanal(c, I(int(x[6])));
        const ElementosSeccion& e = r.elementos;
        for (double v : {r.valor, e.area, e.froude, e.energia, e.tension, r.capacidad.qMax,
                         r.tiranteCritico.value_or(0), r.pendienteCritica.value_or(0),
                         r.segundoTirante.value_or(0)})
            ASSERT_TRUE(std::isfinite(v)) << k;
        const double Qr = r.ok ? CaudalDeTirante(r.canal, r.canal.tirante).value() : 0;
        ASSERT_TRUE(!r.ok || Relativo(Qr, r.canal.caudal) < 1e-12) << k;
        resueltos += r.ok;
    }
    EXPECT_GT(resueltos, 300);
}
