#include "platform/qt/FileFilters.h"

namespace qtview {

QStringList FileFilters::toQt(const std::wstring& mfcFilter) {
    const QStringList parts = QString::fromStdWString(mfcFilter).split(u'|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& name = parts[i];
        QString patterns = parts[i + 1];
        if (name.isEmpty() || patterns.isEmpty()) {
            break; // "||" ends the list
        }
        // Win32's "*.*" matches every name; Qt's would only match names with a dot.
        patterns.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        patterns.replace(u';', u' ');
        filters << QStringLiteral("%1 (%2)").arg(name.section(u'(', 0, 0).trimmed(), patterns);
    }
    return filters;
}

} // namespace qtview
