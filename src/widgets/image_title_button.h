#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QString>
#include <optional>

#include "widgets/svg_images.h"

// A drawn button with an image over a title. The title is a localization key, localized when
// drawn; text() follows it for accessibility.
class KoImageTitleButton : public QAbstractButton {
  Q_OBJECT

 public:
  static QColor defaultBackgroundColor();
  // The fill of a button whose long operation (a download) is under way.
  static QColor busyBackgroundColor();

  // `image` names an SVG resource, for example ":/images/add.svg".
  explicit KoImageTitleButton(const QString& image = {}, const QString& titleKey = {},
                              QWidget* parent = nullptr);

  QString image() const { return image_; }
  void setImage(const QString& image);
  QString myTitle() const { return myTitle_; }
  void setMyTitle(const QString& key);

  // Also sets the hover colour to a lighter shade.
  void setBackgroundColor(const QColor& color);
  // Dark or light, whichever reads better on the current fill.
  QColor titleColor() const;
  // A title of several words may take two lines, so a row of buttons needs less width.
  void setWrapsTitle(bool wraps);
  // The fill drawn now: hover, pressed and disabled shades of the background included.
  QColor fillColor() const;

  int tag() const { return tag_; }
  void setTag(int tag) { tag_ = tag; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void retranslate();
  QSize measuredHint() const;

  QString image_;
  // The picture as drawn from image_, before it takes the title's colour.
  KoSvgDrawing drawing_;
  QString myTitle_;
  bool wrapsTitle_ = false;
  // Until the title, its wrapping or the font changes.
  mutable std::optional<QSize> hint_;
  QColor backgroundColor_ = defaultBackgroundColor();
  QColor hoverColor_ = defaultBackgroundColor().lighter(112);
  bool hovered_ = false;
  int tag_ = 0;
};
