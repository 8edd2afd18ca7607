#include "SampleForm.h"

#include "formfile/FormFile.h"
#include "support/FormWriter.h"

namespace codelume {

namespace {

using TForm = TFormWriter;

void AddBounds(TForm& form, int left, int top, int width, int height) {
    form.Prop("Left").Int(left).Prop("Top").Int(top).Prop("Width").Int(width).Prop("Height").Int(
        height);
}

void AddButton(TForm& form, const char* name, const char* caption, int left, int tabOrder) {
    form.Object("TButton", name);
    AddBounds(form, left, 8, 75, 25);
    form.Prop("Caption").String(caption).Prop("TabOrder").Int(tabOrder);
    form.Prop("OnClick").Ident(std::string(name) + "Click").End().End();
}

void AddToolPanel(TForm& form) {
    form.Object("TPanel", "ToolPanel");
    AddBounds(form, 0, 0, 632, 41);
    form.Prop("Align")
        .Ident("alTop")
        .Prop("BevelOuter")
        .Ident("bvNone")
        .Prop("TabOrder")
        .Int(0)
        .End();
    AddButton(form, "BtnOpen", "&Open...", 8, 0);
    AddButton(form, "BtnSave", "&Save", 88, 1);
    AddButton(form, "BtnPrint", "&Print", 168, 2);
    form.Object("TLabel", "LblCustomer");
    AddBounds(form, 264, 14, 52, 13);
    form.Prop("Caption").String("C&ustomer:").Prop("FocusControl").Ident("EditCustomer");
    form.Prop("Font.Style").Set({"fsBold"}).Prop("ParentFont").False().End().End();
    form.Object("TEdit", "EditCustomer");
    AddBounds(form, 324, 10, 200, 21);
    form.Prop("Hint").String(
        "Type the first letters of a customer's name; the list below shows every match as "
        "you type");
    form.Prop("ShowHint").True().Prop("TabOrder").Int(3).End().End();
    form.End();
}

void AddOrdersView(TForm& form) {
    form.Object("TListView", "OrdersView");
    AddBounds(form, 0, 41, 632, 300);
    form.Prop("Align").Ident("alClient").Prop("Columns").Collection();
    const std::pair<const char*, int> columns[] = {
        {"Order", 80}, {"Customer", 220}, {"Due", 90}, {"Amount", 100}};
    for (const auto& [caption, width] : columns)
        form.Item().Prop("Caption").String(caption).Prop("Width").Int(width).End();
    form.End();
    form.Prop("ReadOnly").True().Prop("RowSelect").True().Prop("SmallImages").Ident("ImageList");
    form.Prop("TabOrder")
        .Int(1)
        .Prop("ViewStyle")
        .Ident("vsReport")
        .Prop("OnDblClick")
        .Ident("OrdersViewDblClick");
    form.End().End();
}

void AddNotesMemo(TForm& form) {
    form.Object("TMemo", "NotesMemo");
    AddBounds(form, 0, 341, 632, 73);
    form.Prop("Align").Ident("alBottom").Prop("Lines.Strings").List();
    form.String("Orders placed after 16:00 ship on the next working day.");
    form.String("Prices include VAT.\tDiscounts are shown per line.");
    form.String("").End();
    form.Prop("ScrollBars").Ident("ssVertical").Prop("TabOrder").Int(2).End().End();
}

void AddDetails(TForm& form) {
    form.Object("TDateTimePicker", "DueDate");
    AddBounds(form, 536, 10, 88, 21);
    form.Prop("Date").Date(46023.0).Prop("Time").Date(46023.6875).Prop("Kind").Ident("dtkDate");
    form.Prop("TabOrder").Int(4).End().End();
    form.Object("TAmountEdit", "CreditLimit", ofChildPos, 5);
    AddBounds(form, 536, 40, 88, 21);
    form.Prop("Value")
        .Currency(25000000)
        .Prop("MaxValue")
        .Currency(9999999990000)
        .Prop("TabOrder")
        .Int(5)
        .End()
        .End();
    form.Object("TPreviewPane", "Preview");
    form.Prop("Zoom")
        .Single(0.75f)
        .Prop("PrintMarginLeft")
        .Extended(2.0L)
        .Prop("PrintMarginTop")
        .Extended(1.5L);
    form.Prop("HelpContext").Int(100000).Prop("PopupMenu").Nil().End().End();
}

void AddStatusBar(TForm& form) {
    form.Object("TStatusBar", "StatusBar");
    AddBounds(form, 0, 414, 632, 19);
    form.Prop("Panels").Collection();
    form.Item().Prop("Width").Int(200).End();
    form.Item().Prop("Text").WString(u"Total: 1 250,00 \u20AC").Prop("Width").Int(150).End();
    form.End().Prop("SimplePanel").False().End().End();
}

void AddMenuItem(TForm& form, const char* name, const char* caption, int shortCut = 0) {
    form.Object("TMenuItem", name).Prop("Caption").String(caption);
    if (shortCut != 0) form.Prop("ShortCut").Int(shortCut);
    if (caption[0] != '-') form.Prop("OnClick").Ident(std::string(name) + "Click");
    form.End().End();
}

void AddMainMenu(TForm& form) {
    form.Object("TMainMenu", "MainMenu").Prop("Images").Ident("ImageList");
    form.Prop("Left").Int(24).Prop("Top").Int(64).End();
    form.Object("TMenuItem", "FileMenu").Prop("Caption").String("&File").End();
    AddMenuItem(form, "FileOpen", "&Open...", 16463);
    AddMenuItem(form, "FilePrint", "&Print...", 16464);
    AddMenuItem(form, "FileSep", "-");
    AddMenuItem(form, "FileExit", "E&xit", 32883);
    form.End();
    form.Object("TMenuItem", "HelpMenu").Prop("Caption").String("&Help").End();
    AddMenuItem(form, "HelpAbout", "&About...");
    form.End().End();
}

// An image list of four 16 x 16 glyphs in 4 bits per pixel: a small header,
// then a bitmap with its palette and pixel rows, 3452 bytes in all.
std::string ImageListData() {
    std::string data(
        "IL\x01\x01\x04\x00\x04\x00\x10\x00\x10\x00\xFF\xFF\xFF\xFF\x21\x10\xFF\xFF\xFF\xFF", 24);
    data += std::string("BM\x36\x0D\x00\x00\x00\x00\x00\x00\x76\x00\x00\x00\x28\x00\x00\x00", 18);
    for (int i = 0; i < 16; ++i) data += static_cast<char>(i * 17);
    while (data.size() < 3452) {
        int pixel = static_cast<int>(data.size());
        int x = pixel % 32, y = pixel / 32 % 16;
        data += static_cast<char>(((x * 7 + y * 3) % 16) << 4 | ((x ^ y) & 15));
    }
    return data;
}

void AddImageList(TForm& form) {
    form.Object("TImageList", "ImageList").Prop("Left").Int(56).Prop("Top").Int(64);
    form.Prop("Bitmap").Binary(ImageListData()).End().End();
}

void AddOpenDialog(TForm& form) {
    form.Object("TOpenDialog", "OpenDialog").Prop("DefaultExt").String("ord");
    form.Prop("Filter").String("Order files (*.ord)|*.ord|All files (*.*)|*.*");
    form.Prop("Options").Set(
        {"ofHideReadOnly", "ofPathMustExist", "ofFileMustExist", "ofEnableSizing"});
    form.Prop("Left").Int(88).Prop("Top").Int(64).End().End();
}

void AddFormProperties(TForm& form) {
    AddBounds(form, 192, 114, 640, 480);
    form.Prop("Caption").String("Orders").Prop("Color").Ident("clBtnFace");
    form.Prop("Font.Charset").Ident("DEFAULT_CHARSET").Prop("Font.Color").Ident("clWindowText");
    form.Prop("Font.Height").Int(-11).Prop("Font.Name").String("Tahoma").Prop("Font.Style").Set({});
    form.Prop("Menu")
        .Ident("MainMenu")
        .Prop("OldCreateOrder")
        .False()
        .Prop("Position")
        .Ident("poScreenCenter");
    form.Prop("OnCreate").Ident("FormCreate").Prop("OnClose").Ident("FormClose");
    form.Prop("PixelsPerInch").Int(96).Prop("TextHeight").Int(13).End();
}

}  // namespace

std::string SampleFormFile() {
    TForm form;
    form.Object("TOrdersForm", "OrdersForm");
    AddFormProperties(form);
    AddToolPanel(form);
    AddOrdersView(form);
    AddNotesMemo(form);
    AddDetails(form);
    AddStatusBar(form);
    AddMainMenu(form);
    AddImageList(form);
    AddOpenDialog(form);
    form.End();
    return WrapInResource("TORDERSFORM", form.Data());
}

}  // namespace codelume
