#include "PascalCorpus.h"

#include <initializer_list>
#include <string_view>
#include <vector>

namespace codelume {
namespace {

constexpr std::string_view Nouns[] = {"Buffer", "Count",  "Index", "Item",  "Node",   "Owner",
                                      "Stream", "Text",   "Value", "Width", "Height", "Cache",
                                      "Parent", "Cursor", "Limit", "Total"};
constexpr std::string_view Verbs[] = {"Load",   "Save",  "Find", "Clear", "Update", "Insert",
                                      "Remove", "Check", "Draw", "Parse", "Reset",  "Scan"};
constexpr std::string_view Types[] = {"Integer", "Cardinal", "string",  "Boolean", "Double",
                                      "TObject", "TList",    "Pointer", "Byte",    "Word"};
constexpr std::string_view Phrases[] = {"keeps the list sorted",
                                        "may be nil here",
                                        "see the caller",
                                        "the last item is a sentinel",
                                        "fast path for small inputs",
                                        "never frees the owner's items",
                                        "counts from zero"};

class TCorpusWriter {
public:
    explicit TCorpusWriter(uint32_t seed) : State(seed * 2654435761u + 1) {}

    std::string Generate(size_t minimumBytes) {
        while (Text.size() < minimumBytes) Unit();
        return std::move(Text);
    }

private:
    uint32_t Next() {
        State = State * 1664525u + 1013904223u;
        return State >> 8;
    }
    template <size_t N>
    std::string_view Pick(const std::string_view (&words)[N]) {
        return words[Next() % N];
    }
    int Below(int limit) { return static_cast<int>(Next() % static_cast<uint32_t>(limit)); }
    bool Chance(uint32_t percent) { return Next() % 100 < percent; }
    std::string Name() { return std::string(Pick(Verbs)) + std::string(Pick(Nouns)); }
    std::string Field() { return "F" + std::string(Pick(Nouns)); }

    void Line(int depth, std::string_view text) {
        Text.append(static_cast<size_t>(depth) * 2, ' ');
        Text += text;
        Text += "\r\n";
    }

    void Unit() {
        std::string name = "Unit" + std::to_string(Next() % 10000);
        Line(0, "{ " + name + " - " + std::string(Pick(Phrases)) + ".");
        Line(0, "  " + std::string(Pick(Phrases)) + "; " + std::string(Pick(Phrases)) + ". }");
        Line(0, "unit " + name + ";");
        Line(0, "");
        Line(0, "{$IFDEF FPC}{$MODE DELPHI}{$ENDIF}");
        Line(0, "interface");
        Line(0, "");
        Line(0, "uses SysUtils, Classes;");
        Line(0, "");
        Declarations();
        Line(0, "implementation");
        Line(0, "");
        for (int i = 0, n = 3 + Below(6); i < n; ++i) Routine();
        Line(0, "end.");
        Line(0, "");
    }

    void Declarations() {
        Line(0, "const");
        Line(1, "Max" + std::string(Pick(Nouns)) + " = $" + std::to_string(10 + Next() % 90) +
                    "FF;  // upper bound");
        Line(1, "Default" + std::string(Pick(Nouns)) + " = 'n/a'#13#10'" +
                    std::string(Pick(Nouns)) + "';");
        Line(0, "");
        Line(0, "type");
        Line(1, "T" + std::string(Pick(Nouns)) + " = class(TObject)");
        Line(1, "private");
        for (int i = 0, n = 2 + Below(4); i < n; ++i)
            Line(2, Field() + ": " + std::string(Pick(Types)) + ";");
        Line(1, "public");
        for (int i = 0, n = 2 + Below(4); i < n; ++i)
            Line(2, "procedure " + Name() + "(const A" + std::string(Pick(Nouns)) + ": " +
                        std::string(Pick(Types)) + "); virtual;");
        Line(2, "property " + std::string(Pick(Nouns)) + ": " + std::string(Pick(Types)) +
                    " read " + Field() + " write " + Field() + ";");
        Line(1, "end;");
        Line(0, "");
    }

    void Routine() {
        if (Chance(50)) Line(0, "(* " + std::string(Pick(Phrases)) + " *)");
        Line(0, "function T" + std::string(Pick(Nouns)) + "." + Name() +
                    "(Index: Integer; const S: string): Boolean;");
        Line(0, "var");
        Line(1, "I, J: Integer;");
        Line(1, "Temp: " + std::string(Pick(Types)) + ";");
        Line(0, "begin");
        Line(1, "Result := False;");
        for (int i = 0, n = 4 + Below(8); i < n; ++i) Statement(1);
        Line(0, "end;");
        Line(0, "");
    }

    void Statement(int depth) {
        switch (Next() % 7) {
            case 0:
                Line(depth, "if (Index > " + std::to_string(Next() % 500) + ") and Assigned(" +
                                Field() + ") then");
                Statement(depth + 1);
                break;
            case 1:
                Line(depth, "for I := 0 to " + Field() + ".Count - 1 do");
                Line(depth, "begin");
                Statement(depth + 1);
                Line(depth + 1, Field() + "[I] := " + Field() + "[I] * " +
                                    std::to_string(Next() % 90) + ".5;");
                Line(depth, "end;");
                break;
            case 2:
                Line(depth, "// " + std::string(Pick(Phrases)));
                break;
            case 3:
                Line(depth, "S := Format('%s: %d'#9'" + std::string(Pick(Nouns)) +
                                "''s', [S, I]) + #13#10;");
                break;
            case 4:
                Line(depth, "{ " + std::string(Pick(Phrases)) + " }");
                Line(depth, Name() + "(" + Field() + ", $" + std::to_string(Next() % 9999) + ");");
                break;
            case 5:
                Line(depth, "case " + Field() + " of");
                Line(depth + 1, "0: Result := True;");
                Line(depth + 1, "1..9: Inc(J, " + std::to_string(Next() % 16) + ");");
                Line(depth, "else");
                Line(depth + 1,
                     "raise Exception.Create('bad " + std::string(Pick(Nouns)) + " <' + S + '>');");
                Line(depth, "end;");
                break;
            default:
                Line(depth, "J := (I shl 2) xor " + Field() + " div " +
                                std::to_string(1 + Next() % 64) + ";");
                break;
        }
    }

    uint32_t State;
    std::string Text;
};

}  // namespace

std::string GeneratePascalCorpus(size_t minimumBytes, uint32_t seed) {
    return TCorpusWriter(seed).Generate(minimumBytes);
}

}  // namespace codelume
