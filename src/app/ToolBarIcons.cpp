#include "app/ToolBarIcons.h"

#include <QFile>

QIcon ToolBarIcon(const char* name) {
    QString path = QString(":/toolbar/%1.png").arg(QString::fromLatin1(name));
    return QFile::exists(path) ? QIcon(path) : QIcon();
}
