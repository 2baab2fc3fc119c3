// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/setup/setupform.h"

#include <QCoreApplication>
#include <QString>

namespace Brolant {

class Messages;
class SettingsStore;

// The setup dialog's logic: what it opens with, and whether and how it saves.
class ProgramSetupModel
{
    Q_DECLARE_TR_FUNCTIONS(ProgramSetupModel)

public:
    ProgramSetupModel(SettingsStore &store, Messages &messages);

    // The values to show. A missing or broken prog.cfg still gives a usable form (its design
    // values for whatever could not be read), so the user can always repair the file by saving.
    SetupForm load();
    // Why load() could not read everything, in words for the user; empty when it could.
    QString loadProblem() const { return m_loadProblem; }

    // Checks the port and saves prog.cfg whole through the store. True when written: the dialog
    // may close.
    // Otherwise the user has been shown why and the old file is unchanged.
    bool save(const SetupForm &form);

    QString configPath() const;

private:
    SettingsStore &m_store;
    Messages &m_messages;
    QString m_loadProblem;
};

} // namespace Brolant
