#include "app/ui/controlform.h"

#include "app/publisher.h"
#include "app/ui/consolelayout.h"
#include "core/appstate.h"
#include "core/settings.h"
#include "skin/ui/formcontrols.h"
#include "skin/ui/skinnedwindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace lexarion {

namespace {

// One picture; the console draws its look as a frame round it.
class PictureButton : public QWidget {
public:
    PictureButton(const QString& path, QWidget* parent) : QWidget(parent), picture_(path) {
        setMouseTracking(true);
    }
    void SetLook(ButtonLook look) {
        if (look_ == look)
            return;
        look_ = look;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawPixmap(0, 0, picture_);
        const QRect r = rect().adjusted(0, 0, -1, -1);
        switch (look_) {
        case ButtonLook::Normal:
            break;
        case ButtonLook::Hover:
            p.setPen(QColor(0x0b, 0x3a, 0x8c));
            p.drawRect(r);
            break;
        case ButtonLook::Pressed:
            // sunken: dark above and left, light below and right, two pixels deep
            p.setPen(QColor(0x40, 0x40, 0x40));
            p.drawLine(r.topLeft(), r.topRight());
            p.drawLine(r.topLeft(), r.bottomLeft());
            p.setPen(QColor(0x80, 0x80, 0x80));
            p.drawLine(r.topLeft() + QPoint(1, 1), r.topRight() + QPoint(-1, 1));
            p.drawLine(r.topLeft() + QPoint(1, 1), r.bottomLeft() + QPoint(1, -1));
            p.setPen(Qt::white);
            p.drawLine(r.bottomLeft(), r.bottomRight());
            p.drawLine(r.topRight(), r.bottomRight());
            break;
        }
    }

private:
    QPixmap picture_;
    ButtonLook look_ = ButtonLook::Normal;
};

class Picture : public QWidget {
public:
    Picture(const QString& path, QWidget* parent) : QWidget(parent), picture_(path) {
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawPixmap(0, 0, picture_);
    }

private:
    QPixmap picture_;
};

KeyModifiers ModifiersOf(Qt::KeyboardModifiers m) {
    return {m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier),
            m.testFlag(Qt::AltModifier)};
}

} // namespace

ControlForm::ControlForm(AppState& app, WindowHooks* hooks, std::function<void(Command)> runCommand,
                         std::function<bool()> canHideToTray, QWidget* parent)
    : QWidget(parent), app_(app), runCommand_(std::move(runCommand)),
      canHideToTray_(std::move(canHideToTray)) {
    setObjectName(QStringLiteral("ControlForm"));
    setWindowTitle(QStringLiteral("Lexarion - [") + app_.currentUser + u']');

    const QString pictures = ProgramFilePath(app_, QStringLiteral("Pictures"));
    backImage_ = new Picture(AddBackslash(pictures) + QStringLiteral("Control_Back.bmp"), this);
    backImage_->setObjectName(QStringLiteral("BackImage"));
    backImage_->setGeometry(0, 0, ConsoleBackWidth, ConsoleBackHeight);
    backImage_->setFocusPolicy(Qt::StrongFocus);
    backImage_->installEventFilter(this);
    for (int i = 0; i < ConsoleButtonCount; ++i) {
        auto* button = new PictureButton(
            AddBackslash(pictures) + QStringLiteral("Control_Button%1.bmp").arg(i), backImage_);
        button->setObjectName(QStringLiteral("ButtonImage%1").arg(i));
        button->setGeometry(ConsoleButtonRect(i));
        button->setToolTip(ConsoleButtonTooltip(i));
        button->installEventFilter(this);
        buttonImages_[size_t(i)] = button;
    }
    versionLabel_ = new QLabel(ProductVersion.toString(), backImage_);
    versionLabel_->setObjectName(QStringLiteral("VersionLabel"));
    versionLabel_->setGeometry(ConsoleVersionRect());
    versionLabel_->installEventFilter(this);
    // the label keeps its own colour when the skin is applied
    SetControlTag(versionLabel_, QStringLiteral("VersionLabel"));

    buttons_.Reset();
    // The background picture lies at the frame's client origin; the window is as large as the
    // picture with the frame round it.
    skin_ = new SkinnedWindow(this, backImage_, {.maxButton = false, .minButton = true}, hooks);
    skin_->Load(app_);
    QPalette palette = versionLabel_->palette();
    palette.setColor(QPalette::WindowText, QColor(0x50, 0x48, 0x30));
    versionLabel_->setPalette(palette);
    backImage_->setFocus();
}

ControlForm::~ControlForm() {
    skin_->Unload();
}

void ControlForm::ShowLooks() {
    for (int i = 0; i < ConsoleButtonCount; ++i)
        static_cast<PictureButton*>(buttonImages_[size_t(i)])->SetLook(buttons_.Look(i));
}

void ControlForm::Run(int index) {
    if (runCommand_)
        runCommand_(ConsoleButtonCommand(index));
}

void ControlForm::ShowNormal() {
    // The normal state first: a window mapped while still minimised is handed to the window
    // manager as an icon, which would hide it to the tray again at once.
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

bool ControlForm::eventFilter(QObject* watched, QEvent* event) {
    const auto index = [&]() -> int {
        for (int i = 0; i < ConsoleButtonCount; ++i)
            if (watched == buttonImages_[size_t(i)])
                return i;
        return -1;
    }();
    if (watched == versionLabel_ && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const MouseButton button = mouse->button() == Qt::LeftButton    ? MouseButton::Left
                                   : mouse->button() == Qt::RightButton ? MouseButton::Right
                                                                        : MouseButton::Middle;
        QPalette palette = versionLabel_->palette();
        switch (buttons_.VersionMouseDown(button, ModifiersOf(mouse->modifiers()))) {
        case VersionClickResult::Counted:
            break;
        case VersionClickResult::OpenTextEffect:
            palette.setColor(QPalette::WindowText, Qt::white);
            versionLabel_->setPalette(palette);
            emit OpenTextEffect();
            break;
        case VersionClickResult::TurnRed:
            palette.setColor(QPalette::WindowText, Qt::red);
            versionLabel_->setPalette(palette);
            break;
        }
        return true;
    }
    if (index >= 0) {
        switch (event->type()) {
        case QEvent::MouseMove:
            buttons_.MoveOverButton(index);
            ShowLooks();
            break;
        case QEvent::MouseButtonPress:
            buttons_.PressButton(index);
            ShowLooks();
            break;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool inside =
                buttonImages_[size_t(index)]->rect().contains(mouse->position().toPoint());
            if (inside && buttons_.Click(app_.dialogShowing))
                Run(index);
            buttons_.Release();
            break;
        }
        default:
            break;
        }
        return false;
    }
    if (watched == backImage_) {
        if (event->type() == QEvent::MouseMove) {
            buttons_.MoveOverBackground();
            ShowLooks();
        } else if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (event->type() == QEvent::ShortcutOverride)
                return false;
            if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) {
                buttons_.Tab();
                ShowLooks();
                return true;
            }
            if (key->key() == Qt::Key_Space && !key->isAutoRepeat()) {
                buttons_.SpaceDown();
                ShowLooks();
                return true;
            }
            if (key->key() == Qt::Key_F4 && key->modifiers() == Qt::AltModifier) {
                close();
                return true;
            }
        } else if (event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Space && !key->isAutoRepeat()) {
                if (buttons_.SpaceUp(app_.dialogShowing))
                    Run(buttons_.FocusIndex());
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ControlForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Minimised with a tray icon to come back by, the console lives on as that icon only.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && isVisible() &&
        canHideToTray_ && canHideToTray_())
        hide();
}

void ControlForm::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        closing_ = true;
        emit Closing();
    }
    event->accept();
}

} // namespace lexarion
