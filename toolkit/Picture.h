#pragma once

#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QSize>

#include <memory>
#include <optional>

class QPainter;

namespace toolkit {

// A picture the program draws itself. The drawing works in the coordinates of the picture's design size;
// the picture is shown at its own size (in pixels at 100 % scale) and rendered at the device pixel ratio
// of the screen it is on, so it is as sharp at 150 % or 200 % as at 100 %. It is drawn in its design's
// colours, or, given a palette (high contrast), in the palette's colours. Copies share their renderings.
class Picture {
  public:
    // `colours` is null for the design's colours.
    using Drawing = void (*)(QPainter& painter, const QPalette* colours);

    Picture() = default;
    Picture(QSize designSize, Drawing drawing);

    bool isNull() const { return !m_data; }
    QSize size() const;
    // The same drawing shown at another size.
    Picture scaledTo(QSize size) const;

    // The picture at its size, for a screen of this device pixel ratio.
    QPixmap pixmap(qreal devicePixelRatio, const QPalette* colours = nullptr) const;
    // The drawing on exactly so many device pixels, for a screen of this device pixel ratio.
    QPixmap render(QSize pixels, qreal devicePixelRatio, const QPalette* colours = nullptr) const;
    // An icon that draws the picture sharply at whatever size and scale it is shown.
    QIcon icon(const QPalette* colours = nullptr) const;

  private:
    struct Data;
    std::shared_ptr<Data> m_data;
};

} // namespace toolkit
