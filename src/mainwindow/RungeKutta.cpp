#include "mainwindow/RungeKutta.h"

RungeKutta::RungeKutta(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("TORVEL v1.3"));
}
