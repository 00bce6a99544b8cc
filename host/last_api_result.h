#pragma once

#include <cstdint>

// The result of the host's latest Windows call whose result nobody tests
// (a profile write, an MCI command, a shell start): kept so that a debugger,
// or a test, can see what the call returned.
extern std::int64_t lastApiResult;
