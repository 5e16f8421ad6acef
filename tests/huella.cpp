// Before/after fingerprint of the whole state and every box over random states.
#include <QtTest>
#include <cstring>
#include <random>
#include "common/RespuestaAutomatica.h"
#include "mainwindow/RungeKutta.h"
#include "state/Variables.h"

static void Mezclar(QCryptographicHash& h, const Variables& v)
{
#define C(x) h.addData(QByteArrayView(reinterpret_cast<const char*>(&v.x), sizeof v.x));
    C(esRectangular) C(esTrapezoidal) C(esCircular) C(pendiente) C(nManning) C(caudal) C(tiranteBorde)
    C(xBorde) C(xBuscado) C(anchoFondo) C(anguloTalud) C(ancho) C(diametro) C(area) C(perimetro)
    C(radioHidraulico) C(anchoSup) C(profHidraulica) C(velocidad) C(froude) C(tirante) C(profCentroide)
    C(energia) C(cantMovimiento) C(pendFriccion) C(tension) C(taludZ) C(tiranteCritico) C(tiranteNormal)
    C(normalHallado) C(tiranteNormalConj) C(errorAdmisible) C(puntosPerfil) C(umbralPasoInteligente)
    C(pasoInteligente) C(tiranteBuscado) C(tiranteFinal) C(pasoX) C(tiranteAlternoSup) C(tiranteAlternoInf)
    C(yMaxGraf) C(yMinGraf) C(xMaxGraf) C(xMinGraf) C(zonaInicial) C(zonaActual) C(perfil.metodo) C(perfil.fin) C(perfil.xFin) C(idioma)
#undef C
    for (const auto& f : v.tablaPerfil) h.addData(QByteArrayView(reinterpret_cast<const char*>(f.data()), sizeof f));
}

class Huella : public QObject {
    Q_OBJECT
private slots:
    void huella()
    {
        const int N = qEnvironmentVariableIntValue("HUELLA_N");
        std::mt19937 gen(7);
        auto elegir = [&](std::initializer_list<const char*> l) { std::uniform_int_distribution<size_t> d(0, l.size() - 1); return QString(*(l.begin() + d(gen))); };
        auto num = [&] { return elegir({"0", "-1", "1", "2", "3", "0.5", "1.5", "0.001", "0.015", "0.013", "10", "0.3", "0.6121", "45", "90", "30", "", "abc", "1000", "1.2", "0.4", "-0.002", "0.05", "1.1468"}); };
        RespuestaAutomatica respuesta;
        auto* w = new RungeKutta();
        w->show();
        QCryptographicHash h(QCryptographicHash::Sha256);
        const char* cajas[] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text11", "Text28", "Text32", "Text34", "txtY1Conj", "Text21"};
        const char* botones[] = {"Calc_tir", "cmdAlterno", "cmdConjugado", "Calc_sup_libre", "Paso_directo", "Command1"};
        for (int i = 0; i < N; ++i) {
            w->findChild<QAbstractButton*>(elegir({"optRectangular", "optTrapezoidal", "optCircular"}))->setChecked(true);
            w->findChild<QAbstractButton*>(elegir({"optEnergia", "Option8"}))->setChecked(true);
            w->findChild<QAbstractButton*>(elegir({"optRungeKutta", "optCondBorde", "optManual"}))->setChecked(true);
            for (const char* c : cajas)
                if (gen() % 3) w->findChild<QLineEdit*>(c)->setText(num());
            for (int k = 0; k < 3; ++k) {
                const char* b = botones[gen() % 6];
                w->findChild<QPushButton*>(b)->click();
                QCoreApplication::processEvents();
                Mezclar(h, estado());
                QCryptographicHash paso(QCryptographicHash::Sha256);
                Mezclar(paso, estado());
                QString cajasTexto;
                for (QLineEdit* e : w->findChildren<QLineEdit*>()) { h.addData(e->text().toUtf8()); cajasTexto += e->objectName() + "=" + e->text() + " "; }
                if (qEnvironmentVariableIsSet("HUELLA_TRAZA")) qInfo("%d %s %s %s", i, b, paso.result().toHex().left(8).constData(), qPrintable(cajasTexto));
            }
            QStringList clases;
            for (QWidget* t : QApplication::topLevelWidgets())
                if (t != w && t->isVisible() && !qobject_cast<QMenu*>(t)) { clases << t->metaObject()->className(); if (qEnvironmentVariableIsSet("HUELLA_TRAZA")) qInfo("ventana %d %s", i, t->metaObject()->className()); t->close(); }
            clases.sort();
            h.addData(clases.join(',').toUtf8());
        }
        for (const QString& t : respuesta.textos()) { h.addData(t.toUtf8()); if (qEnvironmentVariableIsSet("HUELLA_TRAZA")) qInfo("msg %s", qPrintable(t)); }
        qInfo("messages %lld hash %s", (long long)respuesta.cantidad(), h.result().toHex().left(16).constData());
    }
};
QTEST_MAIN(Huella)
#include "huella.moc"
