#pragma once

#include <memory>
#include <string_view>

namespace quarl::platform {

// An owned named kernel object; closing it releases the handle.
class NamedObject {
public:
    virtual ~NamedObject() = default;
};

class KernelObjects {
public:
    virtual ~KernelObjects() = default;
    // Creates or opens a named mutex without taking ownership; nullptr on failure.
    virtual std::unique_ptr<NamedObject> createMutex(std::string_view name) = 0;
};

} // namespace quarl::platform
