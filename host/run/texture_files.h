#pragma once

#include "contract.h"

#include <cstdint>
#include <string>
#include <vector>

// The ten texture files the host writes for the renderer: for each butterfly
// kind 1..5 a wing picture and its alpha mask, ordinary bitmap files under
// an ".alo" name in the working directory.

using contract::textureKindCount;

// "C:\tolvek_temp\Butterfly0<kind>.alo", or "...Butterfly0<kind>a.alo" for
// the mask.
std::string textureFilePath(int kind, bool mask);

// The name of the resource that holds the file's bytes: "BUTTERFLY0<kind>",
// or "BUTTERFLY0<kind>A" for the mask.
std::string textureResourceName(int kind, bool mask);

// Writes bytes as the whole content of the file at path, replacing what was
// there. False when the file cannot be written completely.
bool writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
