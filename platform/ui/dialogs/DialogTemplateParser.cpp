#include "platform/ui/dialogs/DialogTemplateParser.h"

#include "platform/core/text/CharCase.h"
#include "platform/ui/dialogs/ResourceLineReader.h"
#include "platform/ui/dialogs/StyleNames.h"

#include <memory>
#include <optional>
#include <set>

namespace ui {

namespace {

struct KindEntry {
    const wchar_t* keyword;
    ControlKind kind;
    const wchar_t* className;
    DWORD style;    // default style besides WS_CHILD | WS_VISIBLE
    DWORD typeMask; // explicit type bits replace the default ones
};

constexpr DWORD kComboTypeMask = 0x3;

const KindEntry kKinds[] = {
    {L"ltext", ControlKind::Static, L"Static", SS_LEFT | WS_GROUP, SS_TYPEMASK},
    {L"rtext", ControlKind::Static, L"Static", SS_RIGHT | WS_GROUP, SS_TYPEMASK},
    {L"ctext", ControlKind::Static, L"Static", SS_CENTER | WS_GROUP, SS_TYPEMASK},
    {L"picture", ControlKind::Static, L"Static", SS_BITMAP, SS_TYPEMASK},
    {L"icon", ControlKind::Static, L"Static", SS_ICON, SS_TYPEMASK},
    {L"pushbutton", ControlKind::Button, L"Button", BS_PUSHBUTTON | WS_TABSTOP, BS_TYPEMASK},
    {L"defpushbutton", ControlKind::Button, L"Button", BS_DEFPUSHBUTTON | WS_TABSTOP, BS_TYPEMASK},
    {L"checkbox", ControlKind::Button, L"Button", BS_CHECKBOX | WS_TABSTOP, BS_TYPEMASK},
    {L"autocheckbox", ControlKind::Button, L"Button", BS_AUTOCHECKBOX | WS_TABSTOP, BS_TYPEMASK},
    {L"state3", ControlKind::Button, L"Button", BS_3STATE | WS_TABSTOP, BS_TYPEMASK},
    {L"auto3state", ControlKind::Button, L"Button", BS_AUTO3STATE | WS_TABSTOP, BS_TYPEMASK},
    {L"radiobutton", ControlKind::Button, L"Button", BS_RADIOBUTTON, BS_TYPEMASK},
    {L"autoradiobutton", ControlKind::Button, L"Button", BS_AUTORADIOBUTTON, BS_TYPEMASK},
    {L"groupbox", ControlKind::Button, L"Button", BS_GROUPBOX, BS_TYPEMASK},
    {L"edittext", ControlKind::Edit, L"Edit", ES_LEFT | WS_BORDER | WS_TABSTOP, 0},
    {L"combobox", ControlKind::ComboBox, L"ComboBox", CBS_SIMPLE | WS_TABSTOP, kComboTypeMask},
    {L"listbox", ControlKind::ListBox, L"ListBox", LBS_NOTIFY | WS_BORDER, 0},
    {L"tab", ControlKind::Tab, L"SysTabControl32", 0, 0},
};

const KindEntry* kindByKeyword(const std::wstring& keyword) {
    for (const KindEntry& tmpl : kKinds) {
        if (keyword == tmpl.keyword) {
            return &tmpl;
        }
    }
    return nullptr;
}

ControlKind kindOfClass(const std::wstring& className) {
    struct Known {
        const wchar_t* name;
        ControlKind kind;
    };
    static const Known known[] = {
        {L"Static", ControlKind::Static},   {L"Button", ControlKind::Button},
        {L"Edit", ControlKind::Edit},       {L"ComboBox", ControlKind::ComboBox},
        {L"ListBox", ControlKind::ListBox}, {L"SysTabControl32", ControlKind::Tab},
    };
    for (const Known& k : known) {
        if (core::equalNoCase(className, k.name)) {
            return k.kind;
        }
    }
    return ControlKind::Custom;
}

bool isIdentifier(const std::wstring& word) {
    const auto letter = [](wchar_t c) {
        return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'_';
    };
    if (word.empty() || !letter(word[0])) {
        return false;
    }
    for (wchar_t c : word) {
        if (!letter(c) && !(c >= L'0' && c <= L'9')) {
            return false;
        }
    }
    return true;
}

class Parser : public ResourceLineReader {
public:
    Parser(const std::wstring& fileName, DialogTemplateParseResult& out)
        : ResourceLineReader(fileName, out.diagnostics), out_(out) {}

    void keyword(const std::wstring& keyword) override {
        if (keyword == L"dialog") {
            startDialog();
        } else if (!current_) {
            report(L"\"" + keyword + L"\" outside a dialog (expected \"dialog <id> <NAME>\")");
        } else if (keyword == L"end") {
            expectCount(1, 1);
            finishDialog();
        } else if (keyword == L"caption") {
            caption();
        } else if (keyword == L"size") {
            size();
        } else if (keyword == L"style") {
            dialogStyle();
        } else if (keyword == L"font") {
            font();
        } else if (keyword == L"item") {
            item();
        } else if (keyword == L"control" || kindByKeyword(keyword) != nullptr) {
            control();
        } else {
            report(L"unknown keyword \"" + keyword + L"\"");
        }
    }

    void finish() override {
        if (current_) {
            reportAt(current_->line, L"dialog " + current_->name + L" is not closed with \"end\"");
            current_.reset();
        }
    }

private:
    std::optional<int> controlIdAt(std::size_t i) {
        if (i < count() && !token(i).quoted) {
            if (const auto named = StyleNames::controlId(token(i).text)) {
                return *named;
            }
        }
        const auto value = numberAt(i, L"control id", -1, 65535);
        if (!value) {
            return std::nullopt;
        }
        return static_cast<int>(*value);
    }

    struct StyleSet {
        DWORD added = 0;
        DWORD removed = 0;
        DWORD exAdded = 0;
        DWORD exRemoved = 0;
    };

    // Style names from position i on; "NOT NAME" removes a name. nullopt on an unknown name.
    std::optional<StyleSet> styles(std::size_t i) {
        StyleSet set;
        for (; i < count(); ++i) {
            if (token(i).quoted) {
                report(L"unexpected string \"" + token(i).text + L"\" among the styles");
                return std::nullopt;
            }
            bool remove = false;
            if (token(i).text == L"NOT") {
                remove = true;
                if (++i >= count()) {
                    report(L"NOT without a style name");
                    return std::nullopt;
                }
            }
            const auto bits = StyleNames::find(token(i).text);
            if (!bits) {
                report(L"unknown style \"" + token(i).text + L"\"");
                return std::nullopt;
            }
            if (bits->extended) {
                (remove ? set.exRemoved : set.exAdded) |= bits->value;
            } else {
                (remove ? set.removed : set.added) |= bits->value;
            }
        }
        return set;
    }

    void startDialog() {
        if (current_) {
            reportAt(current_->line, L"dialog " + current_->name + L" is not closed with \"end\"");
            current_.reset();
        }
        damaged_ = false;
        current_ = std::make_unique<DialogTemplate>();
        current_->file = fileName();
        current_->line = lineNumber_;
        current_->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        controlIds_.clear();
        hasSize_ = false;
        lastControl_ = nullptr;
        if (!expectCount(3, 3)) {
            current_->name = L"?";
            return;
        }
        if (const auto id = numberAt(1, L"dialog id", 1, 65535)) {
            current_->id = static_cast<UINT>(*id);
        }
        if (token(2).quoted || !isIdentifier(token(2).text)) {
            report(L"bad dialog name \"" + token(2).text + L"\" (letters, digits and _)");
        }
        current_->name = token(2).text;
    }

    void finishDialog() {
        if (!hasSize_ && !damaged_) {
            lineNumber_ = current_->line;
            report(L"dialog " + current_->name + L" has no size");
        }
        if (!damaged_) {
            out_.templates.push_back(std::move(*current_));
        }
        current_.reset();
        lastControl_ = nullptr;
    }

    void caption() {
        if (!expectCount(2, 2)) {
            return;
        }
        if (!token(1).quoted) {
            report(L"the caption is a \"quoted string\"");
            return;
        }
        current_->caption = token(1).text;
    }

    void size() {
        if (!expectCount(3, 3)) {
            return;
        }
        const auto width = numberAt(1, L"width", 0, 32767);
        const auto height = numberAt(2, L"height", 0, 32767);
        if (width && height) {
            current_->cx = static_cast<int>(*width);
            current_->cy = static_cast<int>(*height);
            hasSize_ = true;
        }
    }

    void dialogStyle() {
        if (!expectCount(2, 64)) {
            return;
        }
        if (const auto set = styles(1)) {
            current_->style = set->added & ~set->removed;
            current_->exStyle = set->exAdded & ~set->exRemoved;
        }
    }

    void font() {
        if (!expectCount(3, 4)) {
            return;
        }
        if (!token(1).quoted) {
            report(L"the font face is a \"quoted string\"");
            return;
        }
        const auto points = numberAt(2, L"font size", 1, 72);
        const auto weight = count() > 3 ? numberAt(3, L"font weight", 0, 1000)
                                        : std::optional<long long>(FW_NORMAL);
        if (points && weight) {
            current_->fontFace = token(1).text;
            current_->fontPoints = static_cast<int>(*points);
            current_->fontWeight = static_cast<int>(*weight);
        }
    }

    void control() {
        lastControl_ = nullptr;
        ControlTemplate tmpl;
        tmpl.line = lineNumber_;
        std::size_t next = 1;
        DWORD style = WS_CHILD | WS_VISIBLE;
        DWORD typeMask = 0;
        if (token(0).text == L"control") {
            if (count() < 2 || !token(1).quoted) {
                report(L"\"control\" needs the window class as a \"quoted string\"");
                return;
            }
            tmpl.className = token(1).text;
            tmpl.kind = kindOfClass(tmpl.className);
            next = 2;
        } else {
            const KindEntry* kind = kindByKeyword(token(0).text);
            tmpl.kind = kind->kind;
            tmpl.className = kind->className;
            style |= kind->style;
            typeMask = kind->typeMask;
        }
        if (count() < next + 5) {
            report(L"\"" + token(0).text + L"\" needs an id and x y width height");
            return;
        }
        const auto id = controlIdAt(next);
        const auto x = numberAt(next + 1, L"x", -32768, 32767);
        const auto y = numberAt(next + 2, L"y", -32768, 32767);
        const auto cx = numberAt(next + 3, L"width", 0, 32767);
        const auto cy = numberAt(next + 4, L"height", 0, 32767);
        if (!id || !x || !y || !cx || !cy) {
            return;
        }
        tmpl.id = *id;
        tmpl.x = static_cast<int>(*x);
        tmpl.y = static_cast<int>(*y);
        tmpl.cx = static_cast<int>(*cx);
        tmpl.cy = static_cast<int>(*cy);
        next += 5;
        if (next < count() && token(next).quoted) {
            tmpl.text = token(next).text;
            ++next;
        }
        const auto set = styles(next);
        if (!set) {
            return;
        }
        if ((set->added & typeMask) != 0) {
            style &= ~typeMask;
        }
        tmpl.style = ((style | set->added) & ~set->removed) | WS_CHILD;
        tmpl.exStyle = set->exAdded & ~set->exRemoved;
        if (tmpl.id != IDC_STATIC && !controlIds_.insert(tmpl.id).second) {
            report(L"control id " + std::to_wstring(tmpl.id) + L" is used twice in dialog " +
                   current_->name);
            return;
        }
        current_->controls.push_back(std::move(tmpl));
        lastControl_ = &current_->controls.back();
    }

    void item() {
        if (lastControl_ == nullptr || (lastControl_->kind != ControlKind::ComboBox &&
                                        lastControl_->kind != ControlKind::ListBox &&
                                        lastControl_->kind != ControlKind::Tab)) {
            report(L"\"item\" must follow a combobox, listbox or tab control");
            return;
        }
        if (!expectCount(2, 3)) {
            return;
        }
        if (!token(1).quoted) {
            report(L"the item text is a \"quoted string\"");
            return;
        }
        TemplateItem entry;
        entry.text = token(1).text;
        if (count() > 2) {
            const auto data = numberAt(2, L"item data", -2147483648LL, 4294967295LL);
            if (!data) {
                return;
            }
            entry.data = static_cast<DWORD_PTR>(*data);
        }
        lastControl_->items.push_back(std::move(entry));
    }

    DialogTemplateParseResult& out_;
    std::unique_ptr<DialogTemplate> current_; // the template being read
    bool hasSize_ = false;
    std::set<int> controlIds_;
    ControlTemplate* lastControl_ = nullptr;
};

} // namespace

DialogTemplateParseResult DialogTemplateParser::parse(const std::vector<std::wstring>& lines,
                                                      const std::wstring& fileName) {
    DialogTemplateParseResult result;
    Parser parser(fileName, result);
    parser.read(lines);
    return result;
}

} // namespace ui
