// A scroll bar that keeps its range, page and position in its own 32-bit
// fields, with the page-size semantics of a document view: the position runs
// from Min to Max - PageSize + 1, so a page of the panel height + 1 over a
// range of the content height stops exactly at the last visible pixel.
#pragma once

#include <QScrollBar>
#include <cstdint>

namespace codelume {

class T32ScrollBar : public QScrollBar {
public:
    T32ScrollBar(Qt::Orientation orientation, QWidget* parent);

    int32_t Position() const { return FPosition; }
    int32_t PageSize() const { return FPageSize; }
    int32_t Min() const { return FMin; }
    int32_t Max() const { return FMax; }
    int32_t SmallChange() const { return FSmallChange; }
    int32_t LargeChange() const { return FLargeChange; }

    void SetParams(int32_t min, int32_t max, int32_t pageSize, int32_t position);
    void SetPosition(int32_t position) { SetParams(FMin, FMax, FPageSize, position); }
    void SetSmallChange(int32_t change);
    void SetLargeChange(int32_t change) { FLargeChange = change; }

    // The position a bar action leads to, before the owner clamps it; the
    // current position for actions that do not move.
    int32_t ActionTarget(int action, int32_t bottom) const;

private:
    int32_t FMin = 0;
    int32_t FMax = 0;
    int32_t FPageSize = 0;
    int32_t FPosition = 0;
    int32_t FSmallChange = 1;
    int32_t FLargeChange = 1;
};

}  // namespace codelume
