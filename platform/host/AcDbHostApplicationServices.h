#pragma once

// What the host tells about itself: its product name and major release number (AutoCAD 2010
// is release 18). Together they name the host's drag format of drawing objects.
class AcDbHostApplicationServices {
public:
    const wchar_t* product() const { return L"AutoCAD"; }
    int releaseMajorVersion() const { return 18; }
};

AcDbHostApplicationServices* acdbHostApplicationServices();
