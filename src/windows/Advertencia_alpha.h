// The start-up warning about the decimal separator. From here the user goes on
// to the main window, leaves, or looks at the product window.
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class Advertencia_alpha;
}

class Advertencia_alpha : public QWidget {
    Q_OBJECT
public:
    explicit Advertencia_alpha(QWidget* parent = nullptr);
    ~Advertencia_alpha() override;

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void Aceptar_Click();
    void Informacion_Click();

    std::unique_ptr<Ui::Advertencia_alpha> ui;
};
