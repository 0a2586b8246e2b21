#include "designer/DesignerLaunchers.h"

#include "designer/Vdn_DlgDesignerData.h"

void GetImageDlgCtrlNames(const Vdn_String& file, Vdn_StringArray& names) {
    names = Vdn_StringArray();
    Vdn_DlgDesignerData design;
    if (design.readFromFile(file, false)) {
        design.getAllCtrlNames(names);
    }
}
