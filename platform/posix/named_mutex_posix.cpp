// Natively the names live in a table of this process: enough for the log
// library's own uniqueness rule, which is all that runs here.
#include <mutex>
#include <set>

#include "platform/named_mutex.h"

namespace z8 {
namespace {

class NameTable {
public:
    bool Claim(const std::string& name) {
        std::lock_guard<std::mutex> guard(lock_);
        return names_.insert(name).second;
    }
    void Release(const std::string& name) {
        std::lock_guard<std::mutex> guard(lock_);
        names_.erase(name);
    }

private:
    std::mutex lock_;
    std::set<std::string> names_;
};

NameTable& Names() {
    static NameTable table;
    return table;
}

class ProcessNamedMutex final : public NamedMutex {
public:
    explicit ProcessNamedMutex(std::string name) : name_(std::move(name)) {}
    ~ProcessNamedMutex() override { Names().Release(name_); }

    void Lock() override { mutex_.lock(); }
    void Unlock() override { mutex_.unlock(); }

private:
    std::string name_;
    std::recursive_mutex mutex_;
};

class ProcessMutexSystem final : public MutexSystem {
public:
    Created Create(const std::string& name) override {
        Created created;
        if (!Names().Claim(name)) {
            created.alreadyExisted = true;
            return created;
        }
        created.mutex = std::make_unique<ProcessNamedMutex>(name);
        return created;
    }
};

}  // namespace

MutexSystem& SystemMutexes() {
    static ProcessMutexSystem system;
    return system;
}

}  // namespace z8
