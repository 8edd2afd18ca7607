#include "formfile/FormFile.h"

namespace codelume {

void FormResourceToText(TStream& input, TStream& output) { FormBinaryToText(input, output); }

void FormBinaryToText(TStream&, TStream&) { throw EReadError("Invalid stream format"); }

}  // namespace codelume
