#pragma once

#include "exports/ExportServices.h"

#include <QDialog>

class QCheckBox;
class QLabel;

// The window shown after a successful export, titled "Message": the success text, the box
// "Open exported file." and the buttons "OK" and "Cancel".
class ExportResultDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ExportResultDialog(const QString& successText, QWidget* parent = nullptr);

    QString text() const;
    QCheckBox* openBox() const { return m_open; }
    // OK pressed with the box ticked.
    bool openRequested() const;

private:
    QLabel* m_text;
    QCheckBox* m_open;
};

// The prompt as a modal ExportResultDialog over a window.
class ExportResultDialogPrompt : public ExportResultPrompt
{
public:
    explicit ExportResultDialogPrompt(QWidget* parent) : m_parent(parent) {}
    bool askToOpen(const QString& successText) override;

private:
    QWidget* m_parent;
};
