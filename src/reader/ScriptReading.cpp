// SCRIPT bodies, handed whole to the script handler, and background sounds.
#include "reader/HtmlReader.h"

namespace codelume {
namespace {

constexpr size_t InitialScriptCapacity = 32500;
constexpr size_t ScriptGrowth = 10000;

// Comments stay part of the script text while it is collected.
class TNoComments {
public:
    explicit TNoComments(bool& flag) : Flag(flag) { Flag = true; }
    ~TNoComments() { Flag = false; }
    TNoComments(const TNoComments&) = delete;
    TNoComments& operator=(const TNoComments&) = delete;

private:
    bool& Flag;
};

void AppendScript(std::string& script, std::string_view text) {
    if (script.size() + text.size() >= script.capacity())
        script.reserve(script.capacity() + ScriptGrowth);
    script += text;
}

}  // namespace

// Without a handler the script is read and dropped.
void THtmlReader::ParseScript(const TScriptEvent& handler) {
    if (!handler) {
        do NextScriptSymbol();
        while (Sym != EofSymbol && Sym != ScriptEndSy);
        return;
    }
    const TAttribute* language = Attributes.Find(LanguageSy);
    std::string languageText = language ? language->Text : std::string();
    std::string script;
    script.reserve(InitialScriptCapacity);
    {
        TNoComments noComments(NoComments);
        for (NextScriptSymbol(); Sym != EofSymbol && Sym != ScriptEndSy; NextScriptSymbol())
            AppendScript(script,
                         Sym == LineEndSymbol ? std::string_view("\r\n") : std::string_view(Token));
    }
    handler(languageText, script);
}

void THtmlReader::ParseSound() {
    const TAttribute* source = Attributes.Find(SrcSy);
    if (OnSoundRequest && source) {
        const TAttribute* loop = Attributes.Find(LoopSy);
        OnSoundRequest(source->Text, loop ? loop->Value : 1, false);
    }
    NextSymbol();
}

}  // namespace codelume
