#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zirdan::cli {

using CommandArgs = std::vector<std::string>;  // the arguments after the subcommand name

// One option a subcommand accepts: a flag ("--all") or an option with a value
// ("--output FILE").
struct OptionSpec {
  std::string_view Name;  // with its leading "--"
  bool TakesValue = false;
};

inline constexpr OptionSpec Flag(std::string_view name) {
  return {name, false};
}
inline constexpr OptionSpec ValueOption(std::string_view name) {
  return {name, true};
}

// What a subcommand accepts: its options and, in order, the names of its positional
// arguments, of which the last OptionalPositionals may be left out.
struct ArgumentSyntax {
  std::vector<OptionSpec> Options;
  std::vector<std::string_view> Positionals;
  std::size_t OptionalPositionals = 0;
};

// The arguments of one run, checked against the subcommand's syntax.
class ParsedArguments {
 public:
  explicit ParsedArguments(std::vector<OptionSpec> declared) : m_declared(std::move(declared)) {}

  // Whether the flag or option was given.
  bool Has(std::string_view option) const;
  // The value of an option; nullopt when it was not given.
  std::optional<std::string> Value(std::string_view option) const;
  const std::vector<std::string>& Positionals() const { return m_positionals; }

 private:
  friend std::optional<ParsedArguments> ParseArguments(const CommandArgs& words,
                                                       const ArgumentSyntax& syntax,
                                                       std::string& error);

  // Asking for an option the syntax does not declare is a fault in the subcommand (a typo
  // would silently ignore what the user gave), so it throws std::logic_error.
  void RequireDeclared(std::string_view option) const;

  std::vector<OptionSpec> m_declared;
  std::map<std::string, std::string, std::less<>> m_given;  // option -> value ("" for a flag)
  std::vector<std::string> m_positionals;
};

// Whether the words ask for the subcommand's help ("--help" or "-h" before any "--").
bool AsksForHelp(const CommandArgs& words);

// Reads the words against the syntax. Options may come anywhere; an option's value is the
// next word unless that starts with "--"; "--" ends the options, so later words are
// positional even when they start with "-". "-" alone and negative numbers are positional.
// An undeclared option, an option given twice, a missing value or a wrong number of
// positional arguments gives nullopt and a one-line `error`.
std::optional<ParsedArguments> ParseArguments(const CommandArgs& words,
                                              const ArgumentSyntax& syntax, std::string& error);

}  // namespace zirdan::cli
