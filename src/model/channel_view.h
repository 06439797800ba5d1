#pragma once

#include <QList>
#include <QString>

// What the frame conversions need of one channel slider control, so that they run and are
// tested without widgets. Slider i (0-based) stands for channel i + 1.
class ChannelView {
 public:
  virtual ~ChannelView() = default;

  // The position shown in the control's text field.
  virtual QString text() const = 0;
  // Sets the text field from code: the control follows it but reports nothing.
  virtual void setText(const QString& text) = 0;
  virtual bool isHidden() const = 0;
  // Sets the text of a named sub-control ("sliderSmall", "lableSmall", ...).
  virtual void setControlText(const QString& name, const QString& text) = 0;
  virtual void setShake(bool shake) = 0;
};

using ChannelViews = QList<ChannelView*>;

namespace KoTools {

// 1-based positions of the visible views, in list order: the ids of a read, unload or trim
// command.
QList<int> visibleChannelIds(const ChannelViews& views);

}  // namespace KoTools
