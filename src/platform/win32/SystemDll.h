#pragma once

// Functions of the system's DLLs that the launcher needs now and then (the shell's "open", the
// open file dialog, echo requests, the adapters' addresses), loaded on their first call. Every
// DLL a program imports loads before its first instruction, with the DLLs it imports in turn,
// and under Wine each costs start-up time.
#include <windows.h>

namespace quarl::platform::win32 {

// The function of the DLL of the system folder (never one found elsewhere on the search path),
// or nullptr when the DLL or the function cannot be loaded. The DLL stays loaded.
FARPROC LoadSystemFunction(const wchar_t* dll, const char* name);

// The same, typed: SystemFunction<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW").
template <typename Function> Function* SystemFunction(const wchar_t* dll, const char* name) {
    // Through void (*)(), which converts to and from every function pointer type.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(LoadSystemFunction(dll, name)));
}

} // namespace quarl::platform::win32
