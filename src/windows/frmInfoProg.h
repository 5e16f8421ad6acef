// About the program: name and version, what is new, how to report faults.
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class frmInfoProg;
}

class frmInfoProg : public QWidget {
    Q_OBJECT
public:
    explicit frmInfoProg(QWidget* parent = nullptr);
    ~frmInfoProg() override;

private:
    std::unique_ptr<Ui::frmInfoProg> ui;
};
