#pragma once

#include <memory>
#include <string>

#include "debuglog/custom_object.h"
#include "debuglog/debug.h"
#include "debuglog/debug_outputs.h"

namespace z8 {

class CDebugHtml;
class CDebugTxt;
class CDebugVisual;
class CDebugCommon;

// One named log: when activated, each line goes to the outputs its switches
// select (an HTML file, a text file, the debugger channel, a shared log).
// Its settings are loaded from and saved to a configuration tree; loading
// creates the outputs.
class CDebugFilter : public CDebug, public CElement {
public:
    CDebugFilter();
    ~CDebugFilter() override;

    // Keys LogName, IsActivated, UseHtml, UseTxt, UseVisual, UseCommon and
    // DoAppend from the children of the node; a switch is on only for the
    // text TRUE in any case. Then Create; its result.
    bool Load(ConfigNode* node) override;
    ConfigNodeRef Save(ConfigNode& node) override;
    // Builds the outputs from the switches. The files are named
    // "<program>_<log name>.htm" and ".txt" in the program's folder; false
    // when one cannot be opened (the outputs made before it stay).
    bool Create();
    // Passes the line on to the outputs when activated; true in every case.
    bool Write(int severity, std::string_view text) override;

    const std::string& LogName() const { return logName_; }
    void SetLogName(const std::string& name) { logName_ = name; }
    bool IsActivated() const { return isActivated_; }
    void SetActivated(bool on) { isActivated_ = on; }
    bool UsesHtml() const { return useHtml_; }
    void SetUseHtml(bool on) { useHtml_ = on; }
    bool UsesTxt() const { return useTxt_; }
    void SetUseTxt(bool on) { useTxt_ = on; }
    bool UsesVisual() const { return useVisual_; }
    void SetUseVisual(bool on) { useVisual_ = on; }
    bool UsesCommon() const { return useCommon_; }
    void SetUseCommon(bool on) { useCommon_ = on; }
    bool Appends() const { return doAppend_; }
    void SetAppend(bool on) { doAppend_ = on; }
    const CDebugOutputs& Outputs() const { return outputs_; }

private:
    void DeleteOutputs();

    std::string logName_;
    bool isActivated_ = false;
    std::unique_ptr<CDebugHtml> html_;
    bool useHtml_ = false;
    std::unique_ptr<CDebugTxt> txt_;
    bool useTxt_ = false;
    std::unique_ptr<CDebugVisual> visual_;
    bool useVisual_ = false;
    std::unique_ptr<CDebugCommon> common_;
    bool useCommon_ = false;
    bool doAppend_ = false;
    CDebugOutputs outputs_;
};

// The path of a filter's output file: "<program>_<log name><extension>" in the
// program's folder, or "_UNKNOWN_APP_..." in the current directory without a
// program path.
std::string FilterOutputPath(const std::string& modulePath, const std::string& logName,
                             const char* extension);

}  // namespace z8
