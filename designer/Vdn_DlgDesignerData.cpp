#include "designer/Vdn_DlgDesignerData.h"

#include "designer/DesignerTexts.h"
#include "platform/core/files/PathBoundary.h"
#include "platform/core/files/PathHelpers.h"
#include "platform/core/files/Vdn_PropertiesList.h"
#include "platform/core/settings/Vdn_Settings.h"
#include "platform/core/text/NumberedTexts.h"
#include "platform/core/text/StringHelpers.h"
#include "platform/ui/controls/CComboBox.h"
#include "platform/ui/dialogs/CDialog.h"
#include "platform/ui/windows/WindowRegistry.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace {

// Where a name lies, for comparing places: absolute and lexically normal, with what exists of
// it resolved as the file system sees it (case, links), so that "lib/./x", "lib//x",
// "lib/../lib/x" and a relative spelling of an absolute path all name one place.
std::filesystem::path placeOf(const Vdn_String& name) {
    const std::filesystem::path native = core::resolveForWriting(name);
    if (native.empty()) {
        return {};
    }
    std::error_code error;
    std::filesystem::path place = std::filesystem::absolute(native, error);
    if (error) {
        place = native;
    }
    std::filesystem::path canonical = std::filesystem::weakly_canonical(place, error);
    if (!error) {
        place = std::move(canonical);
    }
    return place.lexically_normal();
}

// The components of a path below the designer's folder, compared by the components of both
// places without regard to case, so that "..\" cannot lead out of it and "Design2" is not
// below "Design"; nullopt when the path does not lie below it.
std::optional<std::vector<std::wstring>> belowRoot(const Vdn_String& path) {
    const std::filesystem::path root = placeOf(Vdn_DlgDesignerData::getDesignerRootFolder());
    const std::filesystem::path full = placeOf(path);
    if (root.empty() || full.empty()) {
        return std::nullopt;
    }
    auto f = full.begin();
    for (const std::filesystem::path& component : root) {
        if (component.empty()) {
            continue; // the root's trailing separator
        }
        if (f == full.end() ||
            core::fromNativePath(*f).toUpper() != core::fromNativePath(component).toUpper()) {
            return std::nullopt;
        }
        ++f;
    }
    std::vector<std::wstring> below;
    for (; f != full.end(); ++f) {
        if (!f->empty()) {
            below.push_back(core::fromNativePath(*f).str());
        }
    }
    if (below.empty()) {
        return std::nullopt;
    }
    return below;
}

// A design's name: its components below the root, joined as names are stored, without the
// extension.
Vdn_String nameOf(const std::vector<std::wstring>& below) {
    std::wstring joined;
    for (const std::wstring& component : below) {
        joined += (joined.empty() ? L"" : L"\\") + component;
    }
    return removeExtension(Vdn_String(joined));
}

bool refuse(Vdn_String* why, const Vdn_String& reason) {
    if (why != nullptr) {
        *why = reason;
    }
    return false;
}

Vdn_String withExtension(const Vdn_String& path, const wchar_t* extension) {
    return removeExtension(path) + L"." + extension;
}

} // namespace

Vdn_DlgDesignerData::Vdn_DlgDesignerData() = default;

Vdn_DlgDesignerData::Vdn_DlgDesignerData(const Vdn_DlgDesignerData&) : Vdn_DlgDesignerData() {}

Vdn_DlgDesignerData& Vdn_DlgDesignerData::operator=(const Vdn_DlgDesignerData&) {
    return *this;
}

Vdn_DlgDesignerData::~Vdn_DlgDesignerData() {
    removeAllDrawnCtrls();
}

CDialog* Vdn_DlgDesignerData::dialog() const {
    if (!ui::WindowRegistry::instance().isAlive(dialogWindow_) ||
        dialogWindow_->GetSafeHwnd() == nullptr) {
        return nullptr;
    }
    return dynamic_cast<CDialog*>(dialogWindow_);
}

bool Vdn_DlgDesignerData::initialize(CDialog* host, int firstId, int lastId, int typeComboId,
                                     int contentsLabelId, int contentsEditId, int comboListLabelId,
                                     int comboListEditId, bool designerMode) {
    if (host == nullptr) {
        return false;
    }
    dialogWindow_ = host;
    firstId_ = firstId;
    lastId_ = lastId;
    designerMode_ = designerMode;
    initialized_ = true;
    if (!designerMode) {
        return true;
    }
    tracker_ = std::make_unique<CControlTracker>(host);
    typeComboId_ = typeComboId;
    contentsLabelId_ = contentsLabelId;
    contentsEditId_ = contentsEditId;
    comboListLabelId_ = comboListLabelId;
    comboListEditId_ = comboListEditId;
    if (auto* types = dynamic_cast<CComboBox*>(host->GetDlgItem(typeComboId))) {
        types->ResetContent();
        for (int type = 0; type < designer::kControlTypeCount; ++type) {
            types->AddString(dialString(designer::kTypeCaptionBase + type).str());
        }
    }
    updatePropsOfCurSel();
    return true;
}

Vdn_String Vdn_DlgDesignerData::getDesignerRootFolder() {
    return gSettings.libDir() + L"Dialog Templates\\Dialog Design\\";
}

void Vdn_DlgDesignerData::getModuleImages(Vdn_StringArray& names) {
    names = Vdn_StringArray();
    const Vdn_String root = getDesignerRootFolder();
    const auto folder = core::resolveExisting(root);
    if (!folder || !std::filesystem::is_directory(*folder)) {
        return;
    }
    std::vector<std::wstring> found;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(
             *folder, std::filesystem::directory_options::skip_permission_denied, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (!it->is_regular_file(error)) {
            continue;
        }
        std::wstring extension = it->path().extension().wstring();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::towlower);
        if (extension != L".txt") {
            continue;
        }
        std::filesystem::path relative = std::filesystem::relative(it->path(), *folder, error);
        relative.replace_extension();
        std::wstring name = relative.generic_wstring();
        std::replace(name.begin(), name.end(), L'/', L'\\');
        found.push_back(name);
    }
    std::sort(found.begin(), found.end());
    for (const std::wstring& name : found) {
        names.append(name);
    }
}

bool Vdn_DlgDesignerData::isBelowRootFolder(const Vdn_String& path) {
    return belowRoot(path).has_value();
}

bool Vdn_DlgDesignerData::readFromFile(const Vdn_String& path, bool withBitmap, Vdn_String* why) {
    const std::optional<std::vector<std::wstring>> below = belowRoot(path);
    if (!below) {
        return refuse(why, L"not below the designer folder " +
                               core::fromNativePath(core::toNativePath(getDesignerRootFolder())));
    }
    if (!core::fileExists(path)) {
        return refuse(why, L"there is no such file");
    }
    // Whatever is damaged, the design stays as it was.
    Vdn_PropertiesList list;
    if (!list.readFromFile(path)) {
        return refuse(why, L"damaged: not a properties list (a first line \"Vdn_PropertiesList "
                           L"1\", then a type, a key and a value a line, each key once)");
    }
    int count = 0;
    list.getInt(L"nrOfControls", count);
    if (count < 0 || count > kMaxControls) {
        return refuse(why, L"damaged: nrOfControls is " + Vdn_String(count) +
                               L", not between 0 and " + Vdn_String(kMaxControls));
    }
    AcArray<Vdn_DesignerControl> read;
    for (int i = 0; i < count; ++i) {
        Vdn_DesignerControl control;
        control.getFromPropList(list, i);
        for (const double corner :
             {control.topLeftX, control.topLeftY, control.bottomRightX, control.bottomRightY}) {
            if (!std::isfinite(corner)) {
                return refuse(why, L"damaged: a corner of control " + Vdn_String(i) +
                                       L" is not a finite number");
            }
        }
        read.append(control);
    }
    name_ = nameOf(*below);
    removeAllDrawnCtrls();
    controls_ = AcArray<Vdn_DesignerControl>();
    for (int i = 0; i < read.length(); ++i) {
        append(read[i]);
    }
    if (withBitmap) {
        attachBitmap(withExtension(path, L"bmp"));
    }
    return true;
}

bool Vdn_DlgDesignerData::writeToFile(const Vdn_String& path) {
    const std::optional<std::vector<std::wstring>> below = belowRoot(path);
    if (!below) {
        return false;
    }
    const Vdn_String previous = name_;
    name_ = nameOf(*below);
    if (!previous.isEmpty()) {
        const auto source = core::resolveExistingFile(getDesignerRootFolder() + previous + L".bmp");
        const std::filesystem::path target = core::resolveForWriting(withExtension(path, L"bmp"));
        if (source && *source != target) {
            std::error_code ignored;
            std::filesystem::copy_file(*source, target,
                                       std::filesystem::copy_options::overwrite_existing, ignored);
        }
    }
    getSizeFromAllControls();
    Vdn_PropertiesList list;
    list.setInt(L"nrOfControls", controls_.length());
    for (int i = 0; i < controls_.length(); ++i) {
        controls_[i].setToPropList(list, i);
    }
    return list.writeToFile(path);
}

bool Vdn_DlgDesignerData::attachBitmap(const Vdn_String& path) {
    if (!core::fileExists(path)) {
        return false;
    }
    ui::Bitmap::LoadResult loaded = ui::Bitmap::load(path);
    if (!loaded.ok() || loaded.bitmap.isEmpty()) {
        return false; // a picture that does not decode never replaces the one there is
    }
    background_ = std::move(loaded.bitmap);
    imageWidth_ = background_.width();
    imageHeight_ = background_.height();
    mask_ = background_.maskOf(RGB(255, 255, 255));
    return true;
}

void Vdn_DlgDesignerData::getImageSize(int& width, int& height) const {
    width = initialized_ ? imageWidth_ : 0;
    height = initialized_ ? imageHeight_ : 0;
}

// --- the controls --------------------------------------------------------------------------------

int Vdn_DlgDesignerData::append(const Vdn_DesignerControl& control) {
    int id = 0;
    for (int candidate = firstId_; candidate <= lastId_ && candidate > 0; ++candidate) {
        int index = 0;
        if (!findCtrlFromResource(candidate, index)) {
            id = candidate;
            break;
        }
    }
    Vdn_DesignerControl copy = control;
    copy.resourceId = id;
    controls_.append(copy);
    return id;
}

const Vdn_DesignerControl* Vdn_DlgDesignerData::getControl(int index) const {
    return controls_.isValid(index) ? &controls_[index] : nullptr;
}

Vdn_DesignerControl* Vdn_DlgDesignerData::getControlWrite(int index) {
    return controls_.isValid(index) ? &controls_[index] : nullptr;
}

Vdn_DesignerControl* Vdn_DlgDesignerData::getControlFromRes(int id) {
    int index = 0;
    return findCtrlFromResource(id, index) ? &controls_[index] : nullptr;
}

void Vdn_DlgDesignerData::removeControl(int index) {
    if (controls_.isValid(index)) {
        controls_.removeAt(index);
    }
}

bool Vdn_DlgDesignerData::findCtrlFromResource(int id, int& index) const {
    if (id <= 0) {
        return false;
    }
    for (int i = 0; i < controls_.length(); ++i) {
        if (controls_[i].resourceId == id) {
            index = i;
            return true;
        }
    }
    return false;
}

bool Vdn_DlgDesignerData::getDynControlType(int id, Vdn_ControlType& type) const {
    int index = 0;
    if (!findCtrlFromResource(id, index)) {
        return false;
    }
    type = controls_[index].type;
    return true;
}

bool Vdn_DlgDesignerData::isADynControl(int id) const {
    return drawnWithId(id) != nullptr;
}

void Vdn_DlgDesignerData::getAllCtrlNames(Vdn_StringArray& names) const {
    names = Vdn_StringArray();
    for (int i = 0; i < controls_.length(); ++i) {
        if (controls_[i].type == ctVarEdit) {
            names.append(controls_[i].contents);
        }
    }
}

bool Vdn_DlgDesignerData::findEditCtrlWithContents(const Vdn_String& name, int& index) const {
    for (int i = 0; i < controls_.length(); ++i) {
        const Vdn_DesignerControl& control = controls_[i];
        if ((control.type == ctVarEdit || control.type == ctVarCombo) && control.contents == name) {
            index = i;
            return true;
        }
    }
    return false;
}

CControlRect* Vdn_DlgDesignerData::drawnWithId(int id) const {
    if (id <= 0) {
        return nullptr;
    }
    for (const auto& drawn : drawn_) {
        if (drawn->id() == id) {
            return drawn.get();
        }
    }
    return nullptr;
}

// --- coordinates ---------------------------------------------------------------------------------

double Vdn_DlgDesignerData::pixelsToFactor(bool isX, double pixels) const {
    const int size = isX ? imageWidth_ : imageHeight_;
    return size > 0 ? pixels / size : 0.0;
}

double Vdn_DlgDesignerData::factorToPixels(bool isX, double factor) const {
    return factor * (isX ? imageWidth_ : imageHeight_);
}

double Vdn_DlgDesignerData::getTopLeftX(int index) const {
    return controls_.isValid(index) ? factorToPixels(true, controls_[index].topLeftX) : 0.0;
}

double Vdn_DlgDesignerData::getTopLeftY(int index) const {
    return controls_.isValid(index) ? factorToPixels(false, controls_[index].topLeftY) : 0.0;
}

double Vdn_DlgDesignerData::getBottomRightX(int index) const {
    return controls_.isValid(index) ? factorToPixels(true, controls_[index].bottomRightX) : 0.0;
}

double Vdn_DlgDesignerData::getBottomRightY(int index) const {
    return controls_.isValid(index) ? factorToPixels(false, controls_[index].bottomRightY) : 0.0;
}

void Vdn_DlgDesignerData::setTopLeftX(int index, double pixels) {
    if (controls_.isValid(index)) {
        controls_[index].topLeftX = pixelsToFactor(true, pixels);
    }
}

void Vdn_DlgDesignerData::setTopLeftY(int index, double pixels) {
    if (controls_.isValid(index)) {
        controls_[index].topLeftY = pixelsToFactor(false, pixels);
    }
}

void Vdn_DlgDesignerData::setBottomRightX(int index, double pixels) {
    if (controls_.isValid(index)) {
        controls_[index].bottomRightX = pixelsToFactor(true, pixels);
    }
}

void Vdn_DlgDesignerData::setBottomRightY(int index, double pixels) {
    if (controls_.isValid(index)) {
        controls_[index].bottomRightY = pixelsToFactor(false, pixels);
    }
}

double Vdn_DlgDesignerData::getWidth(int index) const {
    return getBottomRightX(index) - getTopLeftX(index);
}

double Vdn_DlgDesignerData::getHeight(int index) const {
    return getBottomRightY(index) - getTopLeftY(index);
}

void Vdn_DlgDesignerData::setWidth(int index, double pixels) {
    setBottomRightX(index, getTopLeftX(index) + pixels);
}

void Vdn_DlgDesignerData::setHeight(int index, double pixels) {
    setTopLeftY(index, getBottomRightY(index) - pixels);
}

Vdn_String Vdn_DlgDesignerData::undeterminedText() {
    return dialString(designer::kUndeterminedText);
}
