#pragma once
// qtview::FileFilters: MFC's file-dialog filter ("Text (*.txt)|*.txt|All (*.*)|*.*||") as Qt's
// name filters ("Text (*.txt)", "All (*)").

#include <QStringList>
#include <string>

namespace qtview {

class FileFilters {
public:
    static QStringList toQt(const std::wstring& mfcFilter);
};

} // namespace qtview
