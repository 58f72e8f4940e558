#include <gtest/gtest.h>

#include <string>

#include "debuglog/xml_config.h"

namespace z8 {
namespace {

std::string Written(const ConfigNode& root) {
    std::string out;
    std::string error;
    EXPECT_TRUE(WriteXml(root, out, error)) << error;
    return out;
}

TEST(XmlConfig, ReadsElementsAttributesTextAndReferences) {
    const auto parsed = ParseXml(
        "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n"
        "<!-- filters -->\n"
        "<Root Class='R' Note=\"a &amp; b &lt;c&gt; &quot;d&quot; &apos;e&apos; &#65;&#x42;\">\n"
        "  <Leaf>  spaced text\r\nnext \xe9</Leaf>\n"
        "  <Empty A=\"1\"/><!-- between -->\n"
        "  <Leaf>second</Leaf>\n"
        "</Root>\n");
    ASSERT_NE(parsed.root, nullptr) << parsed.error;
    ConfigNode& root = *parsed.root;
    EXPECT_EQ(root.TagName(), "Root");
    EXPECT_TRUE(root.AttributeEquals("Class", "R"));
    EXPECT_FALSE(root.AttributeEquals("Missing", ""));
    EXPECT_EQ(root.Attribute("Note"), "a & b <c> \"d\" 'e' AB");
    EXPECT_EQ(root.Attribute("Missing"), "");
    EXPECT_EQ(root.Text(), "");
    ASSERT_EQ(root.ChildCount(), 3);
    EXPECT_EQ(root.Child(0)->Text(), "  spaced text\nnext \xe9");
    EXPECT_EQ(root.Child(1)->TagName(), "Empty");
    EXPECT_FALSE(root.Child(1)->HasChildren());
    EXPECT_EQ(root.Child(3), nullptr);
    EXPECT_EQ(root.Child(-1), nullptr);
    EXPECT_EQ(root.FindChild("Leaf")->Text(), "  spaced text\nnext \xe9");
    EXPECT_EQ(root.FindChild("leaf"), nullptr);
}

TEST(XmlConfig, RefusesMalformedInputWithTheLine) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"", "line 1: expected a root element"},
        {"<a>", "line 1: element a is not closed"},
        {"<a></b>", "line 1: </b> closes <a>"},
        {"<a>\n<b x='1' x='2'/></a>", "line 2: duplicate attribute x"},
        {"<a b=1/>", "line 1: expected a quoted value"},
        {"<a b='<'/>", "line 1: '<' in an attribute value"},
        {"<a>&nbsp;</a>", "line 1: unknown entity"},
        {"<a>&#256;</a>", "line 1: character reference above 255"},
        {"<a>&#0;</a>", "line 1: character reference to a control character"},
        {"<a>&#x;</a>", "line 1: empty character reference"},
        {"<a>&amp</a>", "line 1: unterminated reference"},
        {"<a>\x01</a>", "line 1: control character in text"},
        {"<a><![CDATA[x]]></a>",
         "line 1: DOCTYPE, CDATA and processing instructions are not supported"},
        {"<!DOCTYPE a><a/>",
         "line 1: DOCTYPE, CDATA and processing instructions are not supported"},
        {"<a/><b/>", "line 1: text after the root element"},
        {"<a/>text", "line 1: text after the root element"},
        {"<a b='1'c='2'/>", "line 1: expected white space before an attribute"},
        {"<1a/>", "line 1: expected a name"},
        {"<a><!-- open", "line 1: unterminated comment"},
        {"<?xml version='1.0'", "line 1: unterminated XML declaration"},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseXml(c.text);
        EXPECT_EQ(parsed.root, nullptr) << c.text;
        EXPECT_EQ(parsed.error, c.error) << c.text;
    }
}

TEST(XmlConfig, LimitsNesting) {
    std::string deep;
    for (int i = 0; i < kMaxXmlDepth; ++i) {
        deep += "<e>";
    }
    for (int i = 0; i < kMaxXmlDepth; ++i) {
        deep += "</e>";
    }
    EXPECT_NE(ParseXml(deep).root, nullptr);
    const auto tooDeep = ParseXml("<e>" + deep + "</e>");
    EXPECT_EQ(tooDeep.root, nullptr);
    EXPECT_EQ(tooDeep.error, "line 1: elements nested too deeply");
}

TEST(XmlConfig, WritesWhatItReadsBack) {
    ConfigDocument& document = XmlConfigDocument();
    ConfigNodeRef root = document.CreateElement("Root");
    root->SetAttribute("Class", "a\"b<c>&\td\ne");
    root->SetAttribute("Class", "replaced \"q\" <&>\t\n\r");
    root->AddChildWithText("Text", " x < y & z > w \"q\"\r\n");
    root->AddChildWithText("Empty", "");
    ConfigNodeRef mixed = root->AddChildWithText("Mixed", "words");
    mixed->AddChildWithText("Inner", "in");
    ASSERT_NE(root->AppendChild(document.CreateElement("Appended")), nullptr);

    const std::string text = Written(*root);
    EXPECT_EQ(text,
              "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n"
              "<Root Class=\"replaced &quot;q&quot; &lt;&amp;&gt;&#9;&#10;&#13;\">\n"
              "  <Text> x &lt; y &amp; z &gt; w \"q\"&#13;\n</Text>\n"
              "  <Empty/>\n"
              "  <Mixed>words<Inner>in</Inner></Mixed>\n"
              "  <Appended/>\n"
              "</Root>\n");
    const auto parsed = ParseXml(text);
    ASSERT_NE(parsed.root, nullptr) << parsed.error;
    EXPECT_EQ(parsed.root->Attribute("Class"), "replaced \"q\" <&>\t\n\r");
    EXPECT_EQ(parsed.root->Child(0)->Text(), " x < y & z > w \"q\"\r\n");
    EXPECT_EQ(parsed.root->Child(2)->Text(), "words");
    EXPECT_EQ(Written(*parsed.root), text);
}

TEST(XmlConfig, KeepsTreesTrees) {
    ConfigDocument& document = XmlConfigDocument();
    ConfigNodeRef root = document.CreateElement("Root");
    ConfigNodeRef child = root->AddChildWithText("Child", "");
    ConfigNodeRef other = document.CreateElement("Other");
    EXPECT_EQ(root->AppendChild(root), nullptr);
    EXPECT_EQ(child->AppendChild(root), nullptr);
    EXPECT_EQ(other->AppendChild(child), nullptr);
    EXPECT_EQ(root->AppendChild(nullptr), nullptr);
    EXPECT_EQ(root->ChildCount(), 1);
}

TEST(XmlConfig, RefusesToWriteWhatXmlCannotCarry) {
    ConfigDocument& document = XmlConfigDocument();
    std::string out;
    std::string error;
    EXPECT_FALSE(WriteXml(*document.CreateElement("has space"), out, error));
    EXPECT_EQ(error, "'has space' is not an XML name");
    ConfigNodeRef root = document.CreateElement("Root");
    root->AddChildWithText("Bell", "\a");
    EXPECT_FALSE(WriteXml(*root, out, error));
    EXPECT_EQ(error, "a control character cannot be written in XML");
    EXPECT_TRUE(out.empty());
}

}  // namespace
}  // namespace z8
