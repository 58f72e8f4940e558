#include "debuglog/debug_filter.h"

#include <algorithm>

#include "debuglog/application_path.h"
#include "debuglog/debug_common.h"
#include "debuglog/debug_html.h"
#include "debuglog/debug_txt.h"
#include "debuglog/debug_visual.h"
#include "debuglog/log_write.h"
#include "platform/path_parts.h"

namespace z8 {
namespace {

bool EqualsIgnoringCase(std::string_view text, std::string_view upper) {
    return std::equal(text.begin(), text.end(), upper.begin(), upper.end(), [](char a, char b) {
        return (a >= 'a' && a <= 'z' ? static_cast<char>(a - 'a' + 'A') : a) == b;
    });
}

bool ReadSwitch(ConfigNode& node, const char* key) {
    ConfigNodeRef child = node.FindChild(key);
    return child != nullptr && EqualsIgnoringCase(child->Text(), "TRUE");
}

}  // namespace

CDebugFilter::CDebugFilter() : CElement("CDebugFilter", "DebugFilter", true) {}

CDebugFilter::~CDebugFilter() {
    DeleteOutputs();
}

void CDebugFilter::DeleteOutputs() {
    outputs_.RemoveAll();
    html_.reset();
    txt_.reset();
    visual_.reset();
    common_.reset();
}

bool CDebugFilter::Load(ConfigNode* node) {
    if (node == nullptr) {
        return false;
    }
    ConfigNodeRef name = node->FindChild("LogName");
    logName_ = name != nullptr ? name->Text() : std::string();
    isActivated_ = ReadSwitch(*node, "IsActivated");
    useHtml_ = ReadSwitch(*node, "UseHtml");
    useTxt_ = ReadSwitch(*node, "UseTxt");
    useVisual_ = ReadSwitch(*node, "UseVisual");
    useCommon_ = ReadSwitch(*node, "UseCommon");
    doAppend_ = ReadSwitch(*node, "DoAppend");
    return Create();
}

ConfigNodeRef CDebugFilter::Save(ConfigNode& node) {
    ConfigNodeRef element = node.OwnerDocument().CreateElement(InstanceName());
    if (element == nullptr) {
        return nullptr;
    }
    element->SetAttribute("Class", "CDebugFilter");
    const auto text = [](bool on) { return on ? "TRUE" : "FALSE"; };
    element->AddChildWithText("LogName", logName_);
    element->AddChildWithText("IsActivated", text(isActivated_));
    element->AddChildWithText("UseHtml", text(useHtml_));
    element->AddChildWithText("UseTxt", text(useTxt_));
    element->AddChildWithText("UseVisual", text(useVisual_));
    element->AddChildWithText("UseCommon", text(useCommon_));
    element->AddChildWithText("DoAppend", text(doAppend_));
    return element;
}

bool CDebugFilter::Create() {
    // Outputs of an earlier Create go first: the list never points at a
    // deleted sink.
    DeleteOutputs();
    if (!isActivated_) {
        return true;
    }
    const std::string& modulePath = LogApplicationPath();
    if (useHtml_) {
        html_ = std::make_unique<CDebugHtml>();
        if (!html_->Open(FilterOutputPath(modulePath, logName_, ".htm"), doAppend_)) {
            return false;
        }
        outputs_.Add(html_.get());
    }
    if (useTxt_) {
        txt_ = std::make_unique<CDebugTxt>();
        if (!txt_->Open(FilterOutputPath(modulePath, logName_, ".txt"))) {
            return false;
        }
        outputs_.Add(txt_.get());
    }
    if (useVisual_) {
        visual_ = std::make_unique<CDebugVisual>();
        outputs_.Add(visual_.get());
    }
    if (useCommon_) {
        common_ = std::make_unique<CDebugCommon>();
        common_->SetName(logName_);
        outputs_.Add(common_.get());
    }
    return true;
}

bool CDebugFilter::Write(int severity, std::string_view text) {
    if (isActivated_) {
        LogWriteText(&outputs_, severity, text);
    }
    return true;
}

std::string FilterOutputPath(const std::string& modulePath, const std::string& logName,
                             const char* extension) {
    if (modulePath.empty()) {
        return "_UNKNOWN_APP__" + logName + extension;
    }
    const PathParts parts = SplitPath(modulePath);
    return parts.drive + parts.folder + parts.name + "_" + logName + extension;
}

}  // namespace z8
