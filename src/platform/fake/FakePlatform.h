#pragma once

#include "platform/Platform.h"
#include "platform/fake/FakeFileSystem.h"
#include "platform/fake/FakeIcmpEcho.h"
#include "platform/fake/FakeKernelObjects.h"
#include "platform/fake/FakeRegistry.h"
#include "platform/fake/FakeServices.h"

namespace quarl::platform::fake {

// A whole fake platform: the doubles and the Platform aggregate over them.
struct FakePlatform {
    FakePlatform() {
        files.setFaults(&faults);
        registry.setFaults(&faults);
    }
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    // Fails the n-th file or registry operation, for fault injection across both.
    FaultPlan faults;
    FakeRegistry registry;
    FakeFileSystem files;
    FakeDialogs dialogs;
    FakeKernelObjects kernel;
    FakeMessagePump messages;
    FakeShell shell;
    FakeWindowMessages windows;
    FakeIcmpEcho icmp;
    FakeHelp help;
    FakeClipboard clipboard;
    FakeLocalAddresses localAddresses;

    Platform platform(std::vector<std::string> arguments = {}) {
        return Platform{registry,       files,    dialogs,
                        kernel,         messages, shell,
                        windows,        icmp,     std::move(arguments),
                        "Launcher.exe", help,     clipboard,
                        localAddresses};
    }
};

} // namespace quarl::platform::fake
