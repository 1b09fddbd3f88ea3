#include "outbox/ui/SharedOutboxDialog.h"

#include "base/Prompter.h"
#include "outbox/OutboxPush.h"
#include "outbox/SharedOutboxSetting.h"
#include "recipients/RecipientList.h"
#include "widgets/BackgroundJob.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

namespace {

// How often the open window counts the outbox again, and how soon it looks for the answer.
constexpr int RecountMs = 2000;
constexpr int PollMs = 100;

// The states in the order the progress section lists them.
std::array<std::int64_t, 8> countsInOrder(const OutboxCounts& c)
{
    return {c.queued, c.claimed, c.submitting, c.sent, c.failed, c.excluded, c.skipped, c.unknown};
}

} // namespace

SharedOutboxDialog::SharedOutboxDialog(Inputs inputs, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_inputs(inputs), m_prompter(prompter), m_address(new QLineEdit(this)),
      m_state(new QLabel(this)), m_save(new QPushButton(tr("Save"), this)),
      m_send(new QPushButton(OutboxPush::caption(), this)),
      m_progress(new QGroupBox(tr("Progress"), this)), m_countsPanel(new QWidget(m_progress)),
      m_progressError(new QLabel(m_progress)), m_bar(new QProgressBar(m_countsPanel)),
      m_ownProgress(inputs.progress ? nullptr : std::make_unique<OutboxProgress>()),
      m_outbox(inputs.progress ? *inputs.progress : *m_ownProgress)
{
    setWindowTitle(tr("Shared Outbox"));
    m_address->setObjectName("outboxAddress");
    m_address->setPlaceholderText(tr("postgresql://host/database or an SQLite file"));
    m_saved = SharedOutboxSetting(m_inputs.data).address();
    m_address->setText(m_saved);
    m_address->setMinimumWidth(420);
    m_save->setObjectName("saveButton");
    m_send->setObjectName("sendButton");
    m_state->setWordWrap(true);

    auto* intro = new QLabel(tr("Computers that run \"quillon-cli serve\" on the same outbox "
                                "share its rows among their modems; nothing is sent twice."),
                             this);
    intro->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(tr("Database address:"), m_address);
    const std::array<QString, 8> names = {tr("Queued"),  tr("Claimed"), tr("Submitting"),
                                          tr("Sent"),    tr("Failed"),  tr("Excluded"),
                                          tr("Skipped"), tr("Unknown")};
    const std::array<const char*, 8> keys = {"queued", "claimed",  "submitting", "sent",
                                             "failed", "excluded", "skipped",    "unknown"};
    auto* grid = new QGridLayout(m_countsPanel);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < int(names.size()); ++i) {
        m_counts[i] = new QLabel(m_countsPanel);
        m_counts[i]->setObjectName(QStringLiteral("%1Count").arg(keys[i]));
        m_counts[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Two columns of four: open states on the left, ended ones on the right.
        grid->addWidget(new QLabel(names[i], m_countsPanel), i % 4, (i / 4) * 2);
        grid->addWidget(m_counts[i], i % 4, (i / 4) * 2 + 1);
    }
    m_bar->setObjectName("outboxProgress");
    m_bar->setRange(0, 100);
    grid->addWidget(m_bar, 4, 0, 1, 4);
    m_progressError->setObjectName("outboxError");
    m_progressError->setWordWrap(true);
    clearProgress();
    auto* progressLayout = new QVBoxLayout(m_progress);
    progressLayout->addWidget(m_countsPanel);
    progressLayout->addWidget(m_progressError);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_save, QDialogButtonBox::ActionRole);
    buttons->addButton(m_send, QDialogButtonBox::ActionRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(m_state);
    layout->addWidget(m_progress);
    layout->addWidget(buttons);

    auto* recount = new QTimer(this);
    connect(recount, &QTimer::timeout, this, &SharedOutboxDialog::askProgress);
    recount->start(RecountMs);
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, &SharedOutboxDialog::showProgress);
    poll->start(PollMs);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_save, &QPushButton::clicked, this, &SharedOutboxDialog::onSave);
    connect(m_send, &QPushButton::clicked, this, &SharedOutboxDialog::onSend);
    connect(m_address, &QLineEdit::textChanged, this, &SharedOutboxDialog::refresh);
    refresh();
    askProgress();
}

void SharedOutboxDialog::askProgress()
{
    if (!m_saved.isEmpty())
        m_outbox.request(m_saved);
}

void SharedOutboxDialog::clearProgress()
{
    for (QLabel* count : m_counts)
        count->setText(QStringLiteral("-"));
    m_bar->setValue(0);
    m_countsPanel->show();
    m_progressError->hide();
}

void SharedOutboxDialog::showProgress()
{
    const std::optional<OutboxReading> reading = m_outbox.take();
    if (!reading || reading->address != m_saved) // none, or of an address saved over since
        return;
    m_countsPanel->setVisible(reading->counts.has_value());
    m_progressError->setVisible(!reading->counts);
    if (!reading->counts) {
        m_progressError->setText(reading->error);
        return;
    }
    const std::array<std::int64_t, 8> counts = countsInOrder(*reading->counts);
    for (int i = 0; i < int(counts.size()); ++i)
        m_counts[i]->setText(QString::number(counts[i]));
    // Rounded down: 100% only once every row ended.
    m_bar->setValue(int(std::floor(OutboxProgress::endedShare(*reading->counts) * 100)));
}

void SharedOutboxDialog::refresh()
{
    const bool unsaved = m_address->text().trimmed() != m_saved;
    m_save->setEnabled(unsaved);
    m_send->setEnabled(!m_saved.isEmpty() && !unsaved && !m_inputs.recipients.isEmpty());
    m_progress->setVisible(!m_saved.isEmpty());
    m_state->setText(m_saved.isEmpty()
                         ? tr("No shared outbox is set: Send uses this computer's "
                              "modems only.")
                         : tr("%1 rows in the list.").arg(m_inputs.recipients.count()));
}

void SharedOutboxDialog::onSave()
{
    const QString text = m_address->text().trimmed();
    if (!text.isEmpty()) {
        const OutboxAddressResult parsed = ParseOutboxAddress(text, {});
        if (!parsed.address) {
            m_prompter.inform(windowTitle(), parsed.error, Prompter::Icon::Warning);
            return;
        }
    }
    FileError error;
    if (SharedOutboxSetting(m_inputs.data).setAddress(text, &error)) {
        m_saved = text;
        clearProgress(); // the counts shown were another outbox's
        askProgress();
    } else {
        m_prompter.inform(windowTitle(),
                          tr("The address could not be saved: %1").arg(error.description()),
                          Prompter::Icon::Error);
    }
    refresh();
}

void SharedOutboxDialog::onSend()
{
    const QString address = m_saved;
    const auto rows = OutboxPush::confirm(m_inputs.recipients, address, m_inputs.flash,
                                          m_inputs.unicode, m_prompter);
    if (!rows)
        return;
    const OutboxAddress target = *ParseOutboxAddress(address, {}).address;
    auto result = std::make_shared<OutboxPush::Result>();
    RunBackgroundJobAndWait(
        this, [target, rows, result] { *result = OutboxPush::push(target, *rows); },
        tr("Adding the rows to the shared outbox, Please wait..."));
    OutboxPush::report(*result, m_prompter);
}
