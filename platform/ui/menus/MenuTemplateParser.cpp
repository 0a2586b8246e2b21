#include "platform/ui/menus/MenuTemplateParser.h"

#include "platform/ui/dialogs/ResourceLineReader.h"

#include <memory>
#include <optional>

namespace ui {

namespace {

class Parser : public ResourceLineReader {
public:
    Parser(const std::wstring& fileName, MenuTemplateParseResult& out)
        : ResourceLineReader(fileName, out.diagnostics), out_(out) {}

    void keyword(const std::wstring& keyword) override {
        if (keyword == L"menu") {
            startMenu();
        } else if (!current_) {
            report(L"\"" + keyword + L"\" outside a menu (expected \"menu <id> [NAME]\")");
        } else if (keyword == L"end") {
            end();
        } else if (keyword == L"popup") {
            popup();
        } else if (keyword == L"item") {
            item();
        } else if (keyword == L"separator") {
            if (count() != 1) {
                report(L"\"separator\" takes no values");
            }
            MenuTemplateEntry entry;
            entry.kind = MenuTemplateEntry::Kind::Separator;
            target().push_back(entry);
        } else {
            report(L"unknown keyword \"" + keyword + L"\"");
        }
    }

    void finish() override {
        if (current_) {
            reportAt(current_->line,
                     L"menu " + std::to_wstring(current_->id) + L" is not closed with \"end\"");
            current_.reset();
        }
    }

private:
    // The entry list new entries go to: the innermost open pop-up, else the menu.
    std::vector<MenuTemplateEntry>& target() {
        std::vector<MenuTemplateEntry>* list = &current_->entries;
        for (std::size_t depth = 0; depth < openPopups_; ++depth) {
            list = &list->back().entries;
        }
        return *list;
    }

    // CHECKED, GRAYED, DISABLED, RADIO after position i.
    std::optional<UINT> states(std::size_t i) {
        UINT state = 0;
        for (; i < count(); ++i) {
            const std::wstring& word = token(i).text;
            if (token(i).quoted) {
                report(L"unexpected string \"" + word + L"\"");
                return std::nullopt;
            }
            if (word == L"CHECKED") {
                state |= MF_CHECKED;
            } else if (word == L"GRAYED") {
                state |= MF_GRAYED;
            } else if (word == L"DISABLED") {
                state |= MF_DISABLED;
            } else if (word == L"RADIO") {
                state |= MFT_RADIOCHECK;
            } else {
                report(L"unknown item state \"" + word + L"\" (CHECKED, GRAYED, DISABLED, RADIO)");
                return std::nullopt;
            }
        }
        return state;
    }

    void startMenu() {
        if (current_) {
            reportAt(current_->line,
                     L"menu " + std::to_wstring(current_->id) + L" is not closed with \"end\"");
        }
        current_ = std::make_unique<MenuTemplate>();
        current_->file = fileName();
        current_->line = lineNumber_;
        openPopups_ = 0;
        phantomPopups_ = 0;
        damaged_ = false;
        if (count() < 2 || count() > 3) {
            report(L"\"menu\" takes an id and an optional name");
            return;
        }
        if (const auto id = numberAt(1, L"menu id", 1, 65535)) {
            current_->id = static_cast<UINT>(*id);
        }
        if (count() == 3) {
            current_->name = token(2).text;
        }
    }

    void end() {
        if (phantomPopups_ > 0) {
            --phantomPopups_;
            return;
        }
        if (openPopups_ > 0) {
            --openPopups_;
            return;
        }
        if (!damaged_) {
            out_.menus.push_back(std::move(*current_));
        }
        current_.reset();
    }

    // A pop-up line in error still opens a level, so that its "end" is not taken for the
    // menu's own.
    void popup() {
        if (count() < 2 || !token(1).quoted) {
            report(L"\"popup\" needs its text as a \"quoted string\"");
            ++phantomPopups_;
            return;
        }
        if (openPopups_ + 1 > static_cast<std::size_t>(MenuTemplateParser::kMaxDepth)) {
            report(L"pop-ups nest deeper than " + std::to_wstring(MenuTemplateParser::kMaxDepth) +
                   L" levels");
            ++phantomPopups_;
            return;
        }
        const auto state = states(2);
        if (!state) {
            ++phantomPopups_;
            return;
        }
        MenuTemplateEntry entry;
        entry.kind = MenuTemplateEntry::Kind::Popup;
        entry.text = token(1).text;
        entry.state = *state & (MF_GRAYED | MF_DISABLED);
        target().push_back(std::move(entry));
        ++openPopups_;
    }

    void item() {
        if (count() < 3 || !token(2).quoted) {
            report(L"\"item\" needs an id and its text as a \"quoted string\"");
            return;
        }
        const auto id = numberAt(1, L"command id", 1, 65535);
        const auto state = states(3);
        if (!id || !state) {
            return;
        }
        MenuTemplateEntry entry;
        entry.kind = MenuTemplateEntry::Kind::Item;
        entry.id = static_cast<UINT>(*id);
        entry.text = token(2).text;
        entry.state = *state;
        target().push_back(std::move(entry));
    }

    MenuTemplateParseResult& out_;
    std::unique_ptr<MenuTemplate> current_; // the template being read
    std::size_t openPopups_ = 0;
    std::size_t phantomPopups_ = 0;
};

} // namespace

MenuTemplateParseResult MenuTemplateParser::parse(const std::vector<std::wstring>& lines,
                                                  const std::wstring& fileName) {
    MenuTemplateParseResult result;
    Parser parser(fileName, result);
    parser.read(lines);
    return result;
}

} // namespace ui
