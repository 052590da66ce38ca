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

OpenFileResult FakeDialogs::openFile(const OpenFileRequest& request) {
    fileRequests_.push_back(request);
    if (fileAnswers_.empty())
        return {};
    auto answer = std::move(fileAnswers_.front());
    fileAnswers_.pop_front();
    return answer;
}

std::uintptr_t FakeWindowMessages::addWindow(std::string className, std::string title) {
    const auto handle = static_cast<std::uintptr_t>(0x1000 + windows_.size() * 4);
    windows_[{std::move(className), std::move(title)}] = handle;
    return handle;
}

std::uintptr_t FakeWindowMessages::findWindow(std::string_view className, std::string_view title) {
    const auto it = windows_.find({std::string(className), std::string(title)});
    return it == windows_.end() ? 0 : it->second;
}

void FakeWindowMessages::sendMessage(std::uintptr_t window, unsigned message, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
    sent_.push_back({window, message, wParam, lParam});
}

void FakeMessagePump::processPendingMessages() {
    ++calls_;
    if (onPump)
        onPump();
}

} // namespace quarl::platform::fake
