// Scopes of the viewer's work: the busy state with its hourglass, and the
// paint lock held while the document is being laid out.
#pragma once

#include <QApplication>

#include "viewer/PageViewer.h"

namespace codelume {

// Sets Busy and shows the hourglass for one piece of work; both are restored
// when the scope ends, also by an exception.
class TPageViewer::TBusyScope {
public:
    explicit TBusyScope(TPageViewer& viewer) : Viewer(viewer), WasBusy(viewer.FBusy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        Viewer.SetBusy(true);
    }
    ~TBusyScope() {
        Viewer.SetBusy(WasBusy);
        QApplication::restoreOverrideCursor();
    }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;

private:
    TPageViewer& Viewer;
    bool WasBusy;
};

// Painting waits while the document is being laid out.
class TPaintLock {
public:
    explicit TPaintLock(bool& locked) : Locked(locked) { Locked = true; }
    ~TPaintLock() { Locked = false; }
    TPaintLock(const TPaintLock&) = delete;
    TPaintLock& operator=(const TPaintLock&) = delete;

private:
    bool& Locked;
};

}  // namespace codelume
