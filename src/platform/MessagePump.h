#pragma once

namespace quarl::platform {

// The window message queue as the core sees it: long steps let pending messages run at fixed
// points.
class MessagePump {
public:
    virtual ~MessagePump() = default;
    virtual void processPendingMessages() = 0;
};

} // namespace quarl::platform
