#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>
#include <chrono>

// A timed progress bar: a light-grey box with a green bar as many points wide as the value and
// a title key drawn on top. A value of 0 or less hides it, anything above shows it.
class KoProgressView : public QWidget {
  Q_OBJECT

 public:
  using Delay = std::chrono::milliseconds;

  explicit KoProgressView(QWidget* parent = nullptr);

  double pro() const { return pro_; }
  void setPro(double pro);
  QString title() const { return title_; }
  void setTitle(const QString& key);

  // Runs the bar of "set": starts at 0.1 and, every tick, titles it "settings" while the value
  // is below 200, else "set_complete" with the bar hidden (and titled "settings" again) one
  // hide delay later; then redraws and adds 1. After 201 ticks it stops, so "set_complete"
  // shows about 1 s after the start and the bar goes 0.5 s after that. Starting again
  // restarts the run and cancels a pending hide of the previous one.
  void startTimedRun();
  // Tick (5 ms) and hide delay (0.5 s) of the timed run; tests set them to 0.
  void setTimedRunDelays(Delay tick, Delay hide);
  bool isRunning() const { return tick_.isActive() || hide_.isActive(); }

  QSize sizeHint() const override;

 signals:
  // The timed run hid the bar.
  void timedRunFinished();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void tick();

  double pro_ = 0;
  QString title_ = QStringLiteral("settings");
  QTimer tick_;
  QTimer hide_;
  int ticksLeft_ = 0;
};
