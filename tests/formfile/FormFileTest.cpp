#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "formfile/FormFile.h"
#include "support/FormWriter.h"

namespace codelume {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

// A root object "F: TF" whose properties and children the test appends.
TFormWriter RootForm() {
    TFormWriter form;
    form.Object("TF", "F");
    return form;
}

const std::string RootLine = "object F: TF\r\n";

struct TFailureCase {
    const char* Name;
    std::string Stream;
    const char* Message;
    std::string Rendered;  // the text written before the failure
};

std::string Nested(int depth) {
    TFormWriter form;
    for (int i = 0; i < depth; ++i) form.Object("T", "").End();
    for (int i = 0; i < depth; ++i) form.End();
    return form.Data();
}

std::string NestedLists(int depth) {
    TFormWriter form = RootForm();
    form.Prop("P");
    for (int i = 0; i < depth; ++i) form.List();
    return form.Data();
}

std::string Truncated(std::string stream, size_t drop) {
    return stream.substr(0, stream.size() - drop);
}

const TFailureCase FailureCases[] = {
    {"EmptyInput", "", "Invalid stream format", ""},
    {"ShortSignature", "TPF", "Invalid stream format", ""},
    {"TextForm", "object Form1: TForm1\r\nend\r\n", "Invalid stream format", ""},
    {"EndsInsideTheTree", RootForm().Prop("Left").Int(8).Data(), "Stream read error",
     RootLine + "  Left = 8\r\n"},
    {"EndsInsideAPropertyName", RootForm().Byte(9).Bytes("Cap").Data(), "Stream read error",
     RootLine + "  "},
    {"EndsInsideAnObjectName", Truncated(RootForm().End().Object("TButton", "Button1").Data(), 2),
     "Stream read error", RootLine},
    {"EndsInsideABinaryChunk",
     Truncated(RootForm().Prop("B").Binary(std::string(40, '\x11')).Data(), 1), "Stream read error",
     RootLine + "  B = {\r\n    " + std::string(64, '1') + "\r\n    "},
    {"EndsInsideABinaryCount", RootForm().Prop("B").Byte(fkBinary).Data(), "Stream read error",
     RootLine + "  B = {"},
    {"EndsInsideASet",
     RootForm().Prop("S").Byte(fkSet).Byte(2).Bytes("ab").Byte(2).Bytes("c").Data(),
     "Stream read error", RootLine + "  S = [ab"},
    {"EndsInsideAString", RootForm().Prop("S").Byte(fkString).Byte(5).Bytes("abc").Data(),
     "Stream read error", RootLine + "  S = "},
    {"ObjectsDeeperThan256", Nested(257), "Invalid stream format",
     [] {
         std::string text;
         for (int i = 0; i < 256; ++i)
             text += std::string(static_cast<size_t>(2 * i), ' ') + "object T\r\n";
         return text;
     }()},
    {"ListsDeeperThan256", NestedLists(256), "Invalid stream format",
     [] {
         std::string text = RootLine + "  P = ";
         for (int i = 1; i < 256; ++i)
             text += "(\r\n" + std::string(static_cast<size_t>(2 * i + 2), ' ');
         return text;
     }()},
    {"NegativeLongStringLength", RootForm().Prop("S").Byte(fkLString).Int32Bytes(-1).Data(),
     "Invalid property value", RootLine + "  S = "},
    {"NegativeWideStringLength", RootForm().Prop("S").Byte(fkWString).Int32Bytes(INT32_MIN).Data(),
     "Invalid property value", RootLine + "  S = "},
    {"ListElementWithoutKind", RootForm().Prop("L").List().Int(1).Byte(19).Data(),
     "Invalid property value", RootLine + "  L = (\r\n    1\r\n    "},
    {"ListElementWithHighNull", RootForm().Prop("L").List().Byte(0x80).Data(),
     "Invalid property value", RootLine + "  L = (\r\n    "},
    {"ChildPositionNotAnInteger", RootForm().End().Byte(0xF2).String("x").Data(),
     "Invalid property value", RootLine},
    {"ItemWithoutList", RootForm().Prop("C").Collection().Int(3).Byte(fkSet).Data(),
     "Invalid property value", RootLine + "  C = <\r\n    item [3]\r\n"},
    {"HighBitInteger", RootForm().Prop("I").Byte(0x82).Byte(1).Data(), "Invalid property value",
     RootLine + "  I = "},
    {"HighBitTrue", RootForm().Prop("B").Byte(0x89).Data(), "Invalid property value",
     RootLine + "  B = "},
};

TEST(FormBinaryToText, FailsWithTheTextSoFarWritten) {
    for (const TFailureCase& row : FailureCases) {
        SCOPED_TRACE(row.Name);
        TMemoryStream input(row.Stream), output;
        EXPECT_THAT([&] { FormBinaryToText(input, output); },
                    ThrowsMessage<ECodelumeError>(StrEq(row.Message)));
        EXPECT_EQ(output.Data(), row.Rendered);
    }
}

TEST(FormBinaryToText, TakesNestingOf256Levels) {
    TMemoryStream input(Nested(256)), output;
    FormBinaryToText(input, output);
    EXPECT_EQ(output.Data().substr(output.Data().size() - 5), "end\r\n");
}

// objects nested objects, the innermost holding a collection whose item holds a list.
std::string ListInCollectionItem(int objects) {
    TFormWriter form;
    for (int i = 0; i < objects - 1; ++i) form.Object("T", "").End();
    form.Object("T", "")
        .Prop("C")
        .Collection()
        .Item()
        .Prop("L")
        .List()
        .End()
        .End()
        .End()
        .End()
        .End();
    for (int i = 0; i < objects; ++i) form.End();
    return form.Data();
}

TEST(FormBinaryToText, CountsListsAndCollectionsButNotItemsAsLevels) {
    TMemoryStream fits(ListInCollectionItem(254)), deep(ListInCollectionItem(255)), output;
    EXPECT_NO_THROW(FormBinaryToText(fits, output));
    EXPECT_THAT([&] { FormBinaryToText(deep, output); },
                ThrowsMessage<EReadError>(StrEq("Invalid stream format")));
}

TEST(FormBinaryToText, WritesTextPastTheBufferBeforeAFailure) {
    TFormWriter form = RootForm();
    form.Prop("Data").Binary(std::string(5000, '\x5A'));
    TMemoryStream input(form.Data()), output;
    EXPECT_THROW(FormBinaryToText(input, output), EReadError);
    EXPECT_EQ(output.Data().size(), RootLine.size() + 10 + 157 * 6 + 10000 + 3);
}

TEST(FormBinaryToText, AppendsAtTheOutputPositionAndLeavesInputAfterTheRoot) {
    std::string stream = RootForm().End().End().Data();
    TMemoryStream input("xx" + stream + "rest"), output("head");
    input.SetPosition(2);
    output.SetPosition(4);
    FormBinaryToText(input, output);
    EXPECT_EQ(output.Data(), "head" + RootLine + "end\r\n");
    EXPECT_EQ(input.Position(), static_cast<int64_t>(2 + stream.size()));
}

// An output stream that takes nothing.
class TFullStream : public TMemoryStream {
public:
    int32_t Write(const void*, int32_t) override { return 0; }
};

TEST(FormBinaryToText, ReportsAnOutputThatCannotTakeTheText) {
    TMemoryStream input(RootForm().End().End().Data());
    TFullStream output;
    EXPECT_THAT([&] { FormBinaryToText(input, output); },
                ThrowsMessage<EWriteError>(StrEq("Stream write error")));
}

TEST(FormResourceToText, SkipsTheResourceHeader) {
    std::string stream = RootForm().End().End().Data();
    TMemoryStream input(WrapInResource("TMAINFORM", stream) + "more"), output;
    FormResourceToText(input, output);
    EXPECT_EQ(output.Data(), RootLine + "end\r\n");
    EXPECT_EQ(input.Position(), input.Size() - 4);
}

TEST(FormResourceToText, RefusesWhatHasNoFormHeader) {
    const std::string stream = RootForm().End().End().Data();
    const std::string refused[] = {"", stream, "\xFF\x0B" + std::string(1, '\0') + stream.substr(1),
                                   WrapInResource(std::string(77, 'N'), stream)};
    for (const std::string& bytes : refused) {
        TMemoryStream input(bytes), output;
        EXPECT_THAT([&] { FormResourceToText(input, output); },
                    ThrowsMessage<ECodelumeError>(StrEq("Invalid stream format")));
        EXPECT_EQ(output.Data(), "");
    }
}

}  // namespace
}  // namespace codelume
