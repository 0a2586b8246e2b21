#pragma once
// qtview::Screenshot: a picture of a top-level window as a person sees it: a caption bar with
// the window's title over its client area, drawn the same on a screen and without one (the
// offscreen platform has no window manager to draw the caption).

#include <QImage>
#include <QString>

class CWnd;

namespace qtview {

class Screenshot {
public:
    // The picture of the window's view (made when needed), or a null image when the window is
    // gone or Qt has no Desktop.
    static QImage of(CWnd& topLevel);
    // Writes the picture as PNG; false when it could not be made or written.
    static bool save(CWnd& topLevel, const QString& path);
};

} // namespace qtview
