// The channel design window's drawing: a channel's cross-section to scale (one
// metre is as long across as up), the water up to its depth, the critical
// depth dashed and the main dimensions written on it; painted alike on screen,
// in a PNG and in an SVG.
#pragma once

#include <QImage>
#include <QWidget>
#include <optional>

#include "calc/Diseno.h"

class QPainter;

class DibujoSeccion : public QWidget {
    Q_OBJECT
public:
    explicit DibujoSeccion(QWidget* parent = nullptr);

    // The channel, with its depth, and its critical depth when there is one.
    void MostrarSeccion(const CanalDiseno& canal, std::optional<double> tiranteCritico);
    void Borrar();
    bool haySeccion() const { return canal_.has_value(); }

    // Paints the section into area (white background, axes in metres).
    void Pintar(QPainter& pintor, const QRectF& area) const;
    // The drawing at the given size, escala times as many pixels.
    QImage Imagen(const QSize& tamano, qreal escala) const;

    QSize sizeHint() const override { return {420, 300}; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    std::optional<CanalDiseno> canal_;
    std::optional<double> critico_;
};
