#include "sending/ui/CampaignPreviewDlg.h"

#include "recipients/RecipientList.h"
#include "widgets/BackgroundJob.h"

#include <QCheckBox>
#include <QDoubleValidator>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

namespace {

// A longer list is counted off the UI thread, behind the wait pop-up.
constexpr int RowsCountedInline = 20000;

} // namespace

CampaignPreviewDlg::CampaignPreviewDlg(RecipientList& list, PreviewSettings settings,
                                       const PreviewChoiceStore& store, bool sendStep,
                                       QWidget* parent)
    : QDialog(parent), m_list(list), m_settings(std::move(settings)), m_store(store),
      m_choices(store.load())
{
    setWindowTitle(tr("Campaign Preview"));
    auto* layout = new QVBoxLayout(this);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("previewSummary"));
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);

    auto* priceRow = new QHBoxLayout;
    priceRow->addWidget(new QLabel(tr("Price per SMS part:"), this));
    m_price = new QLineEdit(this);
    m_price->setObjectName(QStringLiteral("pricePerPart"));
    auto* validator = new QDoubleValidator(0, 1e9, 6, m_price);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(QLocale::c());
    m_price->setValidator(validator);
    if (m_choices.pricePerPart > 0)
        m_price->setText(QString::number(m_choices.pricePerPart, 'g', 15));
    priceRow->addWidget(m_price);
    priceRow->addStretch();
    layout->addLayout(priceRow);

    auto* replaceRow = new QHBoxLayout;
    m_replace = new QPushButton(tr("Replace look-alike characters"), this);
    m_replace->setObjectName(QStringLiteral("replaceLookalikesButton"));
    m_replace->setAutoDefault(false);
    m_replace->setToolTip(tr("Replace curly quotes, dashes, special spaces, ellipses, bullets "
                             "and accented letters by their GSM equivalents in the rows that "
                             "then need no Unicode; nothing else changes."));
    replaceRow->addWidget(m_replace);
    m_replaced = new QLabel(this);
    m_replaced->setObjectName(QStringLiteral("replacedText"));
    replaceRow->addWidget(m_replaced, 1);
    layout->addLayout(replaceRow);
    m_selectedOnly = new QCheckBox(this);
    m_selectedOnly->setObjectName(QStringLiteral("selectedRowsOnly"));
    m_selectedOnly->setHidden(true);
    layout->addWidget(m_selectedOnly);

    m_dontShow = new QCheckBox(tr("Don't show again"), this);
    m_dontShow->setObjectName(QStringLiteral("dontShowAgain"));
    m_dontShow->setToolTip(tr("Send goes on without this window; it stays in the main window."));
    m_dontShow->setChecked(!m_choices.showOnSend);
    layout->addWidget(m_dontShow);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    if (sendStep) {
        auto* next = new QPushButton(tr("Continue"), this);
        next->setObjectName(QStringLiteral("continueButton"));
        next->setDefault(true);
        auto* cancel = new QPushButton(tr("Cancel"), this);
        cancel->setObjectName(QStringLiteral("cancelButton"));
        buttons->addWidget(next);
        buttons->addWidget(cancel);
        connect(next, &QPushButton::clicked, this, &QDialog::accept);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    } else {
        auto* close = new QPushButton(tr("Close"), this);
        close->setObjectName(QStringLiteral("closeButton"));
        close->setDefault(true);
        buttons->addWidget(close);
        connect(close, &QPushButton::clicked, this, &QDialog::accept);
    }
    layout->addLayout(buttons);

    connect(m_price, &QLineEdit::editingFinished, this, &CampaignPreviewDlg::onPriceEdited);
    connect(m_price, &QLineEdit::textChanged, this, [this] {
        bool ok = false;
        const double price = m_price->text().toDouble(&ok);
        m_choices.pricePerPart = ok ? price : 0;
        m_summary->setText(summaryText());
    });
    connect(m_dontShow, &QCheckBox::toggled, this, &CampaignPreviewDlg::onDontShowAgain);
    connect(m_replace, &QPushButton::clicked, this, &CampaignPreviewDlg::onReplace);
    refresh();
}

QString CampaignPreviewDlg::summaryText() const
{
    return previewLines(m_preview, m_choices.pricePerPart).join(u'\n');
}

QString CampaignPreviewDlg::replacementText() const
{
    return m_replaced->text();
}

void CampaignPreviewDlg::refresh()
{
    if (m_list.count() <= RowsCountedInline) {
        m_preview = previewCampaign(m_list, m_settings);
    } else {
        // The rows as they are now: the count runs on its own thread and reads only these.
        std::vector<RecipientRow> rows;
        rows.reserve(static_cast<std::size_t>(m_list.count()));
        for (int i = 0; i < m_list.count(); ++i)
            rows.push_back(m_list.at(i));
        const PreviewSettings settings = m_settings;
        CampaignPreview counted;
        RunBackgroundJobAndWait(isVisible() ? this : parentWidget(), [&rows, &settings, &counted] {
            counted = previewCampaign(
                static_cast<int>(rows.size()),
                [&rows](int i) -> const RecipientRow& { return rows[static_cast<std::size_t>(i)]; },
                settings);
        });
        m_preview = std::move(counted);
    }
    m_summary->setText(summaryText());
    m_replace->setEnabled(!m_preview.lookalikes.rows.isEmpty());
}

void CampaignPreviewDlg::onPriceEdited()
{
    save();
}

void CampaignPreviewDlg::onDontShowAgain(bool ticked)
{
    m_choices.showOnSend = !ticked;
    save();
}

void CampaignPreviewDlg::setSelectedRows(QList<int> rows)
{
    m_selected = std::move(rows);
    m_selectedOnly->setText(tr("Only the selected rows (%1)").arg(m_selected.size()));
    m_selectedOnly->setHidden(m_selected.isEmpty());
}

void CampaignPreviewDlg::onReplace()
{
    const std::int64_t before = m_preview.parts;
    QList<int> rows = m_preview.lookalikes.rows;
    if (m_selectedOnly->isChecked())
        rows.removeIf([this](int row) { return !m_selected.contains(row); });
    const int changed = replaceLookalikeCharacters(m_list, rows);
    refresh();
    m_replaced->setText(
        tr("Replaced in %1 rows: %2 parts fewer").arg(changed).arg(before - m_preview.parts));
}

// A store that cannot be written leaves the window working with what was entered.
void CampaignPreviewDlg::save()
{
    if (m_store.load() != m_choices)
        m_store.save(m_choices);
}
