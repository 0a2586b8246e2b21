#include "workshop/WsNamePrompt.h"

#include "platform/core/workshop/WsUiMessages.h"
#include "platform/ui/windows/WinApi.h"
#include "platform/ui/windows/WinConstants.h"
#include "spreadsheet/Vdn_DlgPromptString.h"

namespace {

const wchar_t* const kPromptCaption = L"Naam ingeven";

} // namespace

bool askUniqueName(CWnd* parent, const Vdn_String& question, const Vdn_String& proposal,
                   const Vdn_StringArray& taken, Vdn_String& name) {
    Vdn_DlgPromptString prompt(parent);
    prompt.caption = kPromptCaption;
    prompt.label = question;
    prompt.value = proposal;
    if (prompt.DoModal() != IDOK)
        return false;
    const Vdn_String typed = prompt.value.trim();
    if (typed.isEmpty())
        return false;
    if (taken.contains(typed, false)) {
        AfxMessageBox(core::wsUiNameInUseText().str(), MB_OK | MB_ICONINFORMATION);
        return false;
    }
    name = typed;
    return true;
}

bool confirmRemoval(const Vdn_String& first, const Vdn_String& name, const Vdn_String& second) {
    const Vdn_String question = first + L" \"" + name + L"\" " + second;
    return AfxMessageBox(question.str(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}
