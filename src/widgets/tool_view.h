#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <optional>
#include "widgets/theme.h"

class QLabel;

// A panel of the tool screen: a rounded box with a light shadow, a title label showing a
// localization key (set again on every language change) and a content area for the
// panel's controls. With an empty title key the content takes the whole box.
class KoToolView : public QWidget {
  Q_OBJECT

 public:
  static constexpr qreal kCornerRadius = KoTheme::kRadius;
  // Room around the box for the shadow.
  static constexpr int kShadow = 6;

  explicit KoToolView(const QString& titleKey = {}, QWidget* parent = nullptr);

  void setTitleKey(const QString& key);
  QLabel* lableTitle() const { return lableTitle_; }

  // The theme's surface unless set.
  QColor backColor() const;
  // The title takes dark or light text, whichever reads on the colour.
  void setBackColor(const QColor& color);

  // Where the panel's controls go; give it a layout or place children by hand.
  QWidget* contentWidget() const { return content_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void retranslate();

  QString titleKey_;
  std::optional<QColor> backColor_;
  QLabel* lableTitle_;
  QWidget* content_;
};
