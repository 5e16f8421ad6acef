// The four numerical parameters of the engine: admissible error of the depth
// solvers, number of profile points, and the intelligent step with its
// threshold. The values are applied only by cmdAceptarSalir.
#pragma once

#include <QWidget>
#include <memory>

class QLabel;
class QLineEdit;

namespace Ui {
class frmParamCalc;
}

class frmParamCalc : public QWidget {
    Q_OBJECT
public:
    explicit frmParamCalc(QWidget* parent = nullptr);
    ~frmParamCalc() override;

private:
    void cmdAceptarSalir_Click();
    bool LeerCaja(QLineEdit* caja, const QLabel* etiqueta, double& valor);
    void RechazarCaja(QLineEdit* caja, const QString& mensaje);

    std::unique_ptr<Ui::frmParamCalc> ui;
};
