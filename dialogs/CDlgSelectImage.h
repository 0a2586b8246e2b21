#pragma once
// CDlgSelectImage: chooses one of a set of pictures shown as thumbnails (template 361,
// "DLG_SELECT_IMAGE"; resizable, its size kept under that name). Each thumbnail is labelled
// with its file's title translated into the work language; the chosen name is the file's own
// title ("Stiffener" for "...\Stiffener.bmp"), whatever language the label is in, because
// callers look files up by it. A picture that cannot be read leaves its thumbnail blank.
// OK with nothing chosen keeps the dialog open; a double click chooses and closes.

#include "module/TfSelectImageDlgData.h"
#include "platform/ui/controls/CImageListCtrl.h"
#include "platform/ui/dialogs/ResizableDialog.h"

class CDlgSelectImage : public ResizableDialog {
public:
    static constexpr UINT IDD = 361;
    static constexpr const wchar_t* kSizeKey = L"DLG_SELECT_IMAGE";
    static constexpr int kImageList = 2500;

    explicit CDlgSelectImage(CWnd* parent = nullptr);

    TfSelectImageDlgData data_;

    BOOL OnInitDialog() override;
    void OnOK() override;

    // "Stiffener" for "c:\lib\Module Pictures\Stiffener.bmp".
    static Vdn_String fileTitle(const Vdn_String& path);

private:
    CImageListCtrl images_;
};
