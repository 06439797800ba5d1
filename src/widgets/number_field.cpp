#include "widgets/number_field.h"

#include <QValidator>
#include <algorithm>
#include <optional>

namespace {

// Parses a signed decimal without overflowing on long digit strings; nullopt when `text`
// has anything but digits after an optional minus sign, or more digits than an int can hold.
std::optional<qint64> parse(const QString& text) {
  qsizetype i = 0;
  const bool negative = text.startsWith(QLatin1Char('-'));
  if (negative) ++i;
  while (i < text.size() - 1 && text[i] == QLatin1Char('0')) ++i;
  if (i == text.size()) return std::nullopt;
  const QStringView digits = QStringView(text).mid(i);
  if (digits.size() > 10) return std::nullopt;
  qint64 value = 0;
  for (const QChar c : digits) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    value = value * 10 + (c.unicode() - '0');
  }
  return negative ? -value : value;
}

class RangeValidator : public QValidator {
 public:
  explicit RangeValidator(KoNumberField* field) : QValidator(field), field_(field) {}

  State validate(QString& input, int&) const override {
    // A lone minus sign is where a negative number starts.
    if (input == QLatin1String("-") && field_->minimum() < 0) return Intermediate;
    return field_->accepts(input) ? Acceptable : Invalid;
  }

 private:
  const KoNumberField* field_;
};

}  // namespace

KoNumberField::KoNumberField(int maximum, QWidget* parent)
    : QLineEdit(QStringLiteral("0"), parent), maximum_(maximum) {
  setValidator(new RangeValidator(this));
  connect(this, &QLineEdit::textEdited, this, &KoNumberField::edited);
  // returnPressed, unlike editingFinished, comes only from Enter and never from setText.
  connect(this, &QLineEdit::returnPressed, this, [this] { emit confirmed(value()); });
}

void KoNumberField::setMinimum(int minimum) {
  minimum_ = minimum;
  if (value() < minimum_) setValue(minimum_);
}

bool KoNumberField::accepts(const QString& text) const {
  if (text.isEmpty()) return minimum_ <= 0 && maximum_ >= 0;
  if (text.startsWith(QLatin1Char('-')) && minimum_ >= 0) return false;
  const std::optional<qint64> number = parse(text);
  return number && *number >= minimum_ && *number <= maximum_;
}

int KoNumberField::value() const {
  const std::optional<qint64> number = parse(text());
  if (!number) return 0;
  return static_cast<int>(std::clamp<qint64>(*number, minimum_, maximum_));
}

void KoNumberField::setValue(int value) {
  setText(QString::number(std::clamp(value, minimum_, maximum_)));
}

// Keeps the text in its plain form: "0" for an empty field, no leading zeros, so that typing
// after the "0" of an emptied field gives "5" and not "05".
void KoNumberField::edited(const QString& text) {
  if (text.isEmpty()) {
    setText(QStringLiteral("0"));
    selectAll();
    return;
  }
  const std::optional<qint64> number = parse(text);
  if (!number) return;
  const QString plain = QString::number(*number);
  if (plain == text) return;
  const int cursor = cursorPosition() - static_cast<int>(text.size() - plain.size());
  setText(plain);
  setCursorPosition(std::clamp(cursor, 0, static_cast<int>(plain.size())));
}
