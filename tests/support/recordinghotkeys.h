#pragma once

// The system's side of the hot keys, recorded: registrations (window, id, mask, key), releases,
// the combinations the system refuses, and a key press delivered as the platform delivers it.

#include "platform/hotkeys.h"

#include <map>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

namespace lexarion::testing {

class RecordingHotKeys : public HotKeys {
public:
    explicit RecordingHotKeys(Delivery delivery = {}) : delivery_(std::move(delivery)) {}

    bool RegisterHotKey(QObject* window, int id, int modifierMask, int virtualKey) override {
        if (refused.count({modifierMask, virtualKey}) || held_.count({modifierMask, virtualKey}))
            return false;
        registered.emplace_back(window, id, modifierMask, virtualKey);
        held_[{modifierMask, virtualKey}] = {window, id};
        return true;
    }
    bool UnregisterHotKey(QObject* window, int id) override {
        released.emplace_back(window, id);
        for (auto it = held_.begin(); it != held_.end(); ++it) {
            if (it->second == std::pair{window, id}) {
                held_.erase(it);
                return true;
            }
        }
        return false;
    }

    // The combination pressed: its window gets its id when it is registered; false otherwise.
    bool Press(int modifierMask, int virtualKey) {
        const auto found = held_.find({modifierMask, virtualKey});
        if (found == held_.end() || !delivery_)
            return false;
        delivery_(found->second.first, found->second.second);
        return true;
    }
    // The combinations registered now.
    size_t HeldCount() const { return held_.size(); }

    std::set<std::pair<int, int>> refused;
    std::vector<std::tuple<QObject*, int, int, int>> registered;
    std::vector<std::pair<QObject*, int>> released;

private:
    Delivery delivery_;
    std::map<std::pair<int, int>, std::pair<QObject*, int>> held_;
};

} // namespace lexarion::testing
