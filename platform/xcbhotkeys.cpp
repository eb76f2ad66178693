// Hot keys on X11: passive key grabs on the root window. The X server then sends the press of
// a grabbed combination to this client whichever window has the focus. Num Lock and Caps Lock
// are modifiers to the server, so each combination is grabbed four times, with neither, either
// and both of them held, and a hot key still works with the lock keys on.

#include "platform/xcbhotkeys.h"

#include "platform/virtualkey.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <array>
#include <cstdlib>
#include <vector>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

namespace lexarion {

namespace {

constexpr quint32 XkNumLock = 0xFF7F;

class XcbHotKeys : public HotKeys, public QAbstractNativeEventFilter {
public:
    XcbHotKeys(xcb_connection_t* connection, Delivery delivery)
        : connection_(connection), symbols_(xcb_key_symbols_alloc(connection)),
          delivery_(std::move(delivery)) {
        const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
        root_ = screens.rem > 0 ? screens.data->root : xcb_window_t(XCB_WINDOW_NONE);
        numLockMask_ = FindNumLockMask();
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~XcbHotKeys() override {
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeNativeEventFilter(this);
        for (const Grab& grab : grabs_)
            Ungrab(grab);
        xcb_flush(connection_);
        if (symbols_)
            xcb_key_symbols_free(symbols_);
    }

    bool RegisterHotKey(QObject* window, int id, int modifierMask, int virtualKey) override {
        if (!symbols_ || root_ == XCB_WINDOW_NONE || Find(window, id) != grabs_.end())
            return false;
        const quint32 keySym = KeySymFromVirtualKey(virtualKey);
        if (keySym == 0)
            return false;
        Grab grab{window, id, {}, ServerModifiers(modifierMask)};
        if (xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols_, keySym)) {
            for (const xcb_keycode_t* code = codes; *code != XCB_NO_SYMBOL; ++code)
                grab.keyCodes.push_back(*code);
            std::free(codes);
        }
        if (grab.keyCodes.empty())
            return false; // the keyboard has no such key
        std::vector<xcb_void_cookie_t> cookies;
        for (const xcb_keycode_t code : grab.keyCodes) {
            for (const quint16 locks : LockVariants()) {
                cookies.push_back(xcb_grab_key_checked(connection_, 0, root_,
                                                       grab.modifiers | locks, code,
                                                       XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
            }
        }
        bool refused = false;
        for (const xcb_void_cookie_t cookie : cookies) {
            if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
                refused = true; // held by another client
                std::free(error);
            }
        }
        if (refused) {
            // Releases only what this client obtained; another client's grab stays its own.
            Ungrab(grab);
            xcb_flush(connection_);
            return false;
        }
        grabs_.push_back(std::move(grab));
        return true;
    }

    bool UnregisterHotKey(QObject* window, int id) override {
        const auto it = Find(window, id);
        if (it == grabs_.end())
            return false;
        Ungrab(*it);
        xcb_flush(connection_);
        grabs_.erase(it);
        return true;
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) == XCB_MAPPING_NOTIFY) {
            // A new keyboard map: key codes are looked up afresh at the next registration.
            xcb_refresh_keyboard_mapping(symbols_, reinterpret_cast<xcb_mapping_notify_event_t*>(
                                                       const_cast<xcb_generic_event_t*>(event)));
            return false;
        }
        if ((event->response_type & 0x7F) != XCB_KEY_PRESS)
            return false;
        const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
        if (press->event != root_)
            return false;
        const quint16 modifiers = press->state & ModifierBits & ~(XCB_MOD_MASK_LOCK | numLockMask_);
        for (const Grab& grab : grabs_) {
            if (grab.modifiers != modifiers)
                continue;
            for (const xcb_keycode_t code : grab.keyCodes) {
                if (code == press->detail && grab.window) {
                    // Delivered from the event loop, not from inside the platform's event
                    // handling; a window closed meanwhile receives nothing.
                    const int id = grab.id;
                    QPointer<QObject> window = grab.window;
                    QMetaObject::invokeMethod(
                        window.data(),
                        [this, window, id] {
                            if (window)
                                delivery_(window.data(), id);
                        },
                        Qt::QueuedConnection);
                    return true;
                }
            }
        }
        return false;
    }

private:
    // Shift, Lock, Control and Mod1 to Mod5: the keyboard's part of an event's state.
    static constexpr quint16 ModifierBits = 0xFF;

    struct Grab {
        QPointer<QObject> window;
        int id;
        std::vector<xcb_keycode_t> keyCodes;
        quint16 modifiers;
    };

    std::vector<Grab>::iterator Find(QObject* window, int id) {
        for (auto it = grabs_.begin(); it != grabs_.end(); ++it) {
            if (it->window == window && it->id == id)
                return it;
        }
        return grabs_.end();
    }

    static quint16 ServerModifiers(int mask) {
        quint16 modifiers = 0;
        if (mask & ShiftMaskShift)
            modifiers |= XCB_MOD_MASK_SHIFT;
        if (mask & ShiftMaskCtrl)
            modifiers |= XCB_MOD_MASK_CONTROL;
        if (mask & ShiftMaskAlt)
            modifiers |= XCB_MOD_MASK_1;
        return modifiers;
    }

    std::array<quint16, 4> LockVariants() const {
        return {0, XCB_MOD_MASK_LOCK, numLockMask_, quint16(XCB_MOD_MASK_LOCK | numLockMask_)};
    }

    void Ungrab(const Grab& grab) {
        for (const xcb_keycode_t code : grab.keyCodes) {
            for (const quint16 locks : LockVariants())
                xcb_ungrab_key(connection_, code, root_, grab.modifiers | locks);
        }
    }

    // The modifier bit the server gives Num Lock (Mod2 on most keyboards).
    quint16 FindNumLockMask() const {
        quint16 mask = XCB_MOD_MASK_2;
        xcb_keycode_t* numLockCodes =
            symbols_ ? xcb_key_symbols_get_keycode(symbols_, XkNumLock) : nullptr;
        if (!numLockCodes)
            return mask;
        xcb_get_modifier_mapping_reply_t* reply = xcb_get_modifier_mapping_reply(
            connection_, xcb_get_modifier_mapping(connection_), nullptr);
        if (reply) {
            const xcb_keycode_t* map = xcb_get_modifier_mapping_keycodes(reply);
            const int perModifier = reply->keycodes_per_modifier;
            for (int modifier = 0; modifier < 8; ++modifier) {
                for (int k = 0; k < perModifier; ++k) {
                    const xcb_keycode_t code = map[modifier * perModifier + k];
                    for (const xcb_keycode_t* n = numLockCodes; code && *n != XCB_NO_SYMBOL; ++n) {
                        if (*n == code)
                            mask = quint16(1 << modifier);
                    }
                }
            }
            std::free(reply);
        }
        std::free(numLockCodes);
        return mask;
    }

    xcb_connection_t* connection_;
    xcb_key_symbols_t* symbols_;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    quint16 numLockMask_ = XCB_MOD_MASK_2;
    Delivery delivery_;
    std::vector<Grab> grabs_;
};

} // namespace

std::unique_ptr<HotKeys> CreateSystemHotKeys(HotKeys::Delivery delivery) {
    if (auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        if (xcb_connection_t* connection = x11->connection())
            return std::make_unique<XcbHotKeys>(connection, std::move(delivery));
    }
    return std::make_unique<RefusingHotKeys>();
}

} // namespace lexarion
