#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QWidget>
#include <chrono>

#include "widgets/theme.h"

// A small chart of one reading over the last two minutes: its caption, the latest value and
// a line that moves left as samples come. Samples older than the span fall away.
class KoStripChart : public QWidget {
  Q_OBJECT

 public:
  static constexpr qint64 kSpanMs = 120'000;

  // `captionKey` names the reading; values are drawn between `low` and `high` in the theme's
  // colour `line`.
  KoStripChart(const char* captionKey, double low, double high, QColor KoTheme::Roles::*line,
               QWidget* parent = nullptr);

  // Makes room at once for the samples of a whole span taken `every` apart, so that a day of
  // readings never reallocates them.
  void reserveFor(std::chrono::milliseconds every);
  // A reading at `msecs` on the caller's clock, shown as `text`.
  void addSample(qint64 msecs, double value, const QString& text);
  void clear();
  // (milliseconds, value) pairs within the span of the newest one, oldest first.
  const QList<QPointF>& samples() const { return samples_; }
  QString latestText() const { return latestText_; }

  // The text colour of the caption, the value and the span; it must read on `background()`.
  static QColor textColour();
  static QColor background();

  // What the top line says at the current width, and where: the caption (with the span where
  // it fits) at the left, the latest value at the right.
  struct Legend {
    QString caption;
    QRectF captionBox;
    QRectF valueBox;
  };
  Legend legend() const;

  // Wide enough for the caption beside a value, so a narrow window does not lose it.
  QSize minimumSizeHint() const override;
  QSize sizeHint() const override { return {180, 52}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  const char* captionKey_;
  double low_;
  double high_;
  QColor KoTheme::Roles::*line_;
  QList<QPointF> samples_;
  QString latestText_;
};
