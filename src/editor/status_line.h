#pragma once

#include <QLabel>
#include <QTimer>

class QGraphicsOpacityEffect;
class QPropertyAnimation;

// One line where the editor says how a board action went: a state that lasts ("Group 3
// running") stays until it is replaced or cleared, a result ("Run over") fades on its own.
// Nothing to click, nothing that stops the user's work.
class KoStatusLine : public QLabel {
  Q_OBJECT

 public:
  static constexpr int kDefaultFadeDelay = 4000;

  explicit KoStatusLine(QWidget* parent = nullptr);

  // Shows a state until the next message or clear().
  void showState(const QString& text);
  // Shows a result that fades after the fade delay.
  void showResult(const QString& text);
  void clearMessage();
  bool fading() const { return fade_.isActive(); }

 private:
  void show(const QString& text);

  QTimer fade_;
  QGraphicsOpacityEffect* opacity_;
  QPropertyAnimation* fadeOut_;
};
