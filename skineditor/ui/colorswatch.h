#pragma once

// A colour swatch: a small button that shows its colour as its face and opens the colour
// chooser when clicked.

#include <QAbstractButton>

namespace lexarion {

class ColorSwatch : public QAbstractButton {
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    // A Windows colour number (red + 256 * green + 65536 * blue).
    qint32 Color() const { return color_; }
    void SetColor(qint32 color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    qint32 color_ = 0;
};

} // namespace lexarion
