#include "objects/PaintBox.h"

namespace codelume {

void PaintFrame(TCanvas& canvas, const TRect& rect, int32_t thickness, TColor topLeft,
                TColor bottomRight) {
    canvas.FillRect({rect.Left, rect.Top, rect.Right, rect.Top + thickness}, topLeft);
    canvas.FillRect({rect.Left, rect.Top, rect.Left + thickness, rect.Bottom}, topLeft);
    canvas.FillRect({rect.Left, rect.Bottom - thickness, rect.Right, rect.Bottom}, bottomRight);
    canvas.FillRect({rect.Right - thickness, rect.Top, rect.Right, rect.Bottom}, bottomRight);
}

}  // namespace codelume
