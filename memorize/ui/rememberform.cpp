#include "memorize/ui/rememberform.h"

#include "core/appstate.h"
#include "core/settings.h"
#include "memorize/progressslots.h"
#include "memorize/speech.h"
#include "memorize/studyplan.h"
#include "memorize/ui/wordstyle.h"
#include "platform/hotkeys.h"
#include "platform/numbertext.h"
#include "platform/windowmoveloop.h"
#include "skin/twips.h"
#include "skin/ui/windowhooks.h"
#include "wordlist/mydict.h"
#include "wordlist/wordentry.h"

#include <QCloseEvent>
#include <QCursor>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <cmath>
#include <limits>

namespace lexarion {

namespace {

// The border pieces: corners of this square size, edges this thick.
constexpr int BorderCorner = 10;
constexpr int BorderThickness = 5;

// A switch is on when its value as a number is not 0.
bool SwitchOn(const AppState& app, const SettingKey& key) {
    return NumberValue(ReadSetting(app, key)) != 0;
}

// Full screen until the display settings dialog stores otherwise.
bool FullScreenOn(const AppState& app) {
    return NumberValue(ReadSetting(app, setting::FullScreen, QStringLiteral("1"))) != 0;
}

int WholeNumber(const AppState& app, const SettingKey& key) {
    const double value = RoundHalfEven(NumberValue(ReadSetting(app, key)));
    return int(std::clamp(value, -1e9, 1e9));
}

// A text label exactly as large as its text; it draws the text and lets the mouse through to
// the window, which is dragged and commanded by its labels as by its background.
class TextLabel : public QWidget {
public:
    TextLabel(const char* name, QWidget* parent) : QWidget(parent) {
        setObjectName(QString::fromLatin1(name));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    QString text;
    QFont font;
    QColor color;
    double wrap = std::numeric_limits<double>::infinity();

    // Slanted glyphs reach beyond their advance; the label leaves them this much room.
    static double Pad(const QFont& f) { return std::ceil(QFontMetricsF(f).height() * 0.12); }

    static QSizeF Measure(const QString& text, const QFont& f, double maxWidth) {
        if (text.isEmpty())
            return {0, 0};
        const QFontMetricsF metrics(f);
        const double pad = Pad(f);
        if (std::isinf(maxWidth))
            return {std::ceil(metrics.horizontalAdvance(text)) + 2 * pad,
                    std::ceil(metrics.height())};
        const double width = std::max(1.0, maxWidth - 2 * pad);
        const QRectF box = metrics.boundingRect(QRectF(0, 0, width, 1e7), Flags(true), text);
        return {std::ceil(box.width()) + 2 * pad, std::ceil(box.height())};
    }

    static int Flags(bool wrapped) {
        return wrapped ? int(Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop)
                       : int(Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine);
    }

    // Over a picture the text gets a soft shadow so that it stays readable on light and busy
    // parts of the picture.
    bool shadow = false;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setFont(font);
        const double pad = Pad(font);
        const QRectF box = QRectF(rect()).adjusted(pad, 0, -pad, 0);
        const int flags = Flags(!std::isinf(wrap));
        const int strike = SyntheticBoldStrike(font);
        const auto draw = [&](QPointF offset, const QColor& c) {
            painter.setPen(c);
            for (int dx = 0; dx <= strike; ++dx)
                painter.drawText(box.translated(offset + QPointF(dx, 0)), flags, text);
        };
        if (shadow)
            draw(QPointF(1.5, 1.5), QColor(0, 0, 0, 140));
        draw(QPointF(), color);
    }

private:
    // Faces without a bold style are made bold by the font engine only in the sizes it keeps
    // as cached glyphs (up to 64 pixels); larger, they are overstruck as the classic desktop
    // does, by a pixel for every 32 of their size.
    static int SyntheticBoldStrike(const QFont& f) {
        if (!f.bold())
            return 0;
        const QFontInfo info(f);
        if (info.pixelSize() <= 64)
            return 0;
        // The face's own style name tells a real bold face from a regular one made bold.
        const QString style = info.styleName().toLower();
        for (const char* heavy : {"bold", "black", "heavy", "demi", "semi"})
            if (style.contains(QLatin1String(heavy)))
                return 0;
        return std::max(1, info.pixelSize() / 32);
    }
};

// One of the eight pieces of the window's frame, drawn as a raised bevel; pressed with the
// left button it sizes the window at its edge.
class BorderPieceWidget : public QWidget {
public:
    BorderPieceWidget(BorderPiece piece, QWidget* parent) : QWidget(parent), piece_(piece) {
        static const char* names[] = {"LeftBorder",       "RightBorder",      "TopBorder",
                                      "TopLeftBorder",    "TopRightBorder",   "BottomBorder",
                                      "BottomLeftBorder", "BottomRightBorder"};
        setObjectName(QString::fromLatin1(names[int(piece)]));
        const bool corner = piece == BorderPiece::TopLeft || piece == BorderPiece::TopRight ||
                            piece == BorderPiece::BottomLeft || piece == BorderPiece::BottomRight;
        if (corner)
            resize(BorderCorner, BorderCorner);
        else if (piece == BorderPiece::Left || piece == BorderPiece::Right)
            resize(BorderThickness, BorderCorner);
        else
            resize(BorderCorner, BorderThickness);
        switch (piece) {
        case BorderPiece::Left:
        case BorderPiece::Right:
            setCursor(Qt::SizeHorCursor);
            break;
        case BorderPiece::Top:
        case BorderPiece::Bottom:
            setCursor(Qt::SizeVerCursor);
            break;
        case BorderPiece::TopLeft:
        case BorderPiece::BottomRight:
            setCursor(Qt::SizeFDiagCursor);
            break;
        case BorderPiece::TopRight:
        case BorderPiece::BottomLeft:
            setCursor(Qt::SizeBDiagCursor);
            break;
        }
    }

    BorderPiece Piece() const { return piece_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QColor face(0x4a, 0x6a, 0x96);
        painter.fillRect(rect(), face);
        // Light on the outer top and left edges of the frame, dark on the outer bottom and
        // right, so the pieces together read as one raised frame.
        const QRect r = rect();
        const QColor light = face.lighter(160);
        const QColor dark = face.darker(170);
        const auto line = [&](QPoint a, QPoint b, const QColor& c) {
            painter.setPen(c);
            painter.drawLine(a, b);
        };
        switch (piece_) {
        case BorderPiece::Left:
            line(r.topLeft(), r.bottomLeft(), light);
            line(r.topRight(), r.bottomRight(), dark);
            break;
        case BorderPiece::Right:
            line(r.topLeft(), r.bottomLeft(), light);
            line(r.topRight(), r.bottomRight(), dark);
            break;
        case BorderPiece::Top:
            line(r.topLeft(), r.topRight(), light);
            line(r.bottomLeft(), r.bottomRight(), dark);
            break;
        case BorderPiece::Bottom:
            line(r.topLeft(), r.topRight(), light);
            line(r.bottomLeft(), r.bottomRight(), dark);
            break;
        case BorderPiece::TopLeft:
            line(r.topLeft(), r.topRight(), light);
            line(r.topLeft(), r.bottomLeft(), light);
            break;
        case BorderPiece::TopRight:
            line(r.topLeft(), r.topRight(), light);
            line(r.topRight(), r.bottomRight(), dark);
            break;
        case BorderPiece::BottomLeft:
            line(r.topLeft(), r.bottomLeft(), light);
            line(r.bottomLeft(), r.bottomRight(), dark);
            break;
        case BorderPiece::BottomRight:
            line(r.topRight(), r.bottomRight(), dark);
            line(r.bottomLeft(), r.bottomRight(), dark);
            break;
        }
    }

private:
    BorderPiece piece_;
};

Qt::Edges EdgesOf(BorderPiece piece) {
    switch (piece) {
    case BorderPiece::Left:
        return Qt::LeftEdge;
    case BorderPiece::Right:
        return Qt::RightEdge;
    case BorderPiece::Top:
        return Qt::TopEdge;
    case BorderPiece::TopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case BorderPiece::TopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case BorderPiece::Bottom:
        return Qt::BottomEdge;
    case BorderPiece::BottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case BorderPiece::BottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    }
    return {};
}

TextLabel* AsLabel(QWidget* widget) {
    return static_cast<TextLabel*>(widget);
}

} // namespace

QSize RememberForm::MinimumWindowSize() {
    return {int(std::ceil(1000.0 / TwipsPerPixel)), int(std::ceil(400.0 / TwipsPerPixel))};
}

namespace {

// The hot keys of a window made without the platform's: every registration is refused.
HotKeys& NoHotKeys() {
    static RefusingHotKeys none;
    return none;
}

} // namespace

RememberForm::RememberForm(AppState& app, RememberFormOwner& owner, HotKeys* hotKeys,
                           WindowHooks* hooks, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), app_(app), owner_(owner),
      hooks_(hooks), hotKeySlots_(app, hotKeys ? *hotKeys : NoHotKeys(), this) {
    setObjectName(QStringLiteral("RememberForm"));
    setWindowTitle(QStringLiteral("单词记忆"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(MinimumWindowSize());
    setFocusPolicy(Qt::StrongFocus);
    setContextMenuPolicy(Qt::PreventContextMenu);

    labels_[size_t(WordLabelKind::Word)] = new TextLabel("Word", this);
    labels_[size_t(WordLabelKind::Pronounce)] = new TextLabel("Pronounce", this);
    labels_[size_t(WordLabelKind::Explanation)] = new TextLabel("Explanation", this);
    for (int i = 0; i < BorderPieceCount; ++i) {
        auto* piece = new BorderPieceWidget(BorderPiece(i), this);
        piece->installEventFilter(this);
        borders_[size_t(i)] = piece;
    }

    sequencer_ = new Sequencer(app_, *this, owner_, this);
    // The interval the user chose applies from the first word on, not only after the display
    // settings have been opened.
    sequencer_->ApplyStoredWordInterval();

    // The load.
    sequencer_->Word = {QStringLiteral("Lexarion"), true};
    sequencer_->Pronounce = {QString(), true};
    sequencer_->Explanation = {QString(), true};
    OpenPlanForWordWindow(app_);
    SetFullScreen(FullScreenOn(app_));
    LoadWordFont(app_, wordFont_);
    pronounceFont_ = QFont(PronounceFontFace.toString());
    pronounceFont_.setPointSizeF(wordFont_.pointSizeF());
    // Both texts are white on the word window (the display settings dialog shows black).
    wordColor_ = ReadColorSetting(app_, setting::WordForeColor, QStringLiteral("16777215"));
    LoadExplanationFont(app_, explanationFont_);
    explanationColor_ =
        ReadColorSetting(app_, setting::ExplanationForeColor, QStringLiteral("16777215"));
    backColor_ = ReadColorSetting(app_, setting::BackColor);
    if (SwitchOn(app_, setting::AutoPlay)) {
        owner_.SetPlayChecked(false);
        sequencer_->Explanation.text = QStringLiteral("正在读取单词库...");
    } else {
        owner_.SetPlayChecked(true);
    }
    UpdateLabels();
    RegAllHotKey();
    StartPlay();
}

RememberForm::~RememberForm() {
    // A window released without its close request still gives its keys back.
    hotKeySlots_.UnregisterAll();
}

bool RememberForm::IsShown() const {
    return isVisible();
}

QWidget* RememberForm::Label(WordLabelKind kind) const {
    return labels_[size_t(kind)];
}

// --- hot keys ----------------------------------------------------------------------------

void RememberForm::RegAllHotKey() {
    if (closing_)
        return;
    // Keys still held from an earlier registration are given back first, not leaked.
    hotKeySlots_.UnregisterAll();
    hotKeySlots_.RegisterAll();
    // Hooked in every case, so that the hooks pass the pressed keys on.
    if (hooks_)
        hooks_->HookWindow(this);
}

void RememberForm::UnRegAllHotKey() {
    hotKeySlots_.UnregisterAll();
    if (hooks_)
        hooks_->UnhookWindow(this);
}

void RememberForm::DoHotKeyFunctions(int id) {
    const std::optional<HotKeyCommand> command = hotKeySlots_.CommandOf(id);
    if (!command)
        return;
    switch (*command) {
    case HotKeyCommand::StartPlay:
        StartPlay();
        break;
    case HotKeyCommand::ReadAgain:
        ReadAgain();
        break;
    case HotKeyCommand::AddToMyDict:
        AddToMyDict();
        break;
    case HotKeyCommand::DeleteFromMyDict:
        DeleteFromMyDict();
        break;
    case HotKeyCommand::PreWord:
        PreWord();
        break;
    case HotKeyCommand::NextWord:
        NextWord();
        break;
    case HotKeyCommand::PreviousGroup:
        PreviousGroup();
        break;
    case HotKeyCommand::NextGroup:
        NextGroup();
        break;
    }
}

// --- commands ----------------------------------------------------------------------------

void RememberForm::StartPlay() {
    sequencer_->StartPlay();
}
void RememberForm::ReadAgain() {
    sequencer_->ReadAgain();
}
void RememberForm::AddToMyDict() {
    lexarion::AddToMyDict(app_);
}
void RememberForm::DeleteFromMyDict() {
    lexarion::DeleteFromMyDict(app_);
}
void RememberForm::PreWord() {
    sequencer_->PreWord();
}
void RememberForm::NextWord() {
    sequencer_->NextWord();
}
void RememberForm::PreviousGroup() {
    sequencer_->PreviousGroup();
}
void RememberForm::NextGroup() {
    sequencer_->NextGroup();
}
void RememberForm::SetWordInterval(int milliseconds) {
    sequencer_->SetWordInterval(milliseconds);
}

// --- layout ------------------------------------------------------------------------------

QFont RememberForm::ScaledFont(WordLabelKind kind, double scale) const {
    QFont font = kind == WordLabelKind::Word        ? wordFont_
                 : kind == WordLabelKind::Pronounce ? pronounceFont_
                                                    : explanationFont_;
    // Far below a readable size only in the smallest windows, where a tiny text is still better
    // than one cut off.
    if (scale < 1)
        font.setPointSizeF(std::max(0.25, font.pointSizeF() * scale));
    return font;
}

WordLayoutInput RememberForm::LayoutInput() const {
    WordLayoutInput input;
    input.inner = QSizeF(size());
    input.leftBorder = Border(BorderPiece::Left)->width();
    input.rightBorder = Border(BorderPiece::Right)->width();
    input.topBorder = Border(BorderPiece::Top)->height();
    input.bottomBorder = Border(BorderPiece::Bottom)->height();
    input.split = SwitchOn(app_, setting::SplitDisplay);
    input.hasPronounce = !TrimSpaces(sequencer_->Pronounce.text).isEmpty();
    input.hasExplanation = !TrimSpaces(sequencer_->Explanation.text).isEmpty();
    return input;
}

void RememberForm::ApplyLayout() {
    UpdateLabels();
    const auto text = [this](WordLabelKind kind) -> const QString& {
        return kind == WordLabelKind::Word        ? sequencer_->Word.text
               : kind == WordLabelKind::Pronounce ? sequencer_->Pronounce.text
                                                  : sequencer_->Explanation.text;
    };
    layout_ = LayOutWords(LayoutInput(), [&](WordLabelKind kind, double scale, double maxWidth) {
        return TextLabel::Measure(text(kind), ScaledFont(kind, scale), maxWidth);
    });
}

void RememberForm::UpdateLabels() {
    const auto sync = [this](WordLabelKind kind, const WordLabel& state, const QColor& color) {
        auto* label = AsLabel(Label(kind));
        label->text = state.text;
        label->color = color;
        label->shadow = !background_.isNull();
        label->setVisible(state.visible);
        label->update();
    };
    sync(WordLabelKind::Word, sequencer_->Word, wordColor_);
    sync(WordLabelKind::Pronounce, sequencer_->Pronounce, wordColor_);
    sync(WordLabelKind::Explanation, sequencer_->Explanation, explanationColor_);
}

void RememberForm::PrintWord() {
    ApplyLayout();
    auto* label = AsLabel(Label(WordLabelKind::Word));
    label->font = ScaledFont(WordLabelKind::Word, layout_.scale);
    label->setGeometry(layout_.word.toAlignedRect());
    label->raise();
    label->update();
}

void RememberForm::PrintPronounce() {
    ApplyLayout();
    sequencer_->Pronounce.visible = true;
    auto* label = AsLabel(Label(WordLabelKind::Pronounce));
    label->font = ScaledFont(WordLabelKind::Pronounce, layout_.scale);
    label->setGeometry(layout_.pronounce.toAlignedRect());
    label->setVisible(true);
    label->raise();
    label->update();
}

void RememberForm::PrintExplanation() {
    ApplyLayout();
    sequencer_->Explanation.visible = true;
    auto* label = AsLabel(Label(WordLabelKind::Explanation));
    label->font = ScaledFont(WordLabelKind::Explanation, layout_.scale);
    label->wrap = layout_.explanationWrap;
    label->setGeometry(layout_.explanation.toAlignedRect());
    label->setVisible(true);
    label->raise();
    label->update();
}

void RememberForm::RefreshLayout() {
    PrintWord();
    if (sequencer_->Pronounce.visible)
        PrintPronounce();
    if (sequencer_->Explanation.visible)
        PrintExplanation();
}

// --- fonts and colours -------------------------------------------------------------------

void RememberForm::SetWordFont(const QFont& font) {
    CopyFont(wordFont_, font);
    pronounceFont_.setPointSizeF(wordFont_.pointSizeF());
    RefreshLayout();
}

void RememberForm::SetWordColor(const QColor& color) {
    wordColor_ = color;
    UpdateLabels();
}

void RememberForm::SetExplanationFont(const QFont& font) {
    CopyFont(explanationFont_, font);
    RefreshLayout();
}

void RememberForm::SetExplanationColor(const QColor& color) {
    explanationColor_ = color;
    UpdateLabels();
}

// --- background --------------------------------------------------------------------------

bool RememberForm::LoadBackPicture(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    const qint64 stamp = info.lastModified().toMSecsSinceEpoch() ^ info.size();
    // The same unchanged file is not read again at every resize.
    if (path == backPicPath_ && stamp == backPicStamp_ && !backPic_.isNull())
        return true;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage picture = reader.read();
    if (picture.isNull())
        return false;
    backPic_ = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    backPicPath_ = path;
    backPicStamp_ = stamp;
    return true;
}

void RememberForm::SetBackPicture(int style) {
    background_ = ComposeBackground(backPic_, size(), style, backColor_);
    UpdateLabels();
    update();
}

void RememberForm::RemoveBackPicture() {
    background_ = QImage();
    UpdateLabels();
    update();
}

void RememberForm::SetBackColor(const QColor& color) {
    backColor_ = color;
    update();
}

void RememberForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (background_.isNull())
        painter.fillRect(rect(), backColor_);
    else
        painter.drawImage(0, 0, background_);
    if (background_.size() != size() && !background_.isNull()) {
        // Between a size change and the next composition the rest shows the colour.
        QRegion rest(rect());
        rest -= QRegion(QRect(QPoint(), background_.size()));
        for (const QRect& r : rest)
            painter.fillRect(r, backColor_);
    }
}

// --- display mode and frame ----------------------------------------------------------------

void RememberForm::SetTopmost(bool on) {
    const Qt::WindowFlags flags = windowFlags();
    const Qt::WindowFlags wanted =
        on ? flags | Qt::WindowStaysOnTopHint : flags & ~Qt::WindowStaysOnTopHint;
    if (flags == wanted)
        return;
    const bool shown = isVisible();
    const QRect geometryBefore = geometry();
    setWindowFlags(wanted);
    setGeometry(geometryBefore);
    if (shown)
        show();
}

void RememberForm::SetFullScreen(bool on) {
    WriteSetting(app_, setting::FullScreen, on ? QStringLiteral("1") : QStringLiteral("0"));
    fullScreen_ = on;
    if (on) {
        QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        setGeometry(screen ? screen->geometry() : QRect(0, 0, 1024, 768));
        SetTopmost(false);
    } else {
        const auto twips = [this](const SettingKey& key) {
            return NumberValue(ReadSetting(app_, key));
        };
        const QRect stored(qRound(twips(setting::WinLeft) / TwipsPerPixel),
                           qRound(twips(setting::WinTop) / TwipsPerPixel),
                           qRound(twips(setting::WinWidth) / TwipsPerPixel),
                           qRound(twips(setting::WinHeight) / TwipsPerPixel));
        SetTopmost(true);
        setGeometry(QRect(stored.topLeft(), stored.size().expandedTo(MinimumWindowSize())));
    }
    ShowBorders(!on);
    if (isVisible()) {
        raise();
        activateWindow();
    }
}

void RememberForm::SaveWindowPos() {
    const QRect r = geometry();
    const auto write = [this](const SettingKey& key, int pixels) {
        WriteSetting(app_, key, QString::number(pixels * TwipsPerPixel));
    };
    write(setting::WinLeft, r.left());
    write(setting::WinTop, r.top());
    write(setting::WinWidth, r.width());
    write(setting::WinHeight, r.height());
}

void RememberForm::ShowBorders(bool visible) {
    for (QWidget* piece : borders_)
        piece->setVisible(visible);
    if (!visible)
        return;
    const int W = width();
    const int H = height();
    const auto piece = [this](BorderPiece p) { return Border(p); };
    QWidget* tl = piece(BorderPiece::TopLeft);
    QWidget* tr = piece(BorderPiece::TopRight);
    QWidget* bl = piece(BorderPiece::BottomLeft);
    QWidget* br = piece(BorderPiece::BottomRight);
    QWidget* b = piece(BorderPiece::Bottom);
    tl->move(0, 0);
    tr->move(W - tr->width(), 0);
    // The corner sits in the window's corner whatever the bottom edge's thickness.
    bl->move(0, H - bl->height());
    br->move(W - br->width(), H - br->height());
    QWidget* l = piece(BorderPiece::Left);
    l->setGeometry(0, tl->height(), l->width(), std::max(0, H - tl->height() - bl->height()));
    QWidget* r = piece(BorderPiece::Right);
    r->setGeometry(W - r->width(), tr->height(), r->width(),
                   std::max(0, H - tr->height() - br->height()));
    QWidget* t = piece(BorderPiece::Top);
    t->setGeometry(tl->width(), 0, std::max(0, W - tl->width() - tr->width()), t->height());
    b->setGeometry(bl->width(), H - b->height(), std::max(0, W - bl->width() - br->width()),
                   b->height());
    for (QWidget* p : borders_)
        p->raise();
}

// --- events --------------------------------------------------------------------------------

void RememberForm::resizeEvent(QResizeEvent*) {
    // The minimum size is held by the window itself (1000 x 400 twips).
    if (!FullScreenOn(app_)) {
        ShowBorders(true);
        SaveWindowPos();
    }
    const QString path = ReadSetting(app_, setting::BackPicturePath);
    if (QFileInfo(path).isFile() && LoadBackPicture(path) &&
        WholeNumber(app_, setting::BackPicture) != 0)
        SetBackPicture(WholeNumber(app_, setting::BackPictureStyle));
    PrintWord();
    if (sequencer_->Pronounce.visible)
        PrintPronounce();
    if (sequencer_->Explanation.visible)
        PrintExplanation();
}

void RememberForm::moveEvent(QMoveEvent*) {
    // The stored rectangle follows every move of the floating window, as it follows its size.
    if (isVisible() && !closing_ && !fullScreen_)
        SaveWindowPos();
}

void RememberForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F4 && event->modifiers() == Qt::AltModifier) {
        close();
        return;
    }
    if (event->key() == Qt::Key_Menu) {
        ShowMemorizationMenu(QCursor::pos());
        return;
    }
    event->ignore();
}

void RememberForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        DragWindow(event->globalPosition().toPoint());
}

void RememberForm::mouseMoveEvent(QMouseEvent* event) {
    if (!track_.active)
        return;
    const QPoint delta = event->globalPosition().toPoint() - track_.pressGlobal;
    QRect g = track_.startGeometry;
    if (!track_.edges) {
        move(g.topLeft() + delta);
        return;
    }
    const QSize least = minimumSize();
    if (track_.edges & Qt::LeftEdge)
        g.setLeft(std::min(g.left() + delta.x(), g.right() - least.width() + 1));
    if (track_.edges & Qt::RightEdge)
        g.setRight(g.right() + delta.x());
    if (track_.edges & Qt::TopEdge)
        g.setTop(std::min(g.top() + delta.y(), g.bottom() - least.height() + 1));
    if (track_.edges & Qt::BottomEdge)
        g.setBottom(g.bottom() + delta.y());
    setGeometry(QRect(g.topLeft(), g.size().expandedTo(least)));
}

void RememberForm::mouseReleaseEvent(QMouseEvent* event) {
    track_.active = false;
    if (event->button() == Qt::RightButton)
        ShowMemorizationMenu(event->globalPosition().toPoint());
}

bool RememberForm::eventFilter(QObject* watched, QEvent* event) {
    auto* piece = dynamic_cast<BorderPieceWidget*>(watched);
    if (!piece)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            ResizeFromBorder(piece->Piece(), mouse->globalPosition().toPoint());
        return true;
    }
    case QEvent::MouseMove:
        mouseMoveEvent(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseButtonRelease:
        mouseReleaseEvent(static_cast<QMouseEvent*>(event));
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void RememberForm::DragWindow(QPoint globalPosition) {
    if (FullScreenOn(app_))
        return;
    if (StartSystemMove(this))
        return;
    track_ = {true, {}, globalPosition, geometry()};
}

void RememberForm::ResizeFromBorder(BorderPiece piece, QPoint globalPosition) {
    if (StartSystemResize(this, EdgesOf(piece)))
        return;
    track_ = {true, EdgesOf(piece), globalPosition, geometry()};
}

void RememberForm::ShowMemorizationMenu(QPoint globalPosition) {
    owner_.ShowMemorizationMenu(globalPosition);
}

void RememberForm::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        closing_ = true;
        SaveLastProgress(app_);
        if (!FullScreenOn(app_))
            SaveWindowPos();
        UnRegAllHotKey();
        sequencer_->Timer1().stop();
        sequencer_->Timer2().stop();
        emit Closing();
        owner_.ResetSpeakingStarted();
        StopSpeaking(app_.speech);
    }
    event->accept();
}

} // namespace lexarion
