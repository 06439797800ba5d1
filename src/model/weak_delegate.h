#pragma once

#include <QObject>
#include <QPointer>

// A delegate held weakly: it must also be a QObject, and once it is destroyed it is no
// longer called. Screens come and go; the link and the controls outlive them.
template <class Delegate>
class WeakDelegate {
 public:
  void set(Delegate* delegate) {
    delegate_ = delegate;
    object_ = dynamic_cast<QObject*>(delegate);
    Q_ASSERT_X(!delegate || object_, "WeakDelegate", "a delegate must be a QObject");
  }
  Delegate* get() const { return object_ ? delegate_ : nullptr; }

 private:
  Delegate* delegate_ = nullptr;
  QPointer<QObject> object_;
};
