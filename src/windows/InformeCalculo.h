// The calculation report: an A4 document in the current language with the
// channel, the calculation parameters, every result the main window shows, the
// profile plot with its type, and the profile table (over as many pages as it
// needs). It is previewed for printing, or written straight to a PDF file.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <memory>

class QPagedPaintDevice;
class QTextDocument;
class QWidget;

class InformeCalculo {
public:
    // resultados: the caption and the text of each result box that holds a
    // value; everything else is read from the calculation state.
    // caso: the saved case the window holds (its file and title), if any.
    explicit InformeCalculo(const QList<QPair<QString, QString>>& resultados,
                            const QString& caso = QString());
    ~InformeCalculo();

    // Lays the report out on the pages of the device and paints it.
    void Imprimir(QPagedPaintDevice* dispositivo) const;
    // The print preview, from which the user prints or saves a PDF.
    void Previsualizar(QWidget* padre) const;
    // Writes the report as a PDF; a failure is told to the user and gives false.
    bool GuardarPdf(QWidget* padre, const QString& ruta) const;

private:
    std::unique_ptr<QTextDocument> documento_;
};
