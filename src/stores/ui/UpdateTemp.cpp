#include "stores/ui/UpdateTemp.h"

#include "stores/TemplatesLogic.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

CUpdateTemp::CUpdateTemp(Mode mode, const QString& text, Acceptor accept, QWidget* parent)
    : QDialog(parent), m_accept(std::move(accept)), m_editor(new QPlainTextEdit(this)),
      m_counter(new QLabel(this))
{
    const bool adding = mode == Mode::Add;
    setWindowTitle(adding ? tr("Add Template") : tr("Update Template"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_editor);
    auto* row = new QHBoxLayout;
    row->addWidget(m_counter);
    row->addStretch();
    auto* apply = new QPushButton(adding ? tr("Add") : tr("Update"), this);
    apply->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    row->addWidget(apply);
    row->addWidget(cancel);
    layout->addLayout(row);
    connect(apply, &QPushButton::clicked, this, &CUpdateTemp::onApply);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // A stored template may be longer than the limit; it is shown whole, and only typing or
    // pasting beyond the limit is cut.
    m_editor->setPlainText(text);
    m_editor->moveCursor(QTextCursor::End);
    m_length = int(this->text().size());
    connect(m_editor->document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) {
                m_changeEnd = position + added;
                m_changeAdded = added;
            });
    connect(m_editor, &QPlainTextEdit::textChanged, this, &CUpdateTemp::onTextChanged);
    onTextChanged();
    resize(480, 260);
}

QString CUpdateTemp::text() const
{
    return m_editor->toPlainText();
}

QString CUpdateTemp::counterText() const
{
    return m_counter->text();
}

void CUpdateTemp::onTextChanged()
{
    if (m_cutting)
        return;
    cutToLimit();
    m_length = int(text().size());
    m_counter->setText(tr("%1 Characters").arg(m_length));
}

void CUpdateTemp::cutToLimit()
{
    const int length = int(text().size());
    const int allowed = std::max(TemplatesLogic::ComposerLimit, m_length);
    if (length <= allowed || m_changeAdded <= 0)
        return;
    // Drop the tail of what was just typed or pasted, so the text ends up at the limit.
    const int end = std::min(m_changeEnd, length);
    const int excess = std::min(length - allowed, end);
    QTextCursor cursor(m_editor->document());
    cursor.setPosition(end - excess);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    m_cutting = true;
    cursor.removeSelectedText();
    m_cutting = false;
    m_editor->setTextCursor(cursor);
}

void CUpdateTemp::onApply()
{
    if (!m_accept || m_accept(text()))
        accept();
}
