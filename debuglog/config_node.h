#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace z8 {

class ConfigNode;
// A counted reference to a node: dropping it releases the node.
using ConfigNodeRef = std::shared_ptr<ConfigNode>;

// Makes the elements of one configuration tree.
class ConfigDocument {
public:
    virtual ~ConfigDocument() = default;
    virtual ConfigNodeRef CreateElement(std::string_view tag) = 0;
};

// One element of a configuration tree: a tag name, attributes, a text and
// child elements. Configurable objects load and save themselves through it.
class ConfigNode {
public:
    virtual ~ConfigNode() = default;

    virtual std::string TagName() const = 0;
    // An absent attribute reads as an empty text.
    virtual std::string Attribute(std::string_view name) const = 0;
    virtual bool AttributeEquals(std::string_view name, std::string_view value) const = 0;
    virtual void SetAttribute(std::string_view name, std::string_view value) = 0;
    virtual std::string Text() const = 0;

    virtual bool HasChildren() const = 0;
    virtual int ChildCount() const = 0;
    // Null when the index is out of range.
    virtual ConfigNodeRef Child(int index) = 0;
    // The first child with this tag, or null.
    virtual ConfigNodeRef FindChild(std::string_view tag) = 0;
    // Adds an element with the tag and text; returns it.
    virtual ConfigNodeRef AddChildWithText(std::string_view tag, std::string_view text) = 0;
    // Attaches an element of the same document that has no parent yet; returns
    // it, or null when it cannot be attached.
    virtual ConfigNodeRef AppendChild(const ConfigNodeRef& child) = 0;

    virtual ConfigDocument& OwnerDocument() = 0;
};

}  // namespace z8
