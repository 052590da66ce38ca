#include "platform/fake/FakeServices.h"

namespace quarl::platform::fake {

MessageResult FakeDialogs::showMessage(const MessageBoxRequest& request) {
    shown_.push_back(request);
    if (!answers_.empty()) {
        const auto answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    if (request.buttons == MessageButtons::Ok)
        return MessageResult::Ok;
    return request.defaultButton == 2 ? MessageResult::No : MessageResult::Yes;
}

namespace {

class FakeMutex final : public NamedObject {
public:
    FakeMutex(std::map<std::string, int>& handles, std::string name)
        : handles_(handles), name_(std::move(name)) {
        ++handles_[name_];
    }
    ~FakeMutex() override {
        if (--handles_[name_] == 0)
            handles_.erase(name_);
    }

private:
    std::map<std::string, int>& handles_;
    std::string name_;
};

} // namespace

std::unique_ptr<NamedObject> FakeKernelObjects::createMutex(std::string_view name) {
    ++creations_;
    return std::make_unique<FakeMutex>(handles_, std::string(name));
}

int FakeKernelObjects::openHandles(const std::string& name) const {
    const auto it = handles_.find(name);
    return it == handles_.end() ? 0 : it->second;
}

void FakeMessagePump::processPendingMessages() {
    ++calls_;
    if (onPump)
        onPump();
}

} // namespace quarl::platform::fake
