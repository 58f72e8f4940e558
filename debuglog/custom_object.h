#pragma once

#include <string>

#include "debuglog/archive.h"
#include "debuglog/config_node.h"

namespace z8 {

// A configurable object: a class name and an instance name, saved to and
// loaded from a configuration tree or a binary archive.
class CCustomObject {
public:
    virtual ~CCustomObject() = default;

    // The class name when it is stored, then the instance name when named.
    virtual void Serialize(Archive& archive);
    // "<class name>.<instance name>", e.g. CDebugFilter.DebugFilter.
    virtual std::string FullName() const;
    // Byte comparison of the instance names: negative, zero or positive.
    virtual int Compare(const CCustomObject& other) const;
    // A null node loads nothing and gives false.
    virtual bool Load(ConfigNode* node) = 0;
    // The object as a new element of the node's document (not attached), or
    // null.
    virtual ConfigNodeRef Save(ConfigNode& node) = 0;

    const std::string& ClassName() const { return className_; }
    const std::string& InstanceName() const { return instanceName_; }
    void SetInstanceName(const std::string& name) { instanceName_ = name; }
    bool IsNamed() const { return named_; }
    void SetNamed(bool named) { named_ = named; }
    void SetStoresClassName(bool store) { storeClassName_ = store; }

protected:
    explicit CCustomObject(std::string className = "CustomObject")
        : className_(std::move(className)) {}
    CCustomObject(std::string className, std::string instanceName, bool named)
        : named_(named), instanceName_(std::move(instanceName)), className_(std::move(className)) {}

    // The element this object saves as: tagged with the instance name when
    // named, else with the class name; attribute Class set.
    ConfigNodeRef CreateOwnElement(ConfigNode& node) const;

private:
    bool storeClassName_ = true;
    bool named_ = false;
    std::string instanceName_ = "Default";
    std::string className_;
};

// An element of a container.
class CElement : public CCustomObject {
public:
    CElement() : CCustomObject("Element") {}

    // Checks attribute Class; in named mode takes the tag as instance name and
    // gives true, otherwise false.
    bool Load(ConfigNode* node) override;
    ConfigNodeRef Save(ConfigNode& node) override { return CreateOwnElement(node); }

protected:
    CElement(std::string className, std::string instanceName, bool named)
        : CCustomObject(std::move(className), std::move(instanceName), named) {}
};

}  // namespace z8
