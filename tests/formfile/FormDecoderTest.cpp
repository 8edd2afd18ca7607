#include <gtest/gtest.h>

#include "formfile/FormFile.h"
#include "support/FormWriter.h"

namespace codelume {
namespace {

std::string Render(const std::string& stream) {
    TMemoryStream input(stream), output;
    FormBinaryToText(input, output);
    return output.Data();
}

// The text of a root object "F: TF" whose only property P holds the value
// that addValue writes.
template <typename TAdd>
std::string RenderValue(TAdd addValue) {
    TFormWriter form;
    form.Object("TF", "F").Prop("P");
    addValue(form);
    return Render(form.End().End().Data());
}

std::string PropertyText(const std::string& value) {
    return "object F: TF\r\n  P = " + value + "\r\nend\r\n";
}

TEST(ConvertObject, WritesHeaderPropertiesChildrenAndEnd) {
    TFormWriter form;
    form.Object("TMainForm", "MainForm").Prop("Left").Int(8).Prop("Caption").String("Main").End();
    form.Object("TPanel", "Panel1").Prop("Align").Ident("alTop").End();
    form.Object("TButton", "", ofInherited).End().End();
    form.Object("TEdit", "Edit1", ofInherited | ofChildPos, 3).End().End();
    form.End().End();
    EXPECT_EQ(Render(form.Data()),
              "object MainForm: TMainForm\r\n"
              "  Left = 8\r\n"
              "  Caption = 'Main'\r\n"
              "  object Panel1: TPanel\r\n"
              "    Align = alTop\r\n"
              "    inherited TButton\r\n"
              "    end\r\n"
              "    inherited Edit1: TEdit [3]\r\n"
              "    end\r\n"
              "  end\r\n"
              "end\r\n");
}

TEST(ConvertObject, IgnoresTheUnusedPrefixBitsAndTakesChildPositionsOfEveryWidth) {
    TFormWriter form;
    form.Object("TF", "", 0x0C).End();
    form.Object("TA", "A", ofChildPos, -70000).End().End().End();
    EXPECT_EQ(Render(form.Data()), "object TF\r\n  object A: TA [-70000]\r\n  end\r\nend\r\n");
}

std::string Repeat(std::string_view piece, int count, std::string text = "") {
    for (int i = 0; i < count; ++i) text += piece;
    return text;
}

struct TValueCase {
    const char* Name;
    void (*Add)(TFormWriter&);
    std::string Text;
};

const TValueCase ValueCases[] = {
    {"Int8", [](TFormWriter& f) { f.Int8(-128); }, "-128"},
    {"Int16", [](TFormWriter& f) { f.Int16(-300); }, "-300"},
    {"Int32", [](TFormWriter& f) { f.Int32(INT32_MIN); }, "-2147483648"},
    {"ExtendedTwo",
     [](TFormWriter& f) { f.Bytes(std::string("\x05\0\0\0\0\0\0\0\x80\0\x40", 11)); }, "2"},
    {"ExtendedNegative", [](TFormWriter& f) { f.Extended(-1.25L); }, "-1.25"},
    {"SingleHalf", [](TFormWriter& f) { f.Single(0.5f); }, "0.5s"},
    {"SingleTenth", [](TFormWriter& f) { f.Single(0.1f); }, "0.100000001490116s"},
    {"CurrencyIsTheStoredInteger", [](TFormWriter& f) { f.Currency(15000); }, "15000c"},
    {"Date", [](TFormWriter& f) { f.Date(45000.75); }, "45000.75d"},
    {"Ident", [](TFormWriter& f) { f.Ident("clBtnFace"); }, "clBtnFace"},
    {"False", [](TFormWriter& f) { f.False(); }, "False"},
    {"True", [](TFormWriter& f) { f.True(); }, "True"},
    {"Nil", [](TFormWriter& f) { f.Nil(); }, "nil"},
    {"EmptyString", [](TFormWriter& f) { f.String(""); }, "''"},
    {"EmptyLongString", [](TFormWriter& f) { f.LString(""); }, "''"},
    {"LongString", [](TFormWriter& f) { f.LString("Hello"); }, "'Hello'"},
    {"ControlsAndApostrophe", [](TFormWriter& f) { f.String("it's\r\n\tok"); },
     "'it'#39's'#13#10#9'ok'"},
    {"OnlyAnApostrophe", [](TFormWriter& f) { f.String("'"); }, "#39"},
    {"HighBytesStayQuoted", [](TFormWriter& f) { f.String("\xC3\xA9t\xE9"); }, "'\xC3\xA9t\xE9'"},
    {"WideString", [](TFormWriter& f) { f.WString(u"A\u00E9\u20AC'\n"); }, "'A\xE9'#8364#39#10"},
    {"EmptyWideString", [](TFormWriter& f) { f.WString(u""); }, "''"},
    {"Set",
     [](TFormWriter& f) {
         f.Set({"fsBold", "fsItalic"});
     },
     "[fsBold, fsItalic]"},
    {"EmptySet", [](TFormWriter& f) { f.Set({}); }, "[]"},
    {"EmptyList", [](TFormWriter& f) { f.List().End(); }, "()"},
    {"List", [](TFormWriter& f) { f.List().String("a").Int(1).List().True().End().End(); },
     "(\r\n    'a'\r\n    1\r\n    (\r\n      True))"},
    {"EmptyCollection", [](TFormWriter& f) { f.Collection().End(); }, "<>"},
    {"Collection",
     [](TFormWriter& f) { f.Collection().Item().Prop("Width").Int(50).End().Item(7).End().End(); },
     "<\r\n    item\r\n      Width = 50\r\n    end\r\n    item [7]\r\n    end>"},
    {"EmptyBinary", [](TFormWriter& f) { f.Binary(""); }, "{}"},
    {"NegativeBinaryCount", [](TFormWriter& f) { f.Byte(fkBinary).Int32Bytes(-5); }, "{}"},
    {"ShortBinary", [](TFormWriter& f) { f.Binary("\x0A\x0B"); }, "{0A0B}"},
    {"Binary31", [](TFormWriter& f) { f.Binary(std::string(31, '\xAB')); },
     Repeat("AB", 31, "{") + "}"},
    {"HighBitListRendersLikeList", [](TFormWriter& f) { f.Byte(0x81).Int(5).End(); },
     "(\r\n    5)"},
    {"NullValueEndsTheProperties", [](TFormWriter&) {}, ""},
    {"NoKindLeavesTheByteForTheNextProperty",
     [](TFormWriter& f) { f.Byte(19).Bytes("ABCDEFGHIJKLMNOPQRS").Int(2); },
     "\r\n  ABCDEFGHIJKLMNOPQRS = 2"},
};

TEST(ConvertValue, RendersEveryKind) {
    for (const TValueCase& row : ValueCases) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(RenderValue(row.Add), PropertyText(row.Text));
    }
}

}  // namespace
}  // namespace codelume
