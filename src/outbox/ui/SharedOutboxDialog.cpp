#include "outbox/ui/SharedOutboxDialog.h"

#include "base/Prompter.h"
#include "outbox/OutboxPush.h"
#include "outbox/SharedOutboxSetting.h"
#include "recipients/RecipientList.h"
#include "widgets/BackgroundJob.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

SharedOutboxDialog::SharedOutboxDialog(Inputs inputs, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_inputs(inputs), m_prompter(prompter), m_address(new QLineEdit(this)),
      m_state(new QLabel(this)), m_save(new QPushButton(tr("Save"), this)),
      m_send(new QPushButton(OutboxPush::caption(), this))
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
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(m_save, QDialogButtonBox::ActionRole);
    buttons->addButton(m_send, QDialogButtonBox::ActionRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(m_state);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_save, &QPushButton::clicked, this, &SharedOutboxDialog::onSave);
    connect(m_send, &QPushButton::clicked, this, &SharedOutboxDialog::onSend);
    connect(m_address, &QLineEdit::textChanged, this, &SharedOutboxDialog::refresh);
    refresh();
}

void SharedOutboxDialog::refresh()
{
    const bool unsaved = m_address->text().trimmed() != m_saved;
    m_save->setEnabled(unsaved);
    m_send->setEnabled(!m_saved.isEmpty() && !unsaved && !m_inputs.recipients.isEmpty());
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
    if (SharedOutboxSetting(m_inputs.data).setAddress(text, &error))
        m_saved = text;
    else
        m_prompter.inform(windowTitle(),
                          tr("The address could not be saved: %1").arg(error.description()),
                          Prompter::Icon::Error);
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
