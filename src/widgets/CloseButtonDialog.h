#pragma once

#include <QDialog>

// A window that closes only through its own Close command: Escape is swallowed and the title
// bar's close button runs that command, which may save first or do nothing while busy.
class CloseButtonDialog : public QDialog
{
    Q_OBJECT

public:
    using QDialog::QDialog;

public slots:
    void reject() override {}
    virtual void onClose() = 0;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Called by onClose once the window may go.
    void finishClosing();

private:
    bool m_closing = false;
};
