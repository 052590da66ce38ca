#include "platform/fake/FakeKernelObjects.h"

#include <deque>
#include <exception>
#include <map>
#include <set>
#include <utility>

namespace quarl::platform::fake {

struct FakeMachine {
    struct Block {
        std::vector<std::byte> bytes;
        int handles = 0;
    };
    struct SemaphoreState {
        int count = 0;
        int maximum = 1;
        int handles = 0;
    };
    struct Window {
        int process = 0;
        unsigned message = 0;
        std::function<void()> onMessage;
    };
    struct Posted {
        std::uintptr_t window;
        unsigned message;
    };
    struct Step {
        int process = 0;
        std::function<void()> run;
    };

    std::map<std::string, int> mutexHandles;
    std::map<std::string, std::shared_ptr<Block>> blocks;
    std::map<std::string, std::shared_ptr<SemaphoreState>> semaphores;
    std::map<std::uintptr_t, Window> windows;
    std::deque<Posted> posted;
    std::deque<Step> steps;
    std::set<int> unresponsive;
    int nextProcess = 1;
    std::uintptr_t nextWindow = 0x2000;

    // Handles the posted messages of the processes that answer and pass the filter, oldest
    // first, until none is left for them; messages to windows that are gone are dropped.
    template <typename Filter> void deliver(Filter handledBy) {
        for (bool progress = true; progress;) {
            progress = false;
            for (auto it = posted.begin(); it != posted.end(); ++it) {
                const auto window = windows.find(it->window);
                if (window != windows.end() && (!handledBy(window->second.process) ||
                                                unresponsive.count(window->second.process)))
                    continue;
                const auto message = it->message;
                posted.erase(it);
                if (window != windows.end() && message == window->second.message) {
                    const auto callback = window->second.onMessage;
                    callback();
                }
                progress = true;
                break;
            }
        }
    }

    // What the other processes do while this one is blocked: their pending steps, then their
    // posted messages.
    void letOthersRun(int blocked) {
        for (bool progress = true; progress;) {
            progress = false;
            for (auto it = steps.begin(); it != steps.end(); ++it) {
                if (it->process == blocked || unresponsive.count(it->process))
                    continue;
                const auto run = std::move(it->run);
                steps.erase(it);
                run();
                progress = true;
                break;
            }
        }
        deliver([blocked](int process) { return process != blocked; });
    }
};

namespace {

class FakeMutex final : public NamedObject {
public:
    FakeMutex(std::shared_ptr<FakeMachine> machine, std::string name)
        : machine_(std::move(machine)), name_(std::move(name)) {
        ++machine_->mutexHandles[name_];
    }
    ~FakeMutex() override {
        if (--machine_->mutexHandles[name_] == 0)
            machine_->mutexHandles.erase(name_);
    }

private:
    std::shared_ptr<FakeMachine> machine_;
    std::string name_;
};

class FakeSharedMemory final : public SharedMemory {
public:
    FakeSharedMemory(std::shared_ptr<FakeMachine> machine, std::string name,
                     std::shared_ptr<FakeMachine::Block> block, std::size_t size)
        : machine_(std::move(machine)), name_(std::move(name)), block_(std::move(block)),
          size_(size) {
        ++block_->handles;
    }
    ~FakeSharedMemory() override {
        if (--block_->handles == 0)
            machine_->blocks.erase(name_);
    }
    std::span<std::byte> bytes() override { return {block_->bytes.data(), size_}; }

private:
    std::shared_ptr<FakeMachine> machine_;
    std::string name_;
    std::shared_ptr<FakeMachine::Block> block_;
    std::size_t size_;
};

class FakeMessageWindow final : public MessageWindow {
public:
    FakeMessageWindow(std::shared_ptr<FakeMachine> machine, std::uintptr_t handle)
        : machine_(std::move(machine)), handle_(handle) {}
    ~FakeMessageWindow() override { machine_->windows.erase(handle_); }
    std::uintptr_t handle() const override { return handle_; }

private:
    std::shared_ptr<FakeMachine> machine_;
    std::uintptr_t handle_;
};

} // namespace

// Holds the process it was opened in: a wait lets the machine's other processes run.
class FakeKernelObjects::FakeSemaphore final : public Semaphore {
public:
    FakeSemaphore(FakeKernelObjects& owner, std::string name,
                  std::shared_ptr<FakeMachine::SemaphoreState> state)
        : owner_(owner), machine_(owner.machine_), name_(std::move(name)),
          state_(std::move(state)) {
        ++state_->handles;
    }
    ~FakeSemaphore() override {
        if (--state_->handles == 0)
            machine_->semaphores.erase(name_);
    }
    bool wait(unsigned timeoutMs) override {
        if (state_->count == 0)
            machine_->letOthersRun(owner_.process_);
        const bool obtained = state_->count > 0;
        if (obtained)
            --state_->count;
        owner_.waits_.push_back({name_, timeoutMs, obtained});
        return obtained;
    }
    bool release() override {
        if (state_->count >= state_->maximum)
            return false;
        ++state_->count;
        return true;
    }

private:
    FakeKernelObjects& owner_;
    std::shared_ptr<FakeMachine> machine_;
    std::string name_;
    std::shared_ptr<FakeMachine::SemaphoreState> state_;
};

FakeKernelObjects::FakeKernelObjects() : machine_(std::make_shared<FakeMachine>()) {
    process_ = machine_->nextProcess++;
}

// A process that has ended does no more work.
FakeKernelObjects::~FakeKernelObjects() {
    std::erase_if(machine_->steps, [this](const auto& step) { return step.process == process_; });
}

std::unique_ptr<NamedObject> FakeKernelObjects::createMutex(std::string_view name) {
    ++creations_;
    return std::make_unique<FakeMutex>(machine_, std::string(name));
}

std::unique_ptr<SharedMemory> FakeKernelObjects::createSharedMemory(std::string_view name,
                                                                    std::size_t size,
                                                                    bool& alreadyExisted) {
    alreadyExisted = false;
    if (failSharedMemory)
        return nullptr;
    auto& block = machine_->blocks[std::string(name)];
    alreadyExisted = block != nullptr;
    if (!block)
        block = std::make_shared<FakeMachine::Block>(
            FakeMachine::Block{std::vector<std::byte>(size), 0});
    if (block->bytes.size() < size)
        return nullptr;
    auto view = std::make_unique<FakeSharedMemory>(machine_, std::string(name), block, size);
    if (auto interleaved = std::exchange(afterSharedMemory, nullptr))
        interleaved();
    return view;
}

std::unique_ptr<Semaphore> FakeKernelObjects::createSemaphore(std::string_view name,
                                                              int initialCount, int maximumCount) {
    if (failSemaphores)
        return nullptr;
    auto& state = machine_->semaphores[std::string(name)];
    if (!state)
        state = std::make_shared<FakeMachine::SemaphoreState>(
            FakeMachine::SemaphoreState{initialCount, maximumCount, 0});
    return std::make_unique<FakeSemaphore>(*this, std::string(name), state);
}

std::unique_ptr<Semaphore> FakeKernelObjects::openSemaphore(std::string_view name) {
    const auto it = machine_->semaphores.find(std::string(name));
    if (it == machine_->semaphores.end())
        return nullptr;
    return std::make_unique<FakeSemaphore>(*this, std::string(name), it->second);
}

std::unique_ptr<MessageWindow>
FakeKernelObjects::createMessageWindow(unsigned message, std::function<void()> onMessage) {
    if (failMessageWindows)
        return nullptr;
    const auto handle = machine_->nextWindow;
    machine_->nextWindow += 4;
    auto guarded = [this, onMessage = std::move(onMessage)] {
        try {
            onMessage();
        } catch (const std::exception& error) {
            errors_.push_back(error.what());
        }
    };
    machine_->windows[handle] = {process_, message, std::move(guarded)};
    return std::make_unique<FakeMessageWindow>(machine_, handle);
}

bool FakeKernelObjects::postMessage(std::uintptr_t window, unsigned message) {
    if (!machine_->windows.count(window))
        return false;
    machine_->posted.push_back({window, message});
    return true;
}

void FakeKernelObjects::shareMachineWith(const FakeKernelObjects& other) {
    machine_ = other.machine_;
    process_ = machine_->nextProcess++;
}

void FakeKernelObjects::setUnresponsive(bool unresponsive) {
    if (unresponsive)
        machine_->unresponsive.insert(process_);
    else
        machine_->unresponsive.erase(process_);
}

void FakeKernelObjects::meanwhile(std::function<void()> step) {
    machine_->steps.push_back({process_, std::move(step)});
}

void FakeKernelObjects::deliverPostedMessages() {
    machine_->deliver([this](int process) { return process == process_; });
}

int FakeKernelObjects::openHandles(const std::string& name) const {
    const auto it = machine_->mutexHandles.find(name);
    return it == machine_->mutexHandles.end() ? 0 : it->second;
}

bool FakeKernelObjects::sharedMemoryExists(const std::string& name) const {
    return machine_->blocks.count(name) != 0;
}

int FakeKernelObjects::semaphoreCount(const std::string& name) const {
    const auto it = machine_->semaphores.find(name);
    return it == machine_->semaphores.end() ? -1 : it->second->count;
}

} // namespace quarl::platform::fake
