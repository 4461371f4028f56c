/* The exports of Tavisk.dll for host programs. Call them on a GUI thread that runs a message
   loop; the windows live in that loop. Neither export reports a failure. */
#ifndef TAVISK_H
#define TAVISK_H

#ifdef __cplusplus
extern "C" {
#endif

/* Ordinal 1: the newest browser window selects the key path, e.g. "HKEY_CURRENT_USER\\Software". */
typedef void(__stdcall* TGoToBookmark)(const char* keyPath);
/* Ordinal 2: opens a new browser window for the registry view "X64" or "X86" (any letter case). */
typedef void(__stdcall* TShowRegForm)(const char* viewName);

void __stdcall GoToBookmark(const char* keyPath);
void __stdcall ShowRegForm(const char* viewName);

#ifdef __cplusplus
}
#endif

#endif
