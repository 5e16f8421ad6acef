#include "windows/InformeCalculo.h"

#include <QDateTime>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QUrl>

#include "captions/Numeros.h"
#include "engine/modFuncionesTorvel.h"
#include "captions/Textos.h"
#include "plot/GraficoVentanaPerfil.h"
#include "plot/GraficoXY.h"
#include "state/Variables.h"
#include "windows/Archivos.h"
#include "windows/Diagramas.h"
#include "windows/ModeloTablaPerfil.h"
#include "windows/VentanaPerfil.h"

namespace {

const QUrl kImagenPerfil(QStringLiteral("torvel://perfil.png"));
// The plot as it stands in the report, in screen pixels: the width of an A4
// page between 2 cm margins, so its lettering keeps the size it has on screen.
// It is drawn at three times that for the printer.
const QSize kTamanoGrafico(630, 320);

QString Celda(const QString& texto, const char* etiqueta = "td")
{
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(etiqueta), texto.toHtmlEscaped());
}

// A two-column table of captions and values.
QString TablaDePares(const QList<QPair<QString, QString>>& pares)
{
    QString html = QStringLiteral("<table cellspacing='0' cellpadding='3' border='0.5'>");
    for (const auto& [nombre, valor] : pares)
        html += QStringLiteral("<tr>") + Celda(nombre) + Celda(valor) + QStringLiteral("</tr>");
    return html + QStringLiteral("</table>");
}

QString Titulo(const QString& texto)
{
    return QStringLiteral("<h2>%1</h2>").arg(texto.toHtmlEscaped());
}

QList<QPair<QString, QString>> Canal(const Variables& v)
{
    QList<QPair<QString, QString>> canal;
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
    canal << qMakePair(capPendiente, NumeroATexto(v.pendiente))
          << qMakePair(capNumManning, NumeroATexto(v.nManning))
          << qMakePair(capCaudal, NumeroATexto(v.caudal));
    return canal;
}

QList<QPair<QString, QString>> Parametros(const Variables& v)
{
    return {qMakePair(capErrorAdm, NumeroATexto(v.errorAdmisible)),
            qMakePair(capPuntosInterm, QString::number(v.puntosPerfil)),
            qMakePair(capPasoInt, v.pasoInteligente ? capInformeSi : capInformeNo),
            qMakePair(capABS, NumeroATexto(v.umbralPasoInteligente))};
}

QString TablaPerfil(const ModeloTablaPerfil& modelo)
{
    QString html = QStringLiteral(
        "<table width='100%' cellspacing='0' cellpadding='2' border='0.5'><thead><tr>");
    // The depth columns only: the report's table keeps its width.
    const int columnas = ModeloTablaPerfil::NumColumnas;
    for (int c = 0; c < columnas; ++c)
        html += Celda(modelo.headerData(c, Qt::Horizontal).toString(), "th");
    html += QStringLiteral("</tr></thead>");
    for (int f = 0; f < modelo.rowCount(); ++f) {
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

InformeCalculo::InformeCalculo(const QList<QPair<QString, QString>>& resultados,
                               const QString& caso)
    : documento_(std::make_unique<QTextDocument>())
{
    const Variables& v = estado();
    QFont fuente(QStringLiteral("DejaVu Sans"));
    fuente.setPointSizeF(9);
    documento_->setDefaultFont(fuente);
    documento_->setDefaultStyleSheet(
        QStringLiteral("h1 { font-size: 16pt; } h2 { font-size: 12pt; margin-top: 14px; } "
                       "th { background-color: #e8e8e8; }"));

    QString html = QStringLiteral("<h1>%1</h1><p>%2</p>")
                       .arg(capInformeTitulo.toHtmlEscaped(),
                            capInformeFecha.arg(QLocale::system().toString(
                                QDateTime::currentDateTime(), QLocale::ShortFormat)));
    if (!caso.isEmpty())
        html += QStringLiteral("<p>%1</p>").arg(capInformeCaso.arg(caso).toHtmlEscaped());
    html += Titulo(capInformeCanal) + TablaDePares(Canal(v));
    html += Titulo(capInformeParametros) + TablaDePares(Parametros(v));
    html += Titulo(capInformeResultados);
    html += resultados.isEmpty() ? QStringLiteral("<p>%1</p>").arg(capInformeSinResultados)
                                 : TablaDePares(resultados);

    html += Titulo(capPerfilTitulo);
    html += QStringLiteral("<p>%1</p>").arg(DescripcionPerfil(v).toHtmlEscaped());
    if (v.perfil.metodo != MetodoPerfil::Ninguno) {
        html += QStringLiteral("<p>%1</p>")
                    .arg(capInformeBorde.arg(NumeroATexto(v.xBorde), NumeroATexto(v.tiranteBorde))
                             .toHtmlEscaped());
        GraficoVentanaPerfil grafico;
        grafico.MostrarPerfil(v);
        documento_->addResource(QTextDocument::ImageResource, kImagenPerfil,
                                grafico.Imagen(kTamanoGrafico, 3));
        html += QStringLiteral("<p><img src='%1' width='%2'></p>")
                    .arg(kImagenPerfil.toString())
                    .arg(kTamanoGrafico.width());
        ModeloTablaPerfil modelo;
        modelo.Cargar(v);
        html += TablaPerfil(modelo);
    }
    html += Diagramas(*documento_);
    documento_->setHtml(html);
}

InformeCalculo::~InformeCalculo() = default;

void InformeCalculo::Imprimir(QPagedPaintDevice* dispositivo) const
{
    documento_->print(dispositivo);
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
        pdf.setCreator(QStringLiteral("Torvel"));
        Imprimir(&pdf);
        return true;
    });
}
