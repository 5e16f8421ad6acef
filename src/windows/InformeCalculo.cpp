#include "windows/InformeCalculo.h"

#include <QAbstractTextDocumentLayout>
#include <QDateTime>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>
#include <cmath>

#include "captions/Numeros.h"
#include "captions/Textos.h"
#include "engine/modFuncionesTorvel.h"
#include "plot/GraficoVentanaPerfil.h"
#include "plot/GraficoXY.h"
#include "state/Variables.h"
#include "windows/Archivos.h"
#include "windows/DescripcionCanal.h"
#include "windows/Diagramas.h"
#include "windows/ModeloTablaPerfil.h"
#include "windows/VentanaPerfil.h"

namespace {

using Pares = QList<QPair<QString, QString>>;

const QUrl kImagenPerfil(QStringLiteral("torvel://perfil.png"));
// The plot as it stands in the report, in screen pixels: the width of an A4
// page between 2 cm margins, so its lettering keeps the size it has on screen.
// It is drawn at three times that for the printer.
const QSize kTamanoGrafico(630, 320);

QString Celda(const QString& texto, const char* etiqueta = "td")
{
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(etiqueta), texto.toHtmlEscaped());
}

QString FilaDePares(const Pares& pares)
{
    QString html;
    for (const auto& [nombre, valor] : pares)
        html += QStringLiteral("<tr>") + Celda(nombre) + Celda(valor) + QStringLiteral("</tr>");
    return html;
}

// A two-column table of captions and values.
QString TablaDePares(const Pares& pares)
{
    return QStringLiteral("<table cellspacing='0' cellpadding='3' border='0.5'>") +
           FilaDePares(pares) + QStringLiteral("</table>");
}

QString Titulo(const QString& texto, const char* nivel = "h2")
{
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(nivel), texto.toHtmlEscaped());
}

QString Parrafo(const QString& texto)
{
    return QStringLiteral("<p>%1</p>").arg(texto.toHtmlEscaped());
}

Pares Canal(const Variables& v)
{
    Pares canal;
    if (v.esRectangular) {
        canal << qMakePair(capInformeForma, capRectangular)
              << qMakePair(capAncho, NumeroATexto(v.ancho));
    } else if (v.esTrapezoidal) {
        // The angle was typed in degrees and converted with pi taken as 3.1415.
        canal << qMakePair(capInformeForma, capTrapezoidal)
              << qMakePair(capAnchFondo, NumeroATexto(v.anchoFondo))
              << qMakePair(capAngTaludGrados, TextoRedondeado(RadianesAGrados(v.anguloTalud), 6));
    } else if (v.esCircular) {
        canal << qMakePair(capInformeForma, capCircular)
              << qMakePair(capDiametro, NumeroATexto(v.diametro));
    }
    canal << qMakePair(capInformePendiente, NumeroATexto(v.pendiente))
          << qMakePair(capNumManning, NumeroATexto(v.nManning))
          << qMakePair(capInformeCaudal, NumeroATexto(v.caudal));
    return canal;
}

Pares Parametros(const Variables& v)
{
    return {qMakePair(capInformeErrorAdm, NumeroATexto(v.errorAdmisible)),
            qMakePair(capInformePuntos, QString::number(v.puntosPerfil)),
            qMakePair(capPasoInt, v.pasoInteligente ? capInformeSi : capInformeNo),
            qMakePair(capABS, NumeroATexto(v.umbralPasoInteligente))};
}

// One panel's result: its inputs, then its results. A result computed for
// another channel than the one in the boxes says so, and names that channel.
QString Panel(const QString& titulo, const Variables& usado, const Variables& actual,
              const Pares& datos, const Pares& resultados)
{
    QString html = Titulo(titulo, "h3");
    if (!MismoCanal(usado, actual))
        html += QStringLiteral("<p><b>%1</b>: %2</p>")
                    .arg(capOtroCanal.toHtmlEscaped(), DescripcionCanal(usado).toHtmlEscaped());
    const QString encabezado = QStringLiteral("<tr><th colspan='2'>%1</th></tr>");
    html += QStringLiteral("<table cellspacing='0' cellpadding='3' border='0.5'>");
    if (!datos.isEmpty())
        html += encabezado.arg(capInformeDatos.toHtmlEscaped()) + FilaDePares(datos);
    html += encabezado.arg(capInformeResultados.toHtmlEscaped()) + FilaDePares(resultados);
    return html + QStringLiteral("</table>");
}

QString Redondeado(double valor, int decimales)
{
    return TextoRedondeado(valor, decimales);
}

QString Resultados(const Variables& actual, const ResultadosPaneles& r)
{
    QString html;
    if (r.uniforme) {
        const calculo::ResultadoUniforme& u = **r.uniforme;
        Pares res{qMakePair(capInformeCritico, Redondeado(u.yc, 4)),
                  qMakePair(capInformeNormal, u.qLleno ? capInformeQLleno : Redondeado(u.yn, 4))};
        if (u.pct && r.uniforme->estado.esCircular)
            res << qMakePair(capInformePorcDiametro, Redondeado(*u.pct, 2));
        if (u.sc)
            res << qMakePair(capInformePendCritica, Redondeado(*u.sc, 3));
        if (!u.tipo.empty())
            res << qMakePair(capInformeTipoPendiente, QString::fromStdString(u.tipo));
        if (u.ec)
            res << qMakePair(capInformeEyc, Redondeado(*u.ec, 3));
        if (u.en)
            res << qMakePair(capInformeEyn, Redondeado(*u.en, 3));
        html += Panel(capTiranteFlujoUniforme.trimmed(), r.uniforme->estado, actual, {}, res);
    }
    if (r.alterno) {
        html += Panel(capTirantesAlternos, r.alterno->calculo.estado, actual,
                      {qMakePair(capInformeTirante, NumeroATexto(r.alterno->dato))},
                      {qMakePair(capInformeAlternoY, Redondeado(r.alterno->calculo->tirante, 4))});
    }
    if (r.alternos) {
        const calculo::ResultadoAlternos& a = *r.alternos->calculo;
        html += Panel(capTirantesAlternos, r.alternos->calculo.estado, actual,
                      {qMakePair(capInformeEnergiaDada, NumeroATexto(r.alternos->dato))},
                      {qMakePair(capInformeAlternoSup, Redondeado(a.superior, 4)),
                       qMakePair(capInformeAlternoInf, Redondeado(a.inferior, 4))});
    }
    if (r.conjugado) {
        const double y2 = r.conjugado->calculo->tirante;
        html += Panel(
            capConjugado, r.conjugado->calculo.estado, actual,
            {qMakePair(capInformeConjugadoY1, NumeroATexto(r.conjugado->dato))},
            {qMakePair(capInformeConjugadoY2, y2 < 0 ? capInformeConjugadoNo : Redondeado(y2, 4))});
    }
    if (r.rungeKutta) {
        const Variables& v = r.rungeKutta->estado;
        html += Panel(capDadoxf + QLatin1Char(' ') + capRungeKutta, v, actual,
                      {qMakePair(capInformeXBorde, NumeroATexto(v.xBorde)),
                       qMakePair(capInformeYBorde, NumeroATexto(v.tiranteBorde)),
                       qMakePair(capInformeXf, NumeroATexto(v.xBuscado))},
                      {qMakePair(capInformeYf, Redondeado((*r.rungeKutta)->tiranteFinal, 4)),
                       qMakePair(capInformeEnergia, Redondeado((*r.rungeKutta)->energia, 4))});
    }
    if (r.pasoDirecto) {
        const Variables& v = r.pasoDirecto->calculo.estado;
        html +=
            Panel(capDadoyf + QLatin1Char(' ') + capDadoyfPasoDirecto, v, actual,
                  {qMakePair(capInformeXBorde, NumeroATexto(v.xBorde)),
                   qMakePair(capInformeYBorde, NumeroATexto(v.tiranteBorde)),
                   qMakePair(capInformeYfBuscado, NumeroATexto(r.pasoDirecto->dato))},
                  {qMakePair(capInformeXfHallado, Redondeado(r.pasoDirecto->calculo->xFinal, 2)),
                   qMakePair(capInformeEnergia, Redondeado(r.pasoDirecto->calculo->energia, 3))});
    }
    if (r.elementos) {
        const Variables& v = r.elementos->estado;
        html += Panel(capParamHidraulicos, v, actual,
                      {qMakePair(capInformeTirante, NumeroATexto((*r.elementos)->tirante))},
                      {qMakePair(capInformeArea, Redondeado(v.area, 3)),
                       qMakePair(capParamPerim, Redondeado(v.perimetro, 3)),
                       qMakePair(capInformeRh, Redondeado(v.radioHidraulico, 3)),
                       qMakePair(capParamAncho, Redondeado(v.anchoSup, 3)),
                       qMakePair(capParamVel, Redondeado(v.velocidad, 3)),
                       qMakePair(capInformeFroude, Redondeado(v.froude, 3)),
                       qMakePair(capInformeSf, Redondeado(v.pendFriccion, 5)),
                       qMakePair(capParamTens, Redondeado(v.tension, 3)),
                       qMakePair(capParamEnergia, Redondeado(v.energia, 3)),
                       qMakePair(capInformeMomento, Redondeado(v.cantMovimiento, 3))});
    }
    return html;
}

// The rows printed: all of them, or every k-th with the first and the last.
std::vector<int> FilasImpresas(int filas, bool todas, int* paso)
{
    *paso = 1;
    if (!todas && filas > InformeCalculo::kFilasSinReducir)
        *paso =
            static_cast<int>(std::ceil((filas - 1) / double(InformeCalculo::kFilasSinReducir - 1)));
    std::vector<int> indices;
    for (int f = 0; f < filas; f += *paso)
        indices.push_back(f);
    if (filas > 0 && indices.back() != filas - 1)
        indices.push_back(filas - 1);
    return indices;
}

QString TablaPerfil(const ModeloTablaPerfil& modelo, bool todas)
{
    int paso = 1;
    const std::vector<int> filas = FilasImpresas(modelo.rowCount(), todas, &paso);
    QString html;
    if (paso > 1)
        html += Parrafo(capInformeTablaReducida.arg(paso).arg(filas.size()).arg(modelo.rowCount()));
    html += QStringLiteral(
        "<table width='100%' cellspacing='0' cellpadding='2' border='0.5'><thead><tr>");
    // The depth columns only: the report's table keeps its width.
    const int columnas = ModeloTablaPerfil::NumColumnas;
    for (int c = 0; c < columnas; ++c)
        html += Celda(modelo.headerData(c, Qt::Horizontal).toString(), "th");
    html += QStringLiteral("</tr></thead>");
    for (const int f : filas) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < columnas; ++c)
            html += QStringLiteral("<td align='right'>%1</td>").arg(modelo.TextoCelda(f, c));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// The section, the specific energy diagram and the rating curve of the
// channel in the state, each with its heading and a line on it, half a page
// each; nothing of those whose data are missing.
QString Diagramas(QTextDocument& documento)
{
    const EntradaDiagramas entrada = EntradaDesdeEstado();
    const auto [desde, hasta] = RangoCaudalPorDefecto(entrada.canal.caudal);
    const std::pair<const QString*, Diagrama> diagramas[] = {
        {&capTabSeccion, DiagramaSeccion(entrada)},
        {&capTabEnergia, DiagramaEnergia(entrada)},
        {&capTabCurvaGasto, DiagramaCurvaGasto(entrada, NumeroATexto(desde), NumeroATexto(hasta),
                                               QString::number(kPasosPorDefecto))},
    };
    QString html;
    int n = 0;
    for (const auto& [titulo, diagrama] : diagramas) {
        if (!diagrama.mensaje.isEmpty() || diagrama.grafico.vacio())
            continue;
        GraficoXY grafico;
        grafico.Mostrar(diagrama.grafico);
        const QUrl url(QStringLiteral("torvel://diagrama-%1.png").arg(n++));
        documento.addResource(QTextDocument::ImageResource, url, grafico.Imagen(kTamanoGrafico, 3));
        // The first starts a page; two share each page.
        const bool nuevaPagina = n % 2 == 1;
        html +=
            QStringLiteral("<h2%1>%2</h2><p>%3</p><p><img src='%4' width='%5'></p>")
                .arg(nuevaPagina ? QStringLiteral(" style='page-break-before: always'") : QString(),
                     titulo->toHtmlEscaped(), diagrama.descripcion.toHtmlEscaped(), url.toString())
                .arg(kTamanoGrafico.width());
    }
    return html;
}

}  // namespace

InformeCalculo::InformeCalculo(const Variables& actual, const ResultadosPaneles& resultados,
                               const QString& caso, bool todasLasFilas)
    : documento_(std::make_unique<QTextDocument>())
{
    QFont fuente(QStringLiteral("DejaVu Sans"));
    fuente.setPointSizeF(9);
    documento_->setDefaultFont(fuente);
    documento_->setDefaultStyleSheet(
        QStringLiteral("h1 { font-size: 16pt; } h2 { font-size: 12pt; margin-top: 14px; } "
                       "h3 { font-size: 10pt; margin-top: 10px; } "
                       "th { background-color: #e8e8e8; }"));

    QString html = QStringLiteral("<h1>%1</h1><p>%2<br>%3</p>")
                       .arg(capInformeTitulo.toHtmlEscaped(),
                            capInformeFecha
                                .arg(QLocale::system().toString(QDateTime::currentDateTime(),
                                                                QLocale::ShortFormat))
                                .toHtmlEscaped(),
                            capInformePrograma.arg(QStringLiteral(TORVEL_VERSION)).toHtmlEscaped());
    if (!caso.isEmpty())
        html += Parrafo(capInformeCaso.arg(caso));
    html += Titulo(capInformeCanal) + TablaDePares(Canal(actual));
    html += Titulo(capInformeParametros) + TablaDePares(Parametros(actual));
    html += Titulo(capInformeMetodo) +
            Parrafo(capInformeMetodoTexto.arg(NumeroATexto(actual.errorAdmisible))
                        .arg(actual.puntosPerfil));
    html += Titulo(capInformeResultados);
    const QString paneles = Resultados(actual, resultados);
    html += paneles.isEmpty() ? Parrafo(capInformeSinResultados) : paneles;

    html += Titulo(capPerfilTitulo);
    const Variables perfil = resultados.perfil.value_or(Variables());
    html += Parrafo(DescripcionPerfil(perfil));
    if (perfil.perfil.metodo != MetodoPerfil::Ninguno) {
        html += Parrafo(capInformeCanalPerfil.arg(DescripcionCanal(perfil)));
        if (!MismoCanal(perfil, actual))
            html += QStringLiteral("<p><b>%1</b></p>").arg(capOtroCanal.toHtmlEscaped());
        html += Parrafo(
            capInformeBorde.arg(NumeroATexto(perfil.xBorde), NumeroATexto(perfil.tiranteBorde)));
        html +=
            Parrafo(capInformePuntos + QStringLiteral(": ") + QString::number(perfil.puntosPerfil));
        GraficoVentanaPerfil grafico;
        grafico.MostrarPerfil(perfil);
        documento_->addResource(QTextDocument::ImageResource, kImagenPerfil,
                                grafico.Imagen(kTamanoGrafico, 3));
        html += QStringLiteral("<p><img src='%1' width='%2'></p>")
                    .arg(kImagenPerfil.toString())
                    .arg(kTamanoGrafico.width());
        ModeloTablaPerfil modelo;
        modelo.Cargar(perfil);
        html += TablaPerfil(modelo, todasLasFilas);
    }
    html += Diagramas(*documento_);
    documento_->setHtml(html);
}

InformeCalculo::~InformeCalculo() = default;

QString InformeCalculo::Texto() const
{
    return documento_->toPlainText();
}

// As QTextDocument::print lays a document out on a printer, with 2 cm margins,
// but with the program and "page n of N" at the foot of every page.
void InformeCalculo::Imprimir(QPagedPaintDevice* dispositivo) const
{
    QPainter pintor(dispositivo);
    if (!pintor.isActive())
        return;
    QTextDocument& doc = *documento_;
    doc.documentLayout()->setPaintDevice(dispositivo);
    const int dpi = dispositivo->logicalDpiY();
    // The frame's margins are given at the screen's resolution, as every other
    // length of the document, and the layout scales them to the device's.
    const QScreen* pantalla = QGuiApplication::primaryScreen();
    const qreal dpiPantalla = pantalla ? qRound(pantalla->logicalDotsPerInchY()) : 100;
    QTextFrameFormat marco = doc.rootFrame()->frameFormat();
    marco.setMargin(2 / 2.54 * dpiPantalla);
    doc.rootFrame()->setFrameFormat(marco);
    const qreal margen = 2 / 2.54 * dpi;  // on the device
    const QRectF cuerpo(0, 0, dispositivo->width(), dispositivo->height());
    doc.setPageSize(cuerpo.size());

    const QFont fuente(doc.defaultFont(), dispositivo);
    const QFontMetricsF medidas(fuente, dispositivo);
    const qreal pie = cuerpo.height() - margen + medidas.ascent() + 5.0 * dpi / 72.0;
    const QString programa = QStringLiteral("Torvel " TORVEL_VERSION);
    const int paginas = doc.pageCount();
    for (int i = 0; i < paginas; ++i) {
        if (i > 0)
            dispositivo->newPage();
        pintor.save();
        pintor.translate(0, -i * cuerpo.height());
        const QRectF vista(0, i * cuerpo.height(), cuerpo.width(), cuerpo.height());
        pintor.setClipRect(vista);
        QAbstractTextDocumentLayout::PaintContext contexto;
        contexto.clip = vista;
        contexto.palette.setColor(QPalette::Text, Qt::black);
        doc.documentLayout()->draw(&pintor, contexto);
        pintor.restore();

        pintor.setFont(fuente);
        pintor.setPen(Qt::black);
        const QString pagina = capInformePagina.arg(i + 1).arg(paginas);
        pintor.drawText(QPointF(margen, pie), programa);
        pintor.drawText(QPointF(cuerpo.width() - margen - medidas.horizontalAdvance(pagina), pie),
                        pagina);
    }
    // The device lives no longer than this call.
    doc.documentLayout()->setPaintDevice(nullptr);
}

void InformeCalculo::Previsualizar(QWidget* padre) const
{
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setPageSize(QPageSize(QPageSize::A4));
    impresora.setDocName(capInformeTitulo);
    QPrintPreviewDialog vista(&impresora, padre);
    vista.setWindowTitle(capInformeTitulo);
    vista.resize(900, 800);
    QObject::connect(&vista, &QPrintPreviewDialog::paintRequested, &vista,
                     [this](QPrinter* p) { Imprimir(p); });
    vista.exec();
}

bool InformeCalculo::GuardarPdf(QWidget* padre, const QString& ruta) const
{
    return EscribirArchivo(padre, ruta, [this](QIODevice& archivo) {
        QPdfWriter pdf(&archivo);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(300);
        pdf.setTitle(capInformeTitulo);
        pdf.setCreator(QStringLiteral("Torvel " TORVEL_VERSION));
        Imprimir(&pdf);
        return true;
    });
}
