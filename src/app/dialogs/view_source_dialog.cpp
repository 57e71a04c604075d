#include "app/dialogs/view_source_dialog.h"

#include "app/app_texts.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QVBoxLayout>

namespace
{
// Tags, attribute names, attribute values and comments in their own colours.
class XmlHighlighter : public QSyntaxHighlighter
{
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

protected:
    void highlightBlock(const QString &text) override
    {
        static const QRegularExpression tag(QStringLiteral("</?[A-Za-z_][\\w.:-]*|/?>"));
        static const QRegularExpression name(QStringLiteral("\\b[A-Za-z_][\\w.:-]*(?=\\s*=)"));
        static const QRegularExpression value(QStringLiteral("\"[^\"]*\"|'[^']*'"));
        static const QRegularExpression comment(QStringLiteral("<!--.*?-->"));
        auto paint = [&](const QRegularExpression &re, const QColor &colour, bool bold) {
            QTextCharFormat format;
            format.setForeground(colour);
            if (bold) format.setFontWeight(QFont::Bold);
            for (auto it = re.globalMatch(text); it.hasNext();) {
                const auto m = it.next();
                setFormat(int(m.capturedStart()), int(m.capturedLength()), format);
            }
        };
        paint(name, QColor(160, 0, 0), false);
        paint(tag, QColor(0, 0, 160), true);
        paint(value, QColor(0, 110, 0), false);
        paint(comment, Qt::gray, false);
    }
};
} // namespace

TfrmViewSource::TfrmViewSource(const QString &text, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmViewSource"));
    setWindowTitle(T("Page properties"));
    m_source = new QPlainTextEdit(this);
    m_source->setObjectName(QStringLiteral("txtSource"));
    m_source->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_source->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_source->setPlainText(text);
    new XmlHighlighter(m_source->document());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOk"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    buttons->button(QDialogButtonBox::Cancel)->setText(T("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_source);
    layout->addWidget(buttons);
    resize(800, 600);
}

QString TfrmViewSource::text() const
{
    return m_source->toPlainText();
}
