#include "debuglog/container.h"

#include <algorithm>
#include <cstdlib>

namespace z8 {

CContainer::~CContainer() {
    RemoveAll();
}

int CContainer::Add(CElement* element) {
    if (element == nullptr) {
        return -1;
    }
    elements_.push_back(element);
    return GetSize() - 1;
}

bool CContainer::InsertAt(int index, CElement* element, int count) {
    if (element == nullptr || index < 0 || index > GetSize() || count < 1 ||
        (ownsElements_ && count > 1)) {
        return false;
    }
    elements_.insert(elements_.begin() + index, static_cast<size_t>(count), element);
    return true;
}

bool CContainer::RemoveAt(int index, int count) {
    if (index < 0 || count < 0 || count > GetSize() - index) {
        return false;
    }
    const auto first = elements_.begin() + index;
    const auto last = first + count;
    if (ownsElements_) {
        std::for_each(first, last, [](CElement* element) { delete element; });
    }
    elements_.erase(first, last);
    return true;
}

void CContainer::RemoveAll() {
    RemoveAt(0, GetSize());
}

bool CContainer::Load(ConfigNode* node) {
    if (!keepOnLoad_) {
        RemoveAll();
    }
    if (node == nullptr) {
        return false;
    }
    int count = node->ChildCount();
    if (!IsNamed()) {
        if (!node->AttributeEquals("Class", ClassName())) {
            return false;
        }
        if (!node->HasChildren()) {
            return true;
        }
        // A Count above the children present names elements that are not there.
        const long stated = std::strtol(node->Attribute("Count").c_str(), nullptr, 10);
        count = static_cast<int>(std::clamp<long>(stated, 0, count));
    }
    for (int i = 0; i < count; ++i) {
        CElement* element = CreateElement();
        if (element == nullptr) {
            return false;
        }
        ConfigNodeRef child = node->Child(i);
        if (IsNamed() && child != nullptr) {
            element->SetInstanceName(child->TagName());
        }
        if (element->Load(child.get())) {
            Add(element);
        } else {
            delete element;
        }
    }
    return true;
}

ConfigNodeRef CContainer::Save(ConfigNode& node) {
    ConfigNodeRef own = CreateOwnElement(node);
    if (own == nullptr) {
        return nullptr;
    }
    if (!IsNamed()) {
        own->SetAttribute("Count", std::to_string(GetSize()));
    }
    for (int i = 0; i < GetSize(); ++i) {
        ConfigNodeRef saved = GetAt(i)->Save(*own);
        if (saved == nullptr) {
            continue;
        }
        ConfigNodeRef appended = own->AppendChild(saved);
        if (appended != nullptr && !IsNamed()) {
            appended->SetAttribute("Id", std::to_string(i));
        }
    }
    return own;
}

void CContainer::Serialize(Archive& archive) {
    CCustomObject::Serialize(archive);
    if (archive.IsStoring()) {
        archive.WriteInt(GetSize());
        for (CElement* element : elements_) {
            element->Serialize(archive);
        }
        return;
    }
    if (!keepOnLoad_) {
        RemoveAll();
    }
    int32_t count = 0;
    if (!archive.ReadInt(count)) {
        return;
    }
    // A damaged archive ends the loop at its first failed read.
    for (int32_t i = 0; i < count && archive.IsOk(); ++i) {
        CElement* element = CreateElement();
        if (element == nullptr) {
            return;
        }
        element->Serialize(archive);
        if (archive.IsOk()) {
            Add(element);
        } else {
            delete element;
        }
    }
}

}  // namespace z8
