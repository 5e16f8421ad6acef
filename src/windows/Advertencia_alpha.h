// The start-up warning about the decimal separator. From here the user goes on
// (aceptada), leaves (abandonada), or looks at the product window; what follows
// is the program start's business.
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

signals:
    // Emitted before the warning closes, so that the next window can open
    // while this one is still up and the application never runs out of windows.
    void aceptada();
    void abandonada();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void Aceptar_Click();
    void Informacion_Click();

    std::unique_ptr<Ui::Advertencia_alpha> ui;
};
