#include "sending/ui/CSend_Msg_Info.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CSend_Msg_Info::CSend_Msg_Info(QWidget* parent)
    : QDialog(parent), m_all(new QRadioButton(tr("Apply message to all list items "), this)),
      m_blank(new QRadioButton(tr("Apply message only in blank list items"), this))
{
    setWindowTitle(tr("Information"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(tr("You have made the changes in the text in message composer.\n\n"
                               "Do you want to update the messages in list items?"),
                            this);
    text->setWordWrap(true);
    layout->addWidget(text);
    layout->addWidget(m_all);
    layout->addWidget(m_blank);
    m_all->setChecked(true);
    auto* buttons = new QHBoxLayout;
    auto* yes = new QPushButton(tr("Yes"), this);
    auto* continueAnyway = new QPushButton(tr("Continue Anyway"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    yes->setObjectName(QStringLiteral("yesButton"));
    continueAnyway->setObjectName(QStringLiteral("continueButton"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    yes->setDefault(true);
    buttons->addStretch();
    for (QPushButton* button : {yes, continueAnyway, cancel})
        buttons->addWidget(button);
    layout->addLayout(buttons);
    connect(yes, &QPushButton::clicked, this, &CSend_Msg_Info::onYes);
    connect(continueAnyway, &QPushButton::clicked, this, &CSend_Msg_Info::onContinue);
    connect(cancel, &QPushButton::clicked, this, &CSend_Msg_Info::onCancel);
}

ComposerChangeQuestion::Answer CSend_Msg_Info::ask()
{
    m_answer = Answer::Cancel;
    m_all->setChecked(true);
    exec();
    return m_answer;
}

void CSend_Msg_Info::onYes()
{
    m_answer = m_blank->isChecked() ? Answer::ApplyToBlank : Answer::ApplyToAll;
    accept();
}

void CSend_Msg_Info::onContinue()
{
    m_answer = Answer::ContinueAnyway;
    accept();
}

void CSend_Msg_Info::onCancel()
{
    m_answer = Answer::Cancel;
    reject();
}
