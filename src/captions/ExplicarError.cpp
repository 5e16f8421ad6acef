// Plain-language reasons for the engine's faults.
#include "captions/ExplicarError.h"

#include "captions/Numeros.h"
#include "captions/Textos.h"
#include "engine/ErrorCalculo.h"

namespace {

// Six significant digits say where it happened without the noise of the last ones.
QString Cifra(double valor)
{
    return NumeroATexto(valor, 6);
}

// A fault of the section elements at a depth, or elsewhere when there is none.
QString MotivoAritmetico(const ErrorCalculo& e, const QString& conTirante, const QString& general,
                         const QString& cajaTirante)
{
    const bool enSeccion = e.operacion() == Operacion::ElementosSeccion ||
                           e.operacion() == Operacion::BarridoTirantes;
    if (enSeccion && e.tieneValor() && e.valor() == 0 && e.tipo() != TipoError::Desbordamiento)
        return cajaTirante.isEmpty() ? capMotivoTiranteCero
                                     : capMotivoTiranteCeroEn.arg(cajaTirante);
    const bool hayTirante = e.tieneValor() && e.operacion() != Operacion::TiranteCritico &&
                            e.operacion() != Operacion::ConversionAngulo;
    return hayTirante ? conTirante.arg(Cifra(e.valor())) : general;
}

}  // namespace

QString ExplicarError(const ErrorCalculo& e, const QString& cajaTirante)
{
    switch (e.tipo()) {
    case TipoError::DivisionPorCero:
        return MotivoAritmetico(e, capMotivoDivision, capMotivoDivisionGeneral, cajaTirante);
    case TipoError::OperacionInvalida:
        return MotivoAritmetico(e, capMotivoInvalida, capMotivoInvalidaGeneral, cajaTirante);
    case TipoError::Desbordamiento:
        return MotivoAritmetico(e, capMotivoDesborde, capMotivoDesbordeGeneral, cajaTirante);
    case TipoError::Desbordamiento16: return capMotivoDesborde16.arg(Cifra(e.valor()));
    case TipoError::SinResultado: return capMotivoSinResultado.arg(Cifra(e.valor()));
    case TipoError::PasoDemasiadoFino:
        if (e.operacion() == Operacion::PerfilRungeKutta)
            return capMotivoPasoInteligente;
        return capMotivoErrorAdmisible.arg(Cifra(e.valor()));
    }
    return capMotivoInvalidaGeneral;
}
