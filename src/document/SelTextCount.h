// Sinks for the selected text: the counting one the selection length uses, and
// one that also collects the characters (for the clipboard).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace codelume {

class SelTextCount {
public:
    virtual ~SelTextCount() = default;
    virtual void AddText(std::string_view text);
    // The number of characters received, the placeholder bytes 2 and 4 not counted.
    virtual int32_t Finish() { return Count; }
    void AddTextCR(std::string_view text) {
        AddText(text);
        AddText("\r\n");
    }

private:
    int32_t Count = 0;
};

class TSelTextCollect : public SelTextCount {
public:
    void AddText(std::string_view text) override;
    // The collected text without the placeholder bytes.
    const std::string& Text() const { return Collected; }

private:
    std::string Collected;
};

}  // namespace codelume
