#include "recipients/ui/CExl_Msg_EG.h"

#include "recipients/DynamicMessages.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>

namespace {

constexpr int ExampleColumns = 7;
using ExampleRow = std::array<const char*, ExampleColumns>;

constexpr std::array<ExampleRow, 4> ExampleSheet = {{
    {"Parent Mobile No.", "Student Name", "Class", "Section", "Total Marks", "Marks Obtained",
     "Result"},
    {"+447700900123", "Emma Clark", "7", "B", "500", "431", "Pass"},
    {"+447700900456", "Liam Patel", "7", "A", "500", "388", "Pass"},
    {"+447700900789", "Noah Evans", "7", "C", "500", "162", "Fail"},
}};

} // namespace

CExl_Msg_EG::CExl_Msg_EG(QWidget* parent)
    : QDialog(parent), m_sheet(new QTableWidget(int(ExampleSheet.size()), ExampleColumns, this))
{
    setWindowTitle(tr("Example of personalized Dynamic Message"));
    m_sheet->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < int(ExampleSheet.size()); ++row)
        for (int column = 0; column < ExampleColumns; ++column)
            m_sheet->setItem(row, column,
                             new QTableWidgetItem(QString::fromUtf8(ExampleSheet[row][column])));
    m_sheet->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* templateText = new QLabel(tr("Dynamic message :") + u'\n' + exampleTemplate(), this);
    auto* message = new QLabel(
        tr("Message received on %1 :").arg(ExampleSheet[1][0]) + u'\n' + exampleMessage(), this);
    for (QLabel* label : {templateText, message}) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_sheet);
    layout->addWidget(templateText);
    layout->addWidget(message);
    layout->addWidget(buttons);
    resize(720, 380);
}

QString CExl_Msg_EG::exampleTemplate()
{
    return QStringLiteral("Dear Parent, %1 of class %2-%3 has obtained %4 out of %5 marks in the "
                          "annual examination. Result : %6.")
        .arg(Placeholder(2), Placeholder(3), Placeholder(4), Placeholder(6), Placeholder(5),
             Placeholder(7));
}

QString CExl_Msg_EG::exampleMessage()
{
    QString message = exampleTemplate();
    for (int column = 1; column <= ExampleColumns; ++column)
        message.replace(Placeholder(column), QString::fromUtf8(ExampleSheet[1][column - 1]));
    return message;
}
