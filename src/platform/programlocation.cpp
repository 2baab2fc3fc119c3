// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/programlocation.h"

#include "text/failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace Brolant {

namespace ProgramLocation {
namespace {
QStringList defaultFiles()
{
    return QStringLiteral(BROLANT_DEFAULT_FILES).split(u',');
}

bool holdsDefaults(const QString &folder)
{
    return QFileInfo::exists(folder + QStringLiteral("/prog.cfg"));
}

QString installedDefaults(const QString &executableFolder)
{
    return QDir::cleanPath(executableFolder + QStringLiteral("/../share/brolant"));
}

// Copies the default files into a program folder that holds none of them yet (new, or made by the
// user only to put a COM link in), from where they were installed, else from beside the program (a
// build, an install of one program folder). A folder that has some of them is the user's: a
// prog.cfg removed there stays removed, so Program Setup asks for the settings.
void seed(const QString &executableFolder, const QString &folder)
{
    const QStringList files = defaultFiles();
    if (std::any_of(files.begin(), files.end(),
                    [&](const QString &name) { return QFileInfo::exists(folder + u'/' + name); }))
        return;
    const QString installed = installedDefaults(executableFolder);
    const QString defaults = holdsDefaults(installed) ? installed : executableFolder;
    for (const QString &name : files) {
        const QString target = folder + u'/' + name;
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(defaults + u'/' + name, target);
    }
}
} // namespace

QString folder(const QString &executableFolder)
{
    const bool installed = holdsDefaults(installedDefaults(executableFolder));
    if (!installed && QFileInfo(executableFolder).isWritable())
        return executableFolder;
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                         + QStringLiteral("/brolant");
    QDir().mkpath(user);
    seed(executableFolder, user);
    return user;
}

Result<QString> chosen(const QString &folder, const QString &executableFolder)
{
    const QString absolute = QDir(folder).absolutePath();
    const QFileInfo info(absolute);
    if (info.exists() && !info.isDir())
        return Failure{QStringLiteral("%1 is a file, not a folder").arg(QDir::toNativeSeparators(absolute))};
    if (!QDir().mkpath(absolute))
        return Failure{QStringLiteral("the folder %1 cannot be made").arg(QDir::toNativeSeparators(absolute))};
    seed(executableFolder, absolute);
    return absolute;
}

} // namespace ProgramLocation

} // namespace Brolant
