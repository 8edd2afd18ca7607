// The small argument helper of codelume-cli: splits a command's arguments
// into positionals, flags and options with a value, against what the command
// accepts. Anything else is wrong usage.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "base/Errors.h"

namespace codelume {

// Wrong usage: the command line itself is at fault (exit status 2).
class EUsageError : public ECodelumeError {
public:
    using ECodelumeError::ECodelumeError;
};

enum class TOptionKind { okFlag, okValue };

struct TOption {
    const char* Name;  // with its dashes, "-o" or "--force"
    TOptionKind Kind;
};

class TArguments {
public:
    // "--" ends the options; a lone "-" is a positional.
    TArguments(std::span<const std::string> arguments, std::initializer_list<TOption> accepted);

    const std::vector<std::string>& Positionals() const { return FPositionals; }
    bool Has(const std::string& flag) const { return Flags.contains(flag); }
    std::optional<std::string> Value(const std::string& option) const;
    // The option's whole value as a number from low to high, or fallback when
    // the option is not given.
    int32_t Number(const std::string& option, int32_t fallback, int32_t low, int32_t high) const;

private:
    std::vector<std::string> FPositionals;
    std::set<std::string> Flags;
    std::map<std::string, std::string> Values;
};

}  // namespace codelume
