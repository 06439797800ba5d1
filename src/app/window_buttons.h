#pragma once

#include <QAbstractButton>
#include <QWidget>

class KoWindow;

// One drawn window button in the bar's look: a light glyph on the dark strip, lit on hover.
class KoWindowButton : public QAbstractButton {
  Q_OBJECT

 public:
  enum class Kind { Minimise, Zoom, Close };

  explicit KoWindowButton(Kind kind, QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  Kind kind_;
  bool hovered_ = false;
  // The ring shows for focus that came from the keyboard, not for the window's first focus.
  bool ring_ = false;
};

// Minimise, zoom and close for the window without a title bar; they follow the language.
class KoWindowButtons : public QWidget {
  Q_OBJECT

 public:
  explicit KoWindowButtons(KoWindow* window, QWidget* parent = nullptr);

  KoWindowButton* zoom() const { return zoom_; }
  KoWindowButton* close() const { return close_; }
  // Zoom is offered only while the window may change size.
  void refresh();

 private:
  void retranslate();

  KoWindow* window_;
  KoWindowButton* minimise_;
  KoWindowButton* zoom_;
  KoWindowButton* close_;
};
