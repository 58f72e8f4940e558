#include "debuglog/custom_object.h"

namespace z8 {

void CCustomObject::Serialize(Archive& archive) {
    if (archive.IsStoring()) {
        if (storeClassName_) {
            archive.WriteString(className_);
        }
        if (named_) {
            archive.WriteString(instanceName_);
        }
        return;
    }
    if (storeClassName_) {
        archive.ReadString(className_);
    }
    if (named_) {
        archive.ReadString(instanceName_);
    }
}

std::string CCustomObject::FullName() const {
    return className_ + "." + instanceName_;
}

int CCustomObject::Compare(const CCustomObject& other) const {
    return instanceName_.compare(other.instanceName_);
}

ConfigNodeRef CCustomObject::CreateOwnElement(ConfigNode& node) const {
    ConfigNodeRef element = node.OwnerDocument().CreateElement(named_ ? instanceName_ : className_);
    if (element != nullptr) {
        element->SetAttribute("Class", className_);
    }
    return element;
}

bool CElement::Load(ConfigNode* node) {
    if (node == nullptr || !node->AttributeEquals("Class", ClassName())) {
        return false;
    }
    if (!IsNamed()) {
        return false;
    }
    SetInstanceName(node->TagName());
    return true;
}

}  // namespace z8
