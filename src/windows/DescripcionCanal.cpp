#include "windows/DescripcionCanal.h"

#include "captions/Numeros.h"
#include "captions/Textos.h"
#include "engine/modFuncionesTorvel.h"
#include "state/Variables.h"

QString DescripcionCanal(const Variables& v)
{
    QString seccion;
    if (v.esRectangular)
        seccion = capCanalRectangular.arg(NumeroATexto(v.ancho));
    else if (v.esTrapezoidal)
        seccion = capCanalTrapezoidal.arg(NumeroATexto(v.anchoFondo),
                                          TextoRedondeado(RadianesAGrados(v.anguloTalud), 6));
    else if (v.esCircular)
        seccion = capCanalCircular.arg(NumeroATexto(v.diametro));
    return capCanalFlujo.arg(seccion, NumeroATexto(v.pendiente), NumeroATexto(v.nManning),
                             NumeroATexto(v.caudal));
}

bool MismoCanal(const Variables& a, const Variables& b)
{
    if ((a.esRectangular != 0) != (b.esRectangular != 0) ||
        (a.esTrapezoidal != 0) != (b.esTrapezoidal != 0) ||
        (a.esCircular != 0) != (b.esCircular != 0))
        return false;
    if (a.esRectangular && a.ancho != b.ancho)
        return false;
    if (a.esTrapezoidal && (a.anchoFondo != b.anchoFondo || a.anguloTalud != b.anguloTalud))
        return false;
    if (a.esCircular && a.diametro != b.diametro)
        return false;
    return a.pendiente == b.pendiente && a.nManning == b.nManning && a.caudal == b.caudal;
}
