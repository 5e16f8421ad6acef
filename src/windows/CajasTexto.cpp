#include "windows/CajasTexto.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// QLineEdit keeps this many pixels free on each side of its text.
constexpr int kMargenInterno = 2;

// The narrow face of the window's family (Liberation Sans Narrow where Arial
// is not installed), at the box's size.
QFont FuenteEstrecha(const QFont& normal)
{
    QFont estrecha(normal.family() + QStringLiteral(" Narrow"));
    estrecha.setPointSizeF(normal.pointSizeF());
    return estrecha;
}

// The normal font is the one inherited from the frame; the narrow one is set
// only while the text needs it.
void AjustarLetra(QLineEdit* caja)
{
    caja->setFont(caja->parentWidget()->font());
    if (!CabeEnCaja(caja))
        caja->setFont(FuenteEstrecha(caja->font()));
}

}  // namespace

bool CabeEnCaja(const QLineEdit* caja)
{
    QStyleOptionFrame opcion;
    opcion.initFrom(caja);
    opcion.lineWidth = caja->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opcion, caja);
    const QRect contenido =
        caja->style()->subElementRect(QStyle::SE_LineEditContents, &opcion, caja);
    const QMargins margenes = caja->textMargins();
    const int ancho = contenido.width() - margenes.left() - margenes.right() - 2 * kMargenInterno;
    return QFontMetricsF(caja->font()).horizontalAdvance(caja->text()) <= ancho;
}

void MostrarDesdeElPrincipio(QLineEdit* caja)
{
    // setText clears the modified flag that typing sets, so only the program's
    // own writes get here.
    QObject::connect(caja, &QLineEdit::textChanged, caja, [caja] {
        if (!caja->isModified())
            caja->setCursorPosition(0);
    });
}

void PrepararResultado(QLineEdit* caja)
{
    caja->setFocusPolicy(Qt::ClickFocus);
    caja->setTextMargins(0, 0, 0, 0);
    QObject::connect(caja, &QLineEdit::textChanged, caja, [caja] {
        if (caja->isModified())
            return;
        AjustarLetra(caja);
        caja->setCursorPosition(0);
    });
}

void PonerAyudas(std::initializer_list<std::pair<QLineEdit*, const QString*>> ayudas)
{
    for (const auto& [caja, ayuda] : ayudas)
        caja->setToolTip(*ayuda);
}
