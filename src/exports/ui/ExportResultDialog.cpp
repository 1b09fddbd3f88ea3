#include "exports/ui/ExportResultDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

ExportResultDialog::ExportResultDialog(const QString& successText, QWidget* parent)
    : QDialog(parent), m_text(new QLabel(successText, this)),
      m_open(new QCheckBox(tr("Open exported file."), this))
{
    setWindowTitle(tr("Message"));
    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(size, size));
    icon->setAlignment(Qt::AlignTop);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* message = new QHBoxLayout;
    message->addWidget(icon);
    message->addWidget(m_text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(message);
    layout->addWidget(m_open);
    layout->addWidget(buttons);
}

QString ExportResultDialog::text() const
{
    return m_text->text();
}

bool ExportResultDialog::openRequested() const
{
    return result() == QDialog::Accepted && m_open->isChecked();
}

bool ExportResultDialogPrompt::askToOpen(const QString& successText)
{
    ExportResultDialog dialog(successText, m_parent);
    dialog.exec();
    return dialog.openRequested();
}
