#pragma once

#include <memory>
#include <string>

namespace z8 {

// A system mutex known by name; Lock waits without a time limit. The owning
// thread may lock it again (as Win32 mutexes allow).
class NamedMutex {
public:
    virtual ~NamedMutex() = default;
    virtual void Lock() = 0;
    virtual void Unlock() = 0;
};

// Mutexes created by name.
class MutexSystem {
public:
    struct Created {
        std::unique_ptr<NamedMutex> mutex;  // null when creation failed
        bool alreadyExisted = false;        // the name was taken; mutex is then null
    };

    virtual ~MutexSystem() = default;
    virtual Created Create(const std::string& name) = 0;
};

// The running system's mutexes: Win32 named mutexes on Windows, a name table
// private to the process elsewhere.
MutexSystem& SystemMutexes();

}  // namespace z8
