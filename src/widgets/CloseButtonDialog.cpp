#include "widgets/CloseButtonDialog.h"

#include <QCloseEvent>

void CloseButtonDialog::closeEvent(QCloseEvent* event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    event->ignore();
    onClose();
}

void CloseButtonDialog::finishClosing()
{
    m_closing = true;
    accept();
}
