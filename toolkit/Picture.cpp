#include "toolkit/Picture.h"

#include <QIconEngine>
#include <QList>
#include <QPainter>

#include <utility>

namespace toolkit {

struct Picture::Data {
    struct Rendering {
        qreal ratio;
        qint64 colours; // the palette's cache key, 0 for the design's colours
        QPixmap pixmap;
    };

    QSize designSize;
    QSize size;
    Drawing drawing = nullptr;
    mutable QList<Rendering> renderings; // one per device pixel ratio and colours asked for

    // The drawing on exactly `pixels` device pixels, for a screen of this device pixel ratio.
    QPixmap render(QSize pixels, qreal ratio, const QPalette* colours) const {
        QPixmap pixmap(pixels);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(pixels.width() / ratio / designSize.width(),
                      pixels.height() / ratio / designSize.height());
        drawing(painter, colours);
        return pixmap;
    }
};

namespace {

// A mend of a difference between Qt versions, kept here because a picture needs it and a control leans
// on no mend: the unit in which Qt asks an icon engine's scaledPixmap() for its size. Qt 6.4 asks in
// device pixels; Qt 6.8 asks in screen units, with the scale beside it, and takes the pixmap's ratio from
// the size it gets back. Answered in the other unit, an icon is drawn at the wrong size for its scale
// (small and stretched, or too big): Toolkit.AnIconIsDrawnAtEveryScale fails on either Qt if this answer
// is fixed.
// Asked once, of Qt itself: an icon that records the size it is asked for at scale 2.
bool iconSizesCountDevicePixels() {
    class Probe final : public QIconEngine {
      public:
        explicit Probe(QSize* asked) : m_asked(asked) {}
        void paint(QPainter*, const QRect&, QIcon::Mode, QIcon::State) override {}
        QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override { return QPixmap(size); }
        QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal) override {
            *m_asked = size;
            return QPixmap(size);
        }
        QIconEngine* clone() const override { return new Probe(m_asked); }

      private:
        QSize* m_asked;
    };
    static const bool devicePixels = [] {
        QSize asked;
        QIcon(new Probe(&asked)).pixmap(QSize(4, 4), 2.0);
        return asked == QSize(8, 8);
    }();
    return devicePixels;
}

// Draws a picture into whatever rectangle and resolution an icon is asked for.
class PictureIconEngine final : public QIconEngine {
  public:
    PictureIconEngine(Picture picture, std::optional<QPalette> colours)
        : m_picture(std::move(picture)), m_colours(std::move(colours)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, m_picture.render((QSizeF(rect.size()) * ratio).toSize(), ratio, colours()));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return m_picture.render(size, 1.0, colours());
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override {
        return m_picture.render(iconSizesCountDevicePixels() ? size : (QSizeF(size) * scale).toSize(), scale,
                                colours());
    }
    QIconEngine* clone() const override { return new PictureIconEngine(m_picture, m_colours); }

  private:
    const QPalette* colours() const { return m_colours ? &*m_colours : nullptr; }

    Picture m_picture;
    std::optional<QPalette> m_colours;
};

} // namespace

Picture::Picture(QSize designSize, Drawing drawing)
    : m_data(std::make_shared<Data>(Data{designSize, designSize, drawing, {}})) {}

QSize Picture::size() const {
    return m_data ? m_data->size : QSize();
}

Picture Picture::scaledTo(QSize size) const {
    Picture scaled;
    if (m_data) {
        scaled.m_data = size == m_data->size
                            ? m_data
                            : std::make_shared<Data>(Data{m_data->designSize, size, m_data->drawing, {}});
    }
    return scaled;
}

QPixmap Picture::pixmap(qreal devicePixelRatio, const QPalette* colours) const {
    if (!m_data || m_data->size.isEmpty() || m_data->designSize.isEmpty()) {
        return {};
    }
    const qint64 key = colours ? colours->cacheKey() : 0;
    for (const Data::Rendering& rendering : std::as_const(m_data->renderings)) {
        if (rendering.ratio == devicePixelRatio && rendering.colours == key) {
            return rendering.pixmap;
        }
    }
    const QPixmap drawn =
        m_data->render((QSizeF(m_data->size) * devicePixelRatio).toSize(), devicePixelRatio, colours);
    m_data->renderings.append({devicePixelRatio, key, drawn});
    return drawn;
}

QPixmap Picture::render(QSize pixels, qreal devicePixelRatio, const QPalette* colours) const {
    if (!m_data || pixels.isEmpty() || m_data->designSize.isEmpty()) {
        return {};
    }
    return m_data->render(pixels, devicePixelRatio, colours);
}

QIcon Picture::icon(const QPalette* colours) const {
    return QIcon(new PictureIconEngine(*this, colours ? std::optional<QPalette>(*colours) : std::nullopt));
}

} // namespace toolkit
