#pragma once
#include <QMainWindow>

class RungeKutta : public QMainWindow {
    Q_OBJECT
public:
    explicit RungeKutta(QWidget* parent = nullptr);
};
