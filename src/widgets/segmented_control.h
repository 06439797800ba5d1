#pragma once

#include <QColor>
#include <QList>
#include <QPainterPath>
#include <QStringList>
#include <QWidget>

#include "widgets/slanted_tabs.h"

class KoSegmentedControlDelegate {
 public:
  virtual ~KoSegmentedControlDelegate() = default;
  // The user picked segment `index`, which was not the selected one.
  virtual void selectTitleIndex(int index) = 0;
};

// A row of slanted tabs, one per title key, with one of them selected. Titles are localized
// when drawn, so a language change needs only a repaint.
class KoSegmentedControl : public QWidget {
  Q_OBJECT

 public:
  explicit KoSegmentedControl(QWidget* parent = nullptr);

  QStringList titles() const { return titles_; }
  int index() const { return index_; }
  // Selects a segment from code; the delegate is not told.
  void setIndex(int index);
  void setDelegate(KoSegmentedControlDelegate* delegate) { delegate_ = delegate; }

  // The tab outlines for the current titles, language and size, in segment order.
  QList<QPainterPath> paths() const;

  qreal maginLeftOne() const { return maginLeftOne_; }
  qreal maginLeftTwo() const { return maginLeftTwo_; }
  // What a segment is filled with and written in.
  QColor fillColor(bool selected) const;
  QColor titleColor(bool selected) const;
  void setCornerRadius(qreal radius);
  void setBorderWidth(qreal width);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Picks segment i as a click on it does.
  void choose(int i);
  QList<qreal> titleWidths() const;
  QList<KoSlantedTabs::Tab> tabs() const;
  void changed();

  QStringList titles_{QStringLiteral("servo_mode"), QStringLiteral("motor_mode")};
  int index_ = 0;
  KoSegmentedControlDelegate* delegate_ = nullptr;
  qreal maginLeftOne_ = 0;
  qreal maginLeftTwo_ = 20;
  qreal cornerRadius_ = 3;
  qreal borderWidth_ = 1;
};
