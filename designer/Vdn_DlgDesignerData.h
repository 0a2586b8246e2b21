#pragma once
// Vdn_DlgDesignerData: one designed dialog: its controls, its picture, and the windows it draws
// on a host dialog. The designer edits it (designer mode: every control drawn disabled over
// the picture, for moving and sizing); the macro dialog runs it (runtime mode: the controls are
// live and bound to the macro).
//
// A design is a properties-list text file with a ".bmp" picture of the same base name below the
// designer root folder (the library's "Dialog Templates\Dialog Design\"); see
// docs/dialog-design.md. Positions are fractions of the picture, pixels once drawn.

#include "designer/CControlRect.h"
#include "designer/CControlTracker.h"
#include "designer/Vdn_DesignerControl.h"
#include "platform/host/AcArray.h"
#include "platform/ui/graphics/Bitmap.h"
#include "spreadsheet/Vdn_TabMsgHandle.h"

#include <memory>
#include <vector>

class CDC;
class CDialog;
class CWnd;

class Vdn_DlgDesignerData {
public:
    // A design file announcing more controls than this is damaged.
    static constexpr int kMaxControls = 10000;

    Vdn_DlgDesignerData();
    // A design belongs to one host dialog: a copy starts empty.
    Vdn_DlgDesignerData(const Vdn_DlgDesignerData&);
    Vdn_DlgDesignerData& operator=(const Vdn_DlgDesignerData&);
    virtual ~Vdn_DlgDesignerData();

    // --- set-up and files ---
    bool initialize(CDialog* dialog, int firstId, int lastId, int typeComboId, int contentsLabelId,
                    int contentsEditId, int comboListLabelId, int comboListEditId,
                    bool designerMode);
    bool isInitialized() const { return initialized_; }
    bool isDesignerMode() const { return designerMode_; }
    // Reads a design below the root folder (false and unchanged otherwise, or when missing or
    // damaged). why, when given, then says why in a line: "not below the designer folder
    // <root>", "there is no such file", or "damaged: " and what is wrong.
    bool readFromFile(const Vdn_String& path, bool withBitmap, Vdn_String* why = nullptr);
    // Writes the design below the root folder, carrying its picture to the new name; false
    // when nothing was written.
    bool writeToFile(const Vdn_String& path);
    // False, with the picture there is kept, when the file is missing or does not decode.
    bool attachBitmap(const Vdn_String& path);
    void getImageSize(int& width, int& height) const;
    const ui::Bitmap& background() const { return background_; }
    const Vdn_String& name() const { return name_; }
    // The library's "Dialog Templates\Dialog Design\" folder.
    static Vdn_String getDesignerRootFolder();
    // Whether path lies below the root folder: the components of both, made absolute and
    // normal (what exists resolved as the file system sees it), compared without regard to
    // case. A design's name is its path below the root, by the same components.
    static bool isBelowRootFolder(const Vdn_String& path);
    // Every design below the root folder, by name, sorted.
    static void getModuleImages(Vdn_StringArray& names);

    // --- the controls ---
    // Gives the control the lowest free id of the range (0 when none is left), appends a copy
    // and returns the id.
    int append(const Vdn_DesignerControl& control);
    int getNrControls() const { return controls_.length(); }
    const Vdn_DesignerControl* getControl(int index) const;
    Vdn_DesignerControl* getControlWrite(int index);
    Vdn_DesignerControl* getControlFromRes(int id);
    void removeControl(int index);
    bool findCtrlFromResource(int id, int& index) const;
    bool getDynControlType(int id, Vdn_ControlType& type) const;
    bool isADynControl(int id) const;
    void getAllCtrlNames(Vdn_StringArray& names) const;
    bool findEditCtrlWithContents(const Vdn_String& name, int& index) const;

    // --- drawn windows ---
    void redrawAllControls();
    void removeAllDrawnCtrls();
    void drawControl(int index);
    const std::vector<std::unique_ptr<CControlRect>>& drawnControls() const { return drawn_; }
    // The macro dialog's scale of its font (its OK button's height / 20).
    void setFontScale(double scale) { fontScale_ = scale; }
    // Reads the drawn windows' present rectangles back into the fractions.
    void getSizeFromControl(int index);
    void getSizeFromAllControls();

    // --- values (by id of a drawn control) ---
    bool getCtrlValue(int id, Vdn_String& value) const;
    bool setCtrlValue(int id, const Vdn_String& value);
    bool setCtrlReadOnly(int id, bool readOnly);

    // --- keyboard ---
    void sortAllControls();
    bool handleTabKey(int key, Vdn_TabMsgHandle& result);
    bool setFocusToCtrl(bool first);
    bool getFocusedDynControl(int& id) const;

    // --- flex buttons ---
    void getFlexBtnsGroups(Vdn_StringArray& groups) const;
    bool getFlexBtnsInGroup(const Vdn_String& group, Vdn_Array<int>& all,
                            Vdn_Array<int>& withField3) const;
    bool findFlexButton(const Vdn_String& group, const Vdn_String& name, int& index) const;
    void getAllFlexVarsOfGroup(const Vdn_String& group, Vdn_StringArray& names) const;
    bool getFlexBtnGroupName(int id, Vdn_String& group, Vdn_String& name) const;
    bool getFlexBtnStatus(int index, int& status) const;
    bool setFlexBtnStatus(const Vdn_String& group, const Vdn_String& name, int status);
    void hideAllFlexBtns(const Vdn_String& group);

    // --- coordinates ---
    double pixelsToFactor(bool isX, double pixels) const;
    double factorToPixels(bool isX, double factor) const;
    double getTopLeftX(int index) const;
    double getTopLeftY(int index) const;
    double getBottomRightX(int index) const;
    double getBottomRightY(int index) const;
    void setTopLeftX(int index, double pixels);
    void setTopLeftY(int index, double pixels);
    void setBottomRightX(int index, double pixels);
    void setBottomRightY(int index, double pixels);
    double getWidth(int index) const;
    double getHeight(int index) const;
    // right = left + width
    void setWidth(int index, double pixels);
    // Moves the top edge: top = bottom - height.
    void setHeight(int index, double pixels);

    // --- the designer's editing (designer mode, with the tracker's selection) ---
    // A control of the type with the default caption at (0.2, 0.2), 30 x 18 pixels, drawn.
    bool addNewControl(Vdn_ControlType type);
    bool removeCurControls();
    // Copies of the selected controls 20 pixels right and down, which become the selection.
    bool copyCurCtrls();
    // The selected controls take the bottom edge of the left-most one, keeping their heights.
    bool outlineCurCtrls();
    // Of two selected controls, the right one is placed right beside the left one.
    bool stickRightCurCtrls();
    // Asks a width (or height) in pixels and gives it to every selected control.
    bool changeCtrlSize(bool width);
    void changeCtrlSize(int index, bool width, double pixels);
    void selectCtrls(const std::vector<int>& ids);
    bool findMostLeftCtrl(const std::vector<int>& ids, int& index) const;
    // The model index of the one selected control, else -1.
    int getCurSel() const;
    void updatePropsOfCurSel();
    void propsOfCurSelUpdated();
    void updateProps(int index);
    void readProps(int index);
    // Every control's fractions, on the command line.
    void printPositions() const;
    // The controls as they are now (drawn positions read back), for undo; restore puts such a
    // state back and draws it, selecting nothing.
    AcArray<Vdn_DesignerControl> snapshot();
    void restore(const AcArray<Vdn_DesignerControl>& controls);
    CControlTracker* tracker() const { return tracker_.get(); }

    // --- the host dialog's painting and mouse ---
    // The picture (through its white mask) on the dialog face; returns 0 as the handler does.
    BOOL OnEraseBkgnd(CDC* dc);
    void OnLButtonDown(UINT flags, CPoint point);
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
    void OnPaint(CDC* dc);

    // The texts a check box shows for its third state, and the cut states of a cut combo.
    static Vdn_String undeterminedText();

private:
    CDialog* dialog() const;
    void fillCombo(const Vdn_DesignerControl& control, CWnd& window) const;
    CControlRect* drawnWithId(int id) const;
    void repaint() const;
    const Vdn_DesignerControl* controlWithTabOrder(int position) const;

    bool initialized_ = false;
    CWnd* dialogWindow_ = nullptr;
    std::vector<std::unique_ptr<CControlRect>> drawn_;
    std::unique_ptr<CControlTracker> tracker_;
    ui::Bitmap background_;
    ui::BitmapMask mask_;
    int imageWidth_ = 0;
    int imageHeight_ = 0;
    int firstId_ = 0;
    int lastId_ = 0;
    bool designerMode_ = false;
    int typeComboId_ = 0;
    int contentsLabelId_ = 0;
    int contentsEditId_ = 0;
    int comboListLabelId_ = 0;
    int comboListEditId_ = 0;
    Vdn_String name_;
    bool updating_ = false;
    double fontScale_ = 1.0;
    AcArray<Vdn_DesignerControl> controls_;
};
