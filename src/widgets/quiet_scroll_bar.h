#pragma once

#include <QScrollBar>
#include <optional>

// A scroll bar that is drawn again only when what it shows changes. Over 65,535 rows a row
// added or removed moves the handle by less than a pixel, and the style's bar costs more to
// draw than the rows that changed.
class KoQuietScrollBar : public QScrollBar {
 public:
  using QScrollBar::QScrollBar;

 protected:
  void sliderChange(SliderChange change) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Look {
    QRect handle;
    bool atStart = false;
    bool atEnd = false;
    bool enabled = false;
    friend bool operator==(const Look&, const Look&) = default;
  };
  Look look() const;

  std::optional<Look> painted_;
  bool checkPending_ = false;
};
