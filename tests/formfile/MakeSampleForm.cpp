// Writes the sample form file: make_sample_form examples/Sample.dfm
#include <cstdio>

#include "SampleForm.h"
#include "support/TempDir.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample_form FILE\n");
        return 2;
    }
    codelume::WriteWholeFile(argv[1], codelume::SampleFormFile());
    return 0;
}
