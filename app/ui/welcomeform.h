#pragma once

// The round splash window: one 289 × 289 picture cut to a circle, shown while the program
// waits two seconds and then loads.

#include <QTimer>
#include <QWidget>

namespace lexarion {

class WelcomeForm : public QWidget {
    Q_OBJECT
public:
    explicit WelcomeForm(const QString& picturePath, QWidget* parent = nullptr);

    QTimer& Timer1() { return timer1_; }

signals:
    // The two seconds are over: run the start-up sequence.
    void TimeUp();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPixmap picture_;
    QTimer timer1_;
};

} // namespace lexarion
