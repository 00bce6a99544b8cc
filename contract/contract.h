#pragma once

// What Kalendra.scr and Kalendra.dll agree on: the working folder, the
// settings file the host writes and the renderer reads, the renderer's
// program and window title, and the texture files. Both programs include
// this header; the texts are seen by the other program and by users' files,
// so they keep their bytes.

namespace contract {

constexpr char workingFolder[] = "C:\\tolvek_temp";
constexpr char settingsFile[] = "C:\\tolvek_temp\\Kalendra.ini";
constexpr char settingsSection[] = "Settings";
// The number of butterflies, written by the host, read by the renderer.
constexpr char keyNum100[] = "Num100";
constexpr int defaultNum100 = 500;

// The renderer: its file next to the host and its window's title, by which
// the host watches it.
constexpr char rendererFileName[] = "Kalendra.dll";
constexpr char rendererWindowTitle[] = "Butterfly_VC";

// For each butterfly kind 1..textureKindCount a wing picture and its alpha
// mask: textureFilePrefix, the kind, then textureSuffix or maskSuffix
// ("C:\tolvek_temp\Butterfly01.alo", "C:\tolvek_temp\Butterfly01a.alo").
constexpr int textureKindCount = 5;
constexpr char textureFilePrefix[] = "C:\\tolvek_temp\\Butterfly0";
constexpr char textureSuffix[] = ".alo";
constexpr char maskSuffix[] = "a.alo";

} // namespace contract
