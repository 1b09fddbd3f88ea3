#include "devices/ui/CAutomated_GSM_Sending.h"

#include "devices/ConnectionTest.h"
#include "widgets/CSpecialEdit.h"
#include "widgets/WaitPopup.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

CAutomated_GSM_Sending::CAutomated_GSM_Sending(ConnectionTest& test, QWidget* parent)
    : QDialog(parent), m_test(test), m_devices(new QTreeWidget), m_cases(new QTreeWidget),
      m_details(new QPlainTextEdit), m_defaultSmsc(new QLineEdit),
      m_customSmsc(new CSpecialEdit(test.prompter())), m_phone(new CSpecialEdit(test.prompter())),
      m_status(new QLabel(tr("Status"))), m_progress(new QProgressBar), m_start(new QPushButton),
      m_stop(new QPushButton(tr("Stop"))), m_saveLog(new QPushButton(tr("Save Test Case Log"))),
      m_clear(new QPushButton(tr("Clear Status"))), m_timer(new QTimer(this))
{
    setWindowTitle(tr("Advanced Connection Troubleshooting"));
    m_devices->setObjectName(QStringLiteral("deviceList"));
    m_cases->setObjectName(QStringLiteral("caseList"));
    m_defaultSmsc->setObjectName(QStringLiteral("defaultSmscField"));
    m_customSmsc->setObjectName(QStringLiteral("customSmscField"));
    m_phone->setObjectName(QStringLiteral("phoneField"));
    m_status->setObjectName(QStringLiteral("statusLabel"));
    m_start->setObjectName(QStringLiteral("startButton"));
    m_stop->setObjectName(QStringLiteral("stopButton"));
    m_saveLog->setObjectName(QStringLiteral("saveLogButton"));
    m_clear->setObjectName(QStringLiteral("clearStatusButton"));
    m_devices->setHeaderLabels({tr("Com Port"), tr("Com Port Details")});
    m_devices->setColumnWidth(0, 80);
    m_devices->setColumnWidth(1, 200);
    m_devices->setRootIsDecorated(false);
    m_cases->setHeaderLabels({tr("Possible Case"), tr("Description"), tr("Status")});
    m_cases->setColumnWidth(0, 120);
    m_cases->setColumnWidth(1, 200);
    m_cases->setColumnWidth(2, 200);
    m_cases->setRootIsDecorated(false);
    m_details->setReadOnly(true);
    m_defaultSmsc->setReadOnly(true);
    m_progress->setRange(0, 100);
    m_phone->setText(m_test.phone);
    auto* use = new QPushButton(tr("Use Selected Case for SMS Sending"));
    use->setObjectName(QStringLiteral("useCaseButton"));
    auto* close = new QPushButton(tr("Close"));
    close->setObjectName(QStringLiteral("closeButton"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("This test will suggest you the best suitable settings for your "
                                  "device for sending messages.")),
                    0, 0, 1, 4);
    grid->addWidget(m_devices, 1, 0, 1, 2);
    grid->addWidget(m_details, 1, 2, 1, 2);
    grid->addWidget(new QLabel(tr("Default SMSC :")), 2, 0);
    grid->addWidget(m_defaultSmsc, 2, 1);
    grid->addWidget(new QLabel(tr("Custom SMSC :")), 2, 2);
    grid->addWidget(m_customSmsc, 2, 3);
    grid->addWidget(new QLabel(tr("Phone No. :")), 3, 0);
    grid->addWidget(m_phone, 3, 1);
    grid->addWidget(m_start, 3, 2);
    grid->addWidget(m_stop, 3, 3);
    grid->addWidget(m_cases, 4, 0, 1, 4);
    grid->addWidget(m_status, 5, 0, 1, 2);
    grid->addWidget(m_progress, 5, 2, 1, 2);
    grid->addWidget(use, 6, 0);
    grid->addWidget(m_saveLog, 6, 1);
    grid->addWidget(m_clear, 6, 2);
    grid->addWidget(close, 6, 3);

    for (const TestDeviceRow& row : m_test.devices())
        m_devices->addTopLevelItem(new QTreeWidgetItem({row.comPort, row.details}));

    connect(m_devices, &QTreeWidget::itemClicked, this, &CAutomated_GSM_Sending::choose);
    connect(m_start, &QPushButton::clicked, this, [this] {
        collect();
        if (m_test.Start())
            m_timer->start(50);
        refresh();
    });
    connect(m_stop, &QPushButton::clicked, this, [this] {
        if (m_test.Stop())
            m_status->setText(WaitPopup::defaultText());
    });
    connect(use, &QPushButton::clicked, this, [this] {
        collect();
        m_test.UseSelectedCase(m_cases->indexOfTopLevelItem(m_cases->currentItem()));
    });
    connect(m_saveLog, &QPushButton::clicked, this, [this] {
        if (!m_test.canSaveLog())
            return;
        const QString chosen =
            QFileDialog::getSaveFileName(this, QString(), QString(), tr("Text Files(*.txt)"));
        if (!chosen.isEmpty())
            m_test.SaveTestCaseLog(ConnectionTest::logFileName(chosen));
    });
    connect(m_clear, &QPushButton::clicked, this, [this] {
        m_test.ClearStatus();
        refresh();
    });
    connect(close, &QPushButton::clicked, this, &CAutomated_GSM_Sending::reject);
    connect(m_timer, &QTimer::timeout, this, &CAutomated_GSM_Sending::tick);
    // Row 0 is chosen as well as highlighted: its cases show and Start tests it.
    if (m_devices->topLevelItemCount() > 0) {
        m_devices->setCurrentItem(m_devices->topLevelItem(0));
        choose(m_devices->topLevelItem(0));
    }
    refresh();
}

void CAutomated_GSM_Sending::choose(QTreeWidgetItem* item)
{
    m_test.chooseDevice(m_devices->indexOfTopLevelItem(item));
    m_defaultSmsc->setText(m_test.defaultSmsc);
    m_customSmsc->setText(m_test.customSmsc);
    m_details->setPlainText(m_test.detailsText());
    m_cases->clear();
    refresh();
}

void CAutomated_GSM_Sending::collect()
{
    m_test.customSmsc = m_customSmsc->text();
    m_test.phone = m_phone->text();
}

void CAutomated_GSM_Sending::tick()
{
    m_test.advanceProgress();
    if (!m_test.isRunning()) {
        m_timer->stop();
        m_test.finishIfDone();
    }
    refresh();
}

void CAutomated_GSM_Sending::refresh()
{
    const bool running = m_test.isRunning();
    m_start->setText(m_test.startCaption());
    m_start->setEnabled(!running);
    m_devices->setEnabled(!running);
    m_customSmsc->setEnabled(!running);
    m_phone->setEnabled(!running);
    m_stop->setVisible(running);
    m_saveLog->setVisible(m_test.logButtonsShown());
    m_clear->setVisible(m_test.logButtonsShown());
    if (!running || !m_test.stopRequested())
        m_status->setText(m_test.statusLine().isEmpty() ? tr("Status") : m_test.statusLine());
    m_progress->setValue(m_test.progress());
    const QList<TestCaseRow> cases = m_test.cases();
    if (m_cases->topLevelItemCount() != cases.size()) {
        m_cases->clear();
        for (const TestCaseRow& row : cases)
            m_cases->addTopLevelItem(new QTreeWidgetItem({row.possibleCase, row.description}));
    }
    for (int i = 0; i < cases.size(); ++i)
        m_cases->topLevelItem(i)->setText(2, cases[i].status);
}

void CAutomated_GSM_Sending::reject()
{
    if (m_test.Close())
        QDialog::reject();
}
