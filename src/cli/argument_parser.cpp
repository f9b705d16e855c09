#include "cli/argument_parser.h"

#include <algorithm>
#include <stdexcept>

namespace zirdan::cli {

namespace {

constexpr std::string_view kEndOfOptions = "--";

// "--name" and "-x" are options; "-" alone and negative numbers such as "-1" are not, so
// that they can be given as positional arguments or option values.
bool LooksLikeOption(std::string_view word) {
  return word.size() > 1 && word[0] == '-' && !(word[1] >= '0' && word[1] <= '9');
}

const OptionSpec* FindOption(const std::vector<OptionSpec>& options, std::string_view name) {
  const auto it = std::find_if(options.begin(), options.end(),
                               [&](const OptionSpec& o) { return o.Name == name; });
  return it == options.end() ? nullptr : &*it;
}

}  // namespace

bool ParsedArguments::Has(std::string_view option) const {
  RequireDeclared(option);
  return m_given.find(option) != m_given.end();
}

std::optional<std::string> ParsedArguments::Value(std::string_view option) const {
  RequireDeclared(option);
  const auto it = m_given.find(option);
  if (it == m_given.end()) return std::nullopt;
  return it->second;
}

void ParsedArguments::RequireDeclared(std::string_view option) const {
  if (!FindOption(m_declared, option))
    throw std::logic_error("option " + std::string(option) + " is not declared");
}

bool AsksForHelp(const CommandArgs& words) {
  for (const std::string& word : words) {
    if (word == kEndOfOptions) return false;
    if (word == "--help" || word == "-h") return true;
  }
  return false;
}

std::optional<ParsedArguments> ParseArguments(const CommandArgs& words,
                                              const ArgumentSyntax& syntax, std::string& error) {
  ParsedArguments parsed(syntax.Options);
  bool optionsEnded = false;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (optionsEnded || !LooksLikeOption(word)) {
      parsed.m_positionals.push_back(word);
      continue;
    }
    if (word == kEndOfOptions) {
      optionsEnded = true;
      continue;
    }
    const OptionSpec* option = FindOption(syntax.Options, word);
    if (!option) {
      error = "unknown option '" + word + "'";
      return std::nullopt;
    }
    if (parsed.m_given.count(word)) {
      error = word + " is given more than once";
      return std::nullopt;
    }
    std::string value;
    if (option->TakesValue) {
      // A following option means the value was forgotten, not that it is the value.
      if (i + 1 == words.size() || words[i + 1].starts_with("--")) {
        error = word + " needs a value";
        return std::nullopt;
      }
      value = words[++i];
    }
    parsed.m_given.emplace(word, std::move(value));
  }

  const std::size_t given = parsed.m_positionals.size();
  const std::size_t most = syntax.Positionals.size();
  const std::size_t least = most - std::min(syntax.OptionalPositionals, most);
  if (given < least) {
    error = "missing " + std::string(syntax.Positionals[given]);
    return std::nullopt;
  }
  if (given > most) {
    error = "unexpected argument '" + parsed.m_positionals[most] + "'";
    return std::nullopt;
  }
  return parsed;
}

}  // namespace zirdan::cli
