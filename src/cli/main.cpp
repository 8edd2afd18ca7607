// codelume-cli: the desktop program's conversions from a shell. A small
// command table dispatches to one function per command.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/StandardStreams.h"

#ifdef CODELUME_VIEWER
#include <QString>
#include <QtGlobal>
#endif

namespace codelume {
namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

struct TCommand {
    const char* Name;
    const char* Synopsis;
    const char* Summary;
    int (*Run)(TCommandArguments arguments);
};

const TCommand Commands[] = {
    {"convert",
     "convert SOURCE... [-o DEST | -d DIR] [--name NAME] [--force] [-j N]\n"
     "  convert -r TREE -d DIR [--force] [-j N]",
     "Convert Pascal sources (.pas .pp .inc .dpr .lpr .dpk) and form files (.dfm .lfm\n"
     "      .xfm .fmx) into highlighted HTML pages. The page of Unit1.pas is Unit1_pas.HTM\n"
     "      beside it, unless -o names it (one source; - is standard output) or -d puts\n"
     "      the pages into DIR. A SOURCE of - is standard input, written to standard\n"
     "      output unless -o or -d says otherwise; its page names it stdin, or NAME.\n"
     "      -r converts every such file under TREE into the same folders under DIR and\n"
     "      lists the pages in DIR/index.html. A file that is not a page Codelume wrote\n"
     "      is kept unless --force is given. Several sources are converted N at a time\n"
     "      (one per processor unless -j says otherwise).",
     ConvertCommand},
    {"form-text", "form-text FILE [-o OUT] [--no-header] [--force]",
     "Write the text rendering of a binary form file to standard output, or to OUT;\n"
     "      a FILE of - is standard input. --no-header reads a bare form stream without\n"
     "      the resource header; an existing OUT is kept unless --force is given.",
     FormTextCommand},
    {"dump", "dump FILE [--width W] [--fixed-metrics]",
     "Read an HTML file, lay it out and list its blocks, lines and anchors.", DumpCommand},
#ifdef CODELUME_VIEWER
    {"render", "render FILE -o OUT.png [--width W] [--height H] [--scroll Y]",
     "Show an HTML file in an offscreen viewer of W by H pixels (800 by 600), scrolled\n"
     "      to Y, and save what it shows, border and scroll bars included, as a picture in\n"
     "      the format OUT's extension names (png, jpg, bmp, ...).",
     RenderCommand},
    {"print", "print FILE -o OUT.pdf [--first N] [--last M] [--dpi D]",
     "Print pages N to M (1 to 9999) of what the viewer shows of an HTML file into a\n"
     "      PDF of A4 pages at D dots per inch (600), with 2 cm margins.",
     PrintCommand},
#endif
};

void PrintHelp(std::FILE* to) {
    std::fprintf(to, "Usage: codelume-cli COMMAND [ARGUMENTS]\n\nCommands:\n");
    for (const TCommand& command : Commands)
        std::fprintf(to, "  %s\n      %s\n", command.Synopsis, command.Summary);
    std::fprintf(
        to,
        "  --help, COMMAND --help\n      Show this help, or the usage of one command.\n"
        "  --version\n      Show the version.\n\n"
        "Exit status: 0 when everything succeeded, 1 when anything failed, 2 for wrong usage.\n");
}

void PrintCommandHelp(const TCommand& command) {
    std::printf("Usage: codelume-cli %s\n\n      %s\n", command.Synopsis, command.Summary);
}

// "--help" anywhere among the options, that is before a "--".
bool AsksForHelp(TCommandArguments arguments) {
    auto optionsEnd = std::find(arguments.begin(), arguments.end(), "--");
    return std::find(arguments.begin(), optionsEnd, "--help") != optionsEnd;
}

const TCommand* FindCommand(const std::string& name) {
    for (const TCommand& command : Commands)
        if (name == command.Name) return &command;
    return nullptr;
}

int Run(const std::vector<std::string>& arguments) {
    if (arguments.empty()) throw EUsageError("no command given (see codelume-cli --help)");
    if (arguments[0] == "--help" || arguments[0] == "-h" || arguments[0] == "help") {
        PrintHelp(stdout);
        return 0;
    }
    if (arguments[0] == "--version") {
        std::printf("codelume-cli %s\n", CODELUME_VERSION);
        return 0;
    }
    const TCommand* command = FindCommand(arguments[0]);
    if (command == nullptr)
        throw EUsageError("unknown command " + arguments[0] + " (see codelume-cli --help)");
    TCommandArguments rest = TCommandArguments(arguments).subspan(1);
    if (AsksForHelp(rest)) {
        PrintCommandHelp(*command);
        return 0;
    }
    return command->Run(rest);
}

#ifdef CODELUME_VIEWER
// Qt's own notices (about its start-up or fonts) are not this program's
// messages; only a fatal one, which ends the program, is shown.
void KeepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) ReportError(message.toStdString());
}
#endif

}  // namespace

void ReportWarning(std::string_view message) {
    std::fprintf(stderr, "codelume-cli: warning: %.*s\n", static_cast<int>(message.size()),
                 message.data());
}

void ReportError(std::string_view message) {
    std::fprintf(stderr, "codelume-cli: %.*s\n", static_cast<int>(message.size()), message.data());
}

}  // namespace codelume

int main(int argc, char** argv) {
    using namespace codelume;
#ifdef CODELUME_VIEWER
    qInstallMessageHandler(KeepQtQuiet);
#endif
    try {
        int status = Run(std::vector<std::string>(argv + 1, argv + argc));
        // Summaries and help that could not be written are a failure too.
        FlushStandardOutput();
        return status;
    } catch (const EUsageError& error) {
        ReportError(error.what());
        return ExitUsage;
    } catch (const std::exception& error) {
        ReportError(error.what());
        return ExitFailure;
    }
}
