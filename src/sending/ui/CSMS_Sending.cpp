#include "sending/ui/CSMS_Sending.h"

#include "base/Prompter.h"
#include "sending/QueueRow.h"
#include "sending/RunTexts.h"
#include "sending/SendQueueModel.h"
#include "sending/SendingRun.h"
#include "widgets/ListColumns.h"
#include "widgets/WaitPopup.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

SendingContext withExports(SendingContext context, ProcessStatusExport* exports)
{
    context.exports = exports;
    return context;
}

} // namespace

CSMS_Sending::CSMS_Sending(SendingContext context, const StatusExportFactory& exports,
                           QWidget* parent)
    : QDialog(parent), m_exports(exports ? exports(this) : nullptr),
      m_run(std::make_unique<SendingRun>(withExports(std::move(context), m_exports.get()))),
      m_model(new SendQueueModel(m_run->queue(), m_run->context().deliveries, this)),
      m_content(new QWidget(this)), m_status(new QLabel(m_content)),
      m_progressText(new QLabel(m_content)), m_pause(new QLabel(m_content)),
      m_note(new QLabel(m_content)), m_progress(new QProgressBar(m_content)),
      m_activity(new QProgressBar(m_content)), m_list(new QTableView(m_content)),
      m_stop(new QPushButton(RunTexts::StopButton(), m_content)),
      m_export(new QPushButton(tr("Export"), m_content)), m_timer(new QTimer(this))
{
    setWindowTitle(RunTexts::SendingCaption());
    resize(760, 520);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_content);
    auto* layout = new QVBoxLayout(m_content);
    m_note->setWordWrap(true);
    m_activity->setRange(0, 100);
    m_activity->setTextVisible(false);
    layout->addWidget(m_note);
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
    layout->addWidget(m_activity);
    layout->addWidget(m_progressText);
    layout->addWidget(m_pause);
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setShowGrid(true);
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->hide();
    layout->addWidget(m_list, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_export);
    buttons->addWidget(m_stop);
    layout->addLayout(buttons);
    m_stop->setEnabled(false);
    m_export->hide();
    connect(m_stop, &QPushButton::clicked, this, &CSMS_Sending::onStop);
    connect(m_export, &QPushButton::clicked, this, &CSMS_Sending::onExport);
    connect(m_timer, &QTimer::timeout, this, &CSMS_Sending::refresh);
}

CSMS_Sending::~CSMS_Sending() = default;

void CSMS_Sending::buildColumns(bool retriesOn)
{
    for (int c = 0; c < QueueColumnCount; ++c) {
        const int width = QueueColumnWidth(QueueColumn(c), retriesOn);
        m_list->setColumnHidden(c, width == 0);
        if (width > 0)
            m_list->setColumnWidth(c,
                                   c == NumberColumn ? NumberColumnWidth(*m_list, width) : width);
    }
    FillWithColumn(*m_list->horizontalHeader(), MessageColumn);
    m_columnsBuilt = true;
}

void CSMS_Sending::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    m_run->open();
    buildColumns(m_run->view().retriesOn);
    refresh();
    m_timer->start(RefreshMs);
}

void CSMS_Sending::refresh()
{
    const RunView view = m_run->view();
    if (!m_columnsBuilt)
        buildColumns(view.retriesOn);
    m_model->refresh();
    setWindowTitle(view.caption);
    m_status->setText(view.statusLabel);
    m_note->setText(view.noteText);
    m_progress->setRange(0, std::max(0, view.progressMax));
    m_progress->setValue(std::clamp(view.progressValue, 0, std::max(0, view.progressMax)));
    m_activity->setValue(view.activityValue);
    m_progressText->setText(view.progressText);
    m_pause->setText(view.pauseLabel);
    m_stop->setText(view.stopButtonText);
    m_stop->setEnabled(view.stopEnabled);
    m_export->setVisible(view.exportVisible);
    m_content->setEnabled(view.windowEnabled);
    if (view.waitPopupVisible && !m_wait) {
        m_wait = new WaitPopup(this);
        m_wait->show();
    } else if (!view.waitPopupVisible && m_wait) {
        m_wait->deleteLater();
        m_wait = nullptr;
    }
    if (view.resendQuestionRows > 0)
        askResend(view.resendQuestionRows);
    if (view.closed && isVisible()) {
        m_timer->stop();
        done(QDialog::Accepted);
    }
}

// The retry round waits for this answer; the timer rests while the question is open.
void CSMS_Sending::askResend(int rows)
{
    m_timer->stop();
    const bool resend =
        m_run->context().prompter.confirm(tr("Confirm"), SendingRun::resendQuestionText(rows));
    m_run->answerResendQuestion(resend);
    m_timer->start(RefreshMs);
}

void CSMS_Sending::onStop()
{
    m_run->stopPressed();
    refresh();
}

void CSMS_Sending::onExport()
{
    m_run->exportPressed();
}

void CSMS_Sending::reject()
{
    // Escape is swallowed; closing goes through the run.
}

void CSMS_Sending::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (m_run->view().closed) {
        event->accept();
        return;
    }
    m_run->closePressed();
    refresh();
}

QString CSMS_Sending::statusText() const
{
    return m_status->text();
}

QString CSMS_Sending::progressText() const
{
    return m_progressText->text();
}

QString CSMS_Sending::pauseText() const
{
    return m_pause->text();
}
