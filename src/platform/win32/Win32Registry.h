#pragma once

#include "platform/Registry.h"

namespace quarl::platform::win32 {

// The registry through the wide API, in the view an unmanifested 32-bit program sees (the
// launcher requests no execution level, so HKEY_LOCAL_MACHINE writes of a standard user are
// virtualized exactly as the game's are): the 32-bit view, whatever the launcher's own build.
class Win32Registry final : public Registry {
public:
    bool keyExists(RootKey root, std::string_view path) const override;
    std::optional<RegistryValue> readValue(RootKey root, std::string_view path,
                                           std::string_view name) const override;
    bool writeValue(RootKey root, std::string_view path, std::string_view name,
                    const RegistryValue& value, bool createKey) override;
};

} // namespace quarl::platform::win32
