// The name of a gradually varied profile: a letter for the bed slope and a
// digit for the zone of the boundary depth.
//
//   M  mild, yn > yc (also when no yn was found: it lies above the scanned
//      range, so the channel carries the flow as a mild one)
//   S  steep, yn < yc          C  critical, yn = yc
//   H  horizontal bed          A  adverse bed
//
// Zone 1 lies above both yc and yn, zone 2 between them, zone 3 below both;
// on a horizontal or adverse bed there is no yn, so only zones 2 and 3 exist,
// and a critical slope has no zone 2.
#include "engine/modFuncionesTorvel.h"

std::string TipoPerfil(const Variables& v)
{
    if (v.perfil.metodo == MetodoPerfil::Ninguno)
        return {};
    const double y = v.tiranteBorde;
    const double yc = v.tiranteCritico;
    const double yn = v.tiranteNormal;
    const std::string sobreYc = y > yc ? "2" : "3";
    if (v.pendiente < 0)
        return "A" + sobreYc;
    if (v.pendiente == 0)
        return "H" + sobreYc;
    if (yn == 0)
        return "M" + sobreYc;
    if (yn == yc)
        return y > yc ? "C1" : "C3";
    const double superior = yn > yc ? yn : yc;
    const double inferior = yn > yc ? yc : yn;
    const std::string zona = y >= superior ? "1" : y < inferior ? "3" : "2";
    return (yn > yc ? "M" : "S") + zona;
}
