// The system-wide hot keys on a real X server (run on an Xvfb display of its own): key presses
// are sent by xdotool as another client would, and a second X connection plays the program
// that holds a combination already.

#include "platform/xcbhotkeys.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>
#include <utility>
#include <vector>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

namespace lexarion {
namespace {

constexpr int VkF1 = 112;
constexpr int Ctrl = 2;
constexpr int Shift = 1;
constexpr int Alt = 4;

// Presses keys as the user would, through the server's test extension.
void Press(const QString& keys) {
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), keys}), 0);
}

// Another program on the same display.
class OtherClient {
public:
    OtherClient() : connection_(xcb_connect(nullptr, nullptr)) {
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        symbols_ = xcb_key_symbols_alloc(connection_);
    }
    ~OtherClient() {
        xcb_key_symbols_free(symbols_);
        xcb_disconnect(connection_);
    }
    // Grabs the key with the server modifiers as this client; true when the server agreed.
    bool Grab(xcb_keysym_t keySym, quint16 modifiers) {
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols_, keySym);
        const xcb_keycode_t code = codes ? codes[0] : 0;
        std::free(codes);
        xcb_generic_error_t* error = xcb_request_check(
            connection_, xcb_grab_key_checked(connection_, 0, root_, modifiers, code,
                                              XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        std::free(error);
        return error == nullptr;
    }
    // Whether Num Lock is on, as the server's keyboard state says.
    bool NumLockOn() {
        xcb_query_pointer_reply_t* reply =
            xcb_query_pointer_reply(connection_, xcb_query_pointer(connection_, root_), nullptr);
        const bool on = reply && (reply->mask & XCB_MOD_MASK_2);
        std::free(reply);
        return on;
    }

private:
    xcb_connection_t* connection_;
    xcb_window_t root_;
    xcb_key_symbols_t* symbols_;
};

class XcbHotKeysTest : public ::testing::Test {
protected:
    XcbHotKeysTest()
        : keys_(CreateSystemHotKeys(
              [this](QObject* window, int id) { delivered_.emplace_back(window, id); })) {}

    // Waits up to two seconds for `count` deliveries.
    bool WaitFor(size_t count) {
        QElapsedTimer timer;
        timer.start();
        while (delivered_.size() < count && timer.elapsed() < 2000)
            QTest::qWait(20);
        // and a moment more, so that a delivery too many would be seen
        QTest::qWait(100);
        return delivered_.size() == count;
    }

    QObject window_;
    QObject otherWindow_;
    std::vector<std::pair<QObject*, int>> delivered_;
    std::unique_ptr<HotKeys> keys_;
};

TEST_F(XcbHotKeysTest, PressedCombinationReachesItsWindowWithItsId) {
    ASSERT_TRUE(keys_->RegisterHotKey(&window_, 1, Ctrl, VkF1));
    ASSERT_TRUE(keys_->RegisterHotKey(&otherWindow_, 6, Shift, 'A'));
    ASSERT_TRUE(keys_->RegisterHotKey(&window_, 8, Alt, 'A'));
    Press(QStringLiteral("ctrl+F1"));
    ASSERT_TRUE(WaitFor(1));
    EXPECT_EQ(delivered_[0], std::pair(&window_, 1));
    Press(QStringLiteral("shift+a"));
    Press(QStringLiteral("alt+a"));
    ASSERT_TRUE(WaitFor(3));
    EXPECT_EQ(delivered_[1], std::pair(&otherWindow_, 6));
    EXPECT_EQ(delivered_[2], std::pair(&window_, 8));
    // The plain key and another modifier are not the combination.
    Press(QStringLiteral("F1"));
    Press(QStringLiteral("ctrl+shift+F1"));
    Press(QStringLiteral("a"));
    EXPECT_TRUE(WaitFor(3));
}

TEST_F(XcbHotKeysTest, WorksWithNumLockAndCapsLockOn) {
    ASSERT_TRUE(keys_->RegisterHotKey(&window_, 2, Ctrl, VkF1));
    OtherClient observer;
    Press(QStringLiteral("Num_Lock"));
    Press(QStringLiteral("Caps_Lock"));
    EXPECT_TRUE(observer.NumLockOn());
    Press(QStringLiteral("ctrl+F1"));
    const bool delivered = WaitFor(1);
    Press(QStringLiteral("Num_Lock"));
    Press(QStringLiteral("Caps_Lock"));
    EXPECT_TRUE(delivered);
}

TEST_F(XcbHotKeysTest, CombinationHeldByAnotherProgramIsRefusedAndOthersStillRegister) {
    OtherClient other;
    ASSERT_TRUE(other.Grab(0xFFBF /* F2 */, XCB_MOD_MASK_CONTROL));
    EXPECT_FALSE(keys_->RegisterHotKey(&window_, 1, Ctrl, VkF1 + 1));
    EXPECT_TRUE(keys_->RegisterHotKey(&window_, 2, Ctrl, VkF1 + 2));
    // Nothing of the refused combination stays with this program.
    EXPECT_FALSE(keys_->UnregisterHotKey(&window_, 1));
    Press(QStringLiteral("ctrl+F3"));
    ASSERT_TRUE(WaitFor(1));
    EXPECT_EQ(delivered_[0], std::pair(&window_, 2));
}

TEST_F(XcbHotKeysTest, UnregisteringReleasesTheCombination) {
    ASSERT_TRUE(keys_->RegisterHotKey(&window_, 3, Ctrl | Alt, VkF1 + 4));
    OtherClient other;
    EXPECT_FALSE(other.Grab(0xFFC2 /* F5 */, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1));
    EXPECT_TRUE(keys_->UnregisterHotKey(&window_, 3));
    EXPECT_FALSE(keys_->UnregisterHotKey(&window_, 3));
    Press(QStringLiteral("ctrl+alt+F5"));
    EXPECT_TRUE(WaitFor(0));
    EXPECT_TRUE(other.Grab(0xFFC2, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1));
}

TEST_F(XcbHotKeysTest, KeysWithoutASymbolAndSecondRegistrationsAreRefused) {
    EXPECT_FALSE(keys_->RegisterHotKey(&window_, 1, Ctrl, 0));
    EXPECT_FALSE(keys_->RegisterHotKey(&window_, 1, Ctrl, 0xE5));
    EXPECT_TRUE(keys_->RegisterHotKey(&window_, 1, Ctrl, '7'));
    EXPECT_FALSE(keys_->RegisterHotKey(&window_, 1, Shift, '8'));
}

TEST_F(XcbHotKeysTest, ReleasedWhenDestroyed) {
    ASSERT_TRUE(keys_->RegisterHotKey(&window_, 1, Alt, VkF1 + 8));
    keys_.reset();
    OtherClient other;
    EXPECT_TRUE(other.Grab(0xFFC6 /* F9 */, XCB_MOD_MASK_1));
}

} // namespace
} // namespace lexarion

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
