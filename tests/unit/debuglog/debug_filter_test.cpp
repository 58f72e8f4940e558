#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "debuglog/application_path.h"
#include "debuglog/debug_filter.h"
#include "debuglog/debug_filter_array.h"
#include "debuglog/log_write.h"
#include "debuglog/xml_config.h"
#include "tests/unit/debuglog/test_support.h"

namespace z8 {
namespace {

using test::ReadFile;
using test::TempDir;

const char kArrayXml[] =
    "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n"
    "<DebugFilterArray Class=\"NotChecked\">\n"
    "  <Scanner Class=\"CDebugFilter\">\n"
    "    <LogName>Scan</LogName>\n"
    "    <IsActivated>true</IsActivated>\n"
    "    <UseHtml>True</UseHtml>\n"
    "    <UseTxt>TRUE</UseTxt>\n"
    "    <UseVisual>yes</UseVisual>\n"
    "    <UseCommon>TRUE</UseCommon>\n"
    "  </Scanner>\n"
    "  <Quiet Class=\"Other\">\n"
    "    <IsActivated>FALSE</IsActivated>\n"
    "    <UseHtml>TRUE</UseHtml>\n"
    "    <UseTxt/>\n"
    "  </Quiet>\n"
    "</DebugFilterArray>\n";

const char kSavedXml[] =
    "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n"
    "<DebugFilterArray Class=\"CDebugFilterArray\">\n"
    "  <Scanner Class=\"CDebugFilter\">\n"
    "    <LogName>Scan</LogName>\n"
    "    <IsActivated>TRUE</IsActivated>\n"
    "    <UseHtml>TRUE</UseHtml>\n"
    "    <UseTxt>TRUE</UseTxt>\n"
    "    <UseVisual>FALSE</UseVisual>\n"
    "    <UseCommon>TRUE</UseCommon>\n"
    "    <DoAppend>FALSE</DoAppend>\n"
    "  </Scanner>\n"
    "  <Quiet Class=\"CDebugFilter\">\n"
    "    <LogName/>\n"
    "    <IsActivated>FALSE</IsActivated>\n"
    "    <UseHtml>TRUE</UseHtml>\n"
    "    <UseTxt>FALSE</UseTxt>\n"
    "    <UseVisual>FALSE</UseVisual>\n"
    "    <UseCommon>FALSE</UseCommon>\n"
    "    <DoAppend>FALSE</DoAppend>\n"
    "  </Quiet>\n"
    "</DebugFilterArray>\n";

class FilterTest : public ::testing::Test {
protected:
    FilterTest() {
        SetLogApplicationPath(dir.File("host.exe"));
        SetLogLevel(4);
    }
    ~FilterTest() override { SetLogApplicationPath(""); }

    static ConfigNodeRef Parse(const char* text) {
        auto parsed = ParseXml(text);
        EXPECT_NE(parsed.root, nullptr) << parsed.error;
        return parsed.root;
    }

    static std::string SaveToXml(CCustomObject& object) {
        ConfigNodeRef holder = XmlConfigDocument().CreateElement("Holder");
        ConfigNodeRef saved = object.Save(*holder);
        std::string out;
        std::string error;
        EXPECT_NE(saved, nullptr);
        EXPECT_TRUE(saved != nullptr && WriteXml(*saved, out, error)) << error;
        return out;
    }

    test::LogStateGuard state;
    TempDir dir;
};

TEST_F(FilterTest, LoadsSwitchesFromTheTreeAndCreatesTheOutputs) {
    CDebugFilterArray filters;
    ConfigNodeRef root = Parse(kArrayXml);
    ASSERT_TRUE(filters.Load(root.get()));
    ASSERT_EQ(filters.GetSize(), 2);

    auto* scanner = dynamic_cast<CDebugFilter*>(filters.GetAt(0));
    ASSERT_NE(scanner, nullptr);
    EXPECT_EQ(scanner->InstanceName(), "Scanner");
    EXPECT_EQ(scanner->FullName(), "CDebugFilter.Scanner");
    EXPECT_EQ(scanner->LogName(), "Scan");
    EXPECT_TRUE(scanner->IsActivated());
    EXPECT_TRUE(scanner->UsesHtml());
    EXPECT_TRUE(scanner->UsesTxt());
    EXPECT_FALSE(scanner->UsesVisual());  // "yes" is not TRUE
    EXPECT_TRUE(scanner->UsesCommon());
    EXPECT_FALSE(scanner->Appends());  // absent
    EXPECT_EQ(scanner->Outputs().GetSize(), 3);

    auto* quiet = dynamic_cast<CDebugFilter*>(filters.GetAt(1));
    ASSERT_NE(quiet, nullptr);
    EXPECT_EQ(quiet->InstanceName(), "Quiet");
    EXPECT_TRUE(quiet->UsesHtml());
    EXPECT_FALSE(quiet->UsesTxt());
    EXPECT_EQ(quiet->Outputs().GetSize(), 0);
    EXPECT_TRUE(LogWrite(quiet, ERR, "accepted, written nowhere"));

    // A percent sign in a line reaches the files unchanged.
    EXPECT_TRUE(LogWrite(scanner, ERR, "%s", "100% done %d"));
    filters.RemoveAll();

    const std::string html = ReadFile(dir.File("host_Scan.htm"));
    EXPECT_NE(html.find("<TITLE>" + dir.File("host_Scan.htm") + "</TITLE>"), std::string::npos);
    EXPECT_NE(html.find(" : <b><font face=\"Courier New, Courier, mono\" color=\"#FF0000\">>> "
                        "ERROR << </FONT></b>100% done %d<br>\n</body>\n</html>\n"),
              std::string::npos);
    const std::string txt = ReadFile(dir.File("host_Scan.txt"));
    ASSERT_EQ(txt.size(), 15u + 32u);
    EXPECT_EQ(txt.substr(15), " : 0 > >> ERROR << 100% done %d\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("host_.htm")));
}

TEST_F(FilterTest, SavesBackToTheSameShape) {
    CDebugFilterArray filters;
    ConfigNodeRef root = Parse(kArrayXml);
    ASSERT_TRUE(filters.Load(root.get()));
    const std::string saved = SaveToXml(filters);
    EXPECT_EQ(saved, kSavedXml);

    CDebugFilterArray reloaded;
    ConfigNodeRef again = Parse(saved.c_str());
    ASSERT_TRUE(reloaded.Load(again.get()));
    EXPECT_EQ(SaveToXml(reloaded), kSavedXml);
}

TEST_F(FilterTest, AnOutputThatCannotOpenFailsTheLoad) {
    CDebugFilter filter;
    filter.SetActivated(true);
    filter.SetUseHtml(true);
    filter.SetUseTxt(true);
    filter.SetUseVisual(true);
    filter.SetLogName("Sub/Name");
    // The HTML file's folder is missing: nothing after it is made.
    EXPECT_FALSE(filter.Create());
    EXPECT_EQ(filter.Outputs().GetSize(), 0);

    std::filesystem::create_directory(dir.File("host_Sub"));
    std::filesystem::create_directory(dir.File("host_Sub/Name.txt"));
    EXPECT_FALSE(filter.Create());
    EXPECT_EQ(filter.Outputs().GetSize(), 1);

    filter.SetUseTxt(false);
    EXPECT_TRUE(filter.Create());
    EXPECT_EQ(filter.Outputs().GetSize(), 2);

    EXPECT_FALSE(filter.Load(nullptr));
}

TEST_F(FilterTest, NamedArraysTakeTagsUnnamedOnesCheckClassAndCount) {
    CDebugFilterArray filters;
    filters.SetNamed(false);
    ConfigNodeRef root = Parse(kArrayXml);
    EXPECT_FALSE(filters.Load(root.get()));

    root->SetAttribute("Class", "CDebugFilterArray");
    root->SetAttribute("Count", "1000000000");
    ASSERT_TRUE(filters.Load(root.get()));
    EXPECT_EQ(filters.GetSize(), 2);
    // Unnamed, elements keep their own instance names.
    EXPECT_EQ(filters.GetAt(0)->InstanceName(), "DebugFilter");

    root->SetAttribute("Count", "1");
    ASSERT_TRUE(filters.Load(root.get()));
    EXPECT_EQ(filters.GetSize(), 1);

    const std::string saved = SaveToXml(filters);
    EXPECT_NE(saved.find("<CDebugFilterArray Class=\"CDebugFilterArray\" Count=\"1\">\n"
                         "  <DebugFilter Class=\"CDebugFilter\" Id=\"0\">\n"),
              std::string::npos)
        << saved;

    ConfigNodeRef empty = Parse("<CDebugFilterArray Class=\"CDebugFilterArray\" Count=\"3\"/>");
    EXPECT_TRUE(filters.Load(empty.get()));
    EXPECT_EQ(filters.GetSize(), 0);
}

TEST_F(FilterTest, ArchivesCarryNamesOnly) {
    CDebugFilterArray filters;
    ConfigNodeRef root = Parse(kArrayXml);
    ASSERT_TRUE(filters.Load(root.get()));

    std::stringstream stream;
    Archive out = Archive::ForStoring(stream);
    filters.Serialize(out);
    ASSERT_TRUE(out.IsOk());
    using namespace std::string_literals;
    const std::string expected = "\x11\0\0\0CDebugFilterArray"s + "\x10\0\0\0DebugFilterArray"s +
                                 "\x02\0\0\0"s + "\x0c\0\0\0CDebugFilter\x07\0\0\0Scanner"s +
                                 "\x0c\0\0\0CDebugFilter\x05\0\0\0Quiet"s;
    EXPECT_EQ(stream.str(), expected);

    CDebugFilterArray loaded;
    Archive in = Archive::ForLoading(stream);
    loaded.Serialize(in);
    EXPECT_TRUE(in.IsOk());
    ASSERT_EQ(loaded.GetSize(), 2);
    EXPECT_EQ(loaded.GetAt(1)->FullName(), "CDebugFilter.Quiet");
    EXPECT_FALSE(dynamic_cast<CDebugFilter*>(loaded.GetAt(0))->IsActivated());

    // A cut archive keeps what was read whole and reports the failure.
    std::stringstream cut(expected.substr(0, expected.size() - 3));
    Archive damaged = Archive::ForLoading(cut);
    loaded.Serialize(damaged);
    EXPECT_FALSE(damaged.IsOk());
    EXPECT_EQ(loaded.GetSize(), 1);

    std::stringstream negative("\xff\xff\xff\xff"s);
    Archive forged = Archive::ForLoading(negative);
    std::string text;
    EXPECT_FALSE(forged.ReadString(text));
    std::stringstream huge("\xff\xff\xff\x7fshort"s);
    Archive large = Archive::ForLoading(huge);
    EXPECT_FALSE(large.ReadString(text));
}

// An element that counts its deletions.
class Counted : public CElement {
public:
    explicit Counted(int& deleted) : deleted_(deleted) {}
    ~Counted() override { ++deleted_; }

private:
    int& deleted_;
};

TEST(Container, InsertsAndRemovesWithoutDeletingTwice) {
    int deleted = 0;
    {
        CContainer owning;
        EXPECT_EQ(owning.Add(nullptr), -1);
        EXPECT_EQ(owning.Add(new Counted(deleted)), 0);
        auto* twice = new Counted(deleted);
        EXPECT_FALSE(owning.InsertAt(0, twice, 2));
        EXPECT_FALSE(owning.InsertAt(2, twice));
        ASSERT_TRUE(owning.InsertAt(0, twice));
        EXPECT_EQ(owning.GetAt(0), twice);
        EXPECT_FALSE(owning.RemoveAt(1, 2));
        EXPECT_TRUE(owning.RemoveAt(0));
        EXPECT_EQ(deleted, 1);
        EXPECT_EQ(owning.GetSize(), 1);
    }
    EXPECT_EQ(deleted, 2);

    Counted shared(deleted);
    {
        CContainer borrowing;
        borrowing.SetOwnsElements(false);
        ASSERT_TRUE(borrowing.InsertAt(0, &shared, 3));
        EXPECT_EQ(borrowing.GetSize(), 3);
        EXPECT_TRUE(borrowing.RemoveAt(1, 2));
        EXPECT_EQ(borrowing.GetSize(), 1);
    }
    EXPECT_EQ(deleted, 2);
}

TEST(Container, KeepOnLoadAppendsToTheCurrentElements) {
    SetLogApplicationPath("");
    CDebugFilterArray filters;
    filters.SetKeepOnLoad(true);
    auto parsed = ParseXml("<A><One/><Two/></A>");
    ASSERT_TRUE(filters.Load(parsed.root.get()));
    ASSERT_TRUE(filters.Load(parsed.root.get()));
    EXPECT_EQ(filters.GetSize(), 4);
    EXPECT_EQ(filters.GetAt(3)->InstanceName(), "Two");
}

TEST(CustomObject, NamesCompareAndElementLoad) {
    CElement element;
    EXPECT_EQ(element.FullName(), "Element.Default");
    auto node = XmlConfigDocument().CreateElement("Tagged");
    node->SetAttribute("Class", "Element");
    EXPECT_FALSE(element.Load(node.get()));  // not named
    element.SetNamed(true);
    EXPECT_TRUE(element.Load(node.get()));
    EXPECT_EQ(element.InstanceName(), "Tagged");
    node->SetAttribute("Class", "Other");
    EXPECT_FALSE(element.Load(node.get()));
    EXPECT_FALSE(element.Load(nullptr));

    CElement other;
    other.SetInstanceName("\xe9");
    EXPECT_LT(element.Compare(other), 0);  // bytes compare unsigned
    EXPECT_GT(other.Compare(element), 0);
    other.SetInstanceName("Tagged");
    EXPECT_EQ(element.Compare(other), 0);

    const std::string saved = [&] {
        auto holder = XmlConfigDocument().CreateElement("H");
        auto own = element.Save(*holder);
        return own->TagName() + "/" + own->Attribute("Class");
    }();
    EXPECT_EQ(saved, "Tagged/Element");
}

TEST(FilterOutputPath, SitsBesideTheProgramOrInTheCurrentDirectory) {
    EXPECT_EQ(FilterOutputPath("C:\\Tools\\host.exe", "Scan", ".htm"), "C:\\Tools\\host_Scan.htm");
    EXPECT_EQ(FilterOutputPath("", "Scan", ".txt"), "_UNKNOWN_APP__Scan.txt");
}

TEST(InstanceCounters, OnlyGrow) {
    const int sinks = DebugInstanceCount();
    const int arrays = DebugFilterArrayInstanceCount();
    {
        CDebugFilterArray filters;
        CDebugFilter filter;  // itself and its outputs list
    }
    EXPECT_EQ(DebugInstanceCount(), sinks + 2);
    EXPECT_EQ(DebugFilterArrayInstanceCount(), arrays + 1);
}

}  // namespace
}  // namespace z8
