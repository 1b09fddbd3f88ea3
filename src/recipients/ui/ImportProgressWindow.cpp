#include "recipients/ui/ImportProgressWindow.h"

#include "recipients/ImportProgress.h"
#include "widgets/WaitPopup.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int RefreshMs = 200;

} // namespace

ImportProgressWindow::ImportProgressWindow(QWidget* parent)
    : QDialog(parent), m_total(new QLabel(this)), m_reading(new QLabel(this)),
      m_number(new QLabel(this)), m_message(new QLabel(this))
{
    setWindowTitle(tr("Dynamic Message Import Wizard"));
    m_message->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    for (QLabel* label : {m_total, m_reading, m_number, m_message})
        layout->addWidget(label);
    layout->addWidget(new QLabel(WaitPopup::defaultText(), this));
    m_total->setText(ImportProgress::totalText(0));
    m_reading->setText(ImportProgress::readingText(0, 0));
    m_number->setText(tr("Number  :"));
    m_message->setText(tr("Message :") + u' ' + tr("Reading Excel Sheet"));
    connect(&m_timer, &QTimer::timeout, this, &ImportProgressWindow::refresh);
    resize(420, 200);
}

void ImportProgressWindow::follow(const ImportProgress& progress)
{
    m_progress = &progress;
    m_timer.start(RefreshMs);
}

void ImportProgressWindow::refresh()
{
    if (!m_progress)
        return;
    const ImportProgress::Snapshot now = m_progress->snapshot();
    m_total->setText(ImportProgress::totalText(m_progress->total()));
    if (now.current == 0)
        return;
    m_reading->setText(ImportProgress::readingText(now.current, m_progress->total()));
    m_number->setText(tr("Number  :") + u' ' + now.number);
    m_message->setText(tr("Message :") + u' ' + ImportProgress::shortMessage(now.message));
}

QString ImportProgressWindow::totalText() const
{
    return m_total->text();
}
QString ImportProgressWindow::readingText() const
{
    return m_reading->text();
}
QString ImportProgressWindow::numberText() const
{
    return m_number->text();
}
QString ImportProgressWindow::messageText() const
{
    return m_message->text();
}
