#include "antenna/notes_box.h"

#include <QFontMetrics>

namespace wendra {

QPlainTextEdit* notesBox(const QString& name, const QString& text, QWidget* parent)
{
    auto* box = new QPlainTextEdit(text, parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFontMetrics fm(box->font());
    const QStringList lines = text.split(QLatin1Char('\n'));
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, fm.horizontalAdvance(line));
    // Room for the frame, the document margins and a scroll bar: the whole
    // text shows without scrolling.
    box->setMinimumSize(widest + 40, fm.lineSpacing() * int(lines.size()) + 24);
    return box;
}

} // namespace wendra
