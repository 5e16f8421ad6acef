#include "windows/Form_inicio.h"

#include <QTimer>

#include "ui_Form_inicio.h"
#include "windows/VentanaUnica.h"

Form_inicio::Form_inicio(int demoraMs, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Form_inicio>()), demoraMs_(demoraMs)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(488, 213);
    CentrarEnPantalla(this);
}

Form_inicio::~Form_inicio() = default;

// The pause starts only once the splash is on the screen, so it is always seen
// before the warning covers it. Unlike a busy loop, the timer lets it paint.
void Form_inicio::showEvent(QShowEvent* evento)
{
    QWidget::showEvent(evento);
    if (esperaIniciada_)
        return;
    esperaIniciada_ = true;
    QTimer::singleShot(demoraMs_, this, &Form_inicio::esperaCumplida);
}
