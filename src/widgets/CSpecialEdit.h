#pragma once

#include "widgets/EntryFormat.h"

#include <QLineEdit>
#include <memory>

class Prompter;
class QMenu;

// A one-line entry box that lets through only what its format allows (phone numbers unless
// told otherwise, at most 20 characters). A refused character or paste is answered with the
// format's message; a refused paste beeps as well and inserts nothing.
class CSpecialEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit CSpecialEdit(Prompter& prompter, QWidget* parent = nullptr,
                          std::unique_ptr<IFormat> format = std::make_unique<DecimalFormat>());

    void setPrompter(Prompter& prompter) { m_prompter = &prompter; }

    // The line edit's own context menu, with its Paste obeying the same rule as Ctrl+V.
    QMenu* createCheckedContextMenu();

public slots:
    // Pastes the clipboard text when every character of it is allowed.
    void pasteChecked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void insertChecked(const QString& text);
    void refuse();

    Prompter* m_prompter;
    std::unique_ptr<IFormat> m_format;
};
