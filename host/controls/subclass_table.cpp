#include "subclass_table.h"

#include <algorithm>

bool AddMsgToTable(std::vector<MessageId>& table, MessageId uMsg) {
    if (uMsg == 0) {
        return false;
    }
    for (MessageId& slot : table) {
        if (slot == 0) {
            slot = uMsg;
            return true;
        }
        if (slot == uMsg) {
            return true;
        }
    }
    table.push_back(uMsg);
    return true;
}

bool TableHasMsg(const std::vector<MessageId>& table, MessageId uMsg) {
    return uMsg != 0 && std::find(table.begin(), table.end(), uMsg) != table.end();
}

int SubclassTable::FindEntry(WindowId hWnd, bool forAdding) const {
    if (!forAdding && hWnd == 0) {
        return -1;
    }
    const WindowId wanted = forAdding ? 0 : hWnd;
    for (int i = size() - 1; i >= 0; --i) {
        if (entries_[i].hWnd == wanted) {
            return i;
        }
    }
    return -1;
}

int SubclassTable::Insert(WindowId hWnd) {
    if (hWnd == 0) {
        return -1;
    }
    if (const int existing = FindEntry(hWnd, false); existing >= 0) {
        return existing;
    }
    int index = FindEntry(hWnd, true);
    if (index < 0) {
        entries_.emplace_back();
        index = size() - 1;
    }
    entries_[index] = SubclassEntry{hWnd, {}, {}};
    return index;
}

bool SubclassTable::AddMsg(WindowId hWnd, MessageId uMsg, int when) {
    const int index = FindEntry(hWnd, false);
    if (index < 0 || uMsg == 0) {
        return false;
    }
    SubclassEntry& entry = entries_[index];
    if (when & MsgBefore) {
        AddMsgToTable(entry.beforeTable, uMsg);
    }
    if (when & MsgAfter) {
        AddMsgToTable(entry.afterTable, uMsg);
    }
    return true;
}

bool SubclassTable::Release(WindowId hWnd) {
    const int index = FindEntry(hWnd, false);
    if (index < 0) {
        return false;
    }
    entries_[index] = SubclassEntry{};
    return true;
}

const SubclassEntry* SubclassTable::Entry(int index) const {
    return index >= 0 && index < size() ? &entries_[index] : nullptr;
}

const SubclassEntry* SubclassTable::EntryOf(WindowId hWnd) const {
    return Entry(FindEntry(hWnd, false));
}

MessageResult DispatchSubclassed(SubclassMessage m, const CurrentEntry& currentEntry,
                                 SubclassOwner& owner, const CallPrevious& callPrevious) {
    MessageResult lReturn = 0;
    bool bHandled = false;

    const SubclassEntry* entry = currentEntry();
    if (entry && TableHasMsg(entry->beforeTable, m.uMsg)) {
        owner.SubclassProc(true, bHandled, lReturn, m.hWnd, m.uMsg, m.wParam, m.lParam);
    }
    if (bHandled) {
        return lReturn;
    }
    lReturn = callPrevious(m);
    entry = currentEntry();
    if (entry && TableHasMsg(entry->afterTable, m.uMsg)) {
        owner.SubclassProc(false, bHandled, lReturn, m.hWnd, m.uMsg, m.wParam, m.lParam);
    }
    return lReturn;
}
