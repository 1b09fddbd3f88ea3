#include "app/ui/MainWindow.h"

#include "app/QuillonApp.h"
#include "stores/ui/MessageBoxPrompter.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CKORV_QuillonDlg::CKORV_QuillonDlg(CQuillonApp& app, ProcessTable& processes, QWidget* parent)
    : QDialog(parent), m_app(app), m_processes(processes),
      m_ownPrompter(std::make_unique<MessageBoxPrompter>(this)),
      m_logic(std::make_unique<MainWindowLogic>(app, *m_ownPrompter, processes))
{
    setWindowTitle(tr("KORV Quillon"));
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    auto* deviceLabel = new QLabel(tr("No USB Modem Device is selected."), this);
    layout->addWidget(deviceLabel);
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* exitButton = new QPushButton(tr("Exit"), this);
    exitButton->setAutoDefault(false);
    connect(exitButton, &QPushButton::clicked, this, &CKORV_QuillonDlg::onExit);
    buttons->addWidget(exitButton);
    layout->addLayout(buttons);
    resize(900, 600);
    m_logic->initialise();
}

CKORV_QuillonDlg::~CKORV_QuillonDlg() = default;

void CKORV_QuillonDlg::setPrompter(Prompter& prompter)
{
    m_logic = std::make_unique<MainWindowLogic>(m_app, prompter, m_processes);
}

void CKORV_QuillonDlg::reject()
{
    // Escape is swallowed: the main window closes only through Exit.
}

void CKORV_QuillonDlg::onExit()
{
    if (isMinimized())
        showNormal();
    if (!m_logic->requestExit())
        return;
    m_exitConfirmed = true;
    done(QDialog::Accepted);
}

void CKORV_QuillonDlg::closeEvent(QCloseEvent* event)
{
    if (m_exitConfirmed) {
        event->accept();
        return;
    }
    event->ignore();
    onExit();
}
