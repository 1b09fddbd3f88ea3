#pragma once

#include <QFrame>

class QLabel;

// A small frameless pop-up over a window that says what the program is busy with.
class WaitPopup : public QFrame
{
    Q_OBJECT

public:
    explicit WaitPopup(QWidget* over, const QString& text = QString());

    void setText(const QString& text);
    QString text() const;

    static QString defaultText();

private:
    QLabel* m_label;
};
