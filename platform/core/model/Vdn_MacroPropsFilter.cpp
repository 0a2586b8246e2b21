#include "platform/core/model/Vdn_MacroPropsFilter.h"

#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/model/MacroReadResult.h"
#include "platform/core/model/Vdn_DbMacro.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

namespace {

// Sub-folders of a library folder, in name order.
std::vector<Vdn_String> subFolders(const Vdn_String& folder) {
    std::vector<Vdn_String> names;
    const auto resolved = core::resolveExisting(folder);
    std::error_code error;
    if (!resolved || !std::filesystem::is_directory(*resolved, error))
        return names;
    for (std::filesystem::directory_iterator it(*resolved, error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_directory(error))
            names.push_back(core::fromNativePath(it->path().filename()));
    }
    std::sort(names.begin(), names.end(),
              [](const Vdn_String& a, const Vdn_String& b) { return a.toLower() < b.toLower(); });
    return names;
}

void collectDrawings(const Vdn_String& folder, int depth, Vdn_StringArray& files) {
    const Vdn_String pattern = folder + L"*." + Vdn_MacroPropsFilter::kDrawingExtension;
    for (const std::filesystem::path& file : core::findMatching(pattern))
        files.append(folder + core::fromNativePath(file.filename()));
    if (depth == 0)
        return;
    for (const Vdn_String& sub : subFolders(folder))
        collectDrawings(folder + sub + L"\\", depth - 1, files);
}

// What one drawing holds, by module name: its property texts.
using Holding = std::map<Vdn_String, std::vector<Vdn_String>>;

struct NameLess {
    bool operator()(const Vdn_String& a, const Vdn_String& b) const {
        return a.toLower() < b.toLower();
    }
};

} // namespace

void Vdn_MacroPropsFilter::init(const Vdn_StringArray& folders, const Vdn_Array<bool>& enabled,
                                int depth, int propertyLimit) {
    drawings_.clear();
    modules_.clear();
    problems_.clear();

    Vdn_StringArray files;
    for (int i = 0; i < folders.length(); ++i) {
        if (i < enabled.length() && !enabled[i])
            continue;
        if (!folders[i].trim().isEmpty())
            collectDrawings(ensureEndBSlash(folders[i].trim()), depth, files);
    }

    // Module name (any case) -> property texts of all drawings.
    std::map<Vdn_String, std::vector<Vdn_String>, NameLess> merged;
    std::vector<std::map<Vdn_String, std::vector<Vdn_String>, NameLess>> held(
        static_cast<std::size_t>(files.length()));
    for (int i = 0; i < files.length(); ++i) {
        const core::MacroReadResult read = Vdn_DbMacro::readFromFile(files[i]);
        if (!read) {
            problems_.append(files[i] + L": " + read.message());
            continue;
        }
        auto& holding = held[static_cast<std::size_t>(i)];
        for (const Vdn_Module& module : read.macro().modules) {
            auto& texts = holding[module.tabName()];
            auto& all = merged[module.tabName()];
            for (const Vdn_ConstraintVariable& variable : module.variables) {
                if (!variable.shown)
                    continue;
                const Vdn_String text = variable.name + L" = " + variable.value;
                texts.push_back(text);
                if (std::find(all.begin(), all.end(), text) == all.end())
                    all.push_back(text);
            }
        }
    }

    for (auto& [name, texts] : merged) {
        std::sort(texts.begin(), texts.end(), NameLess());
        if (propertyLimit >= 0 && texts.size() > static_cast<std::size_t>(propertyLimit))
            texts.resize(static_cast<std::size_t>(propertyLimit));
        Module module;
        module.name = name;
        for (const Vdn_String& text : texts)
            module.properties.append(text);
        module.propertyOn.assign(texts.size(), true);
        modules_.push_back(std::move(module));
    }

    for (int i = 0; i < files.length(); ++i) {
        Drawing drawing;
        drawing.path = files[i];
        for (const auto& [name, texts] : held[static_cast<std::size_t>(i)]) {
            Use use;
            const auto found = merged.find(name);
            use.module = static_cast<int>(std::distance(merged.begin(), found));
            const Vdn_StringArray& properties =
                modules_[static_cast<std::size_t>(use.module)].properties;
            for (const Vdn_String& text : texts) {
                const int index = properties.find(text);
                if (index >= 0)
                    use.properties.push_back(index);
            }
            drawing.uses.push_back(std::move(use));
        }
        drawings_.push_back(std::move(drawing));
    }
}

void Vdn_MacroPropsFilter::getAllDwgFiles(Vdn_StringArray& files) const {
    files.clear();
    for (const Drawing& drawing : drawings_)
        files.append(drawing.path);
}

bool Vdn_MacroPropsFilter::passes(const Drawing& drawing) const {
    for (const Use& use : drawing.uses) {
        const Module& module = modules_[static_cast<std::size_t>(use.module)];
        if (!module.on)
            return false;
        for (const int property : use.properties) {
            if (!module.propertyOn[static_cast<std::size_t>(property)])
                return false;
        }
    }
    return true;
}

void Vdn_MacroPropsFilter::getFilteredMacros(Vdn_StringArray& files) const {
    files.clear();
    for (const Drawing& drawing : drawings_) {
        if (passes(drawing))
            files.append(drawing.path);
    }
}

void Vdn_MacroPropsFilter::getMergedProps(Vdn_Array<Vdn_StringArray>& rows,
                                          Vdn_Array<Vdn_Array<bool>>& states) const {
    rows.clear();
    states.clear();
    for (const Module& module : modules_) {
        Vdn_StringArray texts;
        Vdn_Array<bool> on;
        texts.append(module.name);
        on.append(module.on);
        for (int i = 0; i < module.properties.length(); ++i) {
            texts.append(module.properties[i]);
            on.append(module.propertyOn[static_cast<std::size_t>(i)]);
        }
        rows.append(texts);
        states.append(on);
    }
}

bool Vdn_MacroPropsFilter::setModuleStatus(int row, bool on) {
    if (row < 0 || row >= static_cast<int>(modules_.size()))
        return false;
    modules_[static_cast<std::size_t>(row)].on = on;
    return true;
}

bool Vdn_MacroPropsFilter::setModulePropStatus(int row, int position, bool on) {
    if (row < 0 || row >= static_cast<int>(modules_.size()))
        return false;
    Module& module = modules_[static_cast<std::size_t>(row)];
    if (position < 1 || position > module.properties.length())
        return false;
    module.propertyOn[static_cast<std::size_t>(position - 1)] = on;
    return true;
}
