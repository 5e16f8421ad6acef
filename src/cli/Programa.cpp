#include "cli/Programa.h"

#include <fstream>
#include <iostream>

#include "captions/Textos.h"
#include "cli/Comandos.h"
#include "cli/Lote.h"

namespace {

int Lote(const Pedido& pedido)
{
    if (pedido.archivo == "-")
        return EjecutarLote(pedido, std::cin, std::cout);
    std::ifstream archivo(pedido.archivo, std::ios::binary);
    if (!archivo)
        throw ErrorUso("batch: cannot read \"" + pedido.archivo + "\"");
    return EjecutarLote(pedido, archivo, std::cout);
}

Resultado Calcular(const Pedido& pedido)
{
    const std::string& c = pedido.comando;
    if (c == "uniform")
        return Uniforme(pedido);
    if (c == "elements")
        return Elementos(pedido);
    if (c == "alternate")
        return Alterno(pedido);
    if (c == "conjugate")
        return Conjugado(pedido);
    if (c == "profile")
        return Perfil(pedido);
    return Curva(pedido);
}

}  // namespace

int EjecutarPrograma(const QStringList& argumentos)
{
    // Faults are explained with the desktop program's English texts.
    CargarTextos(1);
    try {
        const Pedido pedido = LeerPedido(argumentos);
        if (pedido.ayuda) {
            std::cout << pedido.textoAyuda;
            return 0;
        }
        if (pedido.comando == "batch")
            return Lote(pedido);
        Escribir(Calcular(pedido), pedido.formato, std::cout);
        return 0;
    } catch (const ErrorUso& e) {
        std::cerr << "torvel-calc: " << e.what() << "\n";
        return 2;
    } catch (const FalloCalculo& e) {
        std::cerr << "torvel-calc: " << e.what() << "\n";
        return 1;
    }
}
