#pragma once

// Makes every later DLL load by name search the system folder only, never
// the program's own folder or the current one. Call it first in main or
// WinMain, before anything loads a DLL. Elsewhere than on Windows it does
// nothing.
void loadDllsFromSystemFolderOnly();
