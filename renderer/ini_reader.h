#pragma once

#include <optional>
#include <string>
#include <string_view>

// Reads INI text the way the Windows private-profile functions do, for the
// renderer's POSIX build (on Windows the system functions are used).

// The value of key in section, blanks around it removed and one pair of
// matching quotes stripped; names compare without regard to ASCII case.
// Nothing when the section or key is missing.
std::optional<std::string> findProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// The integer GetPrivateProfileIntA makes of a value: leading blanks skipped,
// an optional sign, an optional 0x/0o/0b base prefix, digits up to the first
// character that is not one, wrapping modulo 2^32; only the first 29
// characters are looked at. No digits give 0.
int profileIntFromValue(std::string_view value);

// findProfileValue, then profileIntFromValue; defaultValue when the key is
// missing or empty.
int profileIntFromText(std::string_view text, std::string_view section, std::string_view key,
                       int defaultValue);
