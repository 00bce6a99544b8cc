#pragma once

// The titles of the host's windows, which other starts of the host and
// tests look for: while a window titled startGuard or settingsDialog exists,
// every new start ends at once.
namespace titles {

constexpr char startGuard[] = "Butterfly_Main";
constexpr char settingsDialog[] = "■Kalendra■";
// The run's hidden window: the guard does not look for it, so a run does
// not block other starts.
constexpr char run[] = "Tesmar_Main";
constexpr char preview[] = "Preview Window";

} // namespace titles
