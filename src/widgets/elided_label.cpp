#include "widgets/elided_label.h"

#include <QEvent>
#include <QTextLayout>

FittedText fitText(const QString& text, const QFont& font, int width, int maxLines,
                   Qt::TextElideMode mode) {
  FittedText fitted;
  if (text.isEmpty() || maxLines < 1) return fitted;
  const QFontMetrics metrics(font);
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    if (fitted.lines.size() + 1 < maxLines) {
      fitted.lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
      continue;
    }
    // The last line takes the rest, as much of it as fits.
    const QString rest = text.mid(line.textStart()).trimmed();
    fitted.lines.append(metrics.elidedText(rest, mode, width));
    fitted.cut = fitted.lines.last() != rest;
    break;
  }
  layout.endLayout();
  return fitted;
}

KoElidedLabel::KoElidedLabel(Qt::TextElideMode mode, QWidget* parent)
    : QLabel(parent), mode_(mode) {
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void KoElidedLabel::setFullText(const QString& text) {
  full_ = text;
  refit();
}

QSize KoElidedLabel::sizeHint() const { return {0, fontMetrics().height()}; }

void KoElidedLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  refit();
}

void KoElidedLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) refit();
}

void KoElidedLabel::refit() {
  const QString shown = fontMetrics().elidedText(full_, mode_, width());
  // Setting the same text again would drop the user's selection.
  if (shown != text()) setText(shown);
  setToolTip(shown == full_ ? QString() : full_);
}
