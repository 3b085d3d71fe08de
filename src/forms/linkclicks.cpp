#include "linkclicks.h"

#include "desktop.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextEdit>

namespace Lumo {

namespace {

// Longer addresses are shown as links but never opened.
constexpr qsizetype MaxAddressLength = 1023;

// Only web addresses count as links, so text in the box (which may come from a file) can never
// make a click open a local file or another kind of address. Trailing punctuation ends a
// sentence rather than the address.
const QRegularExpression &webAddressPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(\b(?:https?://|www\.)[^\s<>"]*[^\s<>"'.,;:!?()\[\]{}])"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

QUrl linkUrl(const QString &address)
{
    if (address.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("http://") + address);
    return QUrl(address);
}

// The address that covers the character at the given offset of the text, or an empty text.
QString addressAtOffset(const QString &text, qsizetype offset)
{
    for (auto matches = webAddressPattern().globalMatch(text); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        if (offset >= match.capturedStart() && offset < match.capturedEnd())
            return match.captured();
    }
    return QString();
}

// The address under a point of the box's viewport; a point beside the text hits nothing.
QString addressAt(QTextEdit &box, QPoint viewportPosition)
{
    const QPoint documentPosition = viewportPosition + QPoint(box.horizontalScrollBar()->value(),
                                                              box.verticalScrollBar()->value());
    QTextDocument *document = box.document();
    const int position = document->documentLayout()->hitTest(documentPosition, Qt::ExactHit);
    if (position < 0)
        return QString();
    const QTextBlock block = document->findBlock(position);
    return addressAtOffset(block.text(), position - block.position());
}

// Shows the addresses as links (underlined, in the link colour) without changing the
// document's own character formats.
class LinkHighlighter : public QSyntaxHighlighter
{
public:
    LinkHighlighter(QTextDocument *document, const QColor &linkColour, QObject *parent)
        : QSyntaxHighlighter(parent)
    {
        m_linkFormat.setFontUnderline(true);
        m_linkFormat.setForeground(linkColour);
        setDocument(document);
        rehighlight();
    }

protected:
    void highlightBlock(const QString &text) override
    {
        for (auto matches = webAddressPattern().globalMatch(text); matches.hasNext();) {
            const QRegularExpressionMatch match = matches.next();
            setFormat(int(match.capturedStart()), int(match.capturedLength()), m_linkFormat);
        }
    }

private:
    QTextCharFormat m_linkFormat;
};

// Watches the box's viewport for presses of the left button on an address. The press is never
// consumed. A child of the box, and owns the highlighter, so deleting the filter ends both.
class LinkClickFilter : public QObject
{
public:
    explicit LinkClickFilter(QTextEdit *box) : QObject(box), m_box(box)
    {
        new LinkHighlighter(box->document(), box->palette().color(QPalette::Link), this);
        box->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress && m_box) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton)
                openAddressAt(mouse->position().toPoint());
        }
        return false;
    }

private:
    void openAddressAt(QPoint viewportPosition)
    {
        const QString address = addressAt(*m_box, viewportPosition);
        if (address.isEmpty() || address.size() > MaxAddressLength)
            return;
        openWebPage(linkUrl(address), m_box);
    }

    QPointer<QTextEdit> m_box;
};

LinkClickFilter *linkClicksOf(QTextEdit *box)
{
    for (QObject *child : box->children()) {
        if (auto *filter = dynamic_cast<LinkClickFilter *>(child))
            return filter;
    }
    return nullptr;
}

} // namespace

bool EnableLinkClicks(QTextEdit *box)
{
    if (!box || linkClicksOf(box))
        return false;
    new LinkClickFilter(box);
    return true;
}

void DisableLinkClicks(QTextEdit *box)
{
    if (box)
        delete linkClicksOf(box);
}

} // namespace Lumo
