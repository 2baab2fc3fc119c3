#include "platform/programlocation.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace Brolant {

namespace ProgramLocation {
namespace {
// Copies the defaults into a new program folder; never over a file that is already there.
void seed(const QString &defaults, const QString &folder)
{
    QDirIterator files(defaults, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = folder + u'/' + QDir(defaults).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).path());
        if (!QFileInfo::exists(target))
            QFile::copy(source, target);
    }
}

QString installedDefaults(const QString &executableFolder)
{
    return QDir::cleanPath(executableFolder + QStringLiteral("/../share/brolant"));
}
} // namespace

QString folder(const QString &executableFolder)
{
    const QString defaults = installedDefaults(executableFolder);
    const bool installed = QFileInfo::exists(defaults + QStringLiteral("/prog.cfg"));
    if (!installed && QFileInfo(executableFolder).isWritable())
        return executableFolder;
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                         + QStringLiteral("/brolant");
    if (!QFileInfo::exists(user)) {
        QDir().mkpath(user);
        seed(defaults, user);
    }
    return user;
}

QString chosen(const QString &folder, const QString &executableFolder)
{
    const QString absolute = QDir(folder).absolutePath();
    QDir().mkpath(absolute);
    seed(installedDefaults(executableFolder), absolute);
    return absolute;
}

} // namespace ProgramLocation

} // namespace Brolant
