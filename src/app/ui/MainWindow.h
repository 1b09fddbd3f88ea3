#pragma once

#include "app/MainWindowLogic.h"

#include <QDialog>
#include <memory>

class CQuillonApp;
class ProcessTable;
class Prompter;

// The main window of the program. Escape never closes it; closing asks first.
class CKORV_QuillonDlg : public QDialog
{
    Q_OBJECT

public:
    CKORV_QuillonDlg(CQuillonApp& app, ProcessTable& processes, QWidget* parent = nullptr);
    ~CKORV_QuillonDlg() override;

    // Replaces the message boxes (tests answer with scripted replies).
    void setPrompter(Prompter& prompter);

public slots:
    void reject() override;
    void onExit();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CQuillonApp& m_app;
    ProcessTable& m_processes;
    std::unique_ptr<Prompter> m_ownPrompter;
    std::unique_ptr<MainWindowLogic> m_logic;
    bool m_exitConfirmed = false;
};
