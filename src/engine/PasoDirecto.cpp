// Gradually varied profile by the standard direct step method: the depth is
// the independent variable, divided into N + 1 equal increments from the
// boundary depth to the target depth, and each increment's length follows from
// the energy balance with the mean friction slope of its two ends.
//
//   PasoDirecto        one increment: the abscissa where y2 is reached from y1
//   PerfilPasoDirecto  the whole profile into tablaPerfil, and the abscissa of
//                      the target depth
#include "engine/modFuncionesTorvel.h"

#include "engine/Aritmetica.h"

using aritmetica::Comprobador;
using aritmetica::FilaPerfil;
using aritmetica::Redondear;
using aritmetica::Sumar16;

namespace {

constexpr Operacion kPaso = Operacion::PasoDirecto;

// Manning's friction slope from the elements just evaluated.
double PendienteFriccion(const Variables& v, const Comprobador& c)
{
    return c.dividir(c.potencia(v.nManning, 2) * c.potencia(v.velocidad, 2),
                     c.potencia(v.radioHidraulico, 4.0 / 3.0));
}

// Plot ranges from the first and last points; the intermediate depths do not
// enter them.
void RangosDesdeExtremos(Variables& v, int ultima)
{
    const auto& primera = FilaPerfil(v, 1, kPaso);
    const auto& final = FilaPerfil(v, ultima, kPaso);
    if (primera[1] < final[1]) {
        v.xMinGraf = primera[1];
        v.xMaxGraf = final[1];
    } else {
        v.xMaxGraf = primera[1];
        v.xMinGraf = final[1];
    }
    if (primera[2] < final[2]) {
        if (final[2] > v.yMaxGraf)
            v.yMaxGraf = final[2];
    } else if (primera[2] > v.yMaxGraf) {
        v.yMaxGraf = primera[2];
    }
}

}  // namespace

double PasoDirecto(Variables& v, double x, double y1, double y2)
{
    const Comprobador c(kPaso, y2);
    ElementosHidraulicos(v, y1);
    const double Sf1 = PendienteFriccion(v, c);
    const double E1 = v.energia;
    ElementosHidraulicos(v, y2);
    const double Sf2 = PendienteFriccion(v, c);
    const double E2 = v.energia;
    const double Sfm = c.finito(Sf2 + Sf1) / 2;
    const double dx = c.dividir(c.finito(E1 - E2), c.finito(Sfm - v.pendiente));
    return c.finito(x + dx);
}

std::optional<double> PerfilPasoDirecto(Variables& v)
{
    const double x0 = v.xBorde;
    const double y0 = v.tiranteBorde;
    const double yT = v.tiranteBuscado;
    v.yMaxGraf = -99999;
    v.yMinGraf = 0;
    v.xMaxGraf = -99999;
    v.xMinGraf = 99999;

    if (v.tiranteNormal != 0)
        v.tiranteNormalConj = ConjugadoDeNormal(v);
    if (v.tiranteCritico > -99999)
        v.yMaxGraf = v.tiranteCritico;
    if (v.tiranteNormal > v.yMaxGraf)
        v.yMaxGraf = v.tiranteNormal;
    if (v.tiranteNormalConj > v.yMaxGraf)
        v.yMaxGraf = v.tiranteNormalConj;

    v.zonaInicial = ZonaTirante(v, y0);
    v.zonaActual = ZonaTirante(v, yT);
    v.perfil = {};
    if (v.zonaInicial != v.zonaActual)
        return std::nullopt;

    const Comprobador c(kPaso, yT);
    const int16_t incrementos = Sumar16(v.puntosPerfil, 1, kPaso);
    const double dy = c.dividir(c.finito(yT - y0), static_cast<double>(incrementos));
    if (dy == 0)  // equal depths: the march would never move
        c.fallar(TipoError::OperacionInvalida);
    const int16_t ultima = Sumar16(v.puntosPerfil, 2, kPaso);

    // One step over the whole depth range tells which way the profile runs.
    const double xExtremo = PasoDirecto(v, x0, y0, yT);
    int i = x0 < xExtremo ? 1 : ultima;
    const int s = x0 < xExtremo ? 1 : -1;
    FilaPerfil(v, i, kPaso)[1] = x0;
    FilaPerfil(v, i, kPaso)[2] = y0;

    double x = x0;
    double yPrevio = y0;
    const double L = c.finito(yT - 0.5 * dy);
    for (double y = y0; dy > 0 ? y <= L : y >= L; y = y + dy) {
        if (y + dy == y)  // depths too large for increments this small
            c.fallar(TipoError::OperacionInvalida);
        i = Sumar16(i, s, kPaso);
        const double y2 = c.finito(dy + y);
        x = PasoDirecto(v, x, yPrevio, y2);
        yPrevio = y2;
        FilaPerfil(v, i, kPaso)[1] = Redondear(x, 4);
        FilaPerfil(v, i, kPaso)[2] = y2;
    }
    RangosDesdeExtremos(v, ultima);
    v.perfil = {MetodoPerfil::PasoDirecto, FinPerfil::Alcanzado, x};
    return x;
}
