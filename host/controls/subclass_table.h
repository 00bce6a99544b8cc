#pragma once

// Per-owner bookkeeping of subclassed windows and the order in which a
// subclassed message reaches the owner and the window's previous procedure.
// Window handles are opaque numbers here; the Win32 layer converts them.

#include <cstdint>
#include <functional>
#include <vector>

using WindowId = std::uintptr_t;
using MessageId = std::uint32_t;
using WordParam = std::uintptr_t;
using LongParam = std::intptr_t;
using MessageResult = std::intptr_t;

// Registration flags for AddMsg; they may be combined.
constexpr int MsgAfter = 1;
constexpr int MsgBefore = 2;

// One subclassed window. hWnd 0 marks a free entry. The tables list message
// numbers; a slot holding 0 is free and taken by the next registration.
struct SubclassEntry {
    WindowId hWnd = 0;
    std::vector<MessageId> afterTable;
    std::vector<MessageId> beforeTable;

    int afterCount() const { return static_cast<int>(afterTable.size()); }
    int beforeCount() const { return static_cast<int>(beforeTable.size()); }
};

// Adds a message to one table: a free slot (0) is reused, a message already
// present is not added again, otherwise the table grows by one. Message 0
// cannot be registered because 0 marks a free slot; returns false for it.
bool AddMsgToTable(std::vector<MessageId>& table, MessageId uMsg);

// Whether the table lists the message (message 0 never matches).
bool TableHasMsg(const std::vector<MessageId>& table, MessageId uMsg);

// The entry list of one owner, indexed from 0 and grown one entry at a time.
class SubclassTable {
  public:
    // Scans from the highest index down. With forAdding false: the highest
    // entry of that window. With forAdding true: the highest free entry,
    // skipping entries of that window. -1 when none qualifies; a window
    // handle of 0 is never found as an entry in use.
    int FindEntry(WindowId hWnd, bool forAdding) const;

    // Records a window in the highest free entry, or in a new entry appended
    // to the list, with empty tables; returns its index. A window already
    // recorded keeps its entry. -1 for window 0.
    int Insert(WindowId hWnd);

    // Registers a message for the window's entry, before, after or both.
    // False when the window has no entry or the message is 0.
    bool AddMsg(WindowId hWnd, MessageId uMsg, int when);

    // Frees the window's entry (hWnd 0, tables emptied); false when none.
    bool Release(WindowId hWnd);

    // The entry at an index, or nullptr outside the list.
    const SubclassEntry* Entry(int index) const;
    // The window's entry in use, or nullptr.
    const SubclassEntry* EntryOf(WindowId hWnd) const;
    int size() const { return static_cast<int>(entries_.size()); }

  private:
    std::vector<SubclassEntry> entries_;
};

// A message as it travels through a subclass; the owner may change any part.
struct SubclassMessage {
    WindowId hWnd = 0;
    MessageId uMsg = 0;
    WordParam wParam = 0;
    LongParam lParam = 0;
};

// The object that receives the messages registered for its subclasses.
class SubclassOwner {
  public:
    virtual void SubclassProc(bool bBefore, bool& bHandled, MessageResult& lReturn,
                              WindowId& lng_hWnd, MessageId& uMsg, WordParam& wParam,
                              LongParam& lParam) = 0;

  protected:
    ~SubclassOwner() = default;
};

// The subclass's current entry, looked up afresh at each step because a
// callback may stop the subclass or change the tables; nullptr once it is
// gone (the owner is then not called any more).
using CurrentEntry = std::function<const SubclassEntry*()>;
using CallPrevious = std::function<MessageResult(const SubclassMessage&)>;

// Runs one message through a subclass: the owner's "before" callback when
// the message is registered for it; unless that callback set bHandled, the
// previous procedure (with the message as the callback left it) and then
// the "after" callback when registered. Returns lReturn, which starts at 0
// and which either callback may replace.
MessageResult DispatchSubclassed(SubclassMessage message, const CurrentEntry& currentEntry,
                                 SubclassOwner& owner, const CallPrevious& callPrevious);
