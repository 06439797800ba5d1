#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QWidget>

#include "widgets/theme.h"

class QSvgRenderer;

// A round dial with marks, labels and a needle. Angles are degrees counter-clockwise from the
// positive x axis of a y-up view; the marks run clockwise from the start angle.
class KoDashBoardDial : public QWidget {
  Q_OBJECT

 public:
  struct Scale {
    int scaleNumber;  // marks, first and last included
    double start;     // angle of mark 0, where the needle rests
    double angle;     // sweep from the first mark to the last
    int majorEvery;
    double markInset;  // extra inset of marks and labels from the frame
    double fontPoints;
    // Roles of the theme, read when the dial paints so that it follows a change of scheme.
    QColor KoTheme::Roles::*colour;
    QColor KoTheme::Roles::*labelColour;  // darker, so the numbers read on the panel
  };

  // Turns the needle to `value`; the dial keeps only the angle, not the reading.
  void progress(double value);
  double needleAngle() const { return needleAngle_; }

  // The label position for a mark at `angleRadians`, in widget coordinates (y down).
  QPointF calculateTextPositonWithArcCenter(QPointF center, double angleRadians) const;

  const Scale& scale() const { return scale_; }
  double perAngle() const { return scale_.angle / (scale_.scaleNumber - 1); }
  // Radii for the current size; never negative, zero where the dial is too small for the part.
  double outerRadius() const;
  double markRadius() const;
  double labelRadius() const;
  // Whether the numbers are drawn; below a size they would run into the hub.
  bool labelsShown() const;
  // The box of a labelled mark's text, as close to the marks as it fits.
  QRectF labelRect(int mark) const;
  // The boxes of the numbers drawn at the current size; empty where none are.
  QList<QRectF> labelRects() const;
  QFont numberFont() const;
  // The needle's reach from the centre: it stops short of the numbers, so that no reading
  // puts it over one.
  double needleLength() const;

  // The square the dial is drawn in, centred; past a size a dial only looks bloated, so a
  // larger widget leaves room round it.
  QRectF face() const;
  static constexpr int kLargestSide = 320;

  QSize sizeHint() const override { return {220, 220}; }

 protected:
  KoDashBoardDial(const Scale& scale, QWidget* parent);

  virtual double angleFor(double value) const = 0;
  virtual bool labelled(int mark) const = 0;
  virtual QString labelText(int mark) const = 0;

  void paintEvent(QPaintEvent* event) override;
  // A new size redraws the dial from scratch, which puts the needle back at rest.
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The dial keeps its proportions in a frame that is not square.
  double side() const;
  double frame() const;

  Scale scale_;
  double needleAngle_;
};

// Voltage dial, 0 to 15 V over the upper half circle.
class KoDashBoardView : public KoDashBoardDial {
  Q_OBJECT

 public:
  explicit KoDashBoardView(QWidget* parent = nullptr);

  // Clamps to 0..15 V; 0 V points left (180), 15 V right (0).
  static double needleAngleDegrees(double volts);

 protected:
  double angleFor(double value) const override { return needleAngleDegrees(value); }
  bool labelled(int mark) const override;
  QString labelText(int mark) const override;
};

// Position dial; its input is the servo position divided by 10, 0 to 100.
class KoDashBoardPostionView : public KoDashBoardDial {
  Q_OBJECT

 public:
  explicit KoDashBoardPostionView(QWidget* parent = nullptr);

  // Clamps to 0..100; 0 points lower left (225), 100 lower right (-45).
  static double needleAngleDegrees(double value);

 protected:
  double angleFor(double value) const override { return needleAngleDegrees(value); }
  bool labelled(int mark) const override;
  QString labelText(int mark) const override;
};

// Thermometer: an image of a tube and bulb with a column that rises with `pro`
// (degrees Celsius plus 10).
class KoDashBoardTemperatureView : public QWidget {
  Q_OBJECT

 public:
  // Image points of column per unit of `pro`.
  static constexpr double kPerUnit = 507.0 / 140.0;

  // Where the image and the red fills go, in widget coordinates.
  struct Fill {
    double scale;  // widget pixels per image point
    QRectF image;
    QRectF column;
    QRectF joint;  // between the bulb's neck and the column
  };

  explicit KoDashBoardTemperatureView(
      QWidget* parent = nullptr,
      const QString& imagePath = QStringLiteral(":/images/temperature2.svg"));

  // Stores `pro` and schedules a redraw; drawing clamps it, the stored value is kept as given.
  void setPro(double pro);
  double pro() const { return pro_; }

  Fill fill() const { return fillFor(size(), pro_); }
  static Fill fillFor(QSizeF size, double pro);
  // The height, in widget coordinates, that the column's top reaches at `celsius`; the scale's
  // marks and numbers are drawn there.
  static double levelFor(QSizeF size, double celsius);

  // The scale's numbers at the current size: the font they take and where each is drawn.
  struct Number {
    QRectF box;
    QString text;
  };
  QFont numberFont() const;
  QList<Number> numbers() const;

  QSize sizeHint() const override { return {60, 400}; }
  // The marks and numbers of the scale.
  static QColor scaleColour();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer* image_;
  double pro_ = 0;
};
