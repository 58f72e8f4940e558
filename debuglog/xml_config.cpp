#include "debuglog/xml_config.h"

#include <algorithm>

namespace z8 {
namespace {

class XmlDocument final : public ConfigDocument {
public:
    ConfigNodeRef CreateElement(std::string_view tag) override {
        return std::make_shared<XmlNode>(std::string(tag));
    }
};

bool IsNameStart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || c >= 0x80;
}

bool IsNameChar(unsigned char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

bool IsXmlName(std::string_view name) {
    if (name.empty() || !IsNameStart(static_cast<unsigned char>(name[0]))) {
        return false;
    }
    return std::all_of(name.begin() + 1, name.end(),
                       [](char c) { return IsNameChar(static_cast<unsigned char>(c)); });
}

// Characters XML 1.0 cannot carry at all: the controls other than tab, line
// feed and carriage return.
bool IsForbiddenControl(unsigned char c) {
    return c < 0x20 && c != '\t' && c != '\n' && c != '\r';
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsAllSpace(std::string_view text) {
    return std::all_of(text.begin(), text.end(), IsSpace);
}

class Parser {
public:
    explicit Parser(std::string_view text) : in_(text) {}

    XmlParseResult Run() {
        XmlParseResult result;
        std::shared_ptr<XmlNode> root;
        if (SkipDeclaration() && SkipMisc() && Supported() && Expect('<', "a root element") &&
            (root = ParseElement(1)) != nullptr && SkipMisc()) {
            if (pos_ == in_.size()) {
                result.root = root;
                return result;
            }
            Fail("text after the root element");
        }
        result.error = error_;
        return result;
    }

private:
    bool Fail(const std::string& what) {
        if (error_.empty()) {
            const size_t at = std::min(pos_, in_.size());
            const auto line =
                1 + std::count(in_.begin(), in_.begin() + static_cast<long>(at), '\n');
            error_ = "line " + std::to_string(line) + ": " + what;
        }
        return false;
    }

    bool AtEnd() const { return pos_ >= in_.size(); }
    bool LookingAt(std::string_view what) const { return in_.substr(pos_, what.size()) == what; }

    bool Expect(char c, const char* what) {
        if (AtEnd() || in_[pos_] != c) {
            return Fail(std::string("expected ") + what);
        }
        ++pos_;
        return true;
    }

    void SkipSpace() {
        while (!AtEnd() && IsSpace(in_[pos_])) {
            ++pos_;
        }
    }

    bool SkipDeclaration() {
        if (!LookingAt("<?xml")) {
            return true;
        }
        const size_t end = in_.find("?>", pos_);
        if (end == std::string_view::npos) {
            return Fail("unterminated XML declaration");
        }
        pos_ = end + 2;
        return true;
    }

    bool SkipComment() {
        const size_t end = in_.find("-->", pos_ + 4);
        if (end == std::string_view::npos) {
            return Fail("unterminated comment");
        }
        pos_ = end + 3;
        return true;
    }

    // Space and comments between the declaration, the root and the end.
    bool SkipMisc() {
        for (;;) {
            SkipSpace();
            if (!LookingAt("<!--")) {
                return true;
            }
            if (!SkipComment()) {
                return false;
            }
        }
    }

    bool Supported() {
        if (LookingAt("<!") || LookingAt("<?")) {
            return Fail("DOCTYPE, CDATA and processing instructions are not supported");
        }
        return true;
    }

    bool ParseName(std::string& name) {
        const size_t start = pos_;
        if (AtEnd() || !IsNameStart(static_cast<unsigned char>(in_[pos_]))) {
            return Fail("expected a name");
        }
        while (!AtEnd() && IsNameChar(static_cast<unsigned char>(in_[pos_]))) {
            ++pos_;
        }
        name.assign(in_.substr(start, pos_ - start));
        return true;
    }

    // After the '&': a named entity or a character reference up to 255.
    bool ParseReference(std::string& out) {
        const size_t end = in_.find(';', pos_);
        if (end == std::string_view::npos || end - pos_ > 8) {
            return Fail("unterminated reference");
        }
        const std::string_view name = in_.substr(pos_, end - pos_);
        pos_ = end + 1;
        static constexpr std::pair<std::string_view, char> kNamed[] = {
            {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
        for (const auto& [entity, c] : kNamed) {
            if (name == entity) {
                out += c;
                return true;
            }
        }
        if (name.size() < 2 || name[0] != '#') {
            return Fail("unknown entity");
        }
        const bool hex = name[1] == 'x';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        if (digits.empty()) {
            return Fail("empty character reference");
        }
        unsigned value = 0;
        for (char c : digits) {
            unsigned digit;
            if (c >= '0' && c <= '9') {
                digit = static_cast<unsigned>(c - '0');
            } else if (hex && c >= 'a' && c <= 'f') {
                digit = static_cast<unsigned>(c - 'a' + 10);
            } else if (hex && c >= 'A' && c <= 'F') {
                digit = static_cast<unsigned>(c - 'A' + 10);
            } else {
                return Fail("bad character reference");
            }
            value = value * (hex ? 16 : 10) + digit;
            if (value > 0xFF) {
                return Fail("character reference above 255");
            }
        }
        if (value == 0 || IsForbiddenControl(static_cast<unsigned char>(value))) {
            return Fail("character reference to a control character");
        }
        out += static_cast<char>(value);
        return true;
    }

    bool ParseAttributeValue(std::string& value) {
        if (AtEnd() || (in_[pos_] != '"' && in_[pos_] != '\'')) {
            return Fail("expected a quoted value");
        }
        const char quote = in_[pos_++];
        for (;;) {
            if (AtEnd()) {
                return Fail("unterminated attribute value");
            }
            const char c = in_[pos_];
            if (c == quote) {
                ++pos_;
                return true;
            }
            if (c == '<') {
                return Fail("'<' in an attribute value");
            }
            if (IsForbiddenControl(static_cast<unsigned char>(c))) {
                return Fail("control character in an attribute value");
            }
            ++pos_;
            if (c == '&') {
                if (!ParseReference(value)) {
                    return false;
                }
            } else {
                // Literal white space in a value reads as a space.
                value += IsSpace(c) ? ' ' : c;
            }
        }
    }

    // After the '<' of a start tag.
    std::shared_ptr<XmlNode> ParseElement(int depth) {
        if (depth > kMaxXmlDepth) {
            Fail("elements nested too deeply");
            return nullptr;
        }
        std::string tag;
        if (!ParseName(tag)) {
            return nullptr;
        }
        auto node = std::make_shared<XmlNode>(tag);
        for (;;) {
            const size_t before = pos_;
            SkipSpace();
            if (LookingAt("/>")) {
                pos_ += 2;
                return node;
            }
            if (LookingAt(">")) {
                ++pos_;
                break;
            }
            std::string name;
            std::string value;
            if (pos_ == before) {
                Fail("expected white space before an attribute");
                return nullptr;
            }
            if (!ParseName(name)) {
                return nullptr;
            }
            SkipSpace();
            if (!Expect('=', "'=' after an attribute name")) {
                return nullptr;
            }
            SkipSpace();
            if (!ParseAttributeValue(value)) {
                return nullptr;
            }
            const auto& attributes = node->Attributes();
            if (std::any_of(attributes.begin(), attributes.end(),
                            [&](const auto& a) { return a.first == name; })) {
                Fail("duplicate attribute " + name);
                return nullptr;
            }
            node->SetAttribute(name, value);
        }
        return ParseContent(node, tag, depth) ? node : nullptr;
    }

    bool ParseContent(const std::shared_ptr<XmlNode>& node, const std::string& tag, int depth) {
        std::string text;
        for (;;) {
            if (AtEnd()) {
                return Fail("element " + tag + " is not closed");
            }
            const char c = in_[pos_];
            if (c == '<') {
                if (LookingAt("</")) {
                    break;
                }
                if (LookingAt("<!--")) {
                    if (!SkipComment()) {
                        return false;
                    }
                    continue;
                }
                if (!Supported()) {
                    return false;
                }
                ++pos_;
                auto child = ParseElement(depth + 1);
                if (child == nullptr || node->AppendChild(child) == nullptr) {
                    return false;
                }
                continue;
            }
            if (IsForbiddenControl(static_cast<unsigned char>(c))) {
                return Fail("control character in text");
            }
            ++pos_;
            if (c == '&') {
                if (!ParseReference(text)) {
                    return false;
                }
            } else if (c == '\r') {
                // Line ends read as a line feed, whichever system wrote them.
                if (!AtEnd() && in_[pos_] == '\n') {
                    ++pos_;
                }
                text += '\n';
            } else {
                text += c;
            }
        }
        pos_ += 2;
        std::string closing;
        if (!ParseName(closing)) {
            return false;
        }
        if (closing != tag) {
            return Fail("</" + closing + "> closes <" + tag + ">");
        }
        SkipSpace();
        if (!Expect('>', "'>'")) {
            return false;
        }
        node->AppendText(text);
        return true;
    }

    std::string_view in_;
    size_t pos_ = 0;
    std::string error_;
};

class Writer {
public:
    bool Element(const XmlNode& node, int depth, bool inlined) {
        if (depth > kMaxXmlDepth) {
            return Fail("tree deeper than " + std::to_string(kMaxXmlDepth) + " levels");
        }
        const std::string& tag = node.TagName();
        if (!IsXmlName(tag)) {
            return Fail("'" + tag + "' is not an XML name");
        }
        if (!inlined) {
            out_.append(static_cast<size_t>(depth - 1) * 2, ' ');
        }
        out_ += '<' + tag;
        for (const auto& [name, value] : node.Attributes()) {
            if (!IsXmlName(name)) {
                return Fail("'" + name + "' is not an XML name");
            }
            out_ += ' ' + name + "=\"";
            if (!Escape(value, true)) {
                return false;
            }
            out_ += '"';
        }
        const std::string text = node.Text();
        if (!node.HasChildren()) {
            if (text.empty()) {
                out_ += "/>";
            } else {
                out_ += '>';
                if (!Escape(text, false)) {
                    return false;
                }
                out_ += "</" + tag + '>';
            }
        } else {
            // Text beside child elements keeps its place only without layout.
            const bool mixed = inlined || !text.empty();
            out_ += '>';
            if (mixed) {
                if (!Escape(text, false)) {
                    return false;
                }
            } else {
                out_ += '\n';
            }
            for (const auto& child : node.Children()) {
                if (!Element(*child, depth + 1, mixed)) {
                    return false;
                }
            }
            if (!mixed) {
                out_.append(static_cast<size_t>(depth - 1) * 2, ' ');
            }
            out_ += "</" + tag + '>';
        }
        if (!inlined) {
            out_ += '\n';
        }
        return true;
    }

    std::string out_;
    std::string error_;

private:
    bool Fail(const std::string& what) {
        error_ = what;
        return false;
    }

    bool Escape(std::string_view text, bool attribute) {
        for (char c : text) {
            switch (c) {
                case '&':
                    out_ += "&amp;";
                    break;
                case '<':
                    out_ += "&lt;";
                    break;
                case '>':
                    out_ += "&gt;";
                    break;
                case '"':
                    out_ += attribute ? "&quot;" : "\"";
                    break;
                case '\r':
                    out_ += "&#13;";
                    break;
                case '\t':
                    out_ += attribute ? "&#9;" : "\t";
                    break;
                case '\n':
                    out_ += attribute ? "&#10;" : "\n";
                    break;
                default:
                    if (IsForbiddenControl(static_cast<unsigned char>(c))) {
                        return Fail("a control character cannot be written in XML");
                    }
                    out_ += c;
            }
        }
        return true;
    }
};

}  // namespace

std::string XmlNode::Attribute(std::string_view name) const {
    for (const auto& [key, value] : attributes_) {
        if (key == name) {
            return value;
        }
    }
    return std::string();
}

bool XmlNode::AttributeEquals(std::string_view name, std::string_view value) const {
    for (const auto& [key, stored] : attributes_) {
        if (key == name) {
            return stored == value;
        }
    }
    return false;
}

void XmlNode::SetAttribute(std::string_view name, std::string_view value) {
    for (auto& [key, stored] : attributes_) {
        if (key == name) {
            stored = value;
            return;
        }
    }
    attributes_.emplace_back(std::string(name), std::string(value));
}

std::string XmlNode::Text() const {
    if (!children_.empty() && IsAllSpace(text_)) {
        return std::string();
    }
    return text_;
}

ConfigNodeRef XmlNode::Child(int index) {
    if (index < 0 || static_cast<size_t>(index) >= children_.size()) {
        return nullptr;
    }
    return children_[static_cast<size_t>(index)];
}

ConfigNodeRef XmlNode::FindChild(std::string_view tag) {
    for (const auto& child : children_) {
        if (child->tag_ == tag) {
            return child;
        }
    }
    return nullptr;
}

ConfigNodeRef XmlNode::AddChildWithText(std::string_view tag, std::string_view text) {
    auto child = std::make_shared<XmlNode>(std::string(tag));
    child->text_ = text;
    child->parent_ = weak_from_this();
    children_.push_back(child);
    return child;
}

bool XmlNode::IsSelfOrAncestor(const XmlNode* node) const {
    for (const XmlNode* at = this; at != nullptr;) {
        if (at == node) {
            return true;
        }
        const auto parent = at->parent_.lock();
        at = parent.get();
    }
    return false;
}

ConfigNodeRef XmlNode::AppendChild(const ConfigNodeRef& child) {
    auto node = std::dynamic_pointer_cast<XmlNode>(child);
    // A node has one parent, and a tree has no cycles.
    if (node == nullptr || !node->parent_.expired() || IsSelfOrAncestor(node.get())) {
        return nullptr;
    }
    node->parent_ = weak_from_this();
    children_.push_back(node);
    return node;
}

ConfigDocument& XmlNode::OwnerDocument() {
    return XmlConfigDocument();
}

ConfigDocument& XmlConfigDocument() {
    static XmlDocument document;
    return document;
}

XmlParseResult ParseXml(std::string_view text) {
    return Parser(text).Run();
}

bool WriteXml(const ConfigNode& root, std::string& out, std::string& error) {
    const auto* node = dynamic_cast<const XmlNode*>(&root);
    if (node == nullptr) {
        error = "not a node of an XML tree";
        return false;
    }
    Writer writer;
    writer.out_ = "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n";
    if (!writer.Element(*node, 1, false)) {
        error = writer.error_;
        return false;
    }
    out = std::move(writer.out_);
    return true;
}

}  // namespace z8
