#include "subclass_table.h"

#include <algorithm>

namespace controls {

bool addMessageTo(std::vector<MessageId>& table, MessageId message) {
    if (message == 0) {
        return false;
    }
    for (MessageId& slot : table) {
        if (slot == 0) {
            slot = message;
            return true;
        }
        if (slot == message) {
            return true;
        }
    }
    table.push_back(message);
    return true;
}

bool tableHas(const std::vector<MessageId>& table, MessageId message) {
    return message != 0 && std::find(table.begin(), table.end(), message) != table.end();
}

int SubclassTable::findEntry(WindowId window, bool forAdding) const {
    if (!forAdding && window == 0) {
        return -1;
    }
    const WindowId wanted = forAdding ? 0 : window;
    for (int i = size() - 1; i >= 0; --i) {
        if (entries_[i].window == wanted) {
            return i;
        }
    }
    return -1;
}

int SubclassTable::insert(WindowId window) {
    if (window == 0) {
        return -1;
    }
    if (const int existing = findEntry(window, false); existing >= 0) {
        return existing;
    }
    int index = findEntry(window, true);
    if (index < 0) {
        entries_.emplace_back();
        index = size() - 1;
    }
    entries_[index] = SubclassEntry{window, {}, {}};
    return index;
}

bool SubclassTable::addMessage(WindowId window, MessageId message, int when) {
    const int index = findEntry(window, false);
    if (index < 0 || message == 0) {
        return false;
    }
    SubclassEntry& entry = entries_[index];
    if (when & handleBefore) {
        addMessageTo(entry.beforeMessages, message);
    }
    if (when & handleAfter) {
        addMessageTo(entry.afterMessages, message);
    }
    return true;
}

bool SubclassTable::release(WindowId window) {
    const int index = findEntry(window, false);
    if (index < 0) {
        return false;
    }
    entries_[index] = SubclassEntry{};
    return true;
}

const SubclassEntry* SubclassTable::entry(int index) const {
    return index >= 0 && index < size() ? &entries_[index] : nullptr;
}

const SubclassEntry* SubclassTable::entryOf(WindowId window) const {
    return entry(findEntry(window, false));
}

MessageResult dispatchSubclassed(SubclassMessage m, const CurrentEntry& currentEntry,
                                 SubclassOwner& owner, const CallPrevious& callPrevious) {
    MessageResult result = 0;
    bool handled = false;

    const SubclassEntry* entry = currentEntry();
    if (entry && tableHas(entry->beforeMessages, m.message)) {
        owner.onSubclassedMessage(true, handled, result, m.window, m.message, m.wParam, m.lParam);
    }
    if (handled) {
        return result;
    }
    result = callPrevious(m);
    entry = currentEntry();
    if (entry && tableHas(entry->afterMessages, m.message)) {
        owner.onSubclassedMessage(false, handled, result, m.window, m.message, m.wParam, m.lParam);
    }
    return result;
}

} // namespace controls
