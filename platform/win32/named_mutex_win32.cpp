#include <windows.h>

#include "platform/named_mutex.h"

namespace z8 {
namespace {

class Win32NamedMutex final : public NamedMutex {
public:
    explicit Win32NamedMutex(HANDLE handle) : handle_(handle) {}
    ~Win32NamedMutex() override { CloseHandle(handle_); }
    Win32NamedMutex(const Win32NamedMutex&) = delete;
    Win32NamedMutex& operator=(const Win32NamedMutex&) = delete;

    // An abandoned mutex is owned by the caller all the same.
    void Lock() override { WaitForSingleObject(handle_, INFINITE); }
    void Unlock() override { ReleaseMutex(handle_); }

private:
    HANDLE handle_;
};

class Win32MutexSystem final : public MutexSystem {
public:
    Created Create(const std::string& name) override {
        Created created;
        HANDLE handle = CreateMutexA(nullptr, FALSE, name.c_str());
        if (handle == nullptr) {
            return created;
        }
        if (GetLastError() == ERROR_ALREADY_EXISTS) {
            CloseHandle(handle);
            created.alreadyExisted = true;
            return created;
        }
        created.mutex = std::make_unique<Win32NamedMutex>(handle);
        return created;
    }
};

}  // namespace

MutexSystem& SystemMutexes() {
    static Win32MutexSystem system;
    return system;
}

}  // namespace z8
