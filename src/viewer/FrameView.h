// TFrameView shows a frame-set page inside the viewer that loaded it: it owns
// the frame set read from the page, gives every frame a viewer of its own,
// places them as the frame arrangement says and paints the borders between.
#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

#include "objects/FrameLayout.h"
#include "objects/FrameSet.h"

namespace codelume {

class TPageViewer;

class TFrameView : public QWidget {
public:
    // Creates the viewers of at most maxFrames frames, still empty.
    TFrameView(TPageViewer& owner, std::unique_ptr<TFrameSet> frameSet, int32_t maxFrames);

    // Loads every frame's page; the first error is raised once all were tried.
    void LoadFrames();
    const std::vector<TPageViewer*>& Frames() const { return FFrames; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TPageViewer* CreateFrame(const TFrameInfo& info);
    void LoadFrame(TPageViewer& frame, const TFrameInfo& info);
    void Arrange();

    TPageViewer& Owner;
    std::unique_ptr<TFrameSet> FrameSet;
    int32_t MaxFrames;
    TFrameArrangement Arrangement;
    std::vector<TPageViewer*> FFrames;  // children, one per arranged frame
};

}  // namespace codelume
