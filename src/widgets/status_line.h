#pragma once

#include <QLabel>
#include <QTimer>

class QGraphicsOpacityEffect;
class QPropertyAnimation;

// One line where a screen says how an action went: a state that lasts ("Group 3 running")
// stays until it is replaced or cleared, a result ("Run over") fades on its own.
// Nothing to click, nothing that stops the user's work. It keeps the lane it is given: a long
// message wraps onto a second line and is cut after it, the whole of it in the tooltip. The
// lines keep the label's horizontal alignment (right unless set).
class KoStatusLine : public QLabel {
  Q_OBJECT

 public:
  static constexpr int kDefaultFadeDelay = 4000;
  static constexpr int kLines = 2;

  explicit KoStatusLine(QWidget* parent = nullptr);

  // Shows a state until the next message or clear().
  void showState(const QString& text);
  // Shows a result that fades after the fade delay.
  void showResult(const QString& text);
  void clearMessage();
  bool fading() const { return fade_.isActive(); }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void show(const QString& text);
  void refit();

  QStringList lines_;
  QTimer fade_;
  QGraphicsOpacityEffect* opacity_;
  QPropertyAnimation* fadeOut_;
};
