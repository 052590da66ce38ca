#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarl::platform {

// The temporary file a crash-safe replace fills beside its target before the rename:
// "<target>.quarl-<process id>-<counter>.tmp". The process id is what tells a leftover of a
// killed process from the temporary file of a replace still running; a name of any other form
// is not ours.
std::string TemporaryFileName(std::string_view target, std::uint32_t process,
                              std::uint32_t counter);

struct TemporaryFileOwner {
    std::string_view target; // the target's name as the temporary file spells it
    std::uint32_t process = 0;
};

// Who a temporary file of that form belongs to; nullopt for any other name.
std::optional<TemporaryFileOwner> TemporaryFileOwnerOf(std::string_view name);

} // namespace quarl::platform
