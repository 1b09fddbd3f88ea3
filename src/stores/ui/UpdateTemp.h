#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPlainTextEdit;

// The template editor: one text of at most 1600 characters with its "%d Characters" counter.
// Its button hands the text to `accept`, and the editor closes only when that takes it.
class CUpdateTemp : public QDialog
{
    Q_OBJECT

public:
    enum class Mode
    {
        Add,
        Update
    };
    using Acceptor = std::function<bool(const QString&)>;

    CUpdateTemp(Mode mode, const QString& text, Acceptor accept, QWidget* parent = nullptr);

    QString text() const;
    QString counterText() const;
    QPlainTextEdit* editor() const { return m_editor; }

public slots:
    void onApply();

private:
    void onTextChanged();
    void cutToLimit();

    Acceptor m_accept;
    QPlainTextEdit* m_editor;
    QLabel* m_counter;
    int m_length = 0; // before the change being handled
    int m_changeEnd = 0;
    int m_changeAdded = 0;
    bool m_cutting = false;
};
