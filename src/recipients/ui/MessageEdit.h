#pragma once

#include <QPlainTextEdit>

// A multi-line message editor that stops taking text at its limit (1600 characters unless told
// otherwise): typing past it does nothing and a paste is cut to what fits. Tab types a tab.
class MessageEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    static constexpr int DefaultLimit = 1600;

    explicit MessageEdit(QWidget* parent = nullptr, int limit = DefaultLimit);

    int limit() const { return m_limit; }
    QString text() const { return toPlainText(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    int room() const;

    int m_limit;
};
