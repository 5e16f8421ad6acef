// Every hydraulic element of the section for one depth, as the engine left them
// in the calculation state. The window computes nothing: the main window runs
// the engine and then shows this window, or asks an open one to Cargar again.
#pragma once

#include <QWidget>
#include <memory>

class QLineEdit;

namespace Ui {
class frmParamVarios;
}

class frmParamVarios : public QWidget {
    Q_OBJECT
public:
    explicit frmParamVarios(QWidget* parent = nullptr);
    ~frmParamVarios() override;

    // Copies the section elements of the calculation state into the boxes.
    void Cargar();

    // Deactivation and focus loss are deliberately not handled: the window stays
    // open behind whichever window the user activates, and the main window
    // refreshes it with Cargar when the user asks for a new depth.

private:
    std::unique_ptr<Ui::frmParamVarios> ui;
};
