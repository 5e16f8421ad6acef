// Random calculation states, from ordinary channels to absurd ones, through
// every engine operation. Each operation must either give finite numbers or
// throw ErrorCalculo, and none may run away: the engine bounds every scan and
// march, so even the worst state ends in well under the limit checked here.
//
//   test_propiedades [estados] [semilla]
// A failure prints the seed and the state, so the case can be replayed.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <random>
#include <sstream>
#include <string>

#include "engine/modFuncionesTorvel.h"

namespace {

long gEstados = 2000;
unsigned gSemilla = 20261206;

// A hang, not a speed: a single operation is bounded at about a second of
// work, slower only under the sanitizers.
constexpr auto kLimite = std::chrono::seconds(30);

class Generador {
public:
    explicit Generador(unsigned semilla) : azar_(semilla) {}

    // A length, discharge or coefficient: mostly ordinary, sometimes zero,
    // negative, tiny or huge.
    double Magnitud(double tipica)
    {
        switch (Entero(0, 19)) {
        case 0: return 0.0;
        case 1: return -Uniforme(0, 2 * tipica);
        case 2: return std::pow(10.0, Uniforme(-300, -6));
        case 3: return std::pow(10.0, Uniforme(6, 300));
        case 4: return -0.0;
        default: return Uniforme(0.05 * tipica, 5 * tipica);
        }
    }

    double Pendiente()
    {
        switch (Entero(0, 9)) {
        case 0: return 0.0;
        case 1: return -Uniforme(0, 0.01);
        case 2: return Uniforme(0.1, 10);
        default: return Uniforme(1e-5, 0.05);
        }
    }

    double ErrorAdmisible()
    {
        switch (Entero(0, 19)) {
        case 0: return 0.0;
        case 1: return -0.001;
        case 2: return 1e-12;
        case 3: return 1e300;
        case 4: case 5: case 6: return 0.001;
        default: return Uniforme(0.01, 0.5);
        }
    }

    int16_t Puntos()
    {
        static const int16_t extremos[] = {0, 1, 2, 3, 4, 5, -1, -32768, 32765, 32766, 32767, 1000};
        if (Entero(0, 4) == 0)
            return extremos[Entero(0, 11)];
        return static_cast<int16_t>(Entero(1, 200));
    }

    double Umbral()
    {
        static const double valores[] = {-1, 0, 0.1, 1e300, -1e300};
        return Entero(0, 2) == 0 ? valores[Entero(0, 4)] : Uniforme(0, 1);
    }

    double Abscisa()
    {
        switch (Entero(0, 9)) {
        case 0: return 0.0;
        case 1: return std::pow(10.0, Uniforme(6, 300)) * (Entero(0, 1) ? 1 : -1);
        default: return Uniforme(-2000, 2000);
        }
    }

    Variables Estado()
    {
        Variables v;
        switch (Entero(0, 3)) {
        case 0: v.esRectangular = VERDADERO; break;
        case 1: v.esTrapezoidal = VERDADERO; break;
        case 2: v.esCircular = VERDADERO; break;
        default: break;  // no shape chosen at all
        }
        v.ancho = Magnitud(2);
        v.anchoFondo = Magnitud(2);
        v.anguloTalud = GradosARadianes(Entero(0, 5) == 0 ? Uniforme(-720, 720) : Uniforme(1, 90));
        v.diametro = Magnitud(1);
        v.caudal = Magnitud(2);
        v.nManning = Magnitud(0.015);
        v.pendiente = Pendiente();
        v.errorAdmisible = ErrorAdmisible();
        v.puntosPerfil = Puntos();
        v.umbralPasoInteligente = Umbral();
        v.pasoInteligente = static_cast<int16_t>(Entero(-1, 1));
        v.tiranteBorde = Magnitud(1);
        v.tiranteBuscado = Magnitud(1);
        v.xBorde = Abscisa();
        v.xBuscado = Abscisa();
        return v;
    }

    double Tirante() { return Magnitud(1); }

private:
    double Uniforme(double a, double b) { return std::uniform_real_distribution<double>(a, b)(azar_); }
    int Entero(int a, int b) { return std::uniform_int_distribution<int>(a, b)(azar_); }

    std::mt19937_64 azar_;
};

std::string Describir(const Variables& v)
{
    std::ostringstream s;
    s.precision(17);
    s << "forma " << v.esRectangular << v.esTrapezoidal << v.esCircular << " ancho " << v.ancho
      << " fondo " << v.anchoFondo << " angulo " << v.anguloTalud << " D " << v.diametro
      << " Q " << v.caudal << " n " << v.nManning << " S " << v.pendiente << " error "
      << v.errorAdmisible << " N " << v.puntosPerfil << " umbral " << v.umbralPasoInteligente
      << " inteligente " << v.pasoInteligente << " y0 " << v.tiranteBorde << " yT "
      << v.tiranteBuscado << " x0 " << v.xBorde << " xf " << v.xBuscado;
    return s.str();
}

bool Finito(double x) { return std::isfinite(x); }

// Every double the engine writes.
bool EstadoFinito(const Variables& v)
{
    const double valores[] = {v.area, v.perimetro, v.radioHidraulico, v.anchoSup,
                              v.profHidraulica, v.velocidad, v.froude, v.tirante,
                              v.profCentroide, v.energia, v.cantMovimiento, v.pendFriccion,
                              v.tension, v.taludZ, v.tiranteCritico, v.tiranteNormal,
                              v.tiranteNormalConj, v.tiranteFinal, v.pasoX,
                              v.tiranteAlternoSup, v.tiranteAlternoInf, v.yMaxGraf, v.yMinGraf,
                              v.xMaxGraf, v.xMinGraf};
    for (double x : valores)
        if (!Finito(x))
            return false;
    for (const auto& fila : v.tablaPerfil)
        for (double x : fila)
            if (!Finito(x))
                return false;
    return true;
}

struct Recuento {
    long correctas = 0;
    long errores = 0;
};

// Runs one operation: it must end within the limit with finite results, or
// with ErrorCalculo. Any other exception is a fault of the engine.
void Probar(const char* nombre, Variables& v, const std::function<double()>& operacion,
            Recuento& recuento, const std::string& contexto)
{
    const auto inicio = std::chrono::steady_clock::now();
    try {
        const double resultado = operacion();
        EXPECT_TRUE(Finito(resultado)) << nombre << " returned " << resultado << "\n" << contexto;
        ++recuento.correctas;
    } catch (const ErrorCalculo&) {
        ++recuento.errores;
    } catch (const std::exception& e) {
        ADD_FAILURE() << nombre << " threw " << e.what() << "\n" << contexto;
    }
    EXPECT_TRUE(EstadoFinito(v)) << nombre << " left a non-finite value\n" << contexto;
    const auto duracion = std::chrono::steady_clock::now() - inicio;
    EXPECT_LT(duracion, kLimite) << nombre << " ran too long\n" << contexto;
}

}  // namespace

TEST(Propiedades, CadaOperacionTerminaConNumerosFinitosOErrorCalculo)
{
    Generador generador(gSemilla);
    Recuento recuento;
    for (long k = 0; k < gEstados && !HasFailure(); ++k) {
        Variables v = generador.Estado();
        const double y = generador.Tirante();
        const std::string contexto = "seed " + std::to_string(gSemilla) + ", state " +
                                     std::to_string(k) + ": " + Describir(v) +
                                     " y " + std::to_string(y);

        Probar("ElementosHidraulicos", v, [&] { ElementosHidraulicos(v, y); return v.energia; },
               recuento, contexto);
        Probar("ResiduoNormal", v, [&] { return ResiduoNormal(v, y); }, recuento, contexto);
        Probar("TirantesCriticoNormal", v, [&] { TirantesCriticoNormal(v); return v.tiranteNormal; },
               recuento, contexto);
        Probar("PendienteCritica", v, [&] { return PendienteCritica(v); }, recuento, contexto);
        Probar("TiranteAlterno", v, [&] { return TiranteAlterno(v, y); }, recuento, contexto);
        Probar("TirantesAlternosEnergia", v,
               [&] { TirantesAlternosEnergia(v, y); return v.tiranteAlternoInf; }, recuento,
               contexto);
        Probar("TiranteConjugado", v, [&] { return TiranteConjugado(v, y); }, recuento, contexto);
        Probar("ZonaTirante", v, [&] { return double(ZonaTirante(v, y)); }, recuento, contexto);
        Probar("CalcularPerfil", v, [&] { CalcularPerfil(v); return v.tiranteFinal; }, recuento,
               contexto);
        Probar("PasoDirecto", v, [&] { return PasoDirecto(v, v.xBorde, v.tiranteBorde, y); },
               recuento, contexto);
        Probar("PerfilPasoDirecto", v,
               [&] {
                   NuevaTablaPerfil(v);
                   return PerfilPasoDirecto(v).value_or(0.0);
               },
               recuento, contexto);
    }
    std::printf("%ld states, %ld operations completed, %ld ended with ErrorCalculo\n", gEstados,
                recuento.correctas, recuento.errores);
    EXPECT_GT(recuento.correctas, gEstados);  // ordinary channels do get results
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1)
        gEstados = std::atol(argv[1]);
    if (argc > 2)
        gSemilla = static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10));
    return RUN_ALL_TESTS();
}
