#pragma once

#include <QWidget>

#include "widgets/svg_images.h"

// An SVG picture filling the widget, drawn once per size rather than on every paint; its
// first size is drawn ahead on a worker thread, between the layout and the first paint.
class KoSvgPicture : public QWidget {
 public:
  explicit KoSvgPicture(const QString& path, QWidget* parent = nullptr);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  KoSvgDrawing drawing_;
};
