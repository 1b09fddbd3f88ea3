#pragma once

#include <QCoreApplication>

class CQuillonApp;
class ProcessTable;
class Prompter;

// What the main window does, without its widgets.
class MainWindowLogic
{
    Q_DECLARE_TR_FUNCTIONS(MainWindowLogic)

public:
    MainWindowLogic(CQuillonApp& app, Prompter& prompter, ProcessTable& processes);

    // Called when the window opens.
    void initialise();

    // The Exit command and closing the window: nothing while busy; otherwise asks, and on Yes
    // runs the exit sequence. True when the program is to end.
    bool requestExit();

private:
    CQuillonApp& m_app;
    Prompter& m_prompter;
    ProcessTable& m_processes;
};
