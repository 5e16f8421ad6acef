// The splash window: logo and product name for a moment; then it says so
// (esperaCumplida) and stays behind the start-up warning until that closes.
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

signals:
    void esperaCumplida();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    std::unique_ptr<Ui::Form_inicio> ui;
    int demoraMs_;
    bool esperaIniciada_ = false;
};
