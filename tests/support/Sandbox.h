#pragma once

// Scratch files, folders and registry keys for the Windows tests, removed again afterwards.
#include <windows.h>

#include <atomic>
#include <string>

namespace quarl::tests {

// Deletes a folder with everything in it, read-only files included.
inline void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const auto path = folder + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

// A path in the temporary folder that no other scratch folder of this process uses.
inline std::wstring NewScratchFolder(const std::wstring& prefix) {
    static std::atomic<unsigned> counter{0};
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = temp;
    if (!folder.empty() && folder.back() == L'\\')
        folder.pop_back();
    return folder + L"\\" + prefix + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(counter++);
}

// Creates or replaces a file with the given bytes.
inline void WriteWholeFile(const std::wstring& path, const std::string& content) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
}

// The tests address the registry in the view the launcher and the game use: the 32-bit one.
inline constexpr REGSAM kGameView = KEY_WOW64_32KEY;

// Deletes a registry key with all its subkeys.
inline void DeleteTree(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_ALL_ACCESS | kGameView, &key) == ERROR_SUCCESS) {
        RegDeleteTreeW(key, nullptr);
        RegCloseKey(key);
    }
    RegDeleteKeyExW(root, path.c_str(), kGameView, 0);
}

// Writes a value, creating the key.
inline LSTATUS SetValue(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type,
                        const void* data, DWORD size) {
    HKEY key = nullptr;
    LSTATUS result = RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE | kGameView,
                                     nullptr, &key, nullptr);
    if (result != ERROR_SUCCESS)
        return result;
    result = RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
    return result;
}

// Reads a value with RegGetValueW's type flags (RRF_RT_...).
inline LSTATUS GetValue(HKEY root, const std::wstring& path, const std::wstring& name, DWORD flags,
                        void* data, DWORD* size, REGSAM view = kGameView) {
    HKEY key = nullptr;
    LSTATUS result = RegOpenKeyExW(root, path.c_str(), 0, KEY_QUERY_VALUE | view, &key);
    if (result != ERROR_SUCCESS)
        return result;
    result = RegGetValueW(key, nullptr, name.c_str(), flags, nullptr, data, size);
    RegCloseKey(key);
    return result;
}

} // namespace quarl::tests
