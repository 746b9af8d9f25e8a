#include "layout/ui/TTextInput.h"

#include "layout/ui/ObjectDialogParts.h"
#include "render/TextConversion.h"

#include <QPlainTextEdit>

namespace gw::layout {

namespace {

// The object's text holds at most 1000 characters; line breaks are stored as CR LF.
constexpr int TextCapacity = 1000;

QString shownText(std::string_view stored)
{
    QString text = toQString(stored);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string storedLines(const QString &shown)
{
    QString text = shown;
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    std::string stored = fromQString(text);
    if (stored.size() > TextCapacity)
        stored.resize(TextCapacity);
    return stored;
}

} // namespace

TTextInput::TTextInput(app::AppContext &context, const LayoutObject &object, QWidget *parent)
    : ObjectDialog(context, object, QStringLiteral("Text"), 400, 250, parent)
{
    m_text = new QPlainTextEdit(shownText(m_object.textView()), this);
    m_text->setObjectName(QStringLiteral("TextBox"));
    m_text->setGeometry(14, 14, 372, 182);
    // Typing or pasting stops at the capacity; line breaks stored as two bytes are cut on OK.
    connect(m_text, &QPlainTextEdit::textChanged, this, [this] {
        if (m_text->toPlainText().size() > TextCapacity) {
            QTextCursor cursor = m_text->textCursor();
            m_text->setPlainText(m_text->toPlainText().left(TextCapacity));
            cursor.setPosition(int(m_text->toPlainText().size()));
            m_text->setTextCursor(cursor);
        }
    });
    addOkCancel(this, 220, 212, [this] { OkButtonClick(); });
}

void TTextInput::OkButtonClick()
{
    m_object.setText(storedLines(m_text->toPlainText()));
    acceptObject();
}

} // namespace gw::layout
