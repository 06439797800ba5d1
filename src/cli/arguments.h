#pragma once

#include <CLI/CLI.hpp>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "model/limits.h"

// How vornctl reads what a user typed, beyond what CLI11 does by itself: numbers in decimal
// only, with messages and help that name the range, and options in the order people write them.
namespace vornctl {

// A number written in decimal ("-12", "8.4" where `decimals` allows a fraction); CLI11 alone
// would take "0x10" as 16 and "1e2" as 100, which no user of a group number means.
std::optional<double> parseDecimal(const std::string& text, int decimals = 0);

// What is wrong with `text` as a number from `minimum` to `maximum` ("... is out of range;
// give 0 to 230"), or nothing. The one reader behind every number vornctl takes.
std::optional<QString> numberProblem(const std::string& text, double minimum, double maximum,
                                     int decimals = 0, const std::string& alsoWord = {});

// Checks an option or argument against a range and shows the range in its help ("0 to 1000");
// `alsoWord` is a word accepted besides the numbers ("all").
CLI::Option* numberIn(CLI::Option* option, double minimum, double maximum, int decimals = 0,
                      const std::string& alsoWord = {});
inline CLI::Option* wholeIn(CLI::Option* option, limits::Range range,
                            const std::string& alsoWord = {}) {
  return numberIn(option, range.minimum, range.maximum, 0, alsoWord);
}

// The arguments (without the program's name) as CLI11 should see them: the board options
// and --verbose may stand before or after the command's name, and each goes to the command
// that takes it. `boardOptions` holds the board options, to tell which take a value.
std::vector<std::string> normalizedArgs(const CLI::App& app, const CLI::App& boardOptions,
                                        std::vector<std::string> args);

// "bogus is not a command ..." when the arguments name no command where one is needed.
std::optional<QString> commandProblem(const CLI::App& app, const CLI::App& boardOptions,
                                      const std::vector<std::string>& args);

}  // namespace vornctl
