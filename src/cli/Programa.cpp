#include "cli/Programa.h"

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <new>
#include <optional>
#include <system_error>

#include "captions/Caso.h"
#include "captions/ExplicarError.h"
#include "captions/Textos.h"
#include "cli/Comandos.h"
#include "cli/Lote.h"
#include "engine/ErrorCalculo.h"

namespace {

// Text output aligns a rating on this many rows at most, so that a long table
// is written as it is computed and never held whole.
constexpr long kFilasAlineadas = 1000;

// The output failed: what is left is not computed.
struct SalidaInterrumpida {};

int Lote(const Pedido& pedido, std::istream& entrada, std::ostream& salida)
{
    if (pedido.archivo == "-")
        return EjecutarLote(pedido, entrada, salida);
    std::error_code ec;
    if (std::filesystem::is_directory(pedido.archivo, ec))
        throw ErrorUso("batch: \"" + pedido.archivo + "\" is a folder, not a file");
    std::ifstream archivo(pedido.archivo, std::ios::binary);
    if (!archivo)
        throw ErrorUso("batch: cannot read \"" + pedido.archivo + "\": " + std::strerror(errno));
    return EjecutarLote(pedido, archivo, salida);
}

// The rating's rows are written as they are computed.
void CurvaEnCurso(const Pedido& pedido, std::ostream& salida)
{
    std::optional<TablaEnCurso> tabla;
    const std::size_t filasParaAnchos =
        static_cast<std::size_t>(std::min(pedido.pasos + 1, kFilasAlineadas));
    Curva(pedido, [&](const Resultado& forma, std::vector<Celda> fila) {
        if (!tabla)
            tabla.emplace(forma, pedido.formato, salida, filasParaAnchos);
        tabla->Agregar(std::move(fila));
        if (!salida)
            throw SalidaInterrumpida();
    });
    if (tabla)
        tabla->Terminar();
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
    if (c == "solve")
        return Resolver(pedido);
    if (c == "curve")
        return CurvaEspecifica(pedido);
    return Perfil(pedido);
}

int Ejecutar(const QStringList& argumentos, std::istream& entrada, std::ostream& salida)
{
    const Pedido pedido = LeerPedido(argumentos);
    if (pedido.ayuda) {
        salida << pedido.textoAyuda;
        return 0;
    }
    if (pedido.comando == "batch")
        return Lote(pedido, entrada, salida);
    if (pedido.comando == "case") {
        Caso caso;
        QString motivo;
        if (!LeerCaso(QString::fromStdString(pedido.archivo), caso, motivo))
            throw ErrorUso("case: \"" + pedido.archivo + "\": " + motivo.toStdString());
        return EjecutarCaso(pedido, caso, salida);
    }
    if (pedido.comando == "rating")
        CurvaEnCurso(pedido, salida);
    else
        Escribir(Calcular(pedido), pedido.formato, salida);
    return 0;
}

// One line on errores; even out of memory it cannot throw.
void Informar(std::ostream& errores, const char* texto, const char* mas = "") noexcept
{
    try {
        errores << "torvel-calc: " << texto << mas << "\n";
    } catch (...) {
    }
}

void InformarCalculo(std::ostream& errores, const ErrorCalculo& e) noexcept
{
    try {
        Informar(errores, (ExplicarError(e).toStdString() + ".").c_str());
    } catch (...) {
        Informar(errores, e.what());
    }
}

}  // namespace

int EjecutarPrograma(const QStringList& argumentos)
{
#ifdef M_MMAP_THRESHOLD
    // Blocks of a long batch row go back to the system when freed, rather than
    // staying in the workers' heaps: memory stays near what is in use.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
    std::ios::sync_with_stdio(false);
    SalidaDescriptor estandar(STDOUT_FILENO);
    std::ostream salida(&estandar);
    return EjecutarPrograma(argumentos, std::cin, salida, std::cerr);
}

int EjecutarPrograma(const QStringList& argumentos, std::istream& entrada, std::ostream& salida,
                     std::ostream& errores)
{
    int estado = 1;
    try {
        // Faults are explained with the desktop program's English texts.
        CargarTextos(1);
        estado = Ejecutar(argumentos, entrada, salida);
    } catch (const ErrorUso& e) {
        Informar(errores, e.what());
        estado = 2;
    } catch (const FalloCalculo& e) {
        Informar(errores, e.what());
    } catch (const ErrorCalculo& e) {
        InformarCalculo(errores, e);
    } catch (const SalidaInterrumpida&) {
        // reported below
    } catch (const std::bad_alloc&) {
        Informar(errores, "out of memory");
    } catch (const std::exception& e) {
        Informar(errores, "unexpected fault: ", e.what());
    } catch (...) {
        Informar(errores, "unexpected fault");
    }
    // Nothing is done until it is written.
    salida.flush();
    if (!salida) {
        Informar(errores, "cannot write the output: ", MotivoFalloSalida(salida));
        return estado == 0 ? 1 : estado;
    }
    return estado;
}
