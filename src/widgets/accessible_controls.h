#pragma once

#include <QAccessible>
#include <QRect>
#include <QStringList>
#include <functional>

class QWidget;

// The program's own drawn controls as assistive technology sees them: the switch as a check
// box with its state and a toggle action, the slider with its value, the segmented control
// with its chosen segment; any other drawn widget takes the role given with setRole().
// Without this they are anonymous "client" areas whose state a screen reader cannot tell.
namespace KoAccessible {

// Installs the factory once; the controls call it as the first of them is made.
void install();
// For a drawn widget with no class of its own here (the arm view, the curves, the tab bar).
// Call before the widget is first asked for: the interface is made once.
void setRole(QWidget* widget, QAccessible::Role role);

// A drawn row of tabs (the top bar's, the segmented control's): each tab is a child a reader
// can name, find selected, and press as a click would.
struct Tabs {
  std::function<QStringList()> titles;  // as shown
  std::function<int()> current;
  std::function<QRect(int)> rect;  // in the widget
  std::function<void(int)> choose;
};
void setTabs(QWidget* widget, Tabs tabs);

// Tells a screen reader of a change. Qt drops the event when no reader is attached (always on
// the offscreen platform), so a listener set here hears every one, attached or not.
void tell(QAccessibleEvent* event);
using Listener = void (*)(QAccessibleEvent*);
void setListener(Listener listener);

}  // namespace KoAccessible
