// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/setup/programsetupmodel.h"

#include "platform/messages.h"
#include "platform/programpaths.h"
#include "settings/settingsstore.h"
#include "text/failure.h"

#include <QFileInfo>

namespace Brolant {

ProgramSetupModel::ProgramSetupModel(SettingsStore &store, Messages &messages) : m_store(store), m_messages(messages) {}

QString ProgramSetupModel::configPath() const
{
    return ProgramPaths(m_store.programFolder()).programConfig();
}

SetupForm ProgramSetupModel::load()
{
    SetupForm form;
    m_loadProblem.clear();
    if (!QFileInfo::exists(configPath())) {
        m_loadProblem = tr("%1 does not exist yet: these are the starting values, and "
                           "saving creates the file.")
                            .arg(FileName::kProgramConfig);
        return form;
    }
    const ProgramFiles files = m_store.programFiles();
    const ConfigFile &file = files.program;
    if (file.readFailure()) {
        m_loadProblem = tr("%1 could not be read (%2): these are the starting values.")
                            .arg(FileName::kProgramConfig, file.readFailure()->forUser());
    } else if (const Result<> read = form.readFrom(file); !read) {
        m_loadProblem = tr("%1 could not be read completely (%2). Those settings "
                           "show their starting values; saving keeps all the others.")
                            .arg(FileName::kProgramConfig, read.failure().forUser());
    }
    return form;
}

bool ProgramSetupModel::save(const SetupForm &form)
{
    if (!form.hasValidPort()) {
        m_messages.message(tr("There is a bad number for Port Number. Must be between 1 and 8 ( 1 or 2 most common )"));
        return false;
    }
    if (const Result<> saved = m_store.saveProgram(form.toConfig()); !saved) {
        m_messages.message(tr("The settings could not be saved, and %1 is unchanged.\n\n%2")
                               .arg(FileName::kProgramConfig, saved.failure().forUser()));
        return false;
    }
    return true;
}

} // namespace Brolant
