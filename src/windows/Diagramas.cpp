#include "windows/Diagramas.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <exception>
#include <thread>

#include "calc/Calculos.h"
#include "captions/ExplicarError.h"
#include "captions/Numeros.h"
#include "captions/TextoFijo.h"
#include "captions/Textos.h"
#include "engine/Csv.h"
#include "engine/modFuncionesTorvel.h"

namespace {

const QColor kColorYc(170, 0, 0);
const QColor kColorYn(0, 120, 0);
const QColor kAzul(0, 0, 255);
const QColor kColorAlternos(110, 0, 140);
const QColor kGris(120, 120, 120);
constexpr int kPuntosCurva = 200;
constexpr double kCaudalMaximo = 1e6;

QString NombreDato(calculo::Dato dato)
{
    switch (dato) {
    case calculo::Dato::Pendiente: return capPendiente;
    case calculo::Dato::Manning: return capNumManning;
    case calculo::Dato::Caudal: return capCaudal;
    case calculo::Dato::ErrorAdmisible: return capErrorAdm;
    default: return capCdeBTirante;
    }
}

QString SinIgual(QString texto)
{
    texto = texto.trimmed();
    if (texto.endsWith(QLatin1Char('=')))
        texto.chop(1);
    return texto.trimmed();
}

// The dimension of the chosen shape that is missing, or empty.
QString DimensionQueFalta(const Variables& v)
{
    if (v.esRectangular && !(v.ancho > 0))
        return capAncho;
    if (v.esTrapezoidal && (!(v.anguloTalud > 0) || v.anchoFondo < 0))
        return v.anchoFondo < 0 ? capAnchFondo : capAngTaludGrados;
    if (v.esCircular && !(v.diametro > 0))
        return capDiametro;
    if (!v.esRectangular && !v.esTrapezoidal && !v.esCircular)
        return capGeomCanal;
    return QString();
}

// The uniform flow of the channel, or the one line that says why there is none.
struct Uniforme {
    calculo::ResultadoUniforme r;
    QString mensaje;
};

// The uniform flow of the window's channel, or the one line that says why
// there is none (a box that did not read, a missing input, a fault).
Uniforme FlujoDe(const EntradaDiagramas& e)
{
    Uniforme u;
    if (!e.errorLectura.isEmpty()) {
        u.mensaje = e.errorLectura;
        return u;
    }
    const Variables& canal = e.canal;
    const QString dimension = DimensionQueFalta(canal);
    if (!dimension.isEmpty()) {
        u.mensaje = capDiagFalta.arg(SinIgual(dimension));
        return u;
    }
    try {
        const auto c = calculo::FlujoUniforme(canal);
        if (!c.hecho())
            u.mensaje = capDiagFalta.arg(SinIgual(NombreDato(c.rechazo().dato)));
        else
            u.r = *c;
    } catch (const ErrorCalculo& e) {
        u.mensaje = capDiagFallo.arg(ExplicarError(e));
    }
    return u;
}

CeldaDiagrama Num(double valor)
{
    return {valor, QString()};
}

CeldaDiagrama Num(const std::optional<double>& valor)
{
    return {valor, QString()};
}

CeldaDiagrama Txt(const QString& texto)
{
    return {std::nullopt, texto};
}

// The elements of a depth, on a copy; nullopt when the engine cannot evaluate it.
std::optional<Variables> ElementosDe(const Variables& canal, double y)
{
    Variables copia = canal;
    try {
        ElementosHidraulicos(copia, y);
        if (std::isfinite(copia.energia) && std::isfinite(copia.cantMovimiento))
            return copia;
    } catch (const ErrorCalculo&) {
    }
    return std::nullopt;
}

struct Marcado {
    double y;
    QString nombre;
};

// The depths of the energy and force diagrams: 200 from 0.05·yc to the top,
// and the marked ones among them, in order.
std::vector<Marcado> Tirantes(const Variables& canal, double yc, double yn,
                              const std::vector<Marcado>& marcas)
{
    double arriba = 2.5 * std::max(yc, yn);
    for (const Marcado& m : marcas)
        arriba = std::max(arriba, m.y * 1.1);
    if (canal.esCircular)
        arriba = std::min(arriba, canal.diametro * 0.999);
    const double abajo = 0.05 * yc;
    std::vector<Marcado> tirantes;
    for (int i = 0; i < kPuntosCurva; ++i)
        tirantes.push_back({abajo + i * (arriba - abajo) / (kPuntosCurva - 1), QString()});
    for (const Marcado& m : marcas)
        if (m.y > 0)
            tirantes.push_back(m);
    std::stable_sort(tirantes.begin(), tirantes.end(),
                     [](const Marcado& a, const Marcado& b) { return a.y < b.y; });
    return tirantes;
}

// yc, yn and the depths of a panel, as marks of a diagram.
std::vector<Marcado> Marcas(const calculo::ResultadoUniforme& r,
                            const std::optional<std::pair<double, double>>& par)
{
    std::vector<Marcado> marcas = {{r.yc, QStringLiteral("yc")}};
    if (r.yn > 0 && !r.qLleno)
        marcas.push_back({r.yn, QStringLiteral("yn")});
    if (par && par->first > 0 && par->second > 0 && std::isfinite(par->first) &&
        std::isfinite(par->second)) {
        marcas.push_back({par->first, QStringLiteral("y1")});
        marcas.push_back({par->second, QStringLiteral("y2")});
    }
    return marcas;
}

SerieXY Serie(const QPolygonF& puntos, const QPen& pluma, const QString& nombre)
{
    return {puntos, pluma, nombre};
}

QColor ColorDeMarca(const QString& nombre)
{
    if (nombre == QLatin1String("yc"))
        return kColorYc;
    if (nombre == QLatin1String("yn"))
        return kColorYn;
    return kColorAlternos;
}

// The energy (energia true) or force diagram: the curve, its marks, the line
// joining the panel's pair, and the table.
Diagrama DiagramaDeFuncion(const EntradaDiagramas& e, bool energia)
{
    Diagrama d;
    const Uniforme u = FlujoDe(e);
    if (!u.mensaje.isEmpty()) {
        d.mensaje = u.mensaje;
        return d;
    }
    if (!(u.r.yc > 0)) {
        d.mensaje = capDiagSinCritico;
        return d;
    }
    const auto& par = energia ? e.alternos : e.conjugados;
    const std::vector<Marcado> marcas = Marcas(u.r, par);
    auto valor = [energia](const Variables& el) {
        return energia ? el.energia : el.cantMovimiento;
    };

    TablaDiagrama& t = d.tabla;
    if (energia) {
        t.simbolos = {QStringLiteral("y (m)"), QStringLiteral("A (m²)"), QStringLiteral("V (m/s)"),
                      QStringLiteral("Fr"),    QStringLiteral("E (m)"),  capColMarca};
        t.nombres = {capColTirante, capColArea,    capColVelocidad,
                     capColFroude,  capColEnergia, capColMarca};
        t.decimales = {4, 4, 4, 4, 4, 0};
    } else {
        t.simbolos = {QStringLiteral("y (m)"), QStringLiteral("A (m²)"), QStringLiteral("ȳ (m)"),
                      QStringLiteral("M (m³)"), capColMarca};
        t.nombres = {capColTirante, capColArea, capColCentroide, capColFuerza, capColMarca};
        t.decimales = {4, 4, 4, 4, 0};
    }
    QPolygonF curva;
    double arriba = 0;
    double yMayor = 0;
    std::vector<MarcaXY> puntosMarcados;
    std::vector<std::pair<double, double>> pares;  // the pair's points (y, value)
    for (const Marcado& m : Tirantes(e.canal, u.r.yc, u.r.yn, marcas)) {
        const std::optional<Variables> el = ElementosDe(e.canal, m.y);
        if (!el)
            continue;
        const double f = valor(*el);
        curva << QPointF(m.y, f);
        yMayor = std::max(yMayor, m.y);
        if (energia)
            t.filas.push_back({Num(m.y), Num(el->area), Num(el->velocidad), Num(el->froude), Num(f),
                               Txt(m.nombre)});
        else
            t.filas.push_back(
                {Num(m.y), Num(el->area), Num(el->profCentroide), Num(f), Txt(m.nombre)});
        if (!m.nombre.isEmpty()) {
            arriba = std::max(arriba, f);
            puntosMarcados.push_back({QPointF(m.y, f), m.nombre, ColorDeMarca(m.nombre)});
            if (m.nombre.startsWith(QLatin1String("y1")) ||
                m.nombre.startsWith(QLatin1String("y2")))
                pares.push_back({m.y, f});
        }
    }
    if (curva.isEmpty()) {
        d.mensaje = capDiagSinCritico;
        return d;
    }
    arriba = std::max(arriba, curva.back().y());

    DatosGrafico& g = d.grafico;
    const QString nombreCurva = energia ? QStringLiteral("E(y)") : QStringLiteral("M(y)");
    g.series.push_back(Serie(curva, QPen(kAzul, 2), nombreCurva));
    if (energia) {
        const double y0 = curva.front().x();
        g.series.push_back(Serie(QPolygonF({QPointF(y0, y0), QPointF(yMayor, yMayor)}),
                                 QPen(kGris, 1.2, Qt::DashLine), QStringLiteral("E = y")));
        arriba = std::max(arriba, yMayor);
    }
    if (pares.size() == 2) {
        g.series.push_back(Serie(QPolygonF({QPointF(pares[0].first, pares[0].second),
                                            QPointF(pares[1].first, pares[1].second)}),
                                 QPen(kColorAlternos, 1.2, Qt::DotLine),
                                 energia ? capLeyendaAlternos : capLeyendaConjugados));
    }
    g.marcas = puntosMarcados;
    g.tituloX = capEjeY;
    g.tituloY = energia ? capEjeEnergia : capEjeFuerza;
    g.lecturaX = QStringLiteral("y = %1 m");
    g.lecturaY = energia ? QStringLiteral("E = %1 m") : QStringLiteral("M = %1 m³");
    // Near y = 0 the curve runs off to infinity: the plot shows the part that matters.
    g.yMaximo = arriba * 1.15;

    if (const std::optional<Variables> el = ElementosDe(e.canal, u.r.yc))
        d.descripcion = QStringLiteral("Q = %1 m³/s, yc = %2 m, %3 = %4")
                            .arg(TextoFijo(e.canal.caudal, 4), TextoFijo(u.r.yc, 4),
                                 energia ? QStringLiteral("Ec") : QStringLiteral("Mc"),
                                 TextoFijo(valor(*el), 4))
                            .append(energia ? QStringLiteral(" m") : QStringLiteral(" m³"));
    // Named as their marks on the plot (the table lists them by depth).
    if (energia && pares.size() == 2 && par) {
        d.descripcion += QStringLiteral("; y1 = %1 m, y2 = %2 m, E = %3 m")
                             .arg(TextoFijo(par->first, 4), TextoFijo(par->second, 4),
                                  TextoFijo(pares[0].second, 4));
    }
    if (!energia && pares.size() == 2 && par) {
        const auto e1 = ElementosDe(e.canal, par->first);
        const auto e2 = ElementosDe(e.canal, par->second);
        if (e1 && e2)
            d.descripcion = capDiagResalto.arg(TextoFijo(par->first, 4), TextoFijo(par->second, 4),
                                               TextoFijo(e1->cantMovimiento, 4),
                                               TextoFijo(e1->energia - e2->energia, 4));
    }
    return d;
}

// A positive, finite number from a box; nullopt otherwise.
std::optional<double> Positivo(const QString& texto)
{
    try {
        const double valor = TextoANumero(texto.trimmed());
        if (valor > 0 && std::isfinite(valor))
            return valor;
    } catch (const ErrorLectura&) {
    }
    return std::nullopt;
}

// One row of the rating table: its uniform flow, or why there is none.
struct Fila {
    double caudal = 0;
    calculo::ResultadoUniforme r;
    std::optional<calculo::Dato> rechazo;
    std::exception_ptr error;  // an ErrorCalculo
};

std::vector<Fila> Filas(const Variables& canal, double a, double b, int k)
{
    std::vector<Fila> filas(size_t(k) + 1);
    auto calcular = [&](size_t desde, size_t paso) {
        for (size_t i = desde; i < filas.size(); i += paso) {
            Fila& fila = filas[i];
            Variables v = canal;
            v.caudal = int(i) == k ? b : a + int(i) * (b - a) / k;
            fila.caudal = v.caudal;
            try {
                const auto c = calculo::FlujoUniforme(v);
                if (c.hecho())
                    fila.r = *c;
                else
                    fila.rechazo = c.rechazo().dato;
            } catch (const ErrorCalculo&) {
                fila.error = std::current_exception();
            }
        }
    };
    // A short table is not worth the threads.
    const size_t hilos =
        filas.size() < 200 ? 1 : std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    std::vector<std::thread> trabajadores;
    for (size_t h = 1; h < hilos; ++h)
        trabajadores.emplace_back(calcular, h, hilos);
    calcular(0, hilos);
    for (std::thread& t : trabajadores)
        t.join();
    return filas;
}

}  // namespace

QString TablaDiagrama::Celda(int fila, int columna) const
{
    const CeldaDiagrama& c = filas[fila][columna];
    return c.valor ? TextoFijo(*c.valor, decimales[columna]) : c.texto;
}

QString TablaDiagrama::TextoSeparadoPorTabs() const
{
    QStringList lineas;
    lineas << QStringList(simbolos.begin(), simbolos.end()).join(QLatin1Char('\t'));
    for (size_t f = 0; f < filas.size(); ++f) {
        QStringList campos;
        for (size_t c = 0; c < simbolos.size(); ++c)
            campos << Celda(int(f), int(c));
        lineas << campos.join(QLatin1Char('\t'));
    }
    return lineas.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QByteArray TablaDiagrama::Csv() const
{
    std::vector<std::string> campos;
    for (size_t c = 0; c < simbolos.size(); ++c)
        campos.push_back(
            (nombres[c] == simbolos[c] ? nombres[c] : nombres[c] + QLatin1Char(' ') + simbolos[c])
                .toStdString());
    std::string texto = LineaCsv(campos) + '\n';
    for (const auto& fila : filas) {
        campos.clear();
        for (const CeldaDiagrama& c : fila)
            campos.push_back(c.valor ? NumeroExacto(*c.valor) : c.texto.toStdString());
        texto += LineaCsv(campos) + '\n';
    }
    return QByteArray::fromStdString(texto);
}

EntradaDiagramas EntradaDesdeEstado()
{
    EntradaDiagramas e;
    e.canal = estado();
    if (e.canal.tiranteAlternoSup > 0 && e.canal.tiranteAlternoInf > 0)
        e.alternos = std::make_pair(e.canal.tiranteAlternoSup, e.canal.tiranteAlternoInf);
    return e;
}

std::pair<double, double> RangoCaudalPorDefecto(double caudal)
{
    return {0.1 * caudal, 2 * caudal};
}

Diagrama DiagramaCurvaGasto(const EntradaDiagramas& e, const QString& desde, const QString& hasta,
                            const QString& pasos)
{
    Diagrama d;
    if (!e.errorLectura.isEmpty()) {
        d.mensaje = e.errorLectura;
        return d;
    }
    const std::optional<double> a = Positivo(desde);
    const std::optional<double> b = Positivo(hasta);
    if (!a || !b || !(*b > *a) || *b > kCaudalMaximo) {
        d.mensaje = capDiagRangoQ;
        return d;
    }
    bool entero = false;
    const int k = pasos.trimmed().toInt(&entero);
    if (!entero || k < 1 || k > kPasosMaximos) {
        d.mensaje = capDiagPasos;
        return d;
    }

    TablaDiagrama& t = d.tabla;
    t.simbolos = {QStringLiteral("Q (m³/s)"), QStringLiteral("yn (m)"),
                  QStringLiteral("yc (m)"),   QStringLiteral("V (m/s)"),
                  QStringLiteral("Fr"),       QStringLiteral("En (m)"),
                  QStringLiteral("Sc"),       capTipo};
    t.nombres = {capColCaudal, capColNormal,        capColCritico,     capColVelocidad,
                 capColFroude, capColEnergiaNormal, capColPendCritica, capColTipo};
    t.decimales = {4, 4, 4, 4, 4, 4, 6, 0};
    t.filas.reserve(size_t(k) + 1);
    if (const QString dimension = DimensionQueFalta(e.canal); !dimension.isEmpty()) {
        d.mensaje = capDiagFalta.arg(SinIgual(dimension));
        return d;
    }
    // Every row on its own copy of the channel, the rows shared among the
    // processor's cores; then read in order, so that the first row that fails
    // is the one told.
    const std::vector<Fila> filas = Filas(e.canal, *a, *b, k);
    QPolygonF normal, critico;
    bool cortada = false;
    for (int i = 0; i <= k; ++i) {
        const Fila& fila = filas[size_t(i)];
        if (fila.error) {
            d = Diagrama();
            try {
                std::rethrow_exception(fila.error);
            } catch (const ErrorCalculo& error) {
                d.mensaje = capDiagFallo.arg(ExplicarError(error)) +
                            QStringLiteral(" (Q = %1 m³/s)").arg(NumeroATexto(fila.caudal));
            }
            return d;
        }
        if (fila.rechazo) {
            d = Diagrama();
            d.mensaje = capDiagFalta.arg(SinIgual(NombreDato(*fila.rechazo)));
            return d;
        }
        const calculo::ResultadoUniforme& r = fila.r;
        t.filas.push_back({Num(fila.caudal), r.qLleno ? Txt(QStringLiteral("Q LLENO")) : Num(r.yn),
                           Num(r.yc), Num(r.velocidad), Num(r.froude), Num(r.en), Num(r.sc),
                           Txt(QString::fromStdString(r.tipo))});
        if (r.qLleno && !cortada) {
            cortada = true;
            d.descripcion = capDiagQLleno.arg(NumeroATexto(fila.caudal));
        }
        if (cortada)
            continue;
        if (r.yc > 0)
            critico << QPointF(fila.caudal, r.yc);
        if (r.yn > 0)
            normal << QPointF(fila.caudal, r.yn);
    }
    DatosGrafico& g = d.grafico;
    if (!normal.isEmpty())
        g.series.push_back(Serie(normal, QPen(kColorYn, 2), QStringLiteral("yn")));
    if (!critico.isEmpty())
        g.series.push_back(Serie(critico, QPen(kColorYc, 2, Qt::DashLine), QStringLiteral("yc")));
    g.tituloX = capEjeCaudal;
    g.tituloY = capEjeY;
    g.lecturaX = QStringLiteral("Q = %1 m³/s");
    g.lecturaY = QStringLiteral("y = %1 m");
    if (d.descripcion.isEmpty())
        d.descripcion = QStringLiteral("Q = %1 … %2 m³/s, %3 = %4")
                            .arg(NumeroATexto(*a), NumeroATexto(*b), capPasos)
                            .arg(k);
    return d;
}

Diagrama DiagramaEnergia(const EntradaDiagramas& e)
{
    return DiagramaDeFuncion(e, true);
}

Diagrama DiagramaFuerza(const EntradaDiagramas& e)
{
    return DiagramaDeFuncion(e, false);
}

Diagrama DiagramaSeccion(const EntradaDiagramas& e)
{
    Diagrama d;
    const Uniforme u = FlujoDe(e);
    if (!u.mensaje.isEmpty()) {
        d.mensaje = u.mensaje;
        return d;
    }
    const Variables& v = e.canal;
    struct Nivel {
        QString nombre;
        double y;
        QPen pluma;
    };
    std::vector<Nivel> niveles;
    if (u.r.yc > 0)
        niveles.push_back({QStringLiteral("yc"), u.r.yc, QPen(kColorYc, 1.5, Qt::DashDotLine)});
    if (u.r.yn > 0 && !u.r.qLleno)
        niveles.push_back({QStringLiteral("yn"), u.r.yn, QPen(kColorYn, 1.5, Qt::DashLine)});
    if (v.perfil.metodo != MetodoPerfil::Ninguno) {
        std::optional<double> primero, ultimo;
        for (size_t i = 1; i < v.tablaPerfil.size(); ++i) {
            if (v.tablaPerfil[i][2] == 0)
                continue;
            if (!primero)
                primero = v.tablaPerfil[i][2];
            ultimo = v.tablaPerfil[i][2];
        }
        if (primero)
            niveles.push_back({capNivelBorde, *primero, QPen(kAzul, 1.5)});
        if (ultimo)
            niveles.push_back({capNivelFinal, *ultimo, QPen(kColorAlternos, 1.5)});
    }

    TablaDiagrama& t = d.tabla;
    t.simbolos = {capColNivel,
                  QStringLiteral("y (m)"),
                  QStringLiteral("A (m²)"),
                  QStringLiteral("T (m)"),
                  QStringLiteral("P (m)"),
                  QStringLiteral("Rh (m)")};
    t.nombres = {capColNivel,    capColTirante,   capColArea,
                 capColAnchoSup, capColPerimetro, capColRadio};
    t.decimales = {0, 4, 4, 4, 4, 4};

    DatosGrafico& g = d.grafico;
    double alto = 0;
    for (const Nivel& n : niveles) {
        const std::optional<Variables> el = ElementosDe(v, n.y);
        if (!el)
            continue;
        alto = std::max(alto, n.y);
        t.filas.push_back({Txt(n.nombre), Num(n.y), Num(el->area), Num(el->anchoSup),
                           Num(el->perimetro), Num(el->radioHidraulico)});
        const double medio = el->anchoSup / 2;
        g.series.push_back(Serie(QPolygonF({QPointF(-medio, n.y), QPointF(medio, n.y)}), n.pluma,
                                 QStringLiteral("%1 = %2 m").arg(n.nombre, TextoFijo(n.y, 4))));
    }
    // The walls rise a third above the highest level; a pipe is drawn whole.
    QPolygonF contorno;
    const double h = std::max(alto * 1.35, 1e-3);
    if (v.esRectangular) {
        const double m = v.ancho / 2;
        contorno << QPointF(-m, h) << QPointF(-m, 0) << QPointF(m, 0) << QPointF(m, h);
    } else if (v.esTrapezoidal) {
        const double m = v.anchoFondo / 2, z = 1 / std::tan(v.anguloTalud);
        contorno << QPointF(-m - z * h, h) << QPointF(-m, 0) << QPointF(m, 0)
                 << QPointF(m + z * h, h);
    } else {
        const double r = v.diametro / 2;
        for (int i = 0; i <= 120; ++i) {
            const double a = 2 * M_PI * i / 120;
            contorno << QPointF(r * std::sin(a), r - r * std::cos(a));
        }
    }
    g.series.insert(g.series.begin(), Serie(contorno, QPen(Qt::black, 2), capTabSeccion));
    g.aEscala = true;
    g.tituloX = capEjeAncho;
    g.tituloY = capEjeAltura;
    g.lecturaX = QStringLiteral("x = %1 m");
    g.lecturaY = QStringLiteral("y = %1 m");
    d.descripcion = QStringLiteral("Q = %1 m³/s").arg(TextoFijo(v.caudal, 4));
    return d;
}
