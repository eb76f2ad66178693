#pragma once

// "Cool Text", the hidden credit screen: three lines drawn with a letter spacing that shrinks
// from very wide, overshoots and springs back, 20 ms a frame, once per opening.

#include <QPixmap>
#include <QWidget>

namespace lexarion {

struct CreditLine;

class TextEffectForm : public QWidget {
    Q_OBJECT
public:
    explicit TextEffectForm(QWidget* parent = nullptr);

    bool Running() const { return running_; }
    bool Activated() const { return activated_; }
    // The spacing of every frame drawn so far, line after line.
    const QList<int>& DrawnSpacings() const { return drawn_; }

signals:
    void FrameDrawn(int spacing);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Animate();
    void AnimateText(const CreditLine& line, const QFont& font);

    bool activated_ = false;
    bool running_ = false;
    QPixmap canvas_;
    QList<int> drawn_;
};

} // namespace lexarion
