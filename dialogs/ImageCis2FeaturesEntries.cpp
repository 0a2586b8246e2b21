#include "dialogs/ImageCis2FeaturesEntries.h"

#include "dialogs/CDlgCis2.h"
#include "dialogs/CDlgProfFeatures.h"
#include "dialogs/CDlgSelectImage.h"
#include "module/ModalLauncher.h"

using frame::CopyBack;

bool StartDlgSelectImage(TfSelectImageDlgData& data) {
    return frame::runModalLauncher<CDlgSelectImage>(&CDlgSelectImage::data_, data, CopyBack::OnOk);
}

bool StartDlgCis2Info(TfDlgCis2Data& data) {
    return frame::runModalLauncher<CDlgCis2>(&CDlgCis2::data_, data, CopyBack::OnOk);
}

bool StartDlgProfFeatures(DlgProfFeaturesData& data) {
    return frame::runModalLauncher<CDlgProfFeatures>(&CDlgProfFeatures::data_, data,
                                                     CopyBack::OnOk);
}
