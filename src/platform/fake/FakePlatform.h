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
    FakeRegistry registry;
    FakeFileSystem files;
    FakeDialogs dialogs;
    FakeKernelObjects kernel;
    FakeMessagePump messages;
    FakeShell shell;
    FakeWindowMessages windows;
    FakeIcmpEcho icmp;
    FakeHelp help;

    Platform platform(std::vector<std::string> arguments = {}) {
        return Platform{.registry = registry,
                        .files = files,
                        .dialogs = dialogs,
                        .kernel = kernel,
                        .messages = messages,
                        .shell = shell,
                        .windows = windows,
                        .icmp = icmp,
                        .arguments = std::move(arguments),
                        .help = help};
    }
};

} // namespace quarl::platform::fake
