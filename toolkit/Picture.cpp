#include "toolkit/Picture.h"

#include <QIconEngine>
#include <QList>
#include <QPainter>

#include <utility>

namespace toolkit {

struct Picture::Data {
    QSize designSize;
    QSize size;
    Drawing drawing = nullptr;
    mutable QList<QPixmap> renderings; // one per device pixel ratio asked for

    // The drawing on exactly `pixels` device pixels, for a screen of this device pixel ratio.
    QPixmap render(QSize pixels, qreal ratio) const {
        QPixmap pixmap(pixels);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(pixels.width() / ratio / designSize.width(),
                      pixels.height() / ratio / designSize.height());
        drawing(painter);
        return pixmap;
    }
};

namespace {

// Draws a picture into whatever rectangle and resolution an icon is asked for.
class PictureIconEngine final : public QIconEngine {
  public:
    explicit PictureIconEngine(Picture picture) : m_picture(std::move(picture)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    // `size` counts device pixels.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override {
        return m_picture.render(size, scale);
    }
    QIconEngine* clone() const override { return new PictureIconEngine(m_picture); }

  private:
    Picture m_picture;
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

QPixmap Picture::pixmap(qreal devicePixelRatio) const {
    if (!m_data || m_data->size.isEmpty() || m_data->designSize.isEmpty()) {
        return {};
    }
    for (const QPixmap& rendering : std::as_const(m_data->renderings)) {
        if (rendering.devicePixelRatio() == devicePixelRatio) {
            return rendering;
        }
    }
    const QPixmap rendering =
        m_data->render((QSizeF(m_data->size) * devicePixelRatio).toSize(), devicePixelRatio);
    m_data->renderings.append(rendering);
    return rendering;
}

QPixmap Picture::render(QSize pixels, qreal devicePixelRatio) const {
    if (!m_data || pixels.isEmpty() || m_data->designSize.isEmpty()) {
        return {};
    }
    return m_data->render(pixels, devicePixelRatio);
}

QIcon Picture::icon() const {
    return QIcon(new PictureIconEngine(*this));
}

} // namespace toolkit
