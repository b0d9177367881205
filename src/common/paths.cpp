#include "common/paths.h"

#include <QDir>

namespace noktaris {

QString resolvePath(const QString& programPath, const QString& base)
{
    const QStringList parts = QString(programPath).replace(u'\\', u'/').split(u'/');
    QString resolved = base;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString chosen = part;
        const QDir dir(resolved.isEmpty() ? QStringLiteral(".") : resolved);
        if (!part.isEmpty() && part != u"." && part != u".." && !dir.exists(part)) {
            const QStringList entries =
                dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    chosen = entry;
                    break;
                }
            }
        }
        if (i > 0 || part.isEmpty() || !base.isEmpty())
            resolved += u'/';
        resolved += chosen;
    }
    return resolved;
}

} // namespace noktaris
