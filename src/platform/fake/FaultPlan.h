#pragma once

#include <string>
#include <string_view>

namespace quarl::platform::fake {

// One count over the file and registry operations of a fake platform, so that a test can make
// the n-th of them fail, whichever it is: a file operation fails as a denied or full disk would,
// a registry read or write as a denied key would. Queries that cannot fail (does a file exist)
// are not counted.
class FaultPlan {
public:
    // Fails the n-th operation from now on (1: the next one).
    void failAt(int n) {
        failing_ = taken_ + n;
        failed_.clear();
    }
    void clear() { failing_ = 0; }
    int taken() const { return taken_; }
    // Whether the operation set to fail has been reached.
    bool reached() const { return failing_ != 0 && taken_ >= failing_; }
    // The operation that failed, as "kind path".
    const std::string& failed() const { return failed_; }

    // Counts an operation; true when it is the one to fail.
    bool fails(std::string_view kind, std::string_view path) {
        if (++taken_ != failing_)
            return false;
        failed_ = std::string(kind) + " " + std::string(path);
        return true;
    }

private:
    int taken_ = 0;
    int failing_ = 0;
    std::string failed_;
};

} // namespace quarl::platform::fake
