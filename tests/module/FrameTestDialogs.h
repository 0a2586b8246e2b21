#pragma once

#include "module/PooledLauncher.h"
#include "module/TfGridDlgData.h"
#include "module/TfSheetsMgrDlgData.h"
#include "platform/core/model/EditConstrData.h"
#include "platform/core/model/MacroData.h"
#include "platform/core/settings/ResourceInstance.h"
#include "platform/host/CAcUiDialog.h"
#include "platform/ui/dialogs/CDialog.h"

#include <vector>

// Small dialogs that stand in for the module's real dialog classes in the frame's tests. Their
// templates are in resources/dialogs/frame-tests.dlg.
namespace frametest {

constexpr UINT kRecordTemplate = 61000;
constexpr UINT kHostTemplate = 61001;
constexpr UINT kMacroTemplate = 61002;
constexpr UINT kEditorTemplate = 61003;
constexpr UINT kPanelTemplate = 61004;
constexpr UINT kStandardsTemplate = 61005;
constexpr UINT kMissingTemplate = 61999;
constexpr int kTextEdit = 1001;

// A modal dialog editing a grid record: the edit shows the first label; OK takes it back.
// Opening counts up the record's second count, so a copy back after Cancel shows.
class RecordDialog : public CDialog {
public:
    explicit RecordDialog(CWnd* parent) : CDialog(kRecordTemplate, parent) {}

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        resourcesWhileOpen = core::currentResourceInstance();
        ++data.secondCount;
        SetDlgItemText(kTextEdit, data.firstLabel.str());
        return TRUE;
    }
    void OnOK() override {
        std::wstring text;
        GetDlgItemText(kTextEdit, text);
        data.firstLabel = text;
        extraOut = extraIn * 2;
        CDialog::OnOK();
    }

    TfGridDlgData data;
    int extraIn = 0;
    int extraOut = 0;
    core::InstanceHandle resourcesWhileOpen = nullptr;
};

// A modal dialog of the host's dialog classes.
class HostRecordDialog : public CAcUiDialog {
public:
    explicit HostRecordDialog(CWnd* parent) : CAcUiDialog(kHostTemplate, parent) {}

    TfGridDlgData data;
};

// A modeless macro dialog.
class MacroDialog : public CDialog {
public:
    explicit MacroDialog(CWnd* parent) : CDialog(kMacroTemplate, parent) {}

    BOOL OnInitDialog() override {
        resourcesWhileOpen = core::currentResourceInstance();
        return CDialog::OnInitDialog();
    }

    void setSlot(int slot) { slot_ = slot; }
    int slot() const { return slot_; }
    MacroData& macroData() { return data_; }

    core::InstanceHandle resourcesWhileOpen = nullptr;

private:
    int slot_ = -1;
    MacroData data_;
};

// A modeless constraint editor.
class ConstraintEditor : public CDialog {
public:
    explicit ConstraintEditor(CWnd* parent) : CDialog(kEditorTemplate, parent) {}

    EditConstrData& constrData() { return data_; }
    void setModeless(bool modeless) { modeless_ = modeless; }
    bool modeless() const { return modeless_; }

private:
    EditConstrData data_;
    bool modeless_ = false;
};

// The panel hosted by the sheets-manager bar.
class SheetsPanel : public CDialog {
public:
    explicit SheetsPanel(CWnd* parent) : CDialog(kPanelTemplate, parent) {}

    TfSheetsMgrDlgData& sheetsData() { return data_; }

private:
    TfSheetsMgrDlgData data_;
};

// The record of a pooled evaluation: how deep it nests, whether it fails, and what it did.
struct EvaluationRecord {
    int childCalls = 0;
    bool fail = false;
    std::vector<const CDialog*> evaluatedBy;
    core::InstanceHandle resourcesWhileEvaluating = nullptr;
};

// A pooled standards dialog: its evaluation may run a child evaluation through the pool.
class StandardsDialog : public CDialog {
public:
    explicit StandardsDialog(CWnd* parent) : CDialog(kStandardsTemplate, parent) {}

    EvaluationRecord& standardsData() { return record_; }

    Acad::ErrorStatus evaluate() {
        record_.resourcesWhileEvaluating = core::currentResourceInstance();
        record_.evaluatedBy.push_back(this);
        if (record_.childCalls > 0) {
            EvaluationRecord child;
            child.childCalls = record_.childCalls - 1;
            if (!frame::runPooledLauncher<StandardsDialog>(child, gSSDlgsMgr, kStandardsTemplate))
                return Acad::eInvalidInput;
            record_.evaluatedBy.insert(record_.evaluatedBy.end(), child.evaluatedBy.begin(),
                                       child.evaluatedBy.end());
        }
        return record_.fail ? Acad::eInvalidInput : Acad::eOk;
    }

private:
    EvaluationRecord record_;
};

} // namespace frametest
