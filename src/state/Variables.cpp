#include "state/Variables.h"

Variables& estado()
{
    static Variables instancia;
    return instancia;
}

void ParametrosPorDefecto(Variables& v)
{
    v.errorAdmisible = 0.001;
    v.puntosPerfil = 100;
    v.umbralPasoInteligente = 0.1;
    v.pasoInteligente = VERDADERO;
}
