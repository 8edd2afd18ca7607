#include "cli/Arguments.h"

#include <algorithm>
#include <charconv>

namespace codelume {

TArguments::TArguments(std::span<const std::string> arguments,
                       std::initializer_list<TOption> accepted) {
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            FPositionals.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const TOption* known =
            std::find_if(accepted.begin(), accepted.end(),
                         [&](const TOption& option) { return argument == option.Name; });
        if (known == accepted.end()) throw EUsageError("unknown option " + argument);
        if (known->Kind == TOptionKind::okFlag) {
            Flags.insert(argument);
            continue;
        }
        if (i + 1 == arguments.size()) throw EUsageError("option " + argument + " needs a value");
        if (!Values.emplace(argument, arguments[++i]).second)
            throw EUsageError("option " + argument + " given twice");
    }
}

std::optional<std::string> TArguments::Value(const std::string& option) const {
    auto found = Values.find(option);
    if (found == Values.end()) return std::nullopt;
    return found->second;
}

int32_t TArguments::Number(const std::string& option, int32_t fallback, int32_t low,
                           int32_t high) const {
    std::optional<std::string> text = Value(option);
    if (!text) return fallback;
    int32_t value = 0;
    auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc() || end != text->data() + text->size() || value < low || value > high)
        throw EUsageError(option + " needs a number from " + std::to_string(low) + " to " +
                          std::to_string(high));
    return value;
}

}  // namespace codelume
