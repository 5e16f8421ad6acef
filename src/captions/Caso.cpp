// Reading and writing of saved cases (.torvel, UTF-8 JSON).
#include "captions/Caso.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cmath>

#include "captions/Numeros.h"
#include "captions/Textos.h"

const char kExtensionCaso[] = "torvel";

namespace {

const QString kFormato = QStringLiteral("torvel-case");
// A box holds at most this many characters (QLineEdit's default limit).
constexpr int kLargoMaximo = 32767;
constexpr int kPuntosMaximos = 32765;

const QStringList kFormas = {QStringLiteral("rect"), QStringLiteral("trap"),
                             QStringLiteral("circle")};
const QStringList kModosAlterno = {QStringLiteral("depth"), QStringLiteral("energy")};
const QStringList kFuentesTirante = {QStringLiteral("boundary"), QStringLiteral("runge_kutta"),
                                     QStringLiteral("manual")};

QJsonValue ComoJson(const ValorCaso& valor)
{
    switch (valor.tipo) {
    case ValorCaso::Tipo::Numero: return valor.numero;
    case ValorCaso::Tipo::Texto: return valor.texto;
    case ValorCaso::Tipo::Vacio: break;
    }
    return QJsonValue::Null;
}

QString Lista(const QStringList& opciones)
{
    QStringList citadas;
    for (const QString& opcion : opciones)
        citadas << QLatin1Char('"') + opcion + QLatin1Char('"');
    return citadas.join(QStringLiteral(", "));
}

// Checks one field after another; the first fault is kept as the reason.
class Lector {
public:
    QString motivo;

    bool Tipo(const QString& campo, const QString& esperado)
    {
        motivo = capMotivoCampoTipo.arg(campo, esperado);
        return false;
    }
    bool Rango(const QString& campo, const QString& esperado)
    {
        motivo = capMotivoCampoRango.arg(campo, esperado);
        return false;
    }

    // An object that may be missing (then empty).
    bool Objeto(const QJsonObject& padre, const QString& clave, QJsonObject& objeto)
    {
        const QJsonValue valor = padre.value(clave);
        if (valor.isUndefined())
            return true;
        if (!valor.isObject())
            return Tipo(clave, capEsperaObjeto);
        objeto = valor.toObject();
        return true;
    }

    bool Texto(const QJsonObject& padre, const QString& campo, const QString& clave, QString& texto)
    {
        const QJsonValue valor = padre.value(clave);
        if (valor.isUndefined())
            return true;
        if (!valor.isString())
            return Tipo(campo, capEsperaTexto);
        texto = valor.toString();
        return true;
    }

    bool Opcion(const QJsonObject& padre, const QString& campo, const QString& clave,
                const QStringList& opciones, QString& elegida)
    {
        QString texto = elegida;
        if (!Texto(padre, campo, clave, texto))
            return false;
        if (!opciones.contains(texto))
            return Rango(campo, capEsperaUno.arg(Lista(opciones)));
        elegida = texto;
        return true;
    }

    bool Numero(const QJsonObject& padre, const QString& campo, const QString& clave,
                double& numero)
    {
        const QJsonValue valor = padre.value(clave);
        if (valor.isUndefined())
            return true;
        if (!valor.isDouble())
            return Tipo(campo, capEsperaNumero);
        if (!std::isfinite(valor.toDouble()))
            return Rango(campo, capEsperaFinito);
        numero = valor.toDouble();
        return true;
    }

    bool Entrada(const QJsonValue& valor, const QString& campo, ValorCaso& entrada)
    {
        if (valor.isUndefined() || valor.isNull())
            return true;
        if (valor.isDouble()) {
            if (!std::isfinite(valor.toDouble()))
                return Rango(campo, capEsperaFinito);
            entrada.tipo = ValorCaso::Tipo::Numero;
            entrada.numero = valor.toDouble();
            return true;
        }
        if (!valor.isString())
            return Tipo(campo, capEsperaEntrada);
        if (valor.toString().size() > kLargoMaximo)
            return Rango(campo, capEsperaLargo.arg(kLargoMaximo));
        entrada.tipo = ValorCaso::Tipo::Texto;
        entrada.texto = valor.toString();
        return true;
    }
};

}  // namespace

ValorCaso ValorCaso::DesdeTexto(const QString& texto, bool lecturaInicial)
{
    ValorCaso valor;
    if (texto.isEmpty())
        return valor;
    try {
        const double numero = TextoANumero(texto);
        if (!lecturaInicial || NumeroInicial(texto) == numero) {
            valor.tipo = Tipo::Numero;
            valor.numero = numero;
            return valor;
        }
    } catch (const ErrorLectura&) {
    }
    valor.tipo = Tipo::Texto;
    valor.texto = texto;
    return valor;
}

QString ValorCaso::ComoTexto() const
{
    switch (tipo) {
    case Tipo::Numero: return NumeroATexto(numero);
    case Tipo::Texto: return texto;
    case Tipo::Vacio: break;
    }
    return QString();
}

bool ValorCaso::operator==(const ValorCaso& otro) const
{
    return tipo == otro.tipo && numero == otro.numero && texto == otro.texto;
}

ValorCaso Caso::Entrada(const QString& clave) const
{
    for (const auto& [nombre, valor] : entradas) {
        if (nombre == clave)
            return valor;
    }
    return ValorCaso();
}

const QList<QString>& ClavesEntradas()
{
    static const QList<QString> claves = {
        QStringLiteral("width"),      QStringLiteral("bottom_width"),
        QStringLiteral("angle"),      QStringLiteral("side_slope"),
        QStringLiteral("diameter"),   QStringLiteral("slope"),
        QStringLiteral("n"),          QStringLiteral("q"),
        QStringLiteral("x0"),         QStringLiteral("y0"),
        QStringLiteral("xf"),         QStringLiteral("yf"),
        QStringLiteral("alt_depth"),  QStringLiteral("alt_energy"),
        QStringLiteral("conj_depth"), QStringLiteral("manual_depth"),
    };
    return claves;
}

QByteArray EscribirCaso(const Caso& caso)
{
    QJsonObject entradas;
    for (const QString& clave : ClavesEntradas())
        entradas.insert(clave, ComoJson(caso.Entrada(clave)));
    QJsonObject resultados;
    for (const auto& [clave, valor] : caso.resultados)
        resultados.insert(clave, ComoJson(valor));

    QJsonObject raiz{
        {QStringLiteral("format"), kFormato},
        {QStringLiteral("version"), kVersionCaso},
        {QStringLiteral("shape"), caso.forma},
        {QStringLiteral("inputs"), entradas},
        {QStringLiteral("options"),
         QJsonObject{{QStringLiteral("alternate"), caso.modoAlterno},
                     {QStringLiteral("depth_source"), caso.fuenteTirante}}},
        {QStringLiteral("parameters"),
         QJsonObject{{QStringLiteral("admissible_error"), caso.errorAdmisible},
                     {QStringLiteral("profile_points"), caso.puntosPerfil},
                     {QStringLiteral("smart_step_threshold"), caso.umbralPasoInteligente},
                     {QStringLiteral("smart_step"), caso.pasoInteligente}}},
        {QStringLiteral("results"), resultados},
    };
    if (!caso.titulo.isEmpty())
        raiz.insert(QStringLiteral("title"), caso.titulo);
    if (!caso.notas.isEmpty())
        raiz.insert(QStringLiteral("notes"), caso.notas);
    return QJsonDocument(raiz).toJson(QJsonDocument::Indented);
}

bool LeerCaso(const QString& ruta, Caso& caso, QString& motivo)
{
    const QFileInfo info(ruta);
    if (info.isDir()) {
        motivo = capMotivoCarpeta;
        return false;
    }
    if (!info.exists()) {
        motivo = capMotivoNoExiste;
        return false;
    }
    if (info.size() > kTamanoMaximoCaso) {
        motivo = capMotivoMuyGrande;
        return false;
    }
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly)) {
        motivo = capMotivoNoLegible;
        return false;
    }
    // The size may have changed since it was asked: never more than the limit.
    const QByteArray datos = archivo.read(kTamanoMaximoCaso + 1);
    if (archivo.error() != QFileDevice::NoError) {
        motivo = capMotivoNoLegible;
        return false;
    }
    if (datos.size() > kTamanoMaximoCaso) {
        motivo = capMotivoMuyGrande;
        return false;
    }
    return InterpretarCaso(datos, caso, motivo);
}

bool InterpretarCaso(const QByteArray& datos, Caso& caso, QString& motivo)
{
    QByteArray texto = datos;
    if (texto.startsWith("\xEF\xBB\xBF"))
        texto.remove(0, 3);  // a byte-order mark some editors add
    QJsonParseError error;
    const QJsonDocument documento = QJsonDocument::fromJson(texto, &error);
    if (error.error != QJsonParseError::NoError) {
        motivo = capMotivoNoJson.arg(error.offset);
        return false;
    }
    const QJsonObject raiz = documento.object();
    if (!documento.isObject() || raiz.value(QStringLiteral("format")).toString() != kFormato) {
        motivo = capMotivoOtroFormato;
        return false;
    }

    Lector l;
    const QString campoVersion = QStringLiteral("version");
    const QJsonValue version = raiz.value(campoVersion);
    bool bien = true;
    if (version.isUndefined()) {
        l.motivo = capMotivoCampoFalta.arg(campoVersion);
        bien = false;
    } else if (!version.isDouble()) {
        bien = l.Tipo(campoVersion, capEsperaNumero);
    } else if (version.toDouble() != std::floor(version.toDouble()) || version.toDouble() < 1) {
        bien = l.Rango(campoVersion, capEsperaVersion);
    } else if (version.toDouble() > kVersionCaso) {
        l.motivo = capMotivoVersionNueva.arg(version.toDouble());
        bien = false;
    }

    // Everything is read into a copy, handed over only when all of it is right.
    Caso nuevo;
    QJsonObject entradas;
    QJsonObject opciones;
    QJsonObject parametros;
    double puntos = nuevo.puntosPerfil;
    QJsonValue paso = nuevo.pasoInteligente;
    bien = bien &&
           l.Opcion(raiz, QStringLiteral("shape"), QStringLiteral("shape"), kFormas, nuevo.forma);
    bien = bien && l.Texto(raiz, QStringLiteral("title"), QStringLiteral("title"), nuevo.titulo);
    bien = bien && l.Texto(raiz, QStringLiteral("notes"), QStringLiteral("notes"), nuevo.notas);
    bien = bien && l.Objeto(raiz, QStringLiteral("inputs"), entradas);
    for (const QString& clave : ClavesEntradas()) {
        ValorCaso valor;
        bien = bien && l.Entrada(entradas.value(clave), QStringLiteral("inputs.") + clave, valor);
        nuevo.entradas.append({clave, valor});
    }
    bien = bien && l.Objeto(raiz, QStringLiteral("options"), opciones);
    bien = bien && l.Opcion(opciones, QStringLiteral("options.alternate"),
                            QStringLiteral("alternate"), kModosAlterno, nuevo.modoAlterno);
    bien = bien && l.Opcion(opciones, QStringLiteral("options.depth_source"),
                            QStringLiteral("depth_source"), kFuentesTirante, nuevo.fuenteTirante);
    bien = bien && l.Objeto(raiz, QStringLiteral("parameters"), parametros);
    const QString campoError = QStringLiteral("parameters.admissible_error");
    bien = bien && l.Numero(parametros, campoError, QStringLiteral("admissible_error"),
                            nuevo.errorAdmisible);
    if (bien && nuevo.errorAdmisible < 0)
        bien = l.Rango(campoError, capEsperaNoNegativo);
    const QString campoPuntos = QStringLiteral("parameters.profile_points");
    bien = bien && l.Numero(parametros, campoPuntos, QStringLiteral("profile_points"), puntos);
    if (bien && (puntos != std::floor(puntos) || puntos < 0 || puntos > kPuntosMaximos))
        bien = l.Rango(campoPuntos, capEsperaPuntos.arg(kPuntosMaximos));
    nuevo.puntosPerfil = static_cast<int16_t>(bien ? puntos : 0);
    bien = bien && l.Numero(parametros, QStringLiteral("parameters.smart_step_threshold"),
                            QStringLiteral("smart_step_threshold"), nuevo.umbralPasoInteligente);
    if (parametros.contains(QStringLiteral("smart_step")))
        paso = parametros.value(QStringLiteral("smart_step"));
    if (bien && !paso.isBool())
        bien = l.Tipo(QStringLiteral("parameters.smart_step"), capEsperaLogico);
    nuevo.pasoInteligente = paso.toBool();
    // The results are for the reader only: they are never read back.

    if (!bien) {
        motivo = l.motivo;
        return false;
    }
    caso = nuevo;
    return true;
}
