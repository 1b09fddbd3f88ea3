#include "app/ui/OptionsPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QComboBox* listOf(const QStringList& entries, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->addItems(entries);
    list->setCurrentIndex(-1);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

void choose(QComboBox* list, const QString& text)
{
    list->setCurrentIndex(text.isEmpty() ? -1 : list->findText(text));
}

QString chosen(const QComboBox* list)
{
    return list->currentIndex() < 0 ? QString() : list->currentText();
}

// Keywords as the box shows them: comma-separated, each trimmed.
QStringList keywordsIn(const QString& text)
{
    QStringList keywords;
    for (const QString& keyword : text.split(u','))
        if (!keyword.trimmed().isEmpty())
            keywords.append(keyword.trimmed());
    return keywords;
}

} // namespace

OptionsPanel::OptionsPanel(QWidget* parent)
    : QGroupBox(tr("Sending Options"), parent), m_messageType(listOf(MessageTypeChoices(), this)),
      m_pauseEvery(listOf(PauseEveryChoices(), this)), m_pauseFor(listOf(PauseForChoices(), this)),
      m_retryCount(listOf(RetryCountChoices(), this))
{
    auto* layout = new QVBoxLayout(this);
    auto* typeRow = new QFormLayout;
    typeRow->addRow(tr("Message type :"), m_messageType);
    m_messageType->setToolTip(tr("\"Notification\" messages are shown at once on the "
                                 "recipient's screen (flash SMS) and are not stored."));
    layout->addLayout(typeRow);

    m_unicode = addCheck(tr("Enable non-English (Unicode) characters support"),
                         tr("Send the text as UCS2, so every script can be used; a message then "
                            "holds 70 characters instead of 160."));
    m_national = addCheck(tr("Use national language tables where they save parts"),
                          tr("In PDU mode, a Unicode text that the Turkish, Spanish or "
                             "Portuguese tables of the GSM alphabet carry goes in those tables "
                             "when that takes fewer messages; phones without them may show some "
                             "letters wrongly."));
    m_skipDuplicates = addCheck(tr("Skip Duplicate Numbers"),
                                tr("Refuse a number that is already in the list, and send to "
                                   "every number only once."));

    m_delayed = addCheck(tr("Delayed Delivery Option"),
                         tr("Pause all modems after every so many messages."));
    auto* pauseRow = new QHBoxLayout;
    pauseRow->setContentsMargins(24, 0, 0, 0);
    pauseRow->addWidget(new QLabel(tr("Pause every"), this));
    pauseRow->addWidget(m_pauseEvery);
    pauseRow->addWidget(new QLabel(tr("SMS"), this));
    pauseRow->addWidget(new QLabel(tr("for"), this));
    pauseRow->addWidget(m_pauseFor);
    pauseRow->addStretch();
    layout->addLayout(pauseRow);

    m_fast = addCheck(tr("Send as fast as each modem answers"),
                      tr("Go on as soon as a modem has answered instead of waiting the usual "
                         "two seconds after every message part."));
    m_deliveryReports =
        addCheck(tr("Request delivery reports"),
                 tr("Ask the network to report whether each message reached the phone."));

    auto* retryRow = new QHBoxLayout;
    m_retries = new QCheckBox(tr("Retry attempts on Failed SMS"), this);
    m_retries->setToolTip(tr("Send the failed messages again, up to this many rounds."));
    retryRow->addWidget(m_retries);
    retryRow->addWidget(m_retryCount);
    retryRow->addStretch();
    layout->addLayout(retryRow);

    m_exclusion = addCheck(tr("Use Exclusion Rules"),
                           tr("Refuse and skip the numbers of the exclusion lists in use."));
    m_saveSent = addCheck(tr("Save Sent Items"), tr("Log every sent message in Sent Items."));
    m_saveTemplates = addCheck(tr("Save sent message to Templates"),
                               tr("Keep every sent text as a template unless it is one already."));
    m_clearAfter = addCheck(tr("Clear all fields after sending SMS"),
                            tr("Empty the list, the number box and the composer once a run ends."));

    m_optOut = addCheck(tr("Add numbers that reply STOP to an exclusion list"),
                        tr("Read the modems' messages between submissions; a number whose reply "
                           "is one of the keywords goes to the list at once, and its rows not "
                           "sent yet end \"Excluded.\"."));
    m_optOutKeywords = new QLineEdit(this);
    m_optOutKeywords->setObjectName(QStringLiteral("optOutKeywords"));
    m_optOutKeywords->setToolTip(tr("Comma-separated; a reply must be one of them as a whole, "
                                    "letter case and surrounding blanks ignored."));
    m_optOutList = new QLineEdit(this);
    m_optOutList->setObjectName(QStringLiteral("optOutList"));
    m_optOutList->setMaxLength(50);
    m_optOutList->setToolTip(tr("Created, and put in use, when it does not exist."));
    auto* optOutRows = new QFormLayout;
    optOutRows->setContentsMargins(24, 0, 0, 0);
    optOutRows->addRow(tr("Keywords :"), m_optOutKeywords);
    optOutRows->addRow(tr("Exclusion list :"), m_optOutList);
    layout->addLayout(optOutRows);
    layout->addStretch();
    showOptOutTexts(MainWindowOptions{});

    choose(m_messageType, QLatin1String("Standard SMS"));
    for (QCheckBox* box : findChildren<QCheckBox*>())
        connect(box, &QCheckBox::toggled, this, &OptionsPanel::onChanged);
    for (QComboBox* list : findChildren<QComboBox*>())
        connect(list, &QComboBox::currentIndexChanged, this, &OptionsPanel::onChanged);
    for (QLineEdit* edit : {m_optOutKeywords, m_optOutList})
        connect(edit, &QLineEdit::textEdited, this, &OptionsPanel::onChanged);
    enableLists();
}

void OptionsPanel::showOptOutTexts(const MainWindowOptions& o)
{
    m_optOutKeywords->setText(o.optOutKeywords.join(QLatin1String(", ")));
    m_optOutList->setText(o.optOutList);
}

QCheckBox* OptionsPanel::addCheck(const QString& text, const QString& tip)
{
    auto* box = new QCheckBox(text, this);
    box->setToolTip(tip);
    layout()->addWidget(box);
    return box;
}

MainWindowOptions OptionsPanel::options() const
{
    MainWindowOptions o;
    o.messageType = chosen(m_messageType);
    o.unicode = m_unicode->isChecked();
    o.nationalLanguages = m_national->isChecked();
    o.skipDuplicates = m_skipDuplicates->isChecked();
    o.delayedDelivery = m_delayed->isChecked();
    o.pauseEvery = chosen(m_pauseEvery);
    o.pauseFor = chosen(m_pauseFor);
    o.fastSending = m_fast->isChecked();
    o.deliveryReports = m_deliveryReports->isChecked();
    o.retriesOn = m_retries->isChecked();
    o.retryCount = chosen(m_retryCount);
    o.useExclusionRules = m_exclusion->isChecked();
    o.saveSentItems = m_saveSent->isChecked();
    o.saveToTemplates = m_saveTemplates->isChecked();
    o.clearAfterSending = m_clearAfter->isChecked();
    o.optOut = m_optOut->isChecked();
    o.optOutKeywords = keywordsIn(m_optOutKeywords->text());
    // An emptied name box stands for the usual list.
    const QString list = m_optOutList->text().trimmed();
    o.optOutList = list.isEmpty() ? OptOutSettings::defaultListName() : list;
    return o;
}

void OptionsPanel::showOptions(const MainWindowOptions& o)
{
    m_showing = true;
    choose(m_messageType, o.messageType);
    m_unicode->setChecked(o.unicode);
    m_national->setChecked(o.nationalLanguages);
    m_skipDuplicates->setChecked(o.skipDuplicates);
    m_delayed->setChecked(o.delayedDelivery);
    choose(m_pauseEvery, o.pauseEvery);
    choose(m_pauseFor, o.pauseFor);
    m_fast->setChecked(o.fastSending);
    m_deliveryReports->setChecked(o.deliveryReports);
    m_retries->setChecked(o.retriesOn);
    choose(m_retryCount, o.retryCount);
    m_exclusion->setChecked(o.useExclusionRules);
    m_saveSent->setChecked(o.saveSentItems);
    m_saveTemplates->setChecked(o.saveToTemplates);
    m_clearAfter->setChecked(o.clearAfterSending);
    m_optOut->setChecked(o.optOut);
    showOptOutTexts(o);
    enableLists();
    m_showing = false;
}

void OptionsPanel::onChanged()
{
    if (m_showing)
        return;
    // Retries ticked with no count would retry nothing: start from the first count.
    if (m_retries->isChecked() && m_retryCount->currentIndex() < 0) {
        const QSignalBlocker quiet(m_retryCount);
        m_retryCount->setCurrentIndex(0);
    }
    enableLists();
    emit changed();
}

void OptionsPanel::enableLists()
{
    m_pauseEvery->setEnabled(m_delayed->isChecked());
    m_pauseFor->setEnabled(m_delayed->isChecked());
    m_retryCount->setEnabled(m_retries->isChecked());
    m_optOutKeywords->setEnabled(m_optOut->isChecked());
    m_optOutList->setEnabled(m_optOut->isChecked());
}
