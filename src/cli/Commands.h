// The commands of codelume-cli, one function each, taking the arguments after
// the command's name and returning the exit status: 0 success, 1 failure, 2
// wrong usage (thrown as EUsageError). Errors go to standard error.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace codelume {

using TCommandArguments = std::span<const std::string>;

int ConvertCommand(TCommandArguments arguments);
int FormTextCommand(TCommandArguments arguments);
int DumpCommand(TCommandArguments arguments);
int RenderCommand(TCommandArguments arguments);
int PrintCommand(TCommandArguments arguments);

// Writes "codelume-cli: MESSAGE" to standard error.
void ReportError(std::string_view message);
// Writes "codelume-cli: warning: MESSAGE" to standard error: something was
// left out of the output, but the command goes on and may still succeed.
void ReportWarning(std::string_view message);

}  // namespace codelume
