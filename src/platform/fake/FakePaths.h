#pragma once

#include <string>
#include <string_view>

namespace quarl::platform::fake {

// ASCII lower case: the comparison key for names the fakes match without regard to case.
std::string Lower(std::string_view text);

// The comparison key of a Windows path: lower case, backslashes and slashes as one separator,
// no separator at either end ("C:\\Games\\" and "c:\games" are the same folder).
std::string NormalizePath(std::string_view path);

// The parent of a normalized path ("" for a top-level name).
std::string ParentOf(std::string_view normalized);

} // namespace quarl::platform::fake
