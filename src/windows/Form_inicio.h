// The splash window: logo and product name for a moment, then the start-up
// warning. It closes when the warning closes.
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class Form_inicio;
}

class Form_inicio : public QWidget {
    Q_OBJECT
public:
    // demoraMs: how long the splash is shown alone before the warning appears.
    explicit Form_inicio(int demoraMs = 1000, QWidget* parent = nullptr);
    ~Form_inicio() override;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void MostrarAdvertencia();

    std::unique_ptr<Ui::Form_inicio> ui;
    int demoraMs_;
    bool esperaIniciada_ = false;
};

// Start of the application: reads the stored language, fills the captions and
// shows the splash, which leads on to the start-up warning.
void IniciarAplicacion(int demoraMs = 1000);

// Whether Qt will find a screen to open windows on. Without one, Qt would
// abort with a long platform-plugin message; the program says instead, in one
// line, how to get a display.
bool HayPantalla();
