#include "subclass_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace controls;

TEST(SubclassTable, FindEntryScansFromTheTop) {
    SubclassTable table;
    EXPECT_EQ(table.findEntry(0x100, false), -1);
    EXPECT_EQ(table.findEntry(0x100, true), -1);

    EXPECT_EQ(table.insert(0x100), 0);
    EXPECT_EQ(table.insert(0x200), 1);
    EXPECT_EQ(table.insert(0x300), 2);
    EXPECT_EQ(table.findEntry(0x200, false), 1);
    EXPECT_EQ(table.findEntry(0x999, false), -1);
    EXPECT_EQ(table.findEntry(0x200, true), -1); // nothing free

    ASSERT_TRUE(table.release(0x100));
    ASSERT_TRUE(table.release(0x300));
    // The highest free entry is taken first.
    EXPECT_EQ(table.findEntry(0x200, true), 2);
    EXPECT_EQ(table.findEntry(0x100, false), -1);
    // Window 0 means "free", never a window in use.
    EXPECT_EQ(table.findEntry(0, false), -1);
    EXPECT_EQ(table.insert(0), -1);
}

TEST(SubclassTable, StoppedEntriesAreReusedBeforeTheListGrows) {
    SubclassTable table;
    EXPECT_EQ(table.insert(0x10), 0);
    EXPECT_EQ(table.insert(0x20), 1);
    ASSERT_TRUE(table.addMessage(0x10, 0x2A3, handleAfter));
    ASSERT_TRUE(table.release(0x10));
    EXPECT_EQ(table.insert(0x30), 0);
    EXPECT_EQ(table.size(), 2);
    // The reused entry starts with empty tables.
    EXPECT_EQ(table.entry(0)->afterCount(), 0);
    EXPECT_EQ(table.entry(0)->window, 0x30u);
    // Starting a window twice keeps its one entry.
    EXPECT_EQ(table.insert(0x20), 1);
    EXPECT_EQ(table.insert(0x40), 2);
    EXPECT_FALSE(table.release(0x99));
    EXPECT_EQ(table.entry(3), nullptr);
    EXPECT_EQ(table.entry(-1), nullptr);
}

TEST(SubclassTable, AddingToATableReusesFreeSlotsAndIgnoresDuplicates) {
    std::vector<MessageId> table;
    EXPECT_TRUE(addMessageTo(table, 6));
    EXPECT_TRUE(addMessageTo(table, 6));
    EXPECT_EQ(table, std::vector<MessageId>({6}));
    EXPECT_TRUE(addMessageTo(table, 0x2A3));
    EXPECT_EQ(table, std::vector<MessageId>({6, 0x2A3}));

    // A free slot earlier in the table is taken before a duplicate further on
    // is seen, as the scan stops at the first free slot.
    table = {0x10, 0, 0x20};
    EXPECT_TRUE(addMessageTo(table, 0x30));
    EXPECT_EQ(table, std::vector<MessageId>({0x10, 0x30, 0x20}));
    EXPECT_TRUE(addMessageTo(table, 0x20));
    EXPECT_EQ(table.size(), 3u);

    // 0 marks a free slot, so it cannot be registered (it would be lost).
    EXPECT_FALSE(addMessageTo(table, 0));
    EXPECT_EQ(table.size(), 3u);
    EXPECT_FALSE(tableHas({0x10, 0}, 0));
    EXPECT_TRUE(tableHas({0x10, 0x20}, 0x20));
}

TEST(SubclassTable, AddMessageFillsTheTablesTheFlagsName) {
    SubclassTable table;
    table.insert(0x10);
    EXPECT_TRUE(table.addMessage(0x10, 6, handleAfter));
    EXPECT_TRUE(table.addMessage(0x10, 7, handleBefore));
    EXPECT_TRUE(table.addMessage(0x10, 8, handleBefore | handleAfter));
    EXPECT_TRUE(table.addMessage(0x10, 6, handleAfter));
    const SubclassEntry* entry = table.entryOf(0x10);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->afterMessages, std::vector<MessageId>({6, 8}));
    EXPECT_EQ(entry->beforeMessages, std::vector<MessageId>({7, 8}));
    EXPECT_EQ(entry->afterCount(), 2);
    EXPECT_EQ(entry->beforeCount(), 2);
    // A window without an entry is skipped.
    EXPECT_FALSE(table.addMessage(0x20, 6, handleAfter));
    EXPECT_FALSE(table.addMessage(0x10, 0, handleAfter));
}

namespace {

// Records the protocol's steps and changes the message as configured.
struct ScriptedOwner : SubclassOwner {
    std::vector<std::string> log;
    bool handleBefore = false;
    MessageResult beforeReturn = 0;
    MessageId rewriteMessageTo = 0;
    bool replaceAfterResult = false;
    std::function<void()> duringBefore;

    void onSubclassedMessage(bool before, bool& handled, MessageResult& result, WindowId&,
                             MessageId& message, WordParam& wParam, LongParam& lParam) override {
        log.push_back(std::string(before ? "before " : "after ") + std::to_string(message) +
                      " ret " + std::to_string(result));
        if (before) {
            if (duringBefore) {
                duringBefore();
            }
            if (rewriteMessageTo) {
                message = rewriteMessageTo;
                wParam = 77;
                lParam = -5;
            }
            if (handleBefore) {
                handled = true;
                result = beforeReturn;
            }
        } else if (replaceAfterResult) {
            result = result * 10;
        }
    }
};

struct Harness {
    SubclassTable table;
    ScriptedOwner owner;
    std::vector<std::string>& log = owner.log;

    MessageResult send(MessageId msg) {
        const CurrentEntry current = [this] { return table.entryOf(0x10); };
        const CallPrevious previous = [this](const SubclassMessage& m) {
            log.push_back("previous " + std::to_string(m.message) + " " + std::to_string(m.wParam) +
                          " " + std::to_string(m.lParam));
            return static_cast<MessageResult>(m.message + 1000);
        };
        return dispatchSubclassed({0x10, msg, 1, 2}, current, owner, previous);
    }
};

} // namespace

TEST(SubclassDispatch, AfterCallbackSeesAndMayReplaceThePreviousResult) {
    Harness h;
    h.table.insert(0x10);
    h.table.addMessage(0x10, 6, handleAfter);
    EXPECT_EQ(h.send(6), 1006);
    EXPECT_EQ(h.log, std::vector<std::string>({"previous 6 1 2", "after 6 ret 1006"}));

    h.log.clear();
    h.owner.replaceAfterResult = true;
    EXPECT_EQ(h.send(6), 10060);

    h.log.clear();
    EXPECT_EQ(h.send(9), 1009);
    EXPECT_EQ(h.log, std::vector<std::string>({"previous 9 1 2"}));
}

TEST(SubclassDispatch, BeforeCallbackRunsFirstAndMayHandleTheMessage) {
    Harness h;
    h.table.insert(0x10);
    h.table.addMessage(0x10, 6, handleBefore | handleAfter);
    EXPECT_EQ(h.send(6), 1006);
    EXPECT_EQ(h.log,
              std::vector<std::string>({"before 6 ret 0", "previous 6 1 2", "after 6 ret 1006"}));

    // Handled: neither the previous procedure nor the after callback runs.
    h.log.clear();
    h.owner.handleBefore = true;
    h.owner.beforeReturn = 42;
    EXPECT_EQ(h.send(6), 42);
    EXPECT_EQ(h.log, std::vector<std::string>({"before 6 ret 0"}));
}

TEST(SubclassDispatch, PreviousProcedureGetsTheMessageAsTheBeforeCallbackLeftIt) {
    Harness h;
    h.table.insert(0x10);
    h.table.addMessage(0x10, 6, handleBefore);
    h.table.addMessage(0x10, 8, handleAfter);
    h.owner.rewriteMessageTo = 8;
    EXPECT_EQ(h.send(6), 1008);
    // The after table is consulted for the rewritten message.
    EXPECT_EQ(h.log,
              std::vector<std::string>({"before 6 ret 0", "previous 8 77 -5", "after 8 ret 1008"}));
}

TEST(SubclassDispatch, StoppingInsideTheCallbackEndsTheCallbacks) {
    Harness h;
    h.table.insert(0x10);
    h.table.addMessage(0x10, 6, handleBefore | handleAfter);
    // The callback stops the subclass and starts others, which may move the
    // entries in memory.
    h.owner.duringBefore = [&h] {
        h.table.release(0x10);
        for (WindowId w = 0x100; w < 0x140; ++w) {
            h.table.insert(w);
        }
    };
    EXPECT_EQ(h.send(6), 1006);
    EXPECT_EQ(h.log, std::vector<std::string>({"before 6 ret 0", "previous 6 1 2"}));
}
