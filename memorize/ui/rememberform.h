#pragma once

// The word window: a window without title bar or frame that fills the screen or floats above
// the other windows at the stored rectangle, and shows the current word, its pronunciation and
// its Chinese explanation over a background colour or picture. It is moved by its background
// and labels, sized by its eight border pieces, and commanded by the memorization menu (a right
// click or the context-menu key), global hot keys and Alt+F4. What comes next is decided by its
// sequencer; the window places and draws.

#include "memorize/hotkeyslots.h"
#include "memorize/sequencer.h"
#include "memorize/wordlayout.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>

namespace lexarion {

class AppState;
class HotKeys;
class WindowHooks;

// What the word window needs of the hidden owner window: the play item and refresh of the
// memorization menu, the menu itself, and the speech flag it clears when it closes.
class RememberFormOwner : public PlayMenu {
public:
    // Refreshes the memorization menu and pops it up at `globalPosition`.
    virtual void ShowMemorizationMenu(QPoint globalPosition) = 0;
    // `RememberFormSpeakingStarted` = false.
    virtual void ResetSpeakingStarted() = 0;
};

// The eight border pieces, in the order of their window-manager hit codes 10 to 17.
enum class BorderPiece {
    Left,
    Right,
    Top,
    TopLeft,
    TopRight,
    Bottom,
    BottomLeft,
    BottomRight,
};
inline constexpr int BorderPieceCount = 8;

class RememberForm : public QWidget, private WordDisplay {
    Q_OBJECT
public:
    // Runs the window's load: the window is made hidden, with the plan's opening step done, the
    // display mode, fonts and colours taken from the settings, the hot keys registered with
    // `hotKeys` (none when null) and playing started or paused by "AutoPlay". Show it to begin.
    // While hot keys are registered the window is hooked in `hooks`, whose hot-key handler is
    // to pass each pressed id to DoHotKeyFunctions.
    RememberForm(AppState& app, RememberFormOwner& owner, HotKeys* hotKeys = nullptr,
                 WindowHooks* hooks = nullptr, QWidget* parent = nullptr);
    ~RememberForm() override;

    Sequencer& Playback() { return *sequencer_; }

    // The eight commands of the menu and the hot keys.
    void StartPlay();
    void ReadAgain();
    void AddToMyDict();
    void DeleteFromMyDict();
    void PreWord();
    void NextWord();
    void PreviousGroup();
    void NextGroup();

    // The hot keys: the stored combinations registered for this window, released again, and
    // the command of a pressed hot key's id run. Nothing registers once the window is closing.
    void RegAllHotKey();
    void UnRegAllHotKey();
    void DoHotKeyFunctions(int id);
    const HotKeySlots& HotKeySlot() const { return hotKeySlots_; }

    // Placing the labels; the last two also make their label visible.
    void PrintWord() override;
    void PrintPronounce() override;
    void PrintExplanation() override;
    // Re-reads "SplitDisplay" and places the visible labels again.
    void RefreshLayout();

    // Fonts and colours. The pronunciation label keeps its phonetic face and follows the word's
    // size and colour.
    void SetWordFont(const QFont& font);
    void SetWordColor(const QColor& color);
    void SetExplanationFont(const QFont& font);
    void SetExplanationColor(const QColor& color);
    QFont WordFont() const { return wordFont_; }
    QFont ExplanationFont() const { return explanationFont_; }
    QColor WordColor() const { return wordColor_; }
    QColor ExplanationColor() const { return explanationColor_; }

    // The background: a picture file loaded into `BackPic` (false when it cannot be read, the
    // old picture then stays), composed over the window by `style` (0 tile, 1 centre,
    // 2 stretch) and kept until the next composition; or no picture and a plain colour.
    bool LoadBackPicture(const QString& path);
    void SetBackPicture(int style);
    void RemoveBackPicture();
    void SetBackColor(const QColor& color);
    const QImage& BackPic() const { return backPic_; }
    const QImage& ComposedBackground() const { return background_; }
    QColor BackColor() const { return backColor_; }

    // The word timer's interval in milliseconds.
    void SetWordInterval(int milliseconds);

    // Full screen (the whole screen, not topmost, no border pieces, not movable) or windowed
    // (the stored rectangle, topmost, border pieces as resize handles); stores "FullScreen".
    void SetFullScreen(bool on);
    bool IsFullScreenMode() const { return fullScreen_; }
    // Stores the window's rectangle in twips ("WinLeft", "WinTop", "WinWidth", "WinHeight").
    void SaveWindowPos();

    // The labels and border pieces, for the display settings and for tests.
    QWidget* Label(WordLabelKind kind) const;
    QWidget* Border(BorderPiece piece) const { return borders_[size_t(piece)]; }
    const WordLayout& Layout() const { return layout_; }

    // The smallest window: 1000 x 400 twips.
    static QSize MinimumWindowSize();

signals:
    // The close request has run; the window goes away next.
    void Closing();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsShown() const override;
    void ShowBorders(bool visible);
    void DragWindow(QPoint globalPosition);
    void ShowMemorizationMenu(QPoint globalPosition);
    void ResizeFromBorder(BorderPiece piece, QPoint globalPosition);
    void UpdateLabels();
    void ApplyLayout();
    WordLayoutInput LayoutInput() const;
    QFont ScaledFont(WordLabelKind kind, double scale) const;
    void SetTopmost(bool on);

    AppState& app_;
    RememberFormOwner& owner_;
    WindowHooks* hooks_;
    HotKeySlots hotKeySlots_;
    Sequencer* sequencer_;
    std::array<QWidget*, 3> labels_{};
    std::array<QWidget*, BorderPieceCount> borders_{};
    QFont wordFont_;
    QFont pronounceFont_;
    QFont explanationFont_;
    QColor wordColor_;
    QColor explanationColor_;
    QColor backColor_;
    QImage backPic_;
    QString backPicPath_;
    qint64 backPicStamp_ = -1;
    QImage background_;
    WordLayout layout_;
    bool fullScreen_ = false;
    bool closing_ = false;
    // A move or resize followed by hand where the window manager offers no loop of its own.
    struct ManualTrack {
        bool active = false;
        Qt::Edges edges;
        QPoint pressGlobal;
        QRect startGeometry;
    } track_;
};

} // namespace lexarion
