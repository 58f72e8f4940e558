#pragma once

#include <vector>

#include "debuglog/custom_object.h"

namespace z8 {

// A list of elements that loads and saves them as the children of its own
// element. By default it owns its elements and deletes them.
class CContainer : public CCustomObject {
public:
    CContainer() : CCustomObject("Container") {}
    ~CContainer() override;
    CContainer(const CContainer&) = delete;
    CContainer& operator=(const CContainer&) = delete;

    // A new element of the kind this container holds; the base holds none.
    virtual CElement* CreateElement() { return nullptr; }
    // The new element's index; -1 for a null element.
    virtual int Add(CElement* element);
    // Inserts the element count times at index (0 to size). Refused (false) for
    // a null element, an index out of range, a count below 1, and more than one
    // copy in a container that owns its elements, which would delete it twice.
    virtual bool InsertAt(int index, CElement* element, int count = 1);
    // Deletes (when owning) and removes the elements index to index+count-1;
    // false, with nothing removed, when they are not all in the list.
    virtual bool RemoveAt(int index, int count = 1);
    void RemoveAll();

    int GetSize() const { return static_cast<int>(elements_.size()); }
    CElement* GetAt(int index) const { return elements_[static_cast<size_t>(index)]; }

    void SetKeepOnLoad(bool keep) { keepOnLoad_ = keep; }
    bool OwnsElements() const { return ownsElements_; }
    void SetOwnsElements(bool owns) { ownsElements_ = owns; }

    // Elements whose own Load fails are left out; the container's load still
    // succeeds. Unnamed, the node's Class must match and attribute Count gives
    // the number of elements (at most the number of children).
    bool Load(ConfigNode* node) override;
    ConfigNodeRef Save(ConfigNode& node) override;
    void Serialize(Archive& archive) override;

protected:
    CContainer(std::string className, std::string instanceName, bool named)
        : CCustomObject(std::move(className), std::move(instanceName), named) {}

private:
    std::vector<CElement*> elements_;
    bool keepOnLoad_ = false;
    bool ownsElements_ = true;
};

}  // namespace z8
