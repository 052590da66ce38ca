#include "contract/FileSystemBackend.h"
#include "platform/fake/FakeFileSystem.h"

namespace quarl::tests {
namespace {

class FakeBackend final : public FileSystemBackend {
public:
    FakeBackend() {
        files_.addFolder(sandbox());
        files_.addFolder("C:\\Program Files\\Quarl Launcher");
    }
    platform::FileSystem& files() override { return files_; }
    std::string sandbox() const override { return "C:\\Sandbox"; }
    void addFolder(const std::string& path) override { files_.addFolder(path); }
    void addFile(const std::string& path, const std::string& content) override {
        files_.addFile(path, content);
    }
    void setReadOnly(const std::string& path) override { files_.setReadOnly(path); }
    std::string unreadableFile(const std::string& firstBytes) override {
        const auto path = sandbox() + "\\unreadable-" + std::to_string(unreadable_++) + ".txt";
        files_.addFile(path, firstBytes + "and the rest");
        files_.failReads(path);
        return path;
    }
    std::uint32_t runningProcess() override {
        files_.setProcessRunning(2000);
        return 2000;
    }
    std::uint32_t endedProcess() override { return 3000; }

private:
    platform::fake::FakeFileSystem files_;
    int unreadable_ = 0;
};

} // namespace

std::unique_ptr<FileSystemBackend> MakeFileSystemBackend() {
    return std::make_unique<FakeBackend>();
}

} // namespace quarl::tests
