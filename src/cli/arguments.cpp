#include "cli/arguments.h"

#include <QStringList>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "cli/profile_check.h"

namespace vornctl {

namespace {

std::string tr(const QString& text) { return text.toStdString(); }

QString numberText(double v, int decimals) { return QString::number(v, 'f', decimals); }

// CLI11 converts with base 0 after the check, so "010" would become 8: the digits go on
// without their leading zeros ("-010" is -10, "007.5" is 7.5).
std::string withoutLeadingZeros(const std::string& text) {
  const size_t sign = text.starts_with('-') ? 1 : 0;
  size_t i = sign;
  while (i + 1 < text.size() && text[i] == '0' &&
         std::isdigit(static_cast<unsigned char>(text[i + 1])))
    ++i;
  return text.substr(0, sign) + text.substr(i);
}

const CLI::App* subcommandNamed(const CLI::App& app, const std::string& name) {
  const auto found =
      app.get_subcommands([&name](const CLI::App* c) { return c->check_name(name); });
  return found.empty() ? nullptr : found.front();
}

// "--timeout=5" names "--timeout".
std::string optionName(const std::string& token) { return token.substr(0, token.find('=')); }

bool isOption(const std::string& token) {
  return token.size() > 1 && token[0] == '-' && !parseDecimal(token, 1);
}

// The option a token names in `app` or among the board options, if any.
const CLI::Option* optionOf(const CLI::App& app, const CLI::App& boardOptions,
                            const std::string& token) {
  const std::string name = optionName(token);
  if (const CLI::Option* o = app.get_option_no_throw(name)) return o;
  return boardOptions.get_option_no_throw(name);
}

bool takesValue(const CLI::Option* option, const std::string& token) {
  return option && option->get_items_expected_max() != 0 && token.find('=') == std::string::npos;
}

// Where the command's name ends: the index after it and the command, or nullptr when the
// arguments name none. Options on the way are skipped with their values.
std::pair<size_t, const CLI::App*> commandPath(const CLI::App& app, const CLI::App& boardOptions,
                                               const std::vector<std::string>& args,
                                               size_t* stoppedAt = nullptr) {
  const CLI::App* current = &app;
  const CLI::App* found = nullptr;
  size_t end = 0;
  size_t i = 0;
  while (i < args.size() && args[i] != "--") {
    const std::string& t = args[i];
    if (isOption(t)) {
      i += takesValue(optionOf(*current, boardOptions, t), t) ? 2 : 1;
      continue;
    }
    const CLI::App* next = subcommandNamed(*current, t);
    if (!next) break;
    current = found = next;
    end = ++i;
  }
  if (stoppedAt) *stoppedAt = i;
  return {end, found};
}

QString commandNames(const CLI::App& app) {
  QStringList names;
  for (const CLI::App* c : app.get_subcommands([](const CLI::App*) { return true; })) {
    names.append(QString::fromStdString(c->get_name()));
  }
  return names.join(QStringLiteral(", "));
}

}  // namespace

std::optional<double> parseDecimal(const std::string& text, int decimals) {
  size_t i = text.starts_with('-') ? 1 : 0;
  const size_t digits = i;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
  if (i == digits) return std::nullopt;
  if (decimals > 0 && i < text.size() && text[i] == '.') {
    const size_t fraction = ++i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    if (i == fraction) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  return std::strtod(text.c_str(), nullptr);
}

QString acceptedText(double minimum, double maximum, int decimals, const std::string& alsoWord) {
  const QString range =
      qtTrId("ctl_range").arg(numberText(minimum, decimals), numberText(maximum, decimals));
  return alsoWord.empty() ? range
                          : qtTrId("ctl_range_or").arg(range, QString::fromStdString(alsoWord));
}

std::optional<QString> numberProblem(const std::string& text, double minimum, double maximum,
                                     int decimals, const std::string& alsoWord) {
  if (!alsoWord.empty() && text == alsoWord) return std::nullopt;
  const QString given = printable(QString::fromStdString(text));
  const std::optional<double> v = parseDecimal(text, decimals);
  const auto accepted = [&] { return acceptedText(minimum, maximum, decimals, alsoWord); };
  if (!v) return qtTrId("ctl_not_a_number").arg(given, accepted());
  // Only binary error is forgiven (8.4 typed is 8.4): 14.04 is past 14.0 here, not once the
  // board has been reached.
  constexpr double kSlack = 1e-9;
  // "-0" carries a sign where none is allowed: it is not taken for zero.
  const bool signless = minimum >= 0 && text.starts_with('-');
  if (signless || *v < minimum - kSlack || *v > maximum + kSlack) {
    return qtTrId("ctl_out_of_range").arg(given, accepted());
  }
  return std::nullopt;
}

CLI::Option* numberIn(CLI::Option* option, double minimum, double maximum, int decimals,
                      const std::string& alsoWord) {
  // A transform, not a check: only a transform may hand CLI11 the text it converts.
  option->transform(CLI::Validator(
      [=](std::string& text) -> std::string {
        if (const auto problem = numberProblem(text, minimum, maximum, decimals, alsoWord)) {
          return tr(*problem);
        }
        if (text != alsoWord) text = withoutLeadingZeros(text);
        return {};
      },
      ""));
  const bool many = option->get_expected_max() == CLI::detail::expected_max_vector_size;
  option->option_text(tr(acceptedText(minimum, maximum, decimals, alsoWord)) +
                      (many ? " ..." : ""));
  return option;
}

std::vector<std::string> normalizedArgs(const CLI::App& app, const CLI::App& boardOptions,
                                        std::vector<std::string> args) {
  const auto [end, command] = commandPath(app, boardOptions, args);
  if (!command) return args;
  // Board options before the name move behind it, to the command that takes them.
  std::vector<std::string> before;
  std::vector<std::string> moved;
  for (size_t i = 0; i < end; ++i) {
    const std::string& t = args[i];
    const CLI::Option* board = boardOptions.get_option_no_throw(optionName(t));
    if (!isOption(t) || !board || app.get_option_no_throw(optionName(t))) {
      before.push_back(t);
      continue;
    }
    moved.push_back(t);
    if (takesValue(board, t) && i + 1 < end) moved.push_back(args[++i]);
  }
  // --verbose belongs to the program, wherever it is written.
  std::vector<std::string> out;
  std::vector<std::string> after;
  bool verbose = false;
  bool literal = false;
  for (size_t i = end; i < args.size(); ++i) {
    literal = literal || args[i] == "--";
    if (!literal && args[i] == "--verbose") {
      verbose = true;
    } else {
      after.push_back(args[i]);
    }
  }
  if (verbose) out.push_back("--verbose");
  out.insert(out.end(), before.begin(), before.end());
  out.insert(out.end(), moved.begin(), moved.end());
  out.insert(out.end(), after.begin(), after.end());
  return out;
}

std::optional<QString> commandProblem(const CLI::App& app, const CLI::App& boardOptions,
                                      const std::vector<std::string>& args) {
  size_t stopped = 0;
  const auto [end, command] = commandPath(app, boardOptions, args, &stopped);
  const CLI::App& at = command ? *command : app;
  if (at.get_require_subcommand_min() == 0) return std::nullopt;
  if (stopped < args.size() && args[stopped] != "--") {
    return qtTrId("ctl_unknown_command")
        .arg(QString::fromStdString(args[stopped]), commandNames(at));
  }
  return qtTrId("ctl_command_needed").arg(commandNames(at));
}

}  // namespace vornctl
