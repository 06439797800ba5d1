#pragma once

#include <QLineEdit>

class QValidator;

// A field for a whole number between a minimum (0 unless set) and a maximum. The user can
// type digits only (and a leading minus sign when the minimum is negative); an edit that
// would leave the range is refused as a whole and the text stays as it was. An emptied field
// shows "0". Pressing Enter confirms the value.
class KoNumberField : public QLineEdit {
  Q_OBJECT

 public:
  explicit KoNumberField(int maximum = 1000, QWidget* parent = nullptr);

  int minimum() const { return minimum_; }
  // A negative minimum lets the user type a leading minus sign.
  void setMinimum(int minimum);

  // The shown number; 0 when the text is not a number.
  int value() const;
  // Shows `value` clamped to the range. Like setText, it does not emit confirmed.
  void setValue(int value);

  int tag() const { return tag_; }
  void setTag(int tag) { tag_ = tag; }

  // Whether `text` is a number the field accepts (an empty text counts as 0).
  bool accepts(const QString& text) const;

 signals:
  // The user pressed Enter.
  void confirmed(int value);

 private:
  void edited(const QString& text);

  int maximum_;
  int minimum_ = 0;
  int tag_ = 0;
};
