// Decodes a generated form stream of about 40 MB in memory and prints the
// speed and the peak memory of the process.
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>

#include "formfile/FormFile.h"
#include "support/FormWriter.h"

namespace {

using codelume::TFormWriter;

constexpr size_t TargetSize = 40u << 20;
constexpr int Runs = 5;

void AddButtons(TFormWriter& form, int panel) {
    for (int i = 0; i < 6; ++i) {
        std::string name = "Button" + std::to_string(panel * 10 + i);
        form.Object("TButton", name)
            .Prop("Left")
            .Int(8 + 80 * i)
            .Prop("Top")
            .Int(8)
            .Prop("Width")
            .Int(75);
        form.Prop("Height").Int(25).Prop("Caption").String("&" + name).Prop("TabOrder").Int(i);
        form.Prop("Font.Style").Set({"fsBold"}).Prop("OnClick").Ident(name + "Click").End().End();
    }
}

void AddMemoAndList(TFormWriter& form, int panel) {
    form.Object("TMemo", "Memo" + std::to_string(panel)).Prop("Lines.Strings").List();
    for (int i = 0; i < 8; ++i)
        form.String("Line " + std::to_string(i) + " of a memo with some text in it.\t'ok'");
    form.End().Prop("ScrollBars").Ident("ssVertical").End().End();
    form.Object("TListView", "List" + std::to_string(panel)).Prop("Columns").Collection();
    for (int i = 0; i < 4; ++i)
        form.Item().Prop("Caption").String("Column").Prop("Width").Int(120).End();
    form.End().Prop("Hint").String(std::string(150, 'h')).Prop("Zoom").Single(0.75f).End().End();
}

void AddPanel(TFormWriter& form, int panel, const std::string& bitmap) {
    form.Object("TPanel", "Panel" + std::to_string(panel)).Prop("Align").Ident("alTop");
    form.Prop("Color").Ident("clBtnFace").Prop("Height").Int(41).End();
    AddButtons(form, panel);
    AddMemoAndList(form, panel);
    form.Object("TImageList", "Images" + std::to_string(panel))
        .Prop("Bitmap")
        .Binary(bitmap)
        .End()
        .End();
    form.End();
}

std::string GenerateForm() {
    std::string bitmap(3452, '\0');
    for (size_t i = 0; i < bitmap.size(); ++i) bitmap[i] = static_cast<char>(i * 31 % 251);
    TFormWriter form;
    form.Object("TBenchForm", "BenchForm").Prop("Caption").String("Benchmark").End();
    for (int panel = 0; form.Data().size() < TargetSize; ++panel) AddPanel(form, panel, bitmap);
    form.End();
    return form.Data();
}

// Seconds of CPU time, which other programs on the machine do not inflate.
double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double DecodeSeconds(const std::string& stream, size_t& textSize) {
    codelume::TMemoryStream input(stream), output;
    double start = CpuSeconds();
    codelume::FormBinaryToText(input, output);
    double elapsed = CpuSeconds() - start;
    textSize = output.Data().size();
    return elapsed;
}

}  // namespace

int main() {
    std::string stream = GenerateForm();
    size_t textSize = 0;
    double best = 1e9;
    for (int run = 0; run < Runs; ++run) best = std::min(best, DecodeSeconds(stream, textSize));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    double megabytes = static_cast<double>(stream.size()) / 1e6;
    std::printf(
        "form decoding: %.1f MB of form stream to %.1f MB of text, best of %d runs: %.0f MB/s of "
        "CPU time\n",
        megabytes, static_cast<double>(textSize) / 1e6, Runs, megabytes / best);
    std::printf("form decoding: peak memory %.1f MB (stream and text held in memory)\n",
                static_cast<double>(usage.ru_maxrss) / 1024.0);
    return 0;
}
