#include "app/MainWindowLogic.h"

#include "app/ExitSequence.h"
#include "app/QuillonApp.h"
#include "stores/Prompter.h"

MainWindowLogic::MainWindowLogic(CQuillonApp& app, Prompter& prompter, ProcessTable& processes)
    : m_app(app), m_prompter(prompter), m_processes(processes)
{}

void MainWindowLogic::initialise()
{
    m_app.dataFolder().EnsureDataFolder();
}

bool MainWindowLogic::requestExit()
{
    if (m_app.state().isBusy())
        return false;
    if (!m_prompter.confirm(tr("Confirm"), tr("Do you want to exit from KORV Quillon Software?")))
        return false;
    RunExitSequence(m_app.programFolder(), m_processes);
    return true;
}
