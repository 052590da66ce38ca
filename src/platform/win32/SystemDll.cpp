#include "platform/win32/SystemDll.h"

#include <string>

namespace quarl::platform::win32 {

FARPROC LoadSystemFunction(const wchar_t* dll, const char* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    const std::wstring path = std::wstring(folder, length) + L"\\" + dll;
    HMODULE module = LoadLibraryW(path.c_str());
    return module ? GetProcAddress(module, name) : nullptr;
}

} // namespace quarl::platform::win32
