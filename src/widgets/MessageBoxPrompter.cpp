#include "widgets/MessageBoxPrompter.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    case Prompter::Icon::Warning:
        return QMessageBox::Warning;
    case Prompter::Icon::Error:
        return QMessageBox::Critical;
    case Prompter::Icon::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

void MessageBoxPrompter::inform(const QString& caption, const QString& text, Icon icon)
{
    QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok, m_parent);
    box.exec();
}

bool MessageBoxPrompter::confirm(const QString& caption, const QString& text, Icon icon)
{
    QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool MessageBoxPrompter::confirmOkCancel(const QString& caption, const QString& text, Icon icon)
{
    QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

Prompter::Answer MessageBoxPrompter::askYesNoCancel(const QString& caption, const QString& text,
                                                    Icon icon)
{
    QMessageBox box(boxIcon(icon), caption, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

int MessageBoxPrompter::choose(const QString& caption, const QString& text,
                               const QStringList& choices, Icon icon)
{
    QMessageBox box(boxIcon(icon), caption, text, QMessageBox::NoButton, m_parent);
    QList<QAbstractButton*> buttons;
    for (qsizetype i = 0; i < choices.size(); ++i) {
        const bool back = i + 1 == choices.size();
        buttons.append(
            box.addButton(choices[i], back ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
    }
    if (!buttons.isEmpty())
        box.setEscapeButton(buttons.back());
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return static_cast<int>(chosen >= 0 ? chosen : choices.size() - 1);
}
