#pragma once

// "Cool Text", the hidden credit screen: three lines drawn with a letter spacing that shrinks
// from very wide, overshoots and springs back, 20 ms a frame, once per opening. The animation
// starts with the window's first activation and keeps the program responsive meanwhile;
// closed, the window releases itself, but never while its animation is still on the way out.

#include <QPixmap>
#include <QWidget>

namespace lexarion {

struct CreditLine;

class TextEffectForm : public QWidget {
    Q_OBJECT
public:
    // Opens over `owner` without belonging to it, so that nothing released with the owner can
    // take the window away from under its own animation.
    explicit TextEffectForm(QWidget* owner = nullptr);

    bool Running() const { return running_; }
    // True while the animation's frame loop is under way, even after Running() was cleared.
    bool Animating() const { return animating_; }
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
    bool animating_ = false;
    bool releaseWhenDone_ = false;
    QPixmap canvas_;
    QList<int> drawn_;
};

} // namespace lexarion
