#include "platform/ui/dialogs/StyleNames.h"

#include <map>

namespace ui {

namespace {

#define WIDE_TEXT(text) L##text
#define WIDE_NAME(name) WIDE_TEXT(#name)
#define STYLE(name)                                                                                \
    {                                                                                              \
        WIDE_NAME(name), {                                                                         \
            name, false                                                                            \
        }                                                                                          \
    }
#define EXSTYLE(name)                                                                              \
    {                                                                                              \
        WIDE_NAME(name), {                                                                         \
            name, true                                                                             \
        }                                                                                          \
    }

const std::map<std::wstring, StyleBits>& styles() {
    static const std::map<std::wstring, StyleBits> table = {
        STYLE(WS_OVERLAPPED),
        STYLE(WS_POPUP),
        STYLE(WS_CHILD),
        STYLE(WS_MINIMIZE),
        STYLE(WS_VISIBLE),
        STYLE(WS_DISABLED),
        STYLE(WS_CLIPSIBLINGS),
        STYLE(WS_CLIPCHILDREN),
        STYLE(WS_MAXIMIZE),
        STYLE(WS_CAPTION),
        STYLE(WS_BORDER),
        STYLE(WS_DLGFRAME),
        STYLE(WS_VSCROLL),
        STYLE(WS_HSCROLL),
        STYLE(WS_SYSMENU),
        STYLE(WS_THICKFRAME),
        STYLE(WS_GROUP),
        STYLE(WS_TABSTOP),
        STYLE(WS_MINIMIZEBOX),
        STYLE(WS_MAXIMIZEBOX),
        STYLE(WS_SIZEBOX),
        STYLE(WS_OVERLAPPEDWINDOW),
        STYLE(WS_POPUPWINDOW),
        EXSTYLE(WS_EX_DLGMODALFRAME),
        EXSTYLE(WS_EX_NOPARENTNOTIFY),
        EXSTYLE(WS_EX_TOPMOST),
        EXSTYLE(WS_EX_ACCEPTFILES),
        EXSTYLE(WS_EX_TRANSPARENT),
        EXSTYLE(WS_EX_TOOLWINDOW),
        EXSTYLE(WS_EX_WINDOWEDGE),
        EXSTYLE(WS_EX_CLIENTEDGE),
        EXSTYLE(WS_EX_CONTEXTHELP),
        EXSTYLE(WS_EX_CONTROLPARENT),
        EXSTYLE(WS_EX_STATICEDGE),
        EXSTYLE(WS_EX_APPWINDOW),
        STYLE(DS_ABSALIGN),
        STYLE(DS_SYSMODAL),
        STYLE(DS_3DLOOK),
        STYLE(DS_FIXEDSYS),
        STYLE(DS_NOFAILCREATE),
        STYLE(DS_SETFONT),
        STYLE(DS_MODALFRAME),
        STYLE(DS_SETFOREGROUND),
        STYLE(DS_CONTROL),
        STYLE(DS_CENTER),
        STYLE(DS_CENTERMOUSE),
        STYLE(DS_CONTEXTHELP),
        STYLE(DS_SHELLFONT),
        STYLE(BS_PUSHBUTTON),
        STYLE(BS_DEFPUSHBUTTON),
        STYLE(BS_CHECKBOX),
        STYLE(BS_AUTOCHECKBOX),
        STYLE(BS_RADIOBUTTON),
        STYLE(BS_3STATE),
        STYLE(BS_AUTO3STATE),
        STYLE(BS_GROUPBOX),
        STYLE(BS_USERBUTTON),
        STYLE(BS_AUTORADIOBUTTON),
        STYLE(BS_PUSHBOX),
        STYLE(BS_OWNERDRAW),
        STYLE(BS_LEFTTEXT),
        STYLE(BS_RIGHTBUTTON),
        STYLE(BS_TEXT),
        STYLE(BS_ICON),
        STYLE(BS_BITMAP),
        STYLE(BS_LEFT),
        STYLE(BS_RIGHT),
        STYLE(BS_CENTER),
        STYLE(BS_TOP),
        STYLE(BS_BOTTOM),
        STYLE(BS_VCENTER),
        STYLE(BS_PUSHLIKE),
        STYLE(BS_MULTILINE),
        STYLE(BS_NOTIFY),
        STYLE(BS_FLAT),
        STYLE(ES_LEFT),
        STYLE(ES_CENTER),
        STYLE(ES_RIGHT),
        STYLE(ES_MULTILINE),
        STYLE(ES_UPPERCASE),
        STYLE(ES_LOWERCASE),
        STYLE(ES_PASSWORD),
        STYLE(ES_AUTOVSCROLL),
        STYLE(ES_AUTOHSCROLL),
        STYLE(ES_NOHIDESEL),
        STYLE(ES_OEMCONVERT),
        STYLE(ES_READONLY),
        STYLE(ES_WANTRETURN),
        STYLE(ES_NUMBER),
        STYLE(SS_LEFT),
        STYLE(SS_CENTER),
        STYLE(SS_RIGHT),
        STYLE(SS_ICON),
        STYLE(SS_BLACKRECT),
        STYLE(SS_GRAYRECT),
        STYLE(SS_WHITERECT),
        STYLE(SS_BLACKFRAME),
        STYLE(SS_GRAYFRAME),
        STYLE(SS_WHITEFRAME),
        STYLE(SS_SIMPLE),
        STYLE(SS_LEFTNOWORDWRAP),
        STYLE(SS_OWNERDRAW),
        STYLE(SS_BITMAP),
        STYLE(SS_ETCHEDHORZ),
        STYLE(SS_ETCHEDVERT),
        STYLE(SS_ETCHEDFRAME),
        STYLE(SS_NOPREFIX),
        STYLE(SS_NOTIFY),
        STYLE(SS_CENTERIMAGE),
        STYLE(SS_RIGHTJUST),
        STYLE(SS_REALSIZEIMAGE),
        STYLE(SS_SUNKEN),
        STYLE(SS_ENDELLIPSIS),
        STYLE(SS_PATHELLIPSIS),
        STYLE(CBS_SIMPLE),
        STYLE(CBS_DROPDOWN),
        STYLE(CBS_DROPDOWNLIST),
        STYLE(CBS_OWNERDRAWFIXED),
        STYLE(CBS_OWNERDRAWVARIABLE),
        STYLE(CBS_AUTOHSCROLL),
        STYLE(CBS_OEMCONVERT),
        STYLE(CBS_SORT),
        STYLE(CBS_HASSTRINGS),
        STYLE(CBS_NOINTEGRALHEIGHT),
        STYLE(CBS_DISABLENOSCROLL),
        STYLE(CBS_UPPERCASE),
        STYLE(CBS_LOWERCASE),
        STYLE(LBS_NOTIFY),
        STYLE(LBS_SORT),
        STYLE(LBS_NOREDRAW),
        STYLE(LBS_MULTIPLESEL),
        STYLE(LBS_OWNERDRAWFIXED),
        STYLE(LBS_OWNERDRAWVARIABLE),
        STYLE(LBS_HASSTRINGS),
        STYLE(LBS_USETABSTOPS),
        STYLE(LBS_NOINTEGRALHEIGHT),
        STYLE(LBS_MULTICOLUMN),
        STYLE(LBS_WANTKEYBOARDINPUT),
        STYLE(LBS_EXTENDEDSEL),
        STYLE(LBS_DISABLENOSCROLL),
        STYLE(LBS_NOSEL),
        STYLE(LBS_STANDARD),
        STYLE(TCS_TABS),
        STYLE(TCS_BUTTONS),
        STYLE(TCS_MULTILINE),
        STYLE(TCS_FIXEDWIDTH),
        STYLE(TCS_FOCUSONBUTTONDOWN),
        STYLE(TCS_TOOLTIPS),
        STYLE(TCS_FOCUSNEVER),
    };
    return table;
}

#undef STYLE
#undef EXSTYLE
#undef WIDE_NAME
#undef WIDE_TEXT

} // namespace

std::optional<StyleBits> StyleNames::find(const std::wstring& name) {
    const auto& table = styles();
    const auto it = table.find(name);
    if (it == table.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::optional<int> StyleNames::controlId(const std::wstring& name) {
    static const std::map<std::wstring, int> ids = {
        {L"IDOK", IDOK},         {L"IDCANCEL", IDCANCEL},
        {L"IDABORT", IDABORT},   {L"IDRETRY", IDRETRY},
        {L"IDIGNORE", IDIGNORE}, {L"IDYES", IDYES},
        {L"IDNO", IDNO},         {L"IDCLOSE", IDCLOSE},
        {L"IDHELP", IDHELP},     {L"IDC_STATIC", IDC_STATIC},
    };
    const auto it = ids.find(name);
    if (it == ids.end()) {
        return std::nullopt;
    }
    return it->second;
}

} // namespace ui
