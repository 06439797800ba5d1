#pragma once

#include <QLabel>
#include <QStringList>

// A text fitted into `width`: broken at words into at most `maxLines` lines, the last one
// elided at `mode` where the rest does not fit. `cut` tells whether anything was left out.
struct FittedText {
  QStringList lines;
  bool cut = false;
};
FittedText fitText(const QString& text, const QFont& font, int width, int maxLines,
                   Qt::TextElideMode mode = Qt::ElideRight);

// A one-line label whose text never widens its lane: it shows as much as its width holds,
// elided where chosen, with the whole text as its tooltip when cut. It stays selectable.
class KoElidedLabel : public QLabel {
  Q_OBJECT

 public:
  explicit KoElidedLabel(Qt::TextElideMode mode, QWidget* parent = nullptr);

  void setFullText(const QString& text);
  QString fullText() const { return full_; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void refit();

  Qt::TextElideMode mode_;
  QString full_;
};
