// The warning through which the calculation commands refuse missing or
// non-positive input. It speaks the language current when it opens and is
// dismissed only by its own button, so the user cannot miss it.
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class Adv_faltandatos;
}

class Adv_faltandatos : public QWidget {
    Q_OBJECT
public:
    explicit Adv_faltandatos(QWidget* parent = nullptr);
    ~Adv_faltandatos() override;

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    void OKButton_Click();

    std::unique_ptr<Ui::Adv_faltandatos> ui;
    bool cierrePermitido_ = false;
};
