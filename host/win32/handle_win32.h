#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace win32 {

// Owns a kernel handle (process, file, event), closed with it. Null and
// INVALID_HANDLE_VALUE both mean none.
struct HandleCloser {
    void operator()(HANDLE handle) const {
        if (handle && handle != INVALID_HANDLE_VALUE) {
            CloseHandle(handle);
        }
    }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

} // namespace win32
