#include "widgets/WaitPopup.h"

#include "base/StatusTexts.h"

#include <QLabel>
#include <QVBoxLayout>

WaitPopup::WaitPopup(QWidget* over, const QString& text)
    : QFrame(over, Qt::Tool | Qt::FramelessWindowHint), m_label(new QLabel(this))
{
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->addWidget(m_label);
    setText(text.isEmpty() ? defaultText() : text);
    if (over) {
        adjustSize();
        const QPoint centre = over->mapToGlobal(over->rect().center());
        move(centre - rect().center());
    }
}

void WaitPopup::setText(const QString& text)
{
    m_label->setText(text);
}

QString WaitPopup::text() const
{
    return m_label->text();
}

QString WaitPopup::defaultText()
{
    return StatusTexts::mayTakeAWhile();
}
