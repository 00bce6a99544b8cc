#pragma once

// Per-owner bookkeeping of subclassed windows and the order in which a
// subclassed message reaches the owner and the window's previous procedure.
// Window handles are opaque numbers here; the Win32 layer converts them.

#include <cstdint>
#include <functional>
#include <vector>

namespace controls {

using WindowId = std::uintptr_t;
using MessageId = std::uint32_t;
using WordParam = std::uintptr_t;
using LongParam = std::intptr_t;
using MessageResult = std::intptr_t;

// Registration flags for addMessage; they may be combined.
constexpr int handleAfter = 1;
constexpr int handleBefore = 2;

// One subclassed window; window 0 marks a free entry. The tables list message
// numbers; a slot holding 0 is free and taken by the next registration.
struct SubclassEntry {
    WindowId window = 0;
    std::vector<MessageId> afterMessages;
    std::vector<MessageId> beforeMessages;

    int afterCount() const { return static_cast<int>(afterMessages.size()); }
    int beforeCount() const { return static_cast<int>(beforeMessages.size()); }
};

// Adds a message to one table: a free slot (0) is reused, a message already
// present is not added again, otherwise the table grows by one. Message 0
// cannot be registered because 0 marks a free slot; returns false for it.
bool addMessageTo(std::vector<MessageId>& table, MessageId message);

// Whether the table lists the message (message 0 never matches).
bool tableHas(const std::vector<MessageId>& table, MessageId message);

// The entry list of one owner, indexed from 0 and grown one entry at a time.
class SubclassTable {
  public:
    // Scans from the highest index down. With forAdding false: the highest
    // entry of that window. With forAdding true: the highest free entry,
    // skipping entries of that window. -1 when none qualifies; a window
    // handle of 0 is never found as an entry in use.
    int findEntry(WindowId window, bool forAdding) const;

    // Records a window in the highest free entry, or in a new entry appended
    // to the list, with empty tables; returns its index. A window already
    // recorded keeps its entry. -1 for window 0.
    int insert(WindowId window);

    // Registers a message for the window's entry, before, after or both.
    // False when the window has no entry or the message is 0.
    bool addMessage(WindowId window, MessageId message, int when);

    // Frees the window's entry (window 0, tables emptied); false when none.
    bool release(WindowId window);

    // The entry at an index, or nullptr outside the list.
    const SubclassEntry* entry(int index) const;
    // The window's entry in use, or nullptr.
    const SubclassEntry* entryOf(WindowId window) const;
    int size() const { return static_cast<int>(entries_.size()); }

  private:
    std::vector<SubclassEntry> entries_;
};

// A message as it travels through a subclass; the owner may change any part.
struct SubclassMessage {
    WindowId window = 0;
    MessageId message = 0;
    WordParam wParam = 0;
    LongParam lParam = 0;
};

// The object that receives the messages registered for its subclasses.
class SubclassOwner {
  public:
    virtual void onSubclassedMessage(bool before, bool& handled, MessageResult& result,
                                     WindowId& window, MessageId& message, WordParam& wParam,
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
// the message is registered for it; unless that callback set handled, the
// previous procedure (with the message as the callback left it) and then
// the "after" callback when registered. Returns result, which starts at 0
// and which either callback may replace.
MessageResult dispatchSubclassed(SubclassMessage message, const CurrentEntry& currentEntry,
                                 SubclassOwner& owner, const CallPrevious& callPrevious);

} // namespace controls
