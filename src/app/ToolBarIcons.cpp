#include "app/ToolBarIcons.h"

#include <QFile>

QIcon ToolBarIcon(const char* name) {
    QString path = QString(":/toolbar/%1.png").arg(QString::fromLatin1(name));
    if (!QFile::exists(path)) return QIcon();
    QIcon icon(path);
    // The larger drawing is added by hand: then the icon holds both sizes
    // whatever the screen, and a scaled toolbar picks the sharp one.
    QString large = QString(":/toolbar/%1@2x.png").arg(QString::fromLatin1(name));
    if (QFile::exists(large)) icon.addFile(large);
    return icon;
}
