#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "debuglog/config_node.h"

namespace z8 {

// Our configuration trees as XML files: elements, attributes, text, comments
// and an optional XML declaration. Bytes are taken as they come (the ANSI code
// page); the five named entities and character references up to 255 are
// understood. DOCTYPE, CDATA sections and processing instructions are refused,
// and so is nesting deeper than kMaxXmlDepth.
constexpr int kMaxXmlDepth = 64;

class XmlNode final : public ConfigNode, public std::enable_shared_from_this<XmlNode> {
public:
    explicit XmlNode(std::string tag) : tag_(std::move(tag)) {}

    std::string TagName() const override { return tag_; }
    std::string Attribute(std::string_view name) const override;
    bool AttributeEquals(std::string_view name, std::string_view value) const override;
    void SetAttribute(std::string_view name, std::string_view value) override;
    // Character data of the element itself; layout whitespace between child
    // elements is not part of it.
    std::string Text() const override;

    bool HasChildren() const override { return !children_.empty(); }
    int ChildCount() const override { return static_cast<int>(children_.size()); }
    ConfigNodeRef Child(int index) override;
    ConfigNodeRef FindChild(std::string_view tag) override;
    ConfigNodeRef AddChildWithText(std::string_view tag, std::string_view text) override;
    ConfigNodeRef AppendChild(const ConfigNodeRef& child) override;
    ConfigDocument& OwnerDocument() override;

    void AppendText(std::string_view text) { text_ += text; }
    const std::vector<std::pair<std::string, std::string>>& Attributes() const {
        return attributes_;
    }
    const std::vector<std::shared_ptr<XmlNode>>& Children() const { return children_; }

private:
    bool IsSelfOrAncestor(const XmlNode* node) const;

    std::string tag_;
    std::vector<std::pair<std::string, std::string>> attributes_;
    std::string text_;
    std::vector<std::shared_ptr<XmlNode>> children_;
    std::weak_ptr<XmlNode> parent_;
};

// The document every XML node belongs to.
ConfigDocument& XmlConfigDocument();

struct XmlParseResult {
    ConfigNodeRef root;  // null when the text is not well formed
    std::string error;   // what is wrong, and on which line
};
XmlParseResult ParseXml(std::string_view text);

// The tree as an XML file, two spaces of indentation per level. False, with
// the reason, for a node that is not ours, a name that is not an XML name, a
// character XML cannot carry, or a tree deeper than kMaxXmlDepth.
bool WriteXml(const ConfigNode& root, std::string& out, std::string& error);

}  // namespace z8
