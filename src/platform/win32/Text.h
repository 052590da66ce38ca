#pragma once

#include <string>
#include <string_view>

// Conversions at the Windows API boundary: the core speaks UTF-8, Windows UTF-16; files the
// game reads are in the ANSI code page.
namespace quarl::platform::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);
// The full path of this program's own file.
std::wstring ModulePath();
// The system's message for an error code, without the trailing line break.
std::string ErrorText(unsigned long code);

} // namespace quarl::platform::win32
