// An ordered list of a host's registrations (hooks, drawables) that may be changed while it is being
// walked: a callback may unhook or register while the host is calling the list. Removed entries are
// only marked during a walk and erased once the outermost walk has finished.
// Rationale: a walk is on the path of every event and frame, so the list is compacted only when
// something was marked; a walk that removed nothing costs no pass over it.
#pragma once

#include "halvex/types.h"

#include <algorithm>
#include <cstddef>
#include <deque>
#include <utility>

namespace halvex::host {

template <typename Callback> class RegistrationList {
public:
    struct Entry {
        PluginId owner;
        Callback callback;
        bool removed;
    };

    void add(PluginId owner, Callback callback) {
        entries.push_back(Entry{owner, std::move(callback), false});
    }

    template <typename Predicate> void removeIf(Predicate predicate) {
        for (Entry& entry : entries)
            if (!entry.removed && predicate(entry)) {
                entry.removed = true;
                ++removedCount;
            }
        compactUnlessWalking();
    }

    // Calls every entry present when the walk starts, in registration order, skipping entries removed
    // on the way. Entries added during the walk wait for the next one.
    template <typename Invoke> void forEach(Invoke invoke) {
        const WalkGuard guard{*this};
        const std::size_t count = entries.size();
        for (std::size_t index = 0; index < count; ++index) {
            // A deque never moves its elements on push_back, so a callback that registers more
            // does not pull its own storage away.
            const Entry& entry = entries[index];
            if (!entry.removed) invoke(entry.callback);
        }
    }

    // Calls every entry not removed, without walking: INVOKE must not change the list.
    template <typename Invoke> void forEachPresent(Invoke invoke) const {
        for (const Entry& entry : entries)
            if (!entry.removed) invoke(entry.callback);
    }

    std::size_t size() const { return entries.size() - removedCount; }

private:
    struct WalkGuard {
        explicit WalkGuard(RegistrationList& list) : list(list) { ++list.walkDepth; }
        ~WalkGuard() {
            --list.walkDepth;
            list.compactUnlessWalking();
        }
        WalkGuard(const WalkGuard&) = delete;
        WalkGuard& operator=(const WalkGuard&) = delete;
        RegistrationList& list;
    };

    void compactUnlessWalking() {
        if (walkDepth != 0 || removedCount == 0) return;
        entries.erase(
            std::remove_if(entries.begin(), entries.end(), [](const Entry& entry) { return entry.removed; }),
            entries.end());
        removedCount = 0;
    }

    std::deque<Entry> entries;
    // Entries marked removed and not yet erased.
    std::size_t removedCount = 0;
    int walkDepth = 0;
};

} // namespace halvex::host
