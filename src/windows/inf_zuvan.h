// The product window: logo, name, fields of work and version, without a title
// bar. It opens from the start-up warning and from the main window.
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class inf_zuvan;
}

class inf_zuvan : public QWidget {
    Q_OBJECT
public:
    explicit inf_zuvan(QWidget* parent = nullptr);
    ~inf_zuvan() override;

private:
    std::unique_ptr<Ui::inf_zuvan> ui;
};
